#pragma once

#include "model/TemplateBox.h"

class Templates;

// What books and pages reach outside themselves: the template catalogue.
// The program's book manager hands its own to every book it makes; tests
// make their own.
struct ModelContext {
    Templates* templates = nullptr; // needed by every page that gets a template

    // Throws LumbraError when the context has no catalogue.
    Templates& GetTemplates() const;
    // The catalogue's least pixels per mm for photos; the stock ones without a catalogue.
    MinRatios PhotoMinRatios() const;
};
