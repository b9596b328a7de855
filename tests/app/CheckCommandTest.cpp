#include "LumbraProcess.h"

#include "app/CommandLine.h"
#include "imaging/TestJpegs.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <gtest/gtest.h>

namespace {

// A flat photo of its own size: flat pictures of one size may have the same bytes.
QString Photo(const QString& folder, const char* name, QSize size) {
    QDir().mkpath(folder);
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(QColor(40, 90, 160));
    const QString path = QDir(folder).filePath(QString::fromLatin1(name));
    TestJpegs::Write(path, picture);
    return path;
}

QString Text(const QString& words, const char* alignment = "ql") {
    const QString rtf =
        QStringLiteral(
            "{\\rtf1\\ansi{\\fonttbl{\\f0\\fnil DejaVu Sans;}}\\pard\\%1\\f0\\fs24 %2\\par}")
            .arg(QLatin1String(alignment), words);
    return QStringLiteral("Text{") + QString::fromLatin1(rtf.toLatin1().toBase64()) + u'}';
}

QString Image(const QString& name) { return QStringLiteral("Image{%1,0,0,1,0}").arg(name); }

// The pages of the book, "+" before each, as "book.pbx" holds them.
void WriteBook(const QString& folder, QStringList pages) {
    while (pages.size() < 20)
        pages << QStringLiteral("Text[30,20,230,170,0]") + Text(QStringLiteral("Day"), "qc") +
                     QStringLiteral("bgImage()");
    QFile file(QDir(folder).filePath(QStringLiteral("book.pbx")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write((u'+' + pages.join(u'+') + QStringLiteral("\r\n")).toLatin1());
}

// The stored name of the photo imported from `source`, by the size of its file.
QString NameOf(const QString& bookFolder, const QString& source) {
    for (const QString& file : QDir(bookFolder).entryList({QStringLiteral("*_or.jpg")}))
        if (QFileInfo(QDir(bookFolder).filePath(file)).size() == QFileInfo(source).size())
            return file.chopped(7);
    return {};
}

} // namespace

TEST(CheckCommandParse, TakesOneBook) {
    EXPECT_TRUE(IsHeadlessCommand({"lumbra", "--check", "Trip"}));
    const auto check = ParseCommandLine({"lumbra", "--check", "Trip"});
    ASSERT_TRUE(check);
    EXPECT_EQ(check.Value().command, CommandLineRequest::Command::Check);
    EXPECT_EQ(check.Value().book, QStringLiteral("Trip"));
    EXPECT_FALSE(ParseCommandLine({"lumbra", "--check"}));
    EXPECT_FALSE(ParseCommandLine({"lumbra", "--check", "Trip", "out"}));
}

TEST_F(LumbraProcess, CheckNamesEachProblemOnItsPageAndExitsWithSeven) {
    const QString sharp = Photo(home.filePath("a"), "sea.jpg", QSize(2400, 1600));
    const QString again = Photo(home.filePath("b"), "sea.jpg", QSize(2400, 1600)); // a copy
    const QString other = Photo(home.filePath("a"), "hill.jpg", QSize(2400, 1700));
    const QString small = Photo(home.filePath("a"), "small.jpg", QSize(600, 400));
    ASSERT_EQ(Run({"--import", "Trip", sharp, other, small}).exitCode, ExitOk);
    ASSERT_EQ(Run({"--import", "Trip", again}).exitCode, ExitOk);
    const QString folder = QDir(books).filePath(QStringLiteral("Trip"));
    QStringList seas;
    for (const QString& file : QDir(folder).entryList({QStringLiteral("*_or.jpg")}, QDir::Files,
                                                      QDir::Time | QDir::Reversed))
        if (QFileInfo(QDir(folder).filePath(file)).size() == QFileInfo(sharp).size())
            seas << file.chopped(7);
    ASSERT_EQ(seas.size(), 2);
    const QString full = QStringLiteral("Photo[0,0,289,208,0]");
    WriteBook(folder, {full + Image(seas[0]) + QStringLiteral("bgImage()"),
                       full + Image(NameOf(folder, small)) + QStringLiteral("bgImage()"),
                       QStringLiteral("Photo[45,0,200,102,0]Photo[45,106,200,102,0]") +
                           Image(NameOf(folder, other)) + QStringLiteral("Image{}bgImage()"),
                       full + QStringLiteral("Image{}bgImage()"),
                       QStringLiteral("Text[30,20,60,10,0]") +
                           Text(QStringLiteral("word ").repeated(40)) + QStringLiteral("bgImage()"),
                       full + Image(seas[1]) + QStringLiteral("bgImage()"),
                       QStringLiteral("Text[2,100,100,20,0]") + Text(QStringLiteral("Notes")) +
                           QStringLiteral("bgImage()")});

    const Outcome found = Run({"--check", "Trip"});
    EXPECT_EQ(found.exitCode, ExitProblemsFound) << found.err.toStdString();
    QStringList kinds;
    for (const QString& line : found.out)
        kinds << line.section(QStringLiteral(": "), 0, 1);
    EXPECT_EQ(kinds,
              (QStringList{"page 2: low-resolution", "page 3: empty-photo-box",
                           "page 4: empty-page", "page 5: text-overflow", "page 6: photo-twice",
                           "page 7: text-near-edge", "6 problems found"}))
        << found.out.join(u'|').toStdString();
    EXPECT_EQ(found.out.value(4), "page 6: photo-twice: photo box 1: the same photo as on page 1");

    WriteBook(folder, {full + Image(seas[0]) + QStringLiteral("bgImage()")});
    const Outcome clean = Run({"--check", "Trip"});
    EXPECT_EQ(clean.exitCode, ExitOk) << clean.err.toStdString();
    EXPECT_EQ(clean.out, QStringList{"No problems found"});
    EXPECT_EQ(Run({"--check", "Nobody"}).exitCode, ExitNoBook);
}
