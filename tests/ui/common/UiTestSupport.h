#pragma once

#include "base/Constants.h"
#include "model/BackgroundLibrary.h"
#include "model/BookManager.h"
#include "ui/common/UiContext.h"

#include <QString>
#include <QTemporaryDir>
#include <memory>

class PageRenderer;

// A renderer of the test catalogue's pages with the backgrounds of a folder
// (none for the empty text).
std::shared_ptr<const PageRenderer> TestRenderer(const QString& backgroundsFolder = QString());

// The objects of a UiContext for widgets that need no book: a book manager
// over an empty temporary folder that is never initialised, empty strings,
// an empty background library and a renderer without backgrounds.
class UiTestObjects {
public:
    UiTestObjects();

    UiContext Context();

    QTemporaryDir books;
    Constants strings;
    BookManager manager;
    BackgroundLibrary library{QString(), QString()};
    std::shared_ptr<const PageRenderer> renderer = TestRenderer();
};
