#include "ExportFixture.h"
#include "PdfTools.h"

#include "imaging/ColourConversion.h"
#include "imaging/JpegSegments.h"
#include "render/BookPdf.h"

#include <QFile>
#include <QFileInfo>

using namespace PdfTools;

namespace {

struct BookPdfTest : ExportTest {
    QString File() const { return dir.filePath(QStringLiteral("Trip.pdf")); }
    PdfDocument Document() const {
        return PdfDocumentFor(*book, File(),
                              QSizeF(RenderFixtures::kPageW, RenderFixtures::kPageH));
    }
    Writer PdfWriter() const {
        return [document = Document()](const PageExportPlan& plan, const PageRenderer& renderer,
                                       const std::function<void(int, int)>& progress,
                                       const std::atomic<bool>* cancel) {
            return ExportPdf(plan, document, renderer, progress, cancel);
        };
    }
};

} // namespace

TEST_F(BookPdfTest, WritesEveryPageWithThePrintPicturesAndTheTextAsText) {
    const QSize print = PrintPageSize(TestCatalogue());
    const PageExportResult result = Run(PlanPdf(*book, print), nullptr, PdfWriter());
    ASSERT_EQ(result.written, 20) << FailureLines(result);
    EXPECT_TRUE(result.failures.empty());

    EXPECT_EQ(Info(File(), QStringLiteral("Pages")), QStringLiteral("20"));
    EXPECT_EQ(Info(File(), QStringLiteral("Title")), QStringLiteral("Trip"));
    EXPECT_FALSE(Info(File(), QStringLiteral("Author")).isEmpty());
    // 289 x 208 mm in points.
    EXPECT_EQ(Info(File(), QStringLiteral("Page size")), QStringLiteral("819.213 x 589.606 pts"));
    EXPECT_TRUE(PageText(File(), 2).contains(QStringLiteral("HHHH HHHH HHHH")));
    EXPECT_FALSE(PageText(File(), 1).contains(QStringLiteral("HHHH")));
    const QList<QStringList> images = Images(File());
    ASSERT_EQ(images.size(), 20);
    for (const QStringList& image : images) {
        ASSERT_GE(image.size(), 14);
        EXPECT_EQ(image[3] + u'x' + image[4], QStringLiteral("2458x1769"));
        EXPECT_EQ(image[5], QStringLiteral("icc")); // ICC-based sRGB
        EXPECT_EQ(image[8], QStringLiteral("jpeg"));
        EXPECT_EQ(image[12] + u' ' + image[13], QStringLiteral("216 216")); // pixels per inch
    }
    EXPECT_EQ(PdfTools::Run(QStringLiteral("qpdf"), {QStringLiteral("--check"), File()}).exitCode,
              0);

    // Pages without text hold the print files' JPEG as it is: the photo, the background.
    const QString prints = dir.filePath(QStringLiteral("print"));
    QDir().mkpath(prints);
    ASSERT_EQ(ExportTest::Run(PlanPrint(*book, prints, print)).written, 20);
    const QString extracted = dir.filePath(QStringLiteral("image"));
    ASSERT_EQ(PdfTools::Run(QStringLiteral("pdfimages"), {QStringLiteral("-j"), File(), extracted})
                  .exitCode,
              0);
    for (const int page : {1, 3})
        EXPECT_EQ(TestJpegs::ReadBytes(
                      extracted + QStringLiteral("-%1.jpg").arg(page - 1, 3, 10, QLatin1Char('0'))),
                  TestJpegs::ReadBytes(QDir(prints).filePath(QStringLiteral("%1.jpg").arg(page))))
            << page;
    const QByteArray printPage =
        TestJpegs::ReadBytes(QDir(prints).filePath(QStringLiteral("1.jpg")));
    EXPECT_EQ(IccProfileOf(*JpegHeaderSegments(printPage)).icc, SrgbProfile()); // tagged sRGB
    qint64 jpegBytes = 0;
    for (const QFileInfo& file : QDir(prints).entryInfoList(QDir::Files))
        jpegBytes += file.size();
    EXPECT_LE(QFileInfo(File()).size(), jpegBytes * 13 / 10);
}

TEST_F(BookPdfTest, ACancelledExportLeavesTheFileAsItWas) {
    TestJpegs::WriteBytes(File(), "an older file");
    std::atomic<bool> cancel{true};
    const PageExportResult result =
        ExportPdf(PlanPdf(*book, QSize(289, 208)), Document(), Renderer(), {}, &cancel);
    EXPECT_TRUE(result.cancelled);
    EXPECT_EQ(result.written, 0);
    EXPECT_EQ(TestJpegs::ReadBytes(File()), QByteArray("an older file"));
    // Nothing else is left in the folder either.
    EXPECT_EQ(QDir(dir.path())
                  .entryList({QStringLiteral("Trip.pdf*")}, QDir::Files | QDir::Hidden)
                  .size(),
              1);
}

TEST_F(BookPdfTest, FailuresNameThePageForTheUserAndTheReasonForTheLog) {
    QFile notAFolder(dir.filePath(QStringLiteral("notAFolder")));
    ASSERT_TRUE(notAFolder.open(QIODevice::WriteOnly));
    photo->Delete(); // page 1 loses its photo
    const struct {
        QString file;
        int written;
        QString firstMessage; // the start of it
        QString firstDetail;
    } cases[] = {
        {File(), 20, "Page 1: photo " + photo->GetName(), "page 1: photo " + photo->GetName()},
        {dir.filePath(QStringLiteral("notAFolder/Trip.pdf")), 0, QString(), "Cannot write"},
    };
    for (const auto& c : cases) {
        const PdfDocument document =
            PdfDocumentFor(*book, c.file, QSizeF(RenderFixtures::kPageW, RenderFixtures::kPageH));
        const PageExportResult result =
            ExportPdf(PlanPdf(*book, QSize(289, 208)), document, Renderer());
        EXPECT_EQ(result.written, c.written) << c.file.toStdString();
        ASSERT_EQ(result.failures.size(), size_t(c.written ? 1 : 2)) << FailureLines(result);
        const Failure& first = result.failures.front();
        EXPECT_FALSE(first.message.isEmpty());
        EXPECT_TRUE(first.message.startsWith(c.firstMessage)) << first.message.toStdString();
        EXPECT_TRUE(first.detail.startsWith(c.firstDetail)) << first.detail.toStdString();
        EXPECT_EQ(QFileInfo(c.file).isFile(), c.written > 0);
    }
}
