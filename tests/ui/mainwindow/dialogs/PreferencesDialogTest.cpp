#include "ui/mainwindow/MainWindowFixture.h"

#include "online/ServiceAddress.h"
#include "ui/mainwindow/dialogs/PreferencesDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>

namespace {

class PreferencesDialogTest : public MainWindowFixture {
protected:
    PreferencesDialogTest() {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.filePath("config"));
        for (const char* name : {"LUMBRA_SERVICE_URL", "LUMBRA_BACKGROUND_URL"}) {
            environment.push_back(qgetenv(name));
            qunsetenv(name);
        }
    }
    ~PreferencesDialogTest() override {
        qputenv("LUMBRA_SERVICE_URL", environment[0]);
        qputenv("LUMBRA_BACKGROUND_URL", environment[1]);
    }
    // Edit > Preferences, as the user opens it.
    PreferencesDialog& Open() {
        Actions().editPreferences->trigger();
        auto* dialog = Window().findChild<PreferencesDialog*>();
        EXPECT_TRUE(dialog && dialog->isVisible());
        return *dialog;
    }
    static QPushButton* Ok(PreferencesDialog& dialog) {
        return dialog.Buttons()->button(QDialogButtonBox::Ok);
    }
    // Types into a field as the user does: the old text selected and replaced.
    static void Type(QLineEdit* field, const QString& text) {
        field->selectAll();
        QTest::keyClicks(field, text);
    }

    std::vector<QByteArray> environment;
};

} // namespace

TEST_F(PreferencesDialogTest, AddressesAreCheckedWhileTypedKeptAndUsedAtOnce) {
    Active();
    EXPECT_EQ(Actions().editPreferences->shortcuts(),
              QKeySequence::keyBindings(QKeySequence::Preferences));
    PreferencesDialog& dialog = Open();
    QLineEdit* service = dialog.AddressInput(SiteAddress::Service);
    EXPECT_TRUE(service->text().isEmpty()); // the build's address, shown as the hint
    EXPECT_EQ(service->placeholderText(), BuiltInAddress(SiteAddress::Service));
    const QStringList wrongs{
        QStringLiteral("print.example.com"),
        QStringLiteral("https://%1@print.example.com/").arg(QStringLiteral("anna:pw"))};
    for (const QString& wrong : wrongs) {
        Type(service, wrong);
        EXPECT_TRUE(dialog.AddressProblem(SiteAddress::Service)->isVisible())
            << wrong.toStdString();
        EXPECT_FALSE(Ok(dialog)->isEnabled()) << wrong.toStdString();
    }
    Type(service, QStringLiteral("https://print.example.com/pb"));
    Type(dialog.AddressInput(SiteAddress::Backgrounds), QStringLiteral("http://bg.example.com"));
    EXPECT_FALSE(dialog.AddressProblem(SiteAddress::Service)->isVisible());
    ASSERT_TRUE(Ok(dialog)->isEnabled());
    QTest::mouseClick(Ok(dialog), Qt::LeftButton);
    EXPECT_EQ(ServiceBaseUrl(), QStringLiteral("https://print.example.com/pb/"));
    EXPECT_EQ(BackgroundSiteUrl(), QStringLiteral("http://bg.example.com/bg/")); // the usual path
    QTest::qWait(0); // the closed window goes

    // Shown again as kept; Restore Defaults and OK go back to the build's.
    PreferencesDialog& again = Open();
    EXPECT_EQ(again.AddressInput(SiteAddress::Service)->text(), "https://print.example.com/pb/");
    again.Buttons()->button(QDialogButtonBox::RestoreDefaults)->click();
    QTest::mouseClick(Ok(again), Qt::LeftButton);
    EXPECT_EQ(ServiceBaseUrl(), BuiltInAddress(SiteAddress::Service));
    EXPECT_EQ(BackgroundSiteUrl(), BuiltInAddress(SiteAddress::Backgrounds));

    // An address the environment sets shows, but only the environment changes it.
    qputenv("LUMBRA_SERVICE_URL", "http://127.0.0.1:1/pb/");
    QTest::qWait(0);
    PreferencesDialog& locked = Open();
    EXPECT_TRUE(locked.AddressInput(SiteAddress::Service)->isReadOnly());
    const auto* note = locked.findChild<QLabel*>(QStringLiteral("serviceAddressNote"));
    ASSERT_NE(note, nullptr);
    EXPECT_TRUE(note->isVisibleTo(&locked)); // said in the window, not only in a tooltip
    EXPECT_TRUE(note->text().contains(QStringLiteral("LUMBRA_SERVICE_URL")));
}
