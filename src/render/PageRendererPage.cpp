// The page's own rendering methods: the page as it stands, drawn on the
// calling thread (the UI thread; workers render snapshots, PageExport.h).
#include "render/PageRenderer.h"
#include "render/PageScene.h"
#include "imaging/FiBitmap.h"
#include "model/Page.h"

std::shared_ptr<PaintSurface> Page::RenderPageBitMap(const PageRenderer& renderer, int width,
                                                     int height, int mode) {
    std::shared_ptr<PaintSurface> surface = renderer.RenderPageBitMap(LiveScene(*this), width, height, mode);
    if (mode == PageRenderer::ThumbnailMode)
        SetThumbnail(surface);
    return surface;
}

FiBitmap Page::RenderPageFreeImage(const PageRenderer& renderer, int width, int height) const {
    return renderer.RenderPageFreeImage(LiveScene(*this), width, height);
}
