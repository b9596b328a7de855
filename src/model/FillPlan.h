#pragma once

#include "model/TemplateBox.h"

#include <QSize>
#include <QSizeF>
#include <cstdint>
#include <vector>

// The plan of a book fill, worked out on plain values: which photos go into
// which boxes of which pages, and the template each empty page gets.
//
// Photos go in the order they were taken; a gap of a day or more between two
// starts a new page. A page the fill lays out gets the catalogue template
// that suits its next photos best: as many boxes as the photos left need
// over the empty pages (pages are added only beyond four photos a page), box shapes that match the
// photos' shapes (portrait in portrait, landscape in landscape), no box the photo is too small for,
// and not the template of the pages just before. Pages with content keep their template; only their
// empty photo boxes take photos.

struct FillPhoto {
    QSize size;        // upright pixels
    int64_t taken = 0; // seconds; photos sort by it
};

struct FillPage {
    bool empty = true;          // no photo and no text: the fill chooses its template
    std::vector<int> freeBoxes; // a page with content: its empty photo boxes
    std::vector<QSizeF> boxes;  // its photo boxes in mm (for freeBoxes)
};

struct FillTemplate {
    std::vector<QSizeF> boxes; // photo boxes in mm
};

struct FillRules {
    MinRatios minimum;             // least pixels per mm of a photo in its box
    int maxPages = 100;            // pages are added up to this count
    int64_t dayGap = 24 * 60 * 60; // seconds between photos that start a new page
};

struct FillInput {
    std::vector<FillPhoto> photos;
    std::vector<FillPage> pages; // the book's pages in order
    std::vector<FillTemplate> templates;
    FillRules rules;
};

struct FillPlacement {
    int box = 0;
    int photo = 0; // index into FillInput::photos
};

struct FillPagePlan {
    int page = 0;           // from the book's page count on: pages to add
    int templateIndex = -1; // into FillInput::templates; -1: the page keeps its template
    std::vector<FillPlacement> placements;
};

struct FillPlan {
    std::vector<FillPagePlan> pages; // in page order
    std::vector<int> leftOver;       // photos no page could take
};

FillPlan PlanFill(const FillInput& input);

// The photos' order for the fill: by time taken, ties in the given order.
std::vector<int> TimeOrder(const std::vector<FillPhoto>& photos);

// How well `photos` sit in `boxes` when paired by shape (see PairByShape):
// 0 is perfect; shape mismatches and photos too small for their box cost most.
double FitCost(const std::vector<QSize>& photos, const std::vector<QSizeF>& boxes,
               const MinRatios& minimum);

// Pairs photos with boxes (equal counts) by aspect ratio, widest with
// widest: the pairing with the fewest shape mismatches. Entry i is the box of
// photo i.
std::vector<int> PairByShape(const std::vector<QSize>& photos, const std::vector<QSizeF>& boxes);
