#pragma once

#include <QString>
#include <memory>

class Book;
class Constants;
class PhotoImage;

// One file of a photo import, as the photos pane imports it (the pane adds a
// tile for a photo that was added; the command line prints the status line).

enum class ImportOutcome { Added, AlreadyExists, Unsupported };

struct ImportResult {
    ImportOutcome outcome = ImportOutcome::Unsupported;
    std::shared_ptr<PhotoImage> photo; // the photo added to the pool, if any
};

// The key is the MD5 of `path` exactly as given. A key already in the book's
// pool is skipped; otherwise the photo's files are made in the book folder
// and the photo joins the pool when the file is a usable JPEG. The book file
// is not saved. Throws LumbraError when the photo's files cannot be written.
ImportResult ImportPhotoFile(Book& book, const QString& path);

// The status line: the outcome's message, " :", the path.
QString ImportStatusLine(ImportOutcome outcome, const QString& path, const Constants& strings);
