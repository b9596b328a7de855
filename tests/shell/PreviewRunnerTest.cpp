#include "shell/Constants.h"
#include "shell/ui/PreviewRunner.h"
#include "shell/ui/PreviewStatusDialog.h"

#include <QProgressBar>
#include <QSemaphore>
#include <QSignalSpy>
#include <gtest/gtest.h>
#include <stdexcept>

TEST(PreviewStatusDialog, ShowsProgressAndClosesAtTheLastPage) {
    Constants strings;
    strings.ApplyLanguageLine("cMenuFilePreview=Preview");
    PreviewStatusDialog dialog(strings);
    EXPECT_EQ(dialog.windowTitle(), "Preview");
    dialog.show();
    dialog.SetStatus(0, 19);
    dialog.SetStatus(3, 19);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.StatusBar()->maximum(), 19);
    EXPECT_EQ(dialog.StatusBar()->value(), 3);
    dialog.SetStatus(19, 19);
    EXPECT_FALSE(dialog.isVisible());
}

TEST(PreviewRunner, ReportsEveryPageThenTheFolderAndRunsOneJobAtATime) {
    PreviewRunner runner;
    QSignalSpy pages(&runner, &PreviewRunner::PageDone);
    QSignalSpy finished(&runner, &PreviewRunner::Finished);
    QSemaphore release;
    ASSERT_TRUE(runner.Start([&release](const PreviewRunner::Progress& progress) {
        release.acquire();
        for (int i = 0; i <= 4; ++i)
            progress(i, 4);
        return QStringLiteral("/out/Trip");
    }));
    EXPECT_TRUE(runner.IsRunning());
    EXPECT_FALSE(runner.Start([](const PreviewRunner::Progress&) { return QString(); }));
    release.release();
    ASSERT_TRUE(finished.wait(10000));
    EXPECT_EQ(finished.first().at(0).toString(), "/out/Trip");
    ASSERT_EQ(pages.count(), 5);
    EXPECT_EQ(pages.at(4).at(0).toInt(), 4);
    EXPECT_EQ(pages.at(4).at(1).toInt(), 4);
    EXPECT_FALSE(runner.IsRunning());
}

TEST(PreviewRunner, AFailingJobFinishesWithoutAFolder) {
    PreviewRunner runner;
    QSignalSpy finished(&runner, &PreviewRunner::Finished);
    runner.Start([](const PreviewRunner::Progress&) -> QString { throw std::runtime_error("disk"); });
    ASSERT_TRUE(finished.wait(10000));
    EXPECT_TRUE(finished.first().at(0).toString().isEmpty());
}
