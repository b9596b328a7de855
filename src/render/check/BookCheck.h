#pragma once

#include "model/TemplateBox.h"
#include "render/PageScene.h"
#include "render/check/BookProblem.h"

#include <QSize>
#include <QSizeF>
#include <optional>
#include <vector>

class TextFits;

// Printed text closer than this to the page's edge risks the trim.
inline constexpr double kTextEdgeMarginMm = 5.0;

// What tells photos of the pool apart without their pixels: the upright size
// and orientation of the record and the bytes of the full-size file. A photo
// imported from two places is two photos of the pool with one likeness. (The
// record's time is no help: without a camera time it is the import's.)
struct PhotoLikeness {
    QSize size;
    int orientation = 1;
    qint64 fileBytes = -1;
    bool operator==(const PhotoLikeness&) const = default;
};

// A page as the check reads it.
struct CheckedPage {
    PageSnapshot scene;
    std::vector<std::optional<PhotoLikeness>> likeness; // per photo box; none: no photo or record
};

// The book as plain values: taken on the UI thread, checked on any.
struct BookCheckInput {
    QSizeF pageMm;
    MinRatios minimum; // those of the low-resolution mark
    std::vector<CheckedPage> pages;
};

// The problems in page order; on a page, the page itself, then its photo
// boxes and then its text boxes, each in index order. A page with nothing on
// it is only an empty page. Texts are measured through `texts`.
std::vector<BookProblem> CheckBook(const BookCheckInput& book, TextFits& texts);
