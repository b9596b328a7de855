#pragma once

#include "base/Constants.h"
#include "model/BackgroundLibrary.h"

#include <QStringList>
#include <QTemporaryDir>

#include <memory>

class BookManager;
class PhotoTile;
class PhotosPane;
class PageRenderer;
class QMimeData;
class SidePane;

// A books folder with an opened untitled book, a side pane on it, and a
// folder of source JPEGs.
class PaneFixture {
public:
    PaneFixture();
    ~PaneFixture();

    // A photo-like JPEG of that size in the source folder; returns its path.
    QString MakeJpeg(const QString& name, int width = 320, int height = 240) const;
    // A file that is not a picture, named like one.
    QString MakeNonJpeg(const QString& name) const;
    // AddFiles on the photos pane, then waits for the import to end.
    bool Import(const QStringList& files, bool showSingleStatusDialog = true);
    // Waits for the running import to end.
    bool WaitForImport();
    // File names in the current book's folder.
    QStringList BookFiles() const;
    // Keys of the tiles in order.
    QStringList TileKeys() const;
    QStringList TileNames() const;
    static QString KeyOf(const QString& path);
    static QMimeData* FileDrop(const QStringList& files);
    // Runs queued calls and pending deletions.
    static void Settle();

    PhotosPane& Pane() const;

    QTemporaryDir books;
    QTemporaryDir sources;
    Constants strings;
    BackgroundLibrary library{QString(), QString()};
    std::shared_ptr<const PageRenderer> renderer;
    std::unique_ptr<BookManager> manager;
    std::unique_ptr<SidePane> top;
};
