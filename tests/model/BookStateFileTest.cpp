#include "model/BookStateFile.h"
#include "model/Book.h"
#include "model/ModelTestSupport.h"
#include "model/Page.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

void WriteRaw(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

TEST(BookStateFileTest, JoinPutsPlusBeforeEveryPageAndSplitUndoesIt) {
    const QStringList pages{"Photo[0,0,1,1,0]Image{}", "", "Text[1,1,1,1,0]Text{QUJD}"};
    const QString line = BookStateFile::Join(pages);
    EXPECT_EQ(line, "+Photo[0,0,1,1,0]Image{}++Text[1,1,1,1,0]Text{QUJD}");
    EXPECT_EQ(BookStateFile::Split(line), QStringList({""}) + pages);
}

TEST(BookStateFileTest, PlusInsideBracesOrBackgroundNameDoesNotSplit) {
    // Written by an older writer: a text's Base64 holds "+", the background a "+".
    const QString first = "Photo[0,0,289,208,0]Image{}Text{Pj4+Pg==}bgImage(sea+sky)";
    const QString second = "Text[30,180,230,25,0]Image{}Text{+++}bgImage()";
    EXPECT_EQ(BookStateFile::Split("+" + first + "+" + second), QStringList({"", first, second}));
}

TEST(BookStateFileTest, UnclosedBraceKeepsTheRestTogether) {
    EXPECT_EQ(BookStateFile::Split("+a{b+c"), QStringList({"", "a{b+c"}));
    EXPECT_EQ(BookStateFile::Split("+a}b+c"), QStringList({"", "a}b", "c"}));
}

TEST(BookStateFileTest, ReadJoinsLinesUnlessTheFirstIsEmpty) {
    QTemporaryDir dir;
    const QString path = dir.filePath("book.pbx");
    WriteRaw(path, "+A[\r\n+B[\r\n");
    EXPECT_EQ(BookStateFile::ReadJoined(path), "+A[+B[");
    WriteRaw(path, "\r\n+A[\r\n+B[\r\n");
    EXPECT_EQ(BookStateFile::ReadJoined(path), QString());
    EXPECT_EQ(BookStateFile::ReadJoined(dir.filePath("missing.pbx")), QString());
}

TEST(BookStateFileTest, WriteEndsTheLineWithCrLf) {
    QTemporaryDir dir;
    const QString path = dir.filePath("book.pbx");
    BookStateFile::Write(path, "+A+B");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("+A+B\r\n"));
}

namespace {

// Saves a book whose page i holds texts[i] and the background "bg<i>", loads
// it back and checks every page. Returns the saved line.
QString RoundTripTexts(const QStringList& texts) {
    QTemporaryDir books;
    ModelContext context;
    context.templates = &TestCatalogue();
    Book book(books.path(), context);
    book.SetName("Texts");
    while (book.PagesCount() < texts.size())
        book.AddNewPage();
    for (int i = 0; i < texts.size(); ++i) {
        book.GetPage(i)->SetTemplate(RowTemplate(1, 2));
        book.GetPage(i)->SetText(0, texts[i]);
        book.GetPage(i)->SetText(1, "after");
        book.GetPage(i)->ChangeBackground(QStringLiteral("bg%1").arg(i));
    }
    book.SaveBook();
    Book loaded(books.path(), context);
    loaded.SetName("Texts");
    loaded.LoadBook();
    EXPECT_EQ(loaded.PagesCount(), std::max(20, int(texts.size())));
    for (int i = 0; i < texts.size(); ++i) {
        EXPECT_EQ(loaded.GetPage(i)->text(0), texts[i]) << i;
        EXPECT_EQ(loaded.GetPage(i)->text(1), "after") << i;
        EXPECT_EQ(loaded.GetPage(i)->Background(), QStringLiteral("bg%1").arg(i)) << i;
    }
    QFile file(books.filePath("Texts/book.pbx"));
    return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()) : QString();
}

// An RTF-ish text with `mark` after `padding` letters of its body, so that
// over paddings 0 to 8 the mark stands at every byte position modulo 3.
QString RtfWithMark(int padding, const QString& mark) {
    return QStringLiteral("{\\rtf1\\ansi ") + QString(padding, QLatin1Char('y')) + mark +
           QStringLiteral("z}");
}

// Both marks after every padding from 0 to 8.
QStringList TextsWithMarks(const QString& first, const QString& second) {
    QStringList texts;
    for (int padding = 0; padding < 9; ++padding)
        texts << RtfWithMark(padding, first) << RtfWithMark(padding, second);
    return texts;
}

} // namespace

TEST(BookStateFilePlusTest, RawGreaterAndTildeAtEveryPositionLoadWhole) {
    // As older writers stored them: ">" and "~" as they are, so that the
    // Base64 of the texts holds "+".
    const QStringList texts = TextsWithMarks(">", "~");
    const QString line = RoundTripTexts(texts);
    EXPECT_GT(line.count('+'), int(texts.size())); // some texts did hold a "+"
}

TEST(BookStateFilePlusTest, EscapedGreaterAndTildeNeverWriteAPlus) {
    // As the rich text writer stores them: "\'3e" and "\'7e".
    const QString line = RoundTripTexts(TextsWithMarks("\\'3e", "\\'7e"));
    EXPECT_EQ(line.count('+'), 20); // one before each page, none inside
}

TEST(BookStateFilePlusTest, FileOfAnOlderWriterLoadsWhole) {
    // The first page's text ">>>" is "Pj4+" in Base64.
    QTemporaryDir books;
    ASSERT_TRUE(QDir(books.path()).mkdir("Old"));
    QFile file(books.filePath("Old/book.pbx"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("+Photo[0,0,289,208,0]Text[30,180,230,25,0]Image{}Text{Pj4+}bgImage(one)"
               "+Photo[0,0,289,208,0]Text[30,180,230,25,0]Image{}Text{}bgImage(two)\r\n");
    file.close();
    ModelContext context;
    context.templates = &TestCatalogue();
    Book book(books.path(), context);
    book.SetName("Old");
    book.LoadBook();
    EXPECT_EQ(book.GetPage(0)->text(0), ">>>");
    EXPECT_EQ(book.GetPage(0)->Background(), "one");
    EXPECT_EQ(book.GetPage(1)->Background(), "two");
    EXPECT_EQ(book.GetPage(1)->GetPageId(), 22);
}
