#include "LumbraProcess.h"

#include "app/CommandLine.h"
#include "app/ProgramArguments.h"
#include "imaging/TestJpegs.h"
#include "render/PdfTools.h"

#include <QDir>
#include <QFile>
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

// A placed photo whose full-size file is gone is named, with its page, by
// every command that writes pages, and no command drops it from the book.
TEST_F(LumbraProcess, APlacedPhotoWithoutItsFileIsReportedAndKept) {
    const QString red = Photo(home, "red.jpg", Qt::red, QSize(2400, 1800), "2023:06:01 09:00:00");
    ASSERT_EQ(Run({"--import", "Trip", red}).exitCode, ExitOk);
    ASSERT_EQ(Run({"--fill", "Trip"}).exitCode, ExitOk);
    const QDir trip(QDir(books).filePath(QStringLiteral("Trip")));
    const QString gone = trip.entryList({QStringLiteral("*_or.jpg")}).value(0);
    const QString name = gone.left(gone.size() - 7);
    const QString kept = home.filePath(QStringLiteral("kept.jpg"));
    ASSERT_TRUE(QFile::rename(trip.filePath(gone), kept));

    const QString expected = QStringLiteral("Page 1: photo %1 could not be read").arg(name);
    for (const char* command : {"--pdf", "--print", "--preview"}) {
        const QString out = home.filePath(QStringLiteral("out") + command);
        const Outcome written = Run({command, "Trip", out.toUtf8().constData()});
        EXPECT_EQ(written.exitCode, ExitIncomplete) << command;
        EXPECT_TRUE(written.err.contains(expected)) << written.err.toStdString();
    }
    EXPECT_EQ(Run({"--fill", "Trip"}).out, QStringList{"0 photos placed on 0 pages, 0 left over"});
    EXPECT_TRUE(TestJpegs::ReadBytes(trip.filePath("book.pbx")).contains(name.toLatin1()));

    ASSERT_TRUE(QFile::rename(kept, trip.filePath(gone)));
    const Outcome print = Run({"--print", "Trip", home.filePath(QStringLiteral("again"))});
    EXPECT_EQ(print.exitCode, ExitOk) << print.err.toStdString();
}
