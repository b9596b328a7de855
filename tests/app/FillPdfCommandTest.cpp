#include "LumbraProcess.h"

#include "app/CommandLine.h"
#include "app/ProgramArguments.h"
#include "imaging/TestJpegs.h"
#include "render/PdfTools.h"

#include <QDir>
#include <QImage>
#include <gtest/gtest.h>

namespace {

// A flat JPEG large enough for any box of the catalogue, taken at `taken` (EXIF).
QString Photo(const QTemporaryDir& home, const char* name, QColor colour, QSize size,
              const char* taken) {
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(colour);
    const QString path = home.filePath(QString::fromLatin1(name));
    TestJpegs::Write(path, picture);
    TestJpegs::WriteBytes(path, TestJpegs::WithExif(TestJpegs::ReadBytes(path),
                                                    TestJpegs::CameraTiff(false, 1, taken)));
    return path;
}

} // namespace

TEST(FillPdfCommandParse, ReadsBothCommandsAndTheHelpNamesThem) {
    const auto fill = ParseCommandLine({"lumbra", "--fill", "Trip"});
    ASSERT_TRUE(fill);
    EXPECT_EQ(fill.Value().command, CommandLineRequest::Command::Fill);
    const auto pdf = ParseCommandLine({"lumbra", "--pdf", "Trip", "t.pdf"});
    ASSERT_TRUE(pdf);
    EXPECT_EQ(pdf.Value().command, CommandLineRequest::Command::Pdf);
    EXPECT_EQ(pdf.Value().folder, QStringLiteral("t.pdf"));
    for (const QStringList& bad :
         {QStringList{"lumbra", "--fill"}, QStringList{"lumbra", "--fill", "Trip", "x"},
          QStringList{"lumbra", "--pdf", "Trip"}})
        EXPECT_FALSE(ParseCommandLine(bad)) << bad.join(u' ').toStdString();
    EXPECT_TRUE(ProgramUsage().contains(QStringLiteral("--fill BOOK")));
    EXPECT_TRUE(ProgramUsage().contains(QStringLiteral("--pdf BOOK FILE")));
}

TEST_F(LumbraProcess, FillsABookInTimeOrderAndWritesItAsPdf) {
    // Two photos of one morning, a portrait one two days later, imported first.
    const QString late =
        Photo(home, "late.jpg", Qt::green, QSize(1800, 2400), "2023:06:03 09:00:00");
    const QString red = Photo(home, "red.jpg", Qt::red, QSize(2400, 1800), "2023:06:01 09:00:00");
    const QString blue =
        Photo(home, "blue.jpg", Qt::blue, QSize(2400, 1800), "2023:06:01 10:00:00");
    ASSERT_EQ(Run({"--import", "Trip", late, blue, red}).exitCode, ExitOk);

    const Outcome fill = Run({"--fill", "Trip"});
    ASSERT_EQ(fill.exitCode, ExitOk) << fill.err.toStdString();
    EXPECT_EQ(fill.out, (QStringList{"Page 1: 2 photos", "Page 2: 1 photo",
                                     "3 photos placed on 2 pages, 0 left over"}))
        << fill.out.join(u'|').toStdString();
    const Outcome again = Run({"--fill", "Trip"});
    EXPECT_EQ(again.out, QStringList{"0 photos placed on 0 pages, 0 left over"});

    const QString pdf = home.filePath(QStringLiteral("out/Trip.pdf"));
    const Outcome written = Run({"--pdf", "Trip", pdf});
    ASSERT_EQ(written.exitCode, ExitOk) << written.err.toStdString();
    EXPECT_EQ(written.out, QStringList{QStringLiteral("20 pages written to %1").arg(pdf)});
    EXPECT_EQ(PdfTools::Info(pdf, QStringLiteral("Pages")), QStringLiteral("20"));
    EXPECT_EQ(PdfTools::Images(pdf).size(), 20);
    EXPECT_EQ(Run({"--pdf", "Nobody", pdf}).exitCode, ExitNoBook);
}
