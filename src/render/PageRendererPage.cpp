// The page's own rendering methods: the page as it stands, drawn on the
// calling thread (the UI thread; workers render snapshots, PageExport.h).
#include "render/PageRenderer.h"
#include "render/PageScene.h"
#include "imaging/FiBitmap.h"
#include "model/page.h"

std::shared_ptr<HDCBMP> page::RenderPageBitMap(int width, int height, int mode) {
    const PageRenderer renderer = PageRenderer::ForCatalogue(mContext.GetTemplates());
    std::shared_ptr<HDCBMP> surface = renderer.RenderPageBitMap(LiveScene(*this), width, height, mode);
    if (mode == PageRenderer::ThumbnailMode)
        SetThumbHDCBMP(surface);
    return surface;
}

FiBitmap page::RenderPageFreeImage(int width, int height) const {
    const PageRenderer renderer = PageRenderer::ForCatalogue(mContext.GetTemplates());
    return renderer.RenderPageFreeImage(LiveScene(*this), width, height);
}
