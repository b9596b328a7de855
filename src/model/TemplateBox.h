#pragma once

#include <QString>
#include <cstdint>

// The least pixels per mm a photo needs across (x) and down (y) its box.
struct MinRatios {
    static constexpr double kStock = 5.52; // those of the built-in catalogue
    double x = kStock;
    double y = kStock;
};

// One rectangular photo or text box of a template, in millimetres from the
// page's top-left corner. Built from its text form "Photo[x, y, w, h, 0]".
class TemplateBox {
public:
    // None until a definition is read.
    enum class Kind { None, Photo, Text };

    float X() const { return mX; }
    float Y() const { return mY; }
    float width() const { return mWidth; }
    float height() const { return mHeight; }
    Kind BoxType() const { return mBoxType; }

    // All four edges count as inside.
    bool IsInBox(float x, float y) const;

    // Whether a photo of width x height pixels gives fewer pixels per mm than
    // the minima. Text boxes never report too small.
    bool IsImageTooSmall(int photoWidth, int photoHeight, MinRatios minimum) const;

    // Reads a piece of a definition cut before its "]": the kind is the four
    // characters before the last "[", the first four fields after it are the
    // geometry. A piece without "[" leaves the box unchanged; a malformed one
    // throws LumbraError and leaves it unchanged too.
    void Deserialize(const QString& piece);
    QString Serialize() const;

private:
    float mX = 0;
    float mY = 0;
    float mWidth = 0;
    float mHeight = 0;
    Kind mBoxType = Kind::None;
};
