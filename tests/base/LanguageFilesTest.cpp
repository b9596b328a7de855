#include "base/Constants.h"
#include "base/DataFolder.h"
#include "base/KeyValueLine.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QStringDecoder>
#include <gtest/gtest.h>

// The language files delivered in the data folder.
class LanguageFiles : public ::testing::TestWithParam<const char*> {};

TEST_P(LanguageFiles, DefineEveryKnownKeyOnceAsUtf8WithCrLf) {
    const QString path = QDir(DataFolder()).filePath(GetParam());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    const QByteArray bytes = file.readAll();

    QStringDecoder utf8(QStringDecoder::Utf8, QStringConverter::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    ASSERT_FALSE(utf8.hasError());
    ASSERT_TRUE(text.endsWith("\r\n"));
    EXPECT_EQ(text.count("\n"), text.count("\r\n")); // no bare LF
    EXPECT_EQ(text.count("\r"), text.count("\r\n")); // no bare CR

    const QStringList& known = Constants::KnownKeys();
    QHash<QString, int> seen;
    for (const QString& line : SplitTextLines(text)) {
        const auto entry = SplitKeyValueLine(line);
        ASSERT_TRUE(entry.has_value()) << line.toStdString();
        EXPECT_TRUE(known.contains(entry->key)) << "unknown key " << entry->key.toStdString();
        EXPECT_FALSE(entry->value.trimmed().isEmpty()) << entry->key.toStdString();
        ++seen[entry->key];
    }
    for (const QString& key : known)
        EXPECT_EQ(seen.value(key), 1) << key.toStdString();

    Constants c;
    c.LoadLanguageFile(path);
    EXPECT_GT(c.DefaultTextFontSize(), 0);
    EXPECT_FALSE(c.Text(u"cMainFormCaption").isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Delivered, LanguageFiles,
                         ::testing::Values("English.txt", "ChineseS.txt", "ChineseT.txt"));
