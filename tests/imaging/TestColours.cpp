#include "TestColours.h"

#include <lcms2.h>

#include <QFile>
#include <QPainter>

#include <algorithm>
#include <cstdlib>
#include <stdexcept>

namespace TestJpegs {

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

namespace {

cmsHPROFILE Open(const QByteArray& icc) {
    return icc.isEmpty() ? cmsCreate_sRGBProfile()
                         : cmsOpenProfileFromMem(icc.constData(), cmsUInt32Number(icc.size()));
}

// `out` (of the size of `picture`) with the picture's RGB32 pixels converted.
QImage Transformed(const QImage& picture, const QByteArray& from, const QByteArray& to,
                   cmsUInt32Number toType, QImage out) {
    const QImage in = picture.convertToFormat(QImage::Format_RGB32);
    cmsHPROFILE source = Open(from);
    cmsHPROFILE target = Open(to);
    cmsHTRANSFORM transform =
        source && target
            ? cmsCreateTransform(source, TYPE_BGRA_8, target, toType, INTENT_RELATIVE_COLORIMETRIC,
                                 cmsFLAGS_BLACKPOINTCOMPENSATION)
            : nullptr;
    for (int y = 0; transform && y < in.height(); ++y)
        cmsDoTransform(transform, in.constScanLine(y), out.scanLine(y),
                       cmsUInt32Number(in.width()));
    for (cmsHPROFILE profile : {source, target})
        if (profile)
            cmsCloseProfile(profile);
    if (!transform)
        throw std::runtime_error("no transform between the test profiles");
    cmsDeleteTransform(transform);
    return out;
}

} // namespace

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
