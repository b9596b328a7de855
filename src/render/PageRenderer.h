#pragma once

#include "imaging/ThumbType.h"

#include <QImage>
#include <QSize>
#include <QSizeF>
#include <QString>
#include <QStringList>

class Templates;
struct PageSnapshot;

// What a rendering is for. The targets differ only in size and quality.
enum class RenderMode {
    Thumbnail, // album overview: screen quality, no marks, no warning
    Editing,   // editing surface: too-small and cut-text warnings, empty boxes, text frames
    Print,     // print, preview and upload pages: full-size files, smooth scaling
};

// The one compositor of pages: a snapshot in, pixels out. Geometry: a box of
// X, Y, width, Height mm covers the pixels round(X * sx), round(Y * sy),
// round(width * sx), round(Height * sy), sx = pixel width / page width (mm),
// halves to even. Background, then photos, then texts, each kind in index
// order, so later boxes cover earlier ones.
//
// Screen renderings draw photos from their thumbnails and the background
// from the file that suits the size, stretched without smoothing; print
// renderings decode the full-size files at the smallest scale that covers
// their boxes and scale them smoothly. Each text is laid out once.
//
// A renderer holds only its settings; any thread may use one.
class PageRenderer {
public:
    // tooSmallMarker: laid over a photo too small for its box, and over text
    // cut by its box, in editing renderings (none: only the yellow frame).
    PageRenderer(QString backgroundsFolder, QSizeF pageMm, QImage tooSmallMarker = QImage());
    // The catalogue's page size.
    static PageRenderer ForCatalogue(const Templates& catalogue, QString backgroundsFolder,
                                     QImage tooSmallMarker = QImage());

    // The page at `size`, Format_RGB32. A photo that cannot be read is left
    // out and its name added to `problems` when given. Throws LumbraError
    // only when no picture of that size can be made.
    QImage Render(const PageSnapshot& page, QSize size, RenderMode mode,
                  QStringList* problems = nullptr) const;

    const QString& BackgroundsFolder() const { return mBackgroundsFolder; }

private:
    QString BackgroundFile(const QString& name, ThumbType type) const;
    void DrawBackground(QImage& picture, const QString& name, RenderMode mode) const;

    QString mBackgroundsFolder;
    QSizeF mPageMm;
    QImage mTooSmallMarker;
};
