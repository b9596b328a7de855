#include "MainWindowFixture.h"

#include "imaging/TestJpegs.h"
#include "model/Page.h"
#include "model/PageDrop.h"
#include "model/PhotoImage.h"
#include "model/PhotoImageList.h"
#include "ui/bookview/BookView.h"
#include "ui/bookview/PageView.h"
#include "ui/editors/PhotoBoxEditor.h"
#include "ui/editors/TextBoxEditor.h"
#include "ui/panes/PhotosPane.h"
#include "ui/panes/SidePane.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QSlider>
#include <QToolBar>
#include <QToolButton>
#include <QWidgetAction>

namespace {

QString NameOf(const QObject& object) {
    const QString name =
        object.objectName().isEmpty() ? QStringLiteral("(no name)") : object.objectName();
    const QObject* parent = object.parent();
    const QString where = !parent                          ? QString()
                          : parent->objectName().isEmpty() ? parent->metaObject()->className()
                                                           : parent->objectName();
    return QStringLiteral("%1 %2 in %3")
        .arg(QLatin1String(object.metaObject()->className()), name, where);
}

// The controls under `root` a user can press or pick from that have no
// tooltip, one line each. Qt's own helper buttons do not count.
QStringList WithoutToolTip(const QWidget& root) {
    QStringList missing;
    for (const QToolBar* bar : root.findChildren<QToolBar*>())
        for (const QAction* action : bar->actions())
            if (!action->isSeparator() && !qobject_cast<const QWidgetAction*>(action) &&
                action->toolTip().trimmed().isEmpty())
                missing << NameOf(*action);
    for (const QAbstractButton* button : root.findChildren<QAbstractButton*>())
        if (!button->objectName().startsWith(QLatin1String("qt_")) &&
            button->toolTip().trimmed().isEmpty())
            missing << NameOf(*button);
    for (const QComboBox* combo : root.findChildren<QComboBox*>())
        if (combo->toolTip().trimmed().isEmpty())
            missing << NameOf(*combo);
    for (const QSlider* slider : root.findChildren<QSlider*>())
        if (slider->toolTip().trimmed().isEmpty())
            missing << NameOf(*slider);
    return missing;
}

// The main window in English, its book with a photo on the first page.
class ToolTipCoverageTest : public MainWindowFixture {
protected:
    void SetUp() override {
        strings.LoadLanguageFile(QCoreApplication::applicationDirPath() +
                                 QStringLiteral("/English.txt"));
        Window().show();
        books->Initialize();
        const QString picture = dir.filePath("pic.jpg");
        TestJpegs::Write(picture, TestJpegs::PhotoLike(320, 240));
        photo = std::make_shared<PhotoImage>();
        photo->SetImage(picture, CurrentBook()->GetBookFolder());
        CurrentBook()->Photos().Add(photo);
        Window().GetSidePane()->Photos()->AddDisplayPhoto(photo);
    }
    BookView& View() { return *Window().GetBookView(); }

    std::shared_ptr<PhotoImage> photo;
};

} // namespace

TEST_F(ToolTipCoverageTest, EveryButtonOfTheToolbarsBookViewAndSidePaneHasATooltip) {
    ASSERT_FALSE(View().findChildren<QToolBar*>().isEmpty());
    EXPECT_EQ(WithoutToolTip(View()).join(u'\n').toStdString(), "");
    EXPECT_EQ(WithoutToolTip(*Window().GetSidePane()).join(u'\n').toStdString(), "");
    const auto* selector = Window().findChild<QComboBox*>(QStringLiteral("mTemplateSelector"));
    ASSERT_NE(selector, nullptr);
    EXPECT_FALSE(selector->toolTip().isEmpty());
}

TEST_F(ToolTipCoverageTest, EveryButtonOfTheOpenBoxEditorsHasATooltip) {
    ApplyDropText(*CurrentBook(), *CurrentBook()->GetPage(0), photo->GetKey(), 100, 50);
    PageView* page = View().RightPageView();
    page->OpenPhotoEditor(0);
    auto* photoEditor = dynamic_cast<PhotoBoxEditor*>(View().PhotoBoxEditor());
    ASSERT_TRUE(photoEditor && photoEditor->IsInitialized() && photoEditor->isVisible());
    EXPECT_GE(photoEditor->findChildren<QToolBar*>().value(0)->actions().size(), 5);
    EXPECT_EQ(WithoutToolTip(*photoEditor).join(u'\n').toStdString(), "");
    photoEditor->Destroy();

    page->OpenTextEditor(0);
    auto* textEditor = dynamic_cast<TextBoxEditor*>(View().TextBoxEditor());
    ASSERT_TRUE(textEditor && textEditor->isVisible());
    EXPECT_EQ(WithoutToolTip(*textEditor).join(u'\n').toStdString(), "");
}

TEST_F(ToolTipCoverageTest, TheWalkNamesAButtonWithoutATooltip) {
    auto* stray = new QToolButton(&View());
    stray->setObjectName(QStringLiteral("strayButton"));
    const QStringList missing = WithoutToolTip(View());
    ASSERT_EQ(missing.size(), 1);
    EXPECT_TRUE(missing.front().contains(QLatin1String("strayButton")));
}
