#include "ExportFixture.h"
#include "RenderFixtures.h"

#include "imaging/JpegDecode.h"
#include "imaging/TestJpegs.h"
#include "model/Book.h"
#include "model/ModelTestSupport.h"
#include "model/Page.h"
#include "model/PhotoImage.h"
#include "model/PhotoImageList.h"
#include "model/Templates.h"
#include "render/PageExport.h"
#include "render/PageExportJob.h"
#include "render/PageRenderer.h"
#include "render/PreviewCanvas.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace RenderFixtures;
using TestJpegs::Near;

namespace {

bool IsWhite(QRgb pixel) { return qRed(pixel) > 235 && qGreen(pixel) > 235 && qBlue(pixel) > 235; }

QStringList Numbered(const QString& pattern, int count) {
    QStringList names;
    for (int i = 1; i <= count; ++i)
        names << pattern.arg(i);
    return names;
}

} // namespace

TEST_F(ExportTest, PreviewWritesOnePictureWithTheStripPerPage) {
    const QString out = dir.filePath(QStringLiteral("out"));
    QList<QList<QVariant>> progress;
    const PageExportPlan plan = PlanPreview(*book, out);
    EXPECT_EQ(plan.folder, QDir(out).filePath(QStringLiteral("Trip")));
    const PageExportResult result = Run(plan, &progress);
    EXPECT_EQ(result.written, 20);
    EXPECT_TRUE(result.failures.empty()) << FailureLines(result);

    QStringList expected = Numbered(QStringLiteral("PG%1.jpg"), 20);
    QStringList files = QDir(plan.folder).entryList(QDir::Files | QDir::Hidden);
    expected.sort();
    files.sort();
    EXPECT_EQ(files, expected); // no temporary or canvas file left behind

    ASSERT_EQ(progress.size(), 20);
    for (int i = 0; i < 20; ++i)
        EXPECT_EQ(progress[i], (QList<QVariant>{i, 19}));

    const QImage first = Load(QDir(plan.folder).filePath(QStringLiteral("PG1.jpg")));
    ASSERT_EQ(first.size(), kPreviewCanvasSize);
    EXPECT_TRUE(Near(first.pixel(300, 216), Qt::red));
    EXPECT_TRUE(Near(first.pixel(5, 428), Qt::red));
    // The strip below the page: white with a line of dark text.
    const QRect strip(0, 433, 600, 19);
    EXPECT_GT(CountPixels(first, strip, IsDark), 50);
    EXPECT_GT(CountPixels(first, strip, IsWhite), 600 * 19 * 3 / 4);

    const QImage second = Load(QDir(plan.folder).filePath(QStringLiteral("PG2.jpg")));
    // Text box 30, 180, 230 x 25 mm of the default template.
    EXPECT_GT(CountPixels(second, QRect(62, 374, 477, 52), IsDark), 50);
    EXPECT_TRUE(IsWhite(second.pixel(300, 100)));
    EXPECT_TRUE(Near(Load(QDir(plan.folder).filePath(QStringLiteral("PG3.jpg"))).pixel(300, 100),
                     Qt::blue));
}

TEST_F(ExportTest, PlanHoldsThePagesAsTheyWereWhenItWasMade) {
    const PageExportPlan plan = PlanPreview(*book, dir.filePath(QStringLiteral("out")));
    // Changes on the UI thread after the snapshot do not reach the files.
    book->GetPage(0)->RemovePhoto(photo);
    book->GetPage(2)->ChangeBackground(QString());
    book->GetPage(1)->SetText(0, QString());
    ASSERT_EQ(Run(plan).written, 20);
    EXPECT_TRUE(
        Near(Load(QDir(plan.folder).filePath(QStringLiteral("PG1.jpg"))).pixel(300, 216), Qt::red));
    EXPECT_GT(CountPixels(Load(QDir(plan.folder).filePath(QStringLiteral("PG2.jpg"))),
                          QRect(62, 374, 477, 52), IsDark),
              50);
    EXPECT_TRUE(Near(Load(QDir(plan.folder).filePath(QStringLiteral("PG3.jpg"))).pixel(300, 100),
                     Qt::blue));
}

TEST_F(ExportTest, PrintWritesEveryPageAtPrintSize) {
    const QSize size = PrintPageSize(TestCatalogue());
    EXPECT_EQ(size, QSize(2458, 1769));
    const QString out = dir.filePath(QStringLiteral("print"));
    QDir().mkpath(out);
    const PageExportResult result = Run(PlanPrint(*book, out, size));
    EXPECT_EQ(result.written, 20);
    QStringList expected = Numbered(QStringLiteral("%1.jpg"), 20);
    QStringList files = QDir(out).entryList(QDir::Files | QDir::Hidden);
    expected.sort();
    files.sort();
    EXPECT_EQ(files, expected);
    const QImage first = Load(QDir(out).filePath(QStringLiteral("1.jpg")));
    ASSERT_EQ(first.size(), size);
    EXPECT_TRUE(Near(first.pixel(1229, 884), Qt::red));
    EXPECT_TRUE(Near(first.pixel(2457, 1768), Qt::red));
}

TEST_F(ExportTest, PageThatCannotBeWrittenIsReportedAndTheOthersGoOn) {
    const QString out = dir.filePath(QStringLiteral("print"));
    QDir().mkpath(out);
    PageExportPlan plan = PlanPrint(*book, out, QSize(289, 208));
    QDir().mkpath(plan.tasks[4].file); // a folder where page 5 should go
    photo->Delete();                   // page 1 loses its photo
    const PageExportResult result = Run(std::move(plan));
    EXPECT_EQ(result.written, 19);
    ASSERT_EQ(result.failures.size(), 2);
    EXPECT_TRUE(result.failures[0].message.startsWith(QStringLiteral("Page 1:")));
    EXPECT_TRUE(result.failures[0].message.contains(photo->GetName()));
    EXPECT_TRUE(result.failures[1].message.startsWith(QStringLiteral("Page 5:")));
    // The log learns the page and what stood in the way.
    EXPECT_TRUE(result.failures[0].detail.contains(photo->GetName()));
    EXPECT_TRUE(result.failures[1].detail.startsWith(QStringLiteral("page 5 not written: ")));
    EXPECT_TRUE(result.failures[1].detail.contains(QStringLiteral("5.jpg")))
        << result.failures[1].detail.toStdString();
    EXPECT_TRUE(IsWhite(Load(QDir(out).filePath(QStringLiteral("1.jpg"))).pixel(144, 104)));
}

TEST_F(ExportTest, DroppingARunningJobCancelsIt) {
    const QString out = dir.filePath(QStringLiteral("print"));
    QDir().mkpath(out);
    {
        PageExportJob job(PlanPrint(*book, out, PrintPageSize(TestCatalogue())), Renderer());
        job.Start();
        EXPECT_TRUE(job.IsRunning());
    } // waits for the page being written, leaves the rest
    EXPECT_LT(QDir(out).entryList(QDir::Files).size(), 20);
    for (const QString& file : QDir(out).entryList(QDir::Files))
        EXPECT_EQ(Load(QDir(out).filePath(file)).size(), QSize(2458, 1769)) << file.toStdString();
}

TEST_F(ExportTest, CancelInTheMiddleOfAParallelExportLeavesWholePagesInOrder) {
    const QString out = dir.filePath(QStringLiteral("print"));
    QDir().mkpath(out);
    PageExportPlan plan = PlanPrint(*book, out, PrintPageSize(TestCatalogue()));
    plan.threads = 2;
    std::atomic<bool> cancel{false};
    const PageExportResult result = ExportPages(
        plan, Renderer(), [&cancel](int index, int) { cancel = cancel || index == 4; }, &cancel);
    EXPECT_TRUE(result.cancelled);
    EXPECT_EQ(result.written, 5);
    // Pages rendered ahead are dropped: no later page, no temporary file.
    QStringList files = QDir(out).entryList(QDir::Files | QDir::Hidden);
    QStringList expected = Numbered(QStringLiteral("%1.jpg"), 5);
    files.sort();
    expected.sort();
    EXPECT_EQ(files, expected);
    for (const QString& file : files)
        EXPECT_EQ(Load(QDir(out).filePath(file)).size(), QSize(2458, 1769)) << file.toStdString();
}
