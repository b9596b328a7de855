#pragma once

class BookManager;
class PageDisplayHost;
class Templates;

// What books and pages reach outside the model. A null member is looked up
// in Services() when it is needed, so the program can register its objects
// late; tests inject their own.
struct ModelContext {
    Templates* templates = nullptr;
    PageDisplayHost* displayHost = nullptr;
    const BookManager* manager = nullptr;

    // Throws LumbraError when there is no catalogue at all.
    Templates& GetTemplates() const;
    // The photos pane, or a headless stand-in that only resets photos.
    PageDisplayHost& DisplayHost() const;
    // True while the book manager reads a book and pages must stay silent.
    bool PageEventsSuppressed() const;
};
