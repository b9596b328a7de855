#pragma once

#include "model/TemplateBox.h"

#include <QString>
#include <memory>
#include <optional>
#include <vector>

class Page;
class PhotoImage;

// What a page rendering reads from a page.
//
// Threading: a `page` and its photos belong to the UI thread. Rendering on a
// worker starts from a PageSnapshot, taken on the UI thread, which holds only
// plain values (box geometry, photo files and placement records, texts, the
// background name). The worker turns it into a PageScene with photo objects
// of its own (DetachedScene), so nothing the UI thread changes is shared.

// A photo as its files and its place in the box.
struct PhotoPlacement {
    QString folder; // the book folder holding name & "_or.jpg" ...
    QString name;
    QString key;
    int x = 0;
    int y = 0;
    float ratio = 1.0f;
    int angle = 0;
    MinRatios minRatios; // the catalogue's, for the too-small warning
};

struct PageSnapshot {
    std::vector<TemplateBox> photoBoxes;
    std::vector<std::optional<PhotoPlacement>> photos; // one per photo box
    std::vector<TemplateBox> textBoxes;
    std::vector<QString> texts; // one per text box
    QString background;
};

// The page as the renderer walks it: per photo box its photo or none, per
// text box its stored rich text, in index order.
struct PageScene {
    std::vector<std::shared_ptr<const TemplateBox>> photoBoxes;
    std::vector<std::shared_ptr<PhotoImage>> photos;
    std::vector<std::shared_ptr<const TemplateBox>> textBoxes;
    std::vector<QString> texts;
    QString background;
};

// UI thread only. A page without a template gives an empty snapshot.
PageSnapshot SnapshotPage(const Page& aPage);
// Any thread: new photo objects placed as the snapshot says. A photo whose
// files cannot be read is still in the scene (drawing it fails later).
PageScene DetachedScene(const PageSnapshot& snapshot);
