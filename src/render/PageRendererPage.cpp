// The page's own rendering methods: the page as it stands, drawn on the
// calling thread (the UI thread; workers render snapshots, PageExport.h).
#include "render/PageRenderer.h"
#include "render/PageScene.h"
#include "imaging/FiBitmap.h"
#include "model/Page.h"

std::shared_ptr<PaintSurface> Page::RenderPageBitMap(int width, int height, int mode) {
    const PageRenderer renderer = PageRenderer::ForCatalogue(mContext.GetTemplates());
    std::shared_ptr<PaintSurface> surface = renderer.RenderPageBitMap(LiveScene(*this), width, height, mode);
    if (mode == PageRenderer::ThumbnailMode)
        SetThumbnail(surface);
    return surface;
}

FiBitmap Page::RenderPageFreeImage(int width, int height) const {
    const PageRenderer renderer = PageRenderer::ForCatalogue(mContext.GetTemplates());
    return renderer.RenderPageFreeImage(LiveScene(*this), width, height);
}
