#pragma once

#include "model/PhotoPlacement.h"
#include "model/TemplateBox.h"

#include <QString>
#include <optional>
#include <vector>

class Page;

// What a page rendering reads from a page: plain values only (box
// geometry, photo placements, texts, the background name).
//
// Threading: a page and its photos belong to the UI thread. SnapshotPage,
// called there, copies what a rendering needs; the snapshot then goes to
// any thread, which renders it without touching a model object.
struct PageSnapshot {
    std::vector<TemplateBox> photoBoxes;
    std::vector<std::optional<PhotoPlacement>> photos; // one per photo box
    std::vector<TemplateBox> textBoxes;
    std::vector<QString> texts; // one per text box
    QString background;
};

// UI thread only. A page without a template gives an empty snapshot.
PageSnapshot SnapshotPage(const Page& aPage);
