#pragma once

#include "render/rtf/RtfReader.h"

#include <QRect>
#include <QRectF>
#include <QSize>
#include <QSizeF>
#include <QString>
#include <QTextCharFormat>

#include <memory>

class QPainter;
class QTextDocument;

// Text boxes are laid out once, at the print resolution of their box, and
// that layout is scaled to whatever size the box is shown at, so that screen,
// editor and print break lines in the same places.

// Pixels per millimetre of a page rendered for print.
inline constexpr float kPrintPixelsPerMm = 8.5039f;

// The layout size of a box of `boxMm` millimetres: each side times its ratio,
// as a 16-bit whole number (halves to even), at least 1.
QSize TextLayoutSize(QSizeF boxMm, float pixelsPerMmX = kPrintPixelsPerMm,
                     float pixelsPerMmY = kPrintPixelsPerMm);

// The pixels a box covers on a page drawn at `sx` × `sy` pixels per mm:
// position and size each rounded, halves to even, and kept within 2^28
// pixels either way (a box from a damaged file may say anything).
QRect BoxPixelRect(const QRectF& boxMm, float sx, float sy);

// The stored text of a box as laid out for print: font sizes tripled, text
// width the layout width, no margins, fonts at 96 dots per inch.
std::unique_ptr<QTextDocument> PrintLayoutDocument(const QString& rtf, QSize layoutSize);

// The text of a box of `boxMm` millimetres in its print layout, laid out once
// to be drawn at any size and to tell the lines the box cuts. A long text is
// read and laid out only as far as its lines can show in the box; the rest is
// read when CutLineCount asks for it. For one thread at a time.
class BoxTextLayout {
public:
    BoxTextLayout(const QString& rtf, QSizeF boxMm);
    ~BoxTextLayout();
    BoxTextLayout(BoxTextLayout&&) noexcept;
    BoxTextLayout& operator=(BoxTextLayout&&) noexcept;

    // Draws the text into `target` (pixels of the painter's device). Only the
    // glyphs cover what is below; nothing outside `target` is touched.
    // Returns false, drawing nothing, when the text is blank or `target` empty.
    bool Draw(QPainter& painter, const QRect& target) const;
    // The lines that do not fit the box, wholly or in part (the lines the page
    // and the print cut). 0 when it fits.
    int CutLineCount() const;
    // CutLineCount() > 0, mostly without reading the rest of a long text.
    bool IsCut() const;
    // What the printed lines cover inside the box, in layout pixels (the box
    // is TextLayoutSize wide and tall); empty for a blank text.
    QRectF PrintedBounds() const;

private:
    QString mRtf; // sizes scaled for print
    QSize mLayout;
    std::unique_ptr<QTextDocument> mDocument;
    bool mBlank = true;
    bool mPartial = false; // mDocument holds only the text the box can show
    mutable int mCutLines = -1;
};

// Draws the text of a box of `boxMm` millimetres into `target`, as
// BoxTextLayout::Draw.
bool DrawBoxText(QPainter& painter, const QString& rtf, QSizeF boxMm, const QRect& target);

// For the text box editor: the stored text with its stored sizes, laid out in
// the same lines as the print layout (text width = the layout width, fonts at
// three times 96 dots per inch). Show it scaled by EditorDisplayScale. An
// empty text starts in `newText`'s font and size.
std::unique_ptr<QTextDocument> EditorDocument(const QString& rtf, QSizeF boxMm,
                                              const RtfDefaults& newText);

// Scale from the editor document's layout to a box shown `boxWidthPx` wide.
double EditorDisplayScale(int boxWidthPx, QSizeF boxMm);

// The font new text of a text box starts with: the language's default font
// and size (a size below 1 counts as 12 points).
RtfDefaults NewTextDefaults(const QString& family, int pointSize);
