#include "render/PageRenderer.h"

#include "base/LumbraError.h"
#include "imaging/FreeImageBridge.h"
#include "imaging/FreeImagePaint.h"
#include "imaging/PaintSurface.h"
#include "imaging/PhotoImageDecode.h"
#include "imaging/ThumbScaling.h"
#include "imaging/WarningMark.h"
#include "model/BackgroundLibrary.h"
#include "model/PhotoImage.h"
#include "model/TemplateBox.h"
#include "model/Templates.h"
#include "render/PageGeometry.h"
#include "render/PagePixels.h"
#include "render/PageScene.h"
#include "render/RenderLog.h"
#include "render/TextOverflow.h"
#include "render/TextRender.h"

#include <QPainter>

#include <algorithm>

namespace {

bool HasText(const QString& rtf) { return !rtf.trimmed().isEmpty(); }

// The background file decoded at the smallest scale that still covers
// width x height; empty when it is missing or unreadable.
FiBitmap LoadBackground(const QString& path, int width, int height) {
    if (path.isEmpty())
        return {};
    const auto cover = [width, height](const JpegHeader& header) {
        return std::max(double(width) / header.width, double(height) / header.height);
    };
    return LoadJpegCovering(path, cover, 0).picture;
}

ThumbType ScreenBackgroundType(int width, int height) {
    return BackgroundLibrary::ScreenThumbType(PhotoImage::GetBgOptimalThumbType(width, height));
}

// Draws the photo, leaving the box as it is when its files cannot be read.
void DrawPhoto(PhotoImage& photo, QPainter& painter, const QRect& box, bool warning,
               const QImage& marker) {
    try {
        photo.DrawImage(painter, box.x(), box.y(), box.width(), box.height(), warning, marker);
    } catch (const LumbraError&) {
        // a photo whose files are gone; the rest of the page is still drawn
        LogCaughtException(lcRender(), "Drawing a photo");
    }
}

// Only the part of the box on the page is scaled: a box may be far larger.
void PastePhoto(const PhotoImage& photo, FIBITMAP* target, const QRect& box, const QRect& page,
                QStringList* problems) {
    const QRect visible = box & page;
    if (visible.isEmpty())
        return;
    try {
        const FiBitmap picture =
            photo.GetFreeImageDib(box.width(), box.height(), visible.translated(-box.topLeft()));
        PasteClipped(target, picture.get(), visible.x(), visible.y());
    } catch (const LumbraError&) {
        LogCaughtException(lcRender(), "Pasting a photo; the page goes without it, the photo is "
                                       "reported");
        if (problems)
            *problems << photo.GetName();
    }
}

// The text's pixels on the page laid over the print picture.
void OverlayPrintText(FIBITMAP* target, const QString& rtf, const TemplateBox& box,
                      const QRect& pixels, const QRect& page) {
    const QRect visible = pixels & page;
    QImage text(visible.size(), QImage::Format_ARGB32_Premultiplied);
    if (text.isNull())
        return;
    text.fill(Qt::transparent);
    bool drawn = false;
    {
        QPainter painter(&text);
        drawn = DrawBoxText(painter, rtf, BoxMm(box).size(), pixels.translated(-visible.topLeft()));
    }
    if (drawn)
        BlendOver(target, text, visible.x(), visible.y());
}

} // namespace

PageRenderer::PageRenderer(QString backgroundsFolder, QSizeF pageMm, QImage tooSmallMarker)
    : mBackgroundsFolder(std::move(backgroundsFolder)), mPageMm(pageMm),
      mTooSmallMarker(std::move(tooSmallMarker)) {
    if (!(mPageMm.width() > 0 && mPageMm.height() > 0))
        throw LumbraError(QStringLiteral("Page size of the renderer is empty"));
}

PageRenderer PageRenderer::ForCatalogue(const Templates& catalogue, QString backgroundsFolder,
                                        QImage tooSmallMarker) {
    const QSizeF pageMm(catalogue.PageWidth(), catalogue.PageHeight());
    return PageRenderer(std::move(backgroundsFolder), pageMm, std::move(tooSmallMarker));
}

QString PageRenderer::BackgroundFile(const QString& name, ThumbType type) const {
    return BackgroundLibrary::FileIn(mBackgroundsFolder, name, type);
}

std::shared_ptr<PaintSurface> PageRenderer::RenderPageBitMap(const PageScene& scene, int width,
                                                             int height, RenderMode mode) const {
    auto surface = std::make_shared<PaintSurface>(width, height);
    QPainter* painter = surface->painter();
    if (!painter)
        return surface;
    const PageGeometry geometry = GeometryOf(mPageMm, width, height);

    FiBitmap background;
    if (!scene.background.isEmpty())
        background = LoadBackground(
            BackgroundFile(scene.background, ScreenBackgroundType(width, height)), width, height);
    if (background)
        PaintImage(*painter, background.get(), 0, 0, width, height, 0, 0, 0, 0);
    else
        painter->fillRect(0, 0, width, height, Qt::white);

    const bool editing = mode == RenderMode::Editing;
    const QRect page(0, 0, width, height);
    for (size_t i = 0; i < scene.photoBoxes.size(); ++i) {
        const QRect box = geometry.Pixels(*scene.photoBoxes[i]);
        const auto& photo = i < scene.photos.size() ? scene.photos[i] : nullptr;
        if (photo && !box.isEmpty())
            DrawPhoto(*photo, *painter, box, editing, mTooSmallMarker);
        else if (!photo && editing)
            painter->drawImage((box & page).topLeft(), EmptyBoxOverlay(box, page));
    }

    for (size_t i = 0; i < scene.textBoxes.size(); ++i) {
        const QRect box = geometry.Pixels(*scene.textBoxes[i]);
        if (i < scene.texts.size() && HasText(scene.texts[i]))
            DrawBoxText(*painter, scene.texts[i], BoxMm(*scene.textBoxes[i]).size(), box);
        if (!editing)
            continue;
        // Just outside the box, so that it hides none of the text.
        const QRect frame = box.adjusted(-2, -2, 2, 2);
        painter->drawImage((frame & page).topLeft(), DashedFrameOverlay(frame, page));
        if (i < scene.texts.size() &&
            CutLineCount(scene.texts[i], BoxMm(*scene.textBoxes[i]).size()) > 0)
            DrawWarningMark(*painter, box, mTooSmallMarker);
    }
    return surface;
}

FiBitmap PageRenderer::RenderPageFreeImage(const PageScene& scene, int width, int height,
                                           QStringList* problems) const {
    FiBitmap picture;
    if (!scene.background.isEmpty()) {
        const FiBitmap loaded =
            LoadBackground(BackgroundFile(scene.background, ThumbType::Original), width, height);
        if (loaded)
            picture = RescaleTo(loaded.get(), QSize(width, height));
    }
    if (!picture)
        picture = WhitePicture(width, height);
    if (!picture)
        throw LumbraError(
            QStringLiteral("Cannot make a page picture of %1 x %2").arg(width).arg(height));
    const PageGeometry geometry = GeometryOf(mPageMm, width, height);
    const QRect page(0, 0, width, height);

    for (size_t i = 0; i < scene.photoBoxes.size() && i < scene.photos.size(); ++i) {
        const QRect box = geometry.Pixels(*scene.photoBoxes[i]);
        if (scene.photos[i] && !box.isEmpty())
            PastePhoto(*scene.photos[i], picture.get(), box, page, problems);
    }

    for (size_t i = 0; i < scene.textBoxes.size() && i < scene.texts.size(); ++i) {
        const QRect box = geometry.Pixels(*scene.textBoxes[i]);
        if (HasText(scene.texts[i]) && !box.isEmpty())
            OverlayPrintText(picture.get(), scene.texts[i], *scene.textBoxes[i], box, page);
    }
    return picture;
}
