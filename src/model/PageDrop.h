#pragma once

#include "imaging/PhotoImageFiles.h"

#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

class Book;
class Md5;
class PhotoImage;
class QMimeData;
class Page;

// Drops on a page: files from the desktop, a photo key, "T:" and a template
// definition, or "bg:" and a background name. Model objects are touched on
// the UI thread only; the files of new photos may be made on any thread.

struct DropPayload {
    QStringList files; // local paths, in the order given
    QString text;
    bool hasText = false;
};
DropPayload ReadDropPayload(const QMimeData& data);

// Files only over a photo box outside every text box; any text anywhere.
// Nothing without a page.
bool DropAllowed(bool hasPage, const DropPayload& payload, int textBox, int photoBox);

// One dropped file and its photo's key; a photo that is not in the book yet
// comes with its import.
struct DroppedFile {
    QString path;
    QString key;
    std::shared_ptr<PhotoImage> photo; // a new photo, else null
    PhotoImportJob job;                // its import
    bool made = false;                 // its files were made
};

// UI thread: looks every file's key up in the book's photos (and among the
// files before it); new photos get their names and import jobs.
std::vector<DroppedFile> PlanFileDrop(const Book& book, const QStringList& files, const Md5& md5);
// Any thread: makes the files of the new photos; a file that cannot be read
// or written leaves its photo out.
void MakeDroppedFiles(std::vector<DroppedFile>& files);
// UI thread: adds the new photos to the book and places every photo at
// (x, y) mm in turn, so the last one stays in the box; then saves the book.
void PlaceFileDrop(Book& book, Page& aPage, std::vector<DroppedFile>& files, float x, float y);

// UI thread: a text drop at (x, y) mm, then the book is saved. An unknown
// key changes nothing; a bad template definition throws before the save.
void DropText(Book& book, Page& aPage, const QString& text, float x, float y);
