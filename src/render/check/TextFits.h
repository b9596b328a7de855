#pragma once

#include <QHash>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <mutex>

// What the book check needs of a text in its box, from its print layout.
struct TextFit {
    bool blank = true; // nothing that prints
    int linesCut = 0;  // the lines the box cuts; -1: cut, not counted (a long text)
    QRectF printedMm;  // what the printed lines cover, from the box's top-left corner
    bool operator==(const TextFit&) const = default;
};

// Texts longer than this are only tested for a cut, not counted.
inline constexpr qsizetype kCountedTextChars = 20000;

// Lays the text out for print (render/TextRender.h) and measures it.
TextFit MeasureText(const QString& rtf, QSizeF boxMm);

// Laying texts out is the check's dearest part: each text is laid out once
// per box size and kept while the book uses it. Any thread may call it.
class TextFits {
public:
    TextFit Measure(const QString& rtf, QSizeF boxMm);
    // Forgets the texts not measured since the last call.
    void ForgetUnused();
    qsizetype Size() const;

private:
    struct Entry {
        TextFit fit;
        bool used = true;
    };
    mutable std::mutex mMutex;
    QHash<QString, Entry> mEntries;
};
