#include "imaging/PicturePart.h"

namespace {

const uchar* FirstPixel(const QImage& picture, const QRect& rect) {
    return picture.constScanLine(rect.top()) + qsizetype(rect.left()) * 4;
}

} // namespace

QImage SharedPart(QImage picture, const QRect& rect) {
    if (rect == picture.rect())
        return picture;
    auto* owner = new QImage(std::move(picture));
    return QImage(
        FirstPixel(*owner, rect), rect.width(), rect.height(), owner->bytesPerLine(),
        owner->format(), [](void* held) { delete static_cast<QImage*>(held); }, owner);
}

QImage PartView(const QImage& picture, const QRect& rect) {
    return QImage(FirstPixel(picture, rect), rect.width(), rect.height(), picture.bytesPerLine(),
                  picture.format());
}
