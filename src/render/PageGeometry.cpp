#include "render/PageGeometry.h"

#include "model/TemplateBox.h"
#include "model/Templates.h"
#include "render/PageExport.h"
#include "render/TextRender.h"

QRectF BoxMm(const TemplateBox& box) { return {box.X(), box.Y(), box.width(), box.height()}; }

QRect PageGeometry::Pixels(const TemplateBox& box) const {
    return BoxPixelRect(BoxMm(box), sx, sy);
}

PageGeometry GeometryOf(QSizeF pageMm, int width, int height) {
    return {float(width) / float(pageMm.width()), float(height) / float(pageMm.height())};
}

QSize PrintBoxSize(const Templates& catalogue, const TemplateBox& box) {
    const QSize page = PrintPageSize(catalogue);
    const QSizeF pageMm(catalogue.PageWidth(), catalogue.PageHeight());
    return GeometryOf(pageMm, page.width(), page.height()).Pixels(box).size();
}
