#pragma once

#include <QString>
#include <QStringConverter>
#include <QStringList>
#include <QStringView>
#include <QVector>
#include <optional>

// The language string table: one text per known key, filled from the
// language file at start and read by every caption and message.
class Constants {
public:
    Constants();

    static const QStringList& KnownKeys();

    // "key=value": split at the first "=", nothing trimmed, keys compared
    // case-sensitively, unknown keys and lines without "=" ignored.
    void ApplyLanguageLine(const QString& line);
    // Reads the file as UTF-8, or in the locale's 8-bit encoding when it is
    // not valid UTF-8. Throws LumbraError naming the file when it cannot be read.
    void LoadLanguageFile(const QString& path);

    // Empty for unknown or unset keys.
    QString Text(QStringView key) const;
    // 0 until set; a value that is not a number leaves it unchanged.
    int DefaultTextFontSize() const { return mFontSize; }

private:
    QVector<QString> mTexts; // indexed like KnownKeys()
    int mFontSize = 0;
};

// Parses a font size: a decimal number, blanks around it allowed, fractions
// rounded halves-to-even. Empty when it is not a number that fits an int.
std::optional<int> ParseFontSize(const QString& value);

// UTF-8 when the bytes are valid UTF-8 (a leading BOM is dropped), else the
// fallback encoding (the locale's 8-bit one by default).
QString DecodeLanguageText(const QByteArray& bytes,
                           QStringConverter::Encoding fallback = QStringConverter::System);
