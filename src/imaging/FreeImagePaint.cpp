#include "imaging/FreeImagePaint.h"

#include "imaging/FreeImageBridge.h"
#include "imaging/PaintSurface.h"

#include <QPainter>

void PaintImage(PaintSurface& surface, FIBITMAP* picture, int dx, int dy, int dw, int dh, int sx,
                int sy, int sw, int sh) {
    if (QPainter* painter = surface.painter())
        PaintImage(*painter, picture, dx, dy, dw, dh, sx, sy, sw, sh);
}

void PaintImage(QPainter& painter, FIBITMAP* picture, int dx, int dy, int dw, int dh, int sx,
                int sy, int sw, int sh) {
    if (!picture || !FreeImage_HasPixels(picture))
        return;
    const int height = int(FreeImage_GetHeight(picture));
    if (sw == 0)
        sw = int(FreeImage_GetWidth(picture));
    if (sh == 0)
        sh = height;
    if (dw == 0)
        dw = sw;
    if (dh == 0)
        dh = sh;
    const QImage image = FiToQImage(picture);
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(QRect(dx, dy, dw, dh), image, QRect(sx, height - sy - sh, sw, sh));
    painter.restore();
}
