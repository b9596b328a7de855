#pragma once

#include "model/TemplateBox.h"

class BookManager;
class PageDisplayHost;
class Templates;

// What books and pages reach outside themselves. The program's book manager
// hands its own to every book it makes; tests make their own.
struct ModelContext {
    Templates* templates = nullptr;         // needed by every page that gets a template
    PageDisplayHost* displayHost = nullptr; // null: a headless stand-in
    const BookManager* manager = nullptr;   // null: pages are never kept silent

    // Throws LumbraError when the context has no catalogue.
    Templates& GetTemplates() const;
    // The catalogue's least pixels per mm for photos; the stock ones without a catalogue.
    MinRatios PhotoMinRatios() const;
    // The photos pane, or a headless stand-in that only resets photos.
    PageDisplayHost& DisplayHost() const;
    // True while the book manager reads a book and pages must stay silent.
    bool PageEventsSuppressed() const;
};
