#include "LumbraProcess.h"

#include "app/CommandLine.h"
#include "imaging/TestJpegs.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <gtest/gtest.h>

namespace {

// A flat photo; flat pictures of one size may have the same bytes, so each has its own.
QString Photo(const QString& folder, const char* name, QSize size) {
    QDir().mkpath(folder);
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(QColor(40, 90, 160));
    TestJpegs::Write(QDir(folder).filePath(QString::fromLatin1(name)), picture);
    return QDir(folder).filePath(QString::fromLatin1(name));
}

QString Text(const QString& words) {
    const QString rtf =
        QStringLiteral("{\\rtf1\\ansi{\\fonttbl{\\f0\\fnil DejaVu Sans;}}\\f0\\fs24 ") + words +
        QStringLiteral("\\par}");
    return QStringLiteral("Text{") + QString::fromLatin1(rtf.toLatin1().toBase64()) + u'}';
}

// The stored names of the photos imported from files of `source`'s size.
QStringList NamesOf(const QString& bookFolder, const QString& source) {
    QStringList names;
    for (const QFileInfo& file : QDir(bookFolder).entryInfoList({QStringLiteral("*_or.jpg")}))
        if (file.size() == QFileInfo(source).size())
            names << QStringLiteral("Image{%1,0,0,1,0}").arg(file.fileName().chopped(7));
    return names;
}

// The pages, "+" before each, as "book.pbx" holds them; pages of a caption alone after them.
void WriteBook(const QString& folder, QStringList pages) {
    while (pages.size() < 20)
        pages << QStringLiteral("Text[30,20,230,170,0]") + Text(QStringLiteral("Day"));
    QFile file(QDir(folder).filePath(QStringLiteral("book.pbx")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write((u'+' + pages.join(QStringLiteral("bgImage()+")) + QStringLiteral("bgImage()\r\n"))
                   .toLatin1());
}

} // namespace

TEST_F(LumbraProcess, CheckNamesEachProblemOnItsPageAndExitsWithSeven) {
    const QString sharp = Photo(home.filePath("a"), "sea.jpg", QSize(2400, 1600));
    const QString copy = Photo(home.filePath("b"), "sea.jpg", QSize(2400, 1600));
    const QString other = Photo(home.filePath("a"), "hill.jpg", QSize(2400, 1700));
    const QString small = Photo(home.filePath("a"), "small.jpg", QSize(600, 400));
    ASSERT_EQ(Run({"--import", "Trip", sharp, other, small, copy}).exitCode, ExitOk);
    const QString folder = QDir(books).filePath(QStringLiteral("Trip"));
    const QStringList seas = NamesOf(folder, sharp);
    ASSERT_EQ(seas.size(), 2);
    const QString full = QStringLiteral("Photo[0,0,289,208,0]");
    WriteBook(folder,
              {full + seas[0], full + NamesOf(folder, small).value(0),
               QStringLiteral("Photo[45,0,200,102,0]Photo[45,106,200,102,0]") +
                   NamesOf(folder, other).value(0) + QStringLiteral("Image{}"),
               full + QStringLiteral("Image{}"),
               QStringLiteral("Text[30,20,60,10,0]") + Text(QStringLiteral("word ").repeated(40)),
               full + seas[1], QStringLiteral("Text[2,100,100,20,0]") + Text("Notes")});

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

    WriteBook(folder, {full + seas[0]});
    const Outcome clean = Run({"--check", "Trip"});
    EXPECT_EQ(clean.exitCode, ExitOk) << clean.err.toStdString();
    EXPECT_EQ(clean.out, QStringList{"No problems found"});
    EXPECT_EQ(Run({"--check", "Nobody"}).exitCode, ExitNoBook);
}
