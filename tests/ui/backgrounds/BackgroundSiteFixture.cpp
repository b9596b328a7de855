#include "ui/backgrounds/BackgroundSiteFixture.h"

#include "imaging/TestJpegs.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QTest>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <optional>

namespace {

void AddFilesBelow(const QString& root, std::map<std::string, std::string>& files) {
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files[path.toStdString()] =
            QCryptographicHash::hash(TestJpegs::ReadBytes(path), QCryptographicHash::Md5)
                .toHex()
                .toStdString();
    }
}

} // namespace

BackgroundSiteFixture::BackgroundSiteFixture() {
    for (const char* line : {"cDownloadCaption=Download", "cCloseCaption=Close",
                             "cConfirmDownloadAgain=Download them again?",
                             "cDownloadFinish=All done.", "cMainFormCaption=Lumbra"})
        strings.ApplyLanguageLine(QString::fromLatin1(line));
    QDir(dir.path()).mkpath(QStringLiteral("site"));
    QDir(dir.path()).mkpath(QStringLiteral("scratch"));
    ServiceOptions options;
    options.ordersFolder = dir.filePath(QStringLiteral("orders"));
    options.backgroundsFolder = dir.filePath(QStringLiteral("site"));
    service = std::make_unique<PrintService>(options);
    EXPECT_NE(service->Listen(0), 0);
    pane.resize(800, 161);
}

BackgroundSiteFixture::~BackgroundSiteFixture() { dialog.reset(); }

void BackgroundSiteFixture::AddToSite(const QString& name) {
    TestJpegs::Write(Site(name + QStringLiteral("_or.jpg")), TestJpegs::PhotoLike(300, 200));
}

void BackgroundSiteFixture::AddToLibrary(const QString& name) {
    for (const char* size : {"_sm.jpg", "_md.jpg", "_lg.jpg", "_or.jpg"})
        TestJpegs::Write(Library(name + QLatin1String(size)), TestJpegs::Quadrants(64, 48));
    library.LoadBackgroundList();
}

QString BackgroundSiteFixture::Site(const QString& file) const {
    return dir.filePath(QStringLiteral("site/") + file);
}

QString BackgroundSiteFixture::Library(const QString& file) const {
    return library.BackgroundsFolder() + file;
}

QString BackgroundSiteFixture::Scratch() const { return dir.filePath(QStringLiteral("scratch/")); }

BackgroundDownloadDialog& BackgroundSiteFixture::OpenDialog() {
    dialog = std::make_unique<BackgroundDownloadDialog>(
        BackgroundDownloadContext{library, strings, &pane, Scratch(), service->BackgroundUrl()});
    dialog->open();
    const bool loaded = QTest::qWaitFor(
        [this] {
            return RunScript(QStringLiteral("document.getElementById('selection') !== null"))
                .toBool();
        },
        60000);
    EXPECT_TRUE(loaded) << "the site did not load";
    return *dialog;
}

QVariant BackgroundSiteFixture::RunScript(const QString& script) {
    std::optional<QVariant> value;
    dialog->WebView()->page()->runJavaScript(script, [&value](const QVariant& v) { value = v; });
    EXPECT_TRUE(QTest::qWaitFor([&value] { return value.has_value(); }, 20000));
    return value.value_or(QVariant());
}

void BackgroundSiteFixture::Tick(const QString& name) {
    const QString script =
        QStringLiteral("(function(){const c=document.querySelector(\"input[value='%1']\");"
                       "if(!c)return false;c.click();return c.checked;})()")
            .arg(name);
    EXPECT_TRUE(RunScript(script).toBool()) << "no box for " << name.toStdString();
}

QMessageBox* BackgroundSiteFixture::WaitForBox(const char* name, int timeoutMs) {
    QMessageBox* box = nullptr;
    const bool shown = QTest::qWaitFor(
        [&] {
            box = dialog->findChild<QMessageBox*>(QLatin1String(name));
            return box && box->isVisible();
        },
        timeoutMs);
    return shown ? box : nullptr;
}

bool BackgroundSiteFixture::WaitUntilClosed(int timeoutMs) {
    return QTest::qWaitFor([this] { return !dialog->isVisible(); }, timeoutMs);
}

std::map<std::string, std::string> BackgroundSiteFixture::Files() const {
    std::map<std::string, std::string> files;
    AddFilesBelow(library.BackgroundsFolder(), files);
    AddFilesBelow(Scratch(), files);
    return files;
}
