#include "ui/backgrounds/BackgroundDownloadDialog.h"

#include "imaging/TestJpegs.h"
#include "ui/backgrounds/BackgroundSiteFixture.h"
#include "ui/backgrounds/BackgroundTile.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QWebEngineView>

namespace {

using BackgroundDownloadDialogTest = BackgroundSiteFixture;

QStringList TileNames(const BackgroundsPane& pane) {
    QStringList names;
    for (const BackgroundTile* tile : pane.Tiles())
        names << tile->mFileName();
    return names;
}

TEST_F(BackgroundDownloadDialogTest, ShowsTheSiteWithItsCaptions) {
    AddToSite(QStringLiteral("dusk"));
    BackgroundDownloadDialog& shown = OpenDialog();
    EXPECT_EQ(shown.windowTitle(), "Download Backgrounds");
    EXPECT_EQ(shown.DownloadButton()->text(), "Download");
    EXPECT_EQ(shown.CloseButton()->text(), "Close");
    EXPECT_EQ(shown.WebView()->contextMenuPolicy(), Qt::NoContextMenu);
    EXPECT_TRUE(shown.ProgressBar()->isHidden());
    EXPECT_EQ(RunScript(QStringLiteral("document.querySelectorAll('input').length")).toInt(), 1);
    EXPECT_FALSE(shown.IsDownloading());
}

TEST_F(BackgroundDownloadDialogTest, TwoChosenOnePresentAsksOnceAndSkipsItOnNo) {
    AddToSite(QStringLiteral("dusk"));
    AddToSite(QStringLiteral("lagoon"));
    AddToLibrary(QStringLiteral("dusk"));
    pane.RefreshTiles();
    const auto before = Files();
    OpenDialog();
    Tick(QStringLiteral("dusk"));
    Tick(QStringLiteral("lagoon"));
    dialog->DownloadButton()->click();

    QMessageBox* question = WaitForBox("repeatQuestion");
    ASSERT_TRUE(question);
    EXPECT_EQ(question->text(), "Download them again?");
    EXPECT_EQ(question->defaultButton(), question->button(QMessageBox::No));
    EXPECT_TRUE(dialog->IsDownloading());
    EXPECT_FALSE(dialog->DownloadButton()->isEnabled());
    EXPECT_FALSE(dialog->ProgressBar()->isHidden());
    EXPECT_EQ(dialog->ProgressBar()->maximum(), 6);
    question->button(QMessageBox::No)->click();

    QMessageBox* finish = WaitForBox("downloadFinished");
    ASSERT_TRUE(finish);
    EXPECT_EQ(finish->text(), "All done.");
    EXPECT_EQ(dialog->findChildren<QMessageBox*>("repeatQuestion").size(), 0); // asked once
    EXPECT_EQ(dialog->ProgressBar()->value(), 6);
    finish->button(QMessageBox::Ok)->click();
    EXPECT_TRUE(WaitUntilClosed());

    EXPECT_EQ(library.Names(), (QStringList{"dusk", "lagoon"}));
    EXPECT_EQ(TileNames(pane), (QStringList{"dusk", "lagoon"}));
    for (const char* size : {"_sm.jpg", "_md.jpg", "_lg.jpg", "_or.jpg"})
        EXPECT_TRUE(QFile::exists(Library(QStringLiteral("lagoon") + QLatin1String(size)))) << size;
    auto after = Files();
    for (const char* size : {"_sm.jpg", "_md.jpg", "_lg.jpg", "_or.jpg"})
        after.erase((Library(QStringLiteral("lagoon")) + QLatin1String(size)).toStdString());
    EXPECT_EQ(after, before); // dusk kept as it was, the scratch folder empty again
}

TEST_F(BackgroundDownloadDialogTest, YesFetchesThePresentOneAgainWithoutASecondTile) {
    AddToSite(QStringLiteral("dusk"));
    AddToSite(QStringLiteral("lagoon"));
    AddToLibrary(QStringLiteral("dusk"));
    pane.RefreshTiles();
    OpenDialog();
    Tick(QStringLiteral("dusk"));
    Tick(QStringLiteral("lagoon"));
    dialog->DownloadButton()->click();
    QMessageBox* question = WaitForBox("repeatQuestion");
    ASSERT_TRUE(question);
    question->button(QMessageBox::Yes)->click();
    QMessageBox* finish = WaitForBox("downloadFinished");
    ASSERT_TRUE(finish);
    finish->button(QMessageBox::Ok)->click();
    EXPECT_TRUE(WaitUntilClosed());

    EXPECT_EQ(library.Names(), (QStringList{"dusk", "lagoon"}));
    EXPECT_EQ(TileNames(pane), (QStringList{"dusk", "lagoon"}));
    QFile site(Site("dusk_or.jpg"));
    QFile kept(Library("dusk_or.jpg"));
    ASSERT_TRUE(site.open(QIODevice::ReadOnly) && kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), site.readAll());
}

TEST_F(BackgroundDownloadDialogTest, NothingChosenDoesNothing) {
    AddToSite(QStringLiteral("dusk"));
    const auto before = Files();
    OpenDialog();
    dialog->DownloadButton()->click();
    EXPECT_TRUE(QTest::qWaitFor([this] { return dialog->DownloadButton()->isEnabled(); }, 20000));
    // Ticked and unticked again: "bg:" alone.
    Tick(QStringLiteral("dusk"));
    RunScript(QStringLiteral("document.querySelector('input').click()"));
    dialog->DownloadButton()->click();
    EXPECT_TRUE(QTest::qWaitFor([this] { return dialog->DownloadButton()->isEnabled(); }, 20000));
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(dialog->IsDownloading());
    EXPECT_TRUE(dialog->ProgressBar()->isHidden());
    EXPECT_EQ(Files(), before);
}

TEST_F(BackgroundDownloadDialogTest, FailingSiteIsReportedWithNothingWritten) {
    AddToSite(QStringLiteral("dusk"));
    TestJpegs::WriteBytes(Site("heather_or.jpg"), "<html>not a picture</html>");
    const auto before = Files();
    OpenDialog();
    Tick(QStringLiteral("dusk"));
    Tick(QStringLiteral("heather"));
    QFile::remove(Site("dusk_or.jpg")); // gone from the site: its address answers 404
    dialog->DownloadButton()->click();

    QMessageBox* report = WaitForBox("downloadFinished");
    ASSERT_TRUE(report);
    EXPECT_EQ(report->icon(), QMessageBox::Warning);
    EXPECT_TRUE(report->text().contains(service->BackgroundUrl() + QStringLiteral("dusk: ")))
        << report->text().toStdString();
    EXPECT_TRUE(report->text().contains(QLatin1String("Not Found")));
    EXPECT_TRUE(report->text().contains(service->BackgroundUrl() + QStringLiteral("heather: ")));
    EXPECT_FALSE(report->text().contains(QLatin1String("All done.")));
    report->button(QMessageBox::Ok)->click();
    EXPECT_TRUE(WaitUntilClosed());
    EXPECT_EQ(Files(), before);
    EXPECT_TRUE(library.Names().isEmpty());
    EXPECT_TRUE(pane.Tiles().empty());
}

// Each background of the library has all four files or none.
void ExpectWholeOrAbsent(const QString& folder, const QStringList& names) {
    for (const QString& name : names) {
        int present = 0;
        for (const char* size : {"_sm.jpg", "_md.jpg", "_lg.jpg", "_or.jpg"})
            present += QFile::exists(folder + name + QLatin1String(size));
        EXPECT_TRUE(present == 0 || present == 4) << name.toStdString() << ": " << present;
    }
}

TEST_F(BackgroundDownloadDialogTest, ClosingDuringADownloadStopsItCleanly) {
    const QStringList names{"dusk", "lagoon", "heather", "blush"};
    for (const QString& name : names)
        AddToSite(name);
    for (bool titleBar : {false, true}) {
        SCOPED_TRACE(titleBar ? "title bar" : "close button");
        OpenDialog();
        for (const QString& name : names)
            Tick(name);
        dialog->DownloadButton()->click();
        ASSERT_TRUE(QTest::qWaitFor([this] { return dialog->IsDownloading(); }, 20000));
        if (titleBar)
            dialog->close();
        else
            dialog->CloseButton()->click();
        EXPECT_TRUE(WaitUntilClosed());
        EXPECT_FALSE(dialog->IsDownloading());
        EXPECT_EQ(dialog->findChild<QMessageBox*>("downloadFinished"), nullptr);
        EXPECT_LT(library.Count(), names.size());
        ExpectWholeOrAbsent(library.BackgroundsFolder(), names);
        EXPECT_TRUE(QDir(Scratch()).isEmpty());
    }
}

TEST_F(BackgroundDownloadDialogTest, CloseButtonWithoutADownloadClosesAtOnce) {
    OpenDialog();
    dialog->CloseButton()->click();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
}

} // namespace
