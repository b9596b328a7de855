#pragma once

#include "base/Constants.h"
#include "base/UserFolders.h"
#include "model/ModelContext.h"
#include "model/Templates.h"
#include "render/PageRenderer.h"

#include <QString>
#include <memory>

class Book;
class QTextStream;

// The process-wide objects a command needs, made once for the run.
class CommandObjects {
public:
    CommandObjects(const QString& dataFolder, const QString& booksFolder);
    CommandObjects(const CommandObjects&) = delete;
    CommandObjects& operator=(const CommandObjects&) = delete;

    const Constants& Strings() const { return mStrings; }
    const Templates& Catalogue() const { return *mTemplates; }
    // What the command's book is made with.
    ModelContext BookContext() const {
        ModelContext context;
        context.templates = mTemplates.get();
        return context;
    }
    const UserFolders& Folders() const { return mFolders; }
    // Pages at print or preview size, with the user's backgrounds.
    PageRenderer Renderer() const {
        return PageRenderer::ForCatalogue(*mTemplates, mFolders.GetBackgroundsFolder());
    }

private:
    Constants mStrings;
    std::unique_ptr<Templates> mTemplates;
    UserFolders mFolders;
};

// The named book, loaded; made and saved when missing and `create` is set.
// None, with the reason on `err` and `exitCode` set, when it cannot be had.
std::shared_ptr<Book> OpenBook(const CommandObjects& objects, const QString& name, bool create,
                               QTextStream& err, int* exitCode);
