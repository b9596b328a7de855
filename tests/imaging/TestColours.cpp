#include "TestColours.h"

#include <lcms2.h>

#include <QFile>
#include <QPainter>

#include <algorithm>
#include <cstdlib>
#include <stdexcept>

namespace TestJpegs {

namespace {

// `out` (of the picture's size) holding the picture's pixels converted from
// the profile `from` to `to` (empty: sRGB), in lcms2's layout `toType`.
QImage Transformed(const QImage& picture, const QByteArray& from, const QByteArray& to,
                   cmsUInt32Number toType, QImage out) {
    const auto open = [](const QByteArray& icc) {
        return icc.isEmpty() ? cmsCreate_sRGBProfile()
                             : cmsOpenProfileFromMem(icc.constData(), cmsUInt32Number(icc.size()));
    };
    const QImage in = picture.convertToFormat(QImage::Format_RGB32);
    cmsHPROFILE source = open(from);
    cmsHPROFILE target = open(to);
    cmsHTRANSFORM transform =
        cmsCreateTransform(source, TYPE_BGRA_8, target, toType, INTENT_RELATIVE_COLORIMETRIC,
                           cmsFLAGS_BLACKPOINTCOMPENSATION);
    cmsCloseProfile(source);
    cmsCloseProfile(target);
    if (!transform)
        throw std::runtime_error("no transform between the test profiles");
    for (int y = 0; y < in.height(); ++y)
        cmsDoTransform(transform, in.constScanLine(y), out.scanLine(y),
                       cmsUInt32Number(in.width()));
    cmsDeleteTransform(transform);
    return out;
}

} // namespace

QImage ColourPatches() {
    QImage picture(kPatchSide * int(kPatchColours.size()), kPatchSide, QImage::Format_RGB32);
    QPainter painter(&picture);
    for (size_t i = 0; i < kPatchColours.size(); ++i)
        painter.fillRect(int(i) * kPatchSide, 0, kPatchSide, kPatchSide, QColor(kPatchColours[i]));
    return picture;
}

int PatchError(const QImage& picture, int index) {
    const QRgb at = picture.pixel(index * kPatchSide + kPatchSide / 2, kPatchSide / 2);
    const QRgb want = kPatchColours[size_t(index)];
    return std::max({std::abs(qRed(at) - qRed(want)), std::abs(qGreen(at) - qGreen(want)),
                     std::abs(qBlue(at) - qBlue(want))});
}

QImage Converted(const QImage& picture, const QByteArray& from, const QByteArray& to) {
    return Transformed(picture, from, to, TYPE_BGRA_8,
                       picture.convertToFormat(QImage::Format_RGB32));
}

QImage InInks(const QImage& srgb, const QByteArray& icc) {
    return Transformed(srgb, {}, icc, TYPE_CMYK_8_REV,
                       QImage(srgb.size(), QImage::Format_RGBA8888));
}

QByteArray GhostscriptProfile(const char* name) {
    QFile file(QStringLiteral("/usr/share/color/icc/ghostscript/") + QLatin1String(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace TestJpegs
