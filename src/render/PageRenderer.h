#pragma once

#include "imaging/FiBitmap.h"
#include "imaging/ThumbType.h"

#include <QImage>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <memory>

class PaintSurface;
class Templates;
struct PageScene;

// What a screen rendering is for.
enum class RenderMode {
    Thumbnail, // album overview: no marks, no warning
    Editing,   // editing surface: too-small and cut-text warnings, empty boxes, text frames
};

// Draws a page, for the screen into an PaintSurface and for print or preview into a
// FreeImage picture. Geometry: a box of X, Y, width, Height mm covers the
// pixels round(X * sx), round(Y * sy), round(width * sx), round(Height * sy),
// sx = pixel width / page width (mm), halves to even. Photos are drawn before
// texts, each kind in index order, so later boxes cover earlier ones.
//
// A renderer holds only its settings; any thread may use one, with a scene
// that thread owns (see PageScene.h).
class PageRenderer {
public:
    // tooSmallMarker: laid over a photo too small for its box, and over text
    // cut by its box, in editing renderings (none: only the yellow frame).
    PageRenderer(QString backgroundsFolder, QSizeF pageMm, QImage tooSmallMarker = QImage());
    // The catalogue's page size.
    static PageRenderer ForCatalogue(const Templates& catalogue, QString backgroundsFolder,
                                     QImage tooSmallMarker = QImage());

    // Background by the drawing size ("_sm", "_md" or "_lg"; none for a name
    // that is not plain, see BackgroundLibrary::IsPlainName), photos from
    // their thumbnails, then texts. A photo that cannot be read is left out.
    std::shared_ptr<PaintSurface> RenderPageBitMap(const PageScene& scene, int width, int height,
                                                   RenderMode mode) const;

    // Background from "_or.jpg" rescaled bicubic, photos at print quality,
    // text pixels laid over. Names of photos that could not be read are added
    // to `problems` when given; the page is rendered without them. Throws
    // LumbraError only when no picture of that size can be made.
    FiBitmap RenderPageFreeImage(const PageScene& scene, int width, int height,
                                 QStringList* problems = nullptr) const;

    const QString& BackgroundsFolder() const { return mBackgroundsFolder; }

private:
    QString BackgroundFile(const QString& name, ThumbType type) const;

    QString mBackgroundsFolder;
    QSizeF mPageMm;
    QImage mTooSmallMarker;
};
