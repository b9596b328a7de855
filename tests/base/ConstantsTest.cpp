#include "base/Constants.h"
#include "base/FifoWatchdog.h"
#include "base/LumbraError.h"

#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QString WriteFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    const QString path = dir.filePath(name);
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    return path;
}

} // namespace

TEST(Constants, KnowsTheNinetyEightKeysAndOurOwn) {
    const QStringList& keys = Constants::KnownKeys();
    EXPECT_EQ(keys.size(), 101);
    EXPECT_EQ(QSet<QString>(keys.begin(), keys.end()).size(), 101);
    EXPECT_TRUE(keys.contains("cBookNameInvalid"));
    EXPECT_TRUE(keys.contains("cBookNameHiddenCharacter"));
    for (const QString& k : keys)
        EXPECT_TRUE(k.startsWith('c')) << k.toStdString();
}

TEST(Constants, LineRules) {
    Constants c;
    EXPECT_TRUE(c.Text(u"cMenuFile").isEmpty());

    c.ApplyLanguageLine("cMenuFile = File"); // key "cMenuFile " is unknown
    EXPECT_TRUE(c.Text(u"cMenuFile").isEmpty());

    c.ApplyLanguageLine("cmenufile=File"); // keys are case-sensitive
    EXPECT_TRUE(c.Text(u"cMenuFile").isEmpty());

    c.ApplyLanguageLine("cMenuFile File"); // no "="
    EXPECT_TRUE(c.Text(u"cMenuFile").isEmpty());

    c.ApplyLanguageLine("cOnWaitMsg=a=b");
    EXPECT_EQ(c.Text(u"cOnWaitMsg"), "a=b");

    c.ApplyLanguageLine("cMenuFile= File ");
    EXPECT_EQ(c.Text(u"cMenuFile"), " File "); // value not trimmed
    c.ApplyLanguageLine("cMenuFile=&File");
    EXPECT_EQ(c.Text(u"cMenuFile"), "&File"); // last line wins
    c.ApplyLanguageLine("cMenuFile=");
    EXPECT_EQ(c.Text(u"cMenuFile"), "");

    c.ApplyLanguageLine("cNotAKey=x");
    EXPECT_TRUE(c.Text(u"cNotAKey").isEmpty());
}

TEST(Constants, FontSizeIsAWholeNumber) {
    Constants c;
    EXPECT_EQ(c.DefaultTextFontSize(), 0);
    c.ApplyLanguageLine("cTextControlDefaultFontSize=12");
    EXPECT_EQ(c.DefaultTextFontSize(), 12);
    c.ApplyLanguageLine("cTextControlDefaultFontSize=10.6");
    EXPECT_EQ(c.DefaultTextFontSize(), 11);
    c.ApplyLanguageLine("cTextControlDefaultFontSize=10.5"); // halves to even
    EXPECT_EQ(c.DefaultTextFontSize(), 10);
    c.ApplyLanguageLine("cTextControlDefaultFontSize=11.5");
    EXPECT_EQ(c.DefaultTextFontSize(), 12);
    c.ApplyLanguageLine("cTextControlDefaultFontSize= 9 ");
    EXPECT_EQ(c.DefaultTextFontSize(), 9);
    EXPECT_EQ(c.Text(u"cTextControlDefaultFontSize"), "9");
}

TEST(Constants, FontSizeThatIsNotANumberKeepsThePreviousValue) {
    Constants c;
    c.ApplyLanguageLine("cTextControlDefaultFontSize=14");
    for (const char* bad : {"", "abc", "12pt", "1e300", "nan", "inf"}) {
        c.ApplyLanguageLine(QString("cTextControlDefaultFontSize=") + bad);
        EXPECT_EQ(c.DefaultTextFontSize(), 14) << bad;
    }
}

TEST(Constants, FontSizeMustFitAnInt) {
    EXPECT_EQ(ParseFontSize("2147483647"), 2147483647);
    EXPECT_EQ(ParseFontSize("-2147483648.4"), -2147483647 - 1);
    for (const char* bad : {"2147483647.5", "-2147483649", "1e19", "-9.3e18", "1e300"})
        EXPECT_EQ(ParseFontSize(bad), std::nullopt) << bad;
}

TEST(Constants, LoadsUtf8FileWithAnyLineEnds) {
    QTemporaryDir dir;
    const QString path =
        WriteFile(dir, "English.txt",
                  "\xEF\xBB\xBF"
                  "cMenuFile=File\r\ncMenuHelp=Help\ncMenuView=View\rcMenuBook=\xE4\xB9\xA6");
    Constants c;
    c.LoadLanguageFile(path);
    EXPECT_EQ(c.Text(u"cMenuFile"), "File"); // the BOM is not part of the first key
    EXPECT_EQ(c.Text(u"cMenuHelp"), "Help");
    EXPECT_EQ(c.Text(u"cMenuView"), "View");
    EXPECT_EQ(c.Text(u"cMenuBook"), QString::fromUtf8("\xE4\xB9\xA6")); // last line without end
}

TEST(Constants, TextThatIsNotUtf8IsDecodedWithTheFallback) {
    const QString cafe = QString::fromUtf8("Caf\xC3\xA9");
    EXPECT_EQ(DecodeLanguageText("Caf\xE9", QStringConverter::Latin1), cafe);
    EXPECT_EQ(DecodeLanguageText("Caf\xC3\xA9", QStringConverter::Latin1),
              cafe); // valid UTF-8 wins
}

TEST(Constants, InvalidUtf8FallsBackWithoutLosingOtherLines) {
    QTemporaryDir dir;
    const QString path = WriteFile(dir, "x.txt", "cMenuFile=\xFF\xFE bad\r\ncMenuHelp=Help\r\n");
    Constants c;
    c.LoadLanguageFile(path);
    EXPECT_EQ(c.Text(u"cMenuHelp"), "Help");
    EXPECT_FALSE(c.Text(u"cMenuFile").isEmpty());
}

TEST(Constants, MissingFileThrowsNamingTheFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath("English.txt");
    Constants c;
    try {
        c.LoadLanguageFile(path);
        FAIL() << "no error";
    } catch (const LumbraError& e) {
        EXPECT_TRUE(e.Message().contains(path));
    }
}

TEST(Constants, LanguageFileThatIsAFifoIsMissing) {
    QTemporaryDir dir;
    const QString path = dir.filePath("English.txt");
    ASSERT_TRUE(MakeFifo(path));
    Constants c;
    bool thrown = false;
    EXPECT_TRUE(EndsWithoutBlocking(
        [&] {
            try {
                c.LoadLanguageFile(path);
            } catch (const LumbraError&) {
                thrown = true;
            }
        },
        {path}));
    EXPECT_TRUE(thrown);
}
