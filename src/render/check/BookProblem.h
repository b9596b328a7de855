#pragma once

#include <QString>

// What would come out badly in print, as the book check finds it.
enum class ProblemKind {
    LowResolution, // a photo printed with fewer pixels than the low-resolution mark allows
    EmptyPhotoBox, // a photo box without a photo on a page that has something on it
    EmptyPage,     // nothing on the page
    TextOverflow,  // a text its box cuts
    PhotoTwice,    // the same photo on an earlier page
    TextNearEdge,  // printed text closer than kTextEdgeMarginMm to the page's edge
};

// The stable name of a kind: "low-resolution", "empty-photo-box", ...
QString ProblemToken(ProblemKind kind);

enum class PageEdge { Left, Top, Right, Bottom };

// The box a problem is about; kind None for the page as a whole.
struct ProblemBox {
    enum class Kind { None, Photo, Text };
    Kind kind = Kind::None;
    int index = -1;
    bool operator==(const ProblemBox&) const = default;
};

// One problem: where, what and the numbers behind it.
struct BookProblem {
    int page = 0; // 0-based
    ProblemKind kind = ProblemKind::EmptyPage;
    ProblemBox box;
    int pixelsPerInch = 0; // LowResolution: what the print gets (rounded down)
    int neededPerInch = 0; // LowResolution: the least the mark allows (rounded up)
    int linesCut = -1;     // TextOverflow: the lines cut; -1 when not counted (a long text)
    int firstPage = -1;    // PhotoTwice: the page the photo stands on first
    double edgeMm = 0;     // TextNearEdge: the distance to the nearest edge
    PageEdge edge = PageEdge::Left;
    bool operator==(const BookProblem&) const = default;
};
