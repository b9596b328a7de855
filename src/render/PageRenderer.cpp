#include "render/PageRenderer.h"

#include "base/LumbraError.h"
#include "imaging/JpegDecode.h"
#include "imaging/Resample.h"
#include "imaging/WarningMark.h"
#include "model/BackgroundLibrary.h"
#include "model/PhotoImageWindow.h"
#include "model/TemplateBox.h"
#include "model/Templates.h"
#include "render/PageGeometry.h"
#include "render/PagePixels.h"
#include "render/PageScene.h"
#include "render/PhotoDrawing.h"
#include "render/RenderLog.h"
#include "render/TextRender.h"

#include <QCoreApplication>
#include <QPainter>

#include <algorithm>

namespace {

bool HasText(const QString& rtf) { return !rtf.trimmed().isEmpty(); }

// The background file decoded at the smallest scale that still covers the
// picture; null when it is missing or unreadable.
QImage LoadBackground(const QString& path, QSize size) {
    if (path.isEmpty())
        return {};
    return DecodeJpeg(path,
                      [size](const JpegHeader& header) {
                          return JpegDecodeRequest{std::max(double(size.width()) / header.width,
                                                            double(size.height()) / header.height),
                                                   {}};
                      })
        .picture;
}

// A photo of a page: drawn for the screen, or its visible part scaled for
// print. Left out when its files cannot be read.
void PaintPhoto(QPainter& painter, const PhotoPlacement& photo, const QRect& box, const QRect& page,
                RenderMode mode, const QImage& marker, QStringList* problems) {
    const QRect visible = box & page;
    if (visible.isEmpty())
        return;
    if (photo.fileMissing && mode == RenderMode::Editing) {
        DrawMissingFileMark(painter, box,
                            QCoreApplication::translate("PageRenderer", "Photo file missing"));
        return;
    }
    try {
        if (mode == RenderMode::Print) {
            painter.drawImage(
                visible.topLeft(),
                PrintPhotoPart(photo, box.size(), visible.translated(-box.topLeft())));
        } else {
            PhotoPictures pictures;
            DrawPhoto(painter, photo, box, mode == RenderMode::Editing, marker, pictures);
        }
    } catch (const LumbraError&) {
        LogCaughtException(lcRender(), "Drawing a photo; the page goes without it");
        if (problems)
            *problems << photo.name;
    }
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

void PageRenderer::DrawBackground(QImage& picture, const QString& name, RenderMode mode) const {
    picture.fill(Qt::white);
    if (name.isEmpty())
        return;
    const QSize size = picture.size();
    if (mode == RenderMode::Print) {
        const QImage loaded = LoadBackground(BackgroundFile(name, ThumbType::Original), size);
        const QImage scaled = loaded.isNull() ? QImage() : Resample(loaded, size);
        if (!scaled.isNull())
            QPainter(&picture).drawImage(0, 0, scaled);
        return;
    }
    const ThumbType type = BackgroundLibrary::ScreenThumbType(
        OptimalThumbType(size.width(), size.height(), kBackgroundThumbLimits));
    const QImage loaded = LoadBackground(BackgroundFile(name, type), size);
    if (loaded.isNull())
        return;
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(picture.rect(), loaded);
}

QImage PageRenderer::Render(const PageSnapshot& page, QSize size, RenderMode mode,
                            QStringList* problems) const {
    QImage picture(size, QImage::Format_RGB32);
    if (picture.isNull())
        throw LumbraError(QStringLiteral("Cannot make a page picture of %1 x %2")
                              .arg(size.width())
                              .arg(size.height()));
    DrawBackground(picture, page.background, mode);
    QPainter painter(&picture);
    const PageGeometry geometry = GeometryOf(mPageMm, size.width(), size.height());
    const bool editing = mode == RenderMode::Editing;
    const QRect whole = picture.rect();

    for (size_t i = 0; i < page.photoBoxes.size(); ++i) {
        const QRect box = geometry.Pixels(page.photoBoxes[i]);
        const auto* photo = i < page.photos.size() && page.photos[i] ? &*page.photos[i] : nullptr;
        if (photo && !box.isEmpty())
            PaintPhoto(painter, *photo, box, whole, mode, mTooSmallMarker, problems);
        else if (!photo && editing)
            painter.drawImage((box & whole).topLeft(), EmptyBoxOverlay(box, whole));
    }

    for (size_t i = 0; i < page.textBoxes.size(); ++i) {
        const TemplateBox& textBox = page.textBoxes[i];
        const QRect box = geometry.Pixels(textBox);
        const QString text = i < page.texts.size() ? page.texts[i] : QString();
        if (!HasText(text) && !editing)
            continue;
        const BoxTextLayout layout(text, BoxMm(textBox).size());
        if (!box.isEmpty())
            layout.Draw(painter, box);
        if (!editing)
            continue;
        // Just outside the box, so that it hides none of the text.
        const QRect frame = box.adjusted(-2, -2, 2, 2);
        painter.drawImage((frame & whole).topLeft(), DashedFrameOverlay(frame, whole));
        if (layout.IsCut())
            DrawWarningMark(painter, box, mTooSmallMarker);
    }
    return picture;
}
