#pragma once

#include <QImage>
#include <memory>

class BackgroundLibrary;
class BookManager;
class Constants;
class PageRenderer;
class Templates;

// The program's objects the windows work with, made by the start-up (tests
// make their own). They must outlive every widget made with them.
struct UiContext {
    BookManager& books;
    const Constants& strings;
    const Templates& templates;
    BackgroundLibrary& backgrounds;
    // Draws the pages of the book view, the album overview and the preview (not
    // null); any thread may use it.
    std::shared_ptr<const PageRenderer> renderer;
    // Laid over a photo too small for its box in the photo box editor; may be null.
    QImage tooSmallMarker;
};
