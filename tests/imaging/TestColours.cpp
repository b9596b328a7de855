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

QImage InProfile(const QImage& srgb, const QByteArray& icc) {
    cmsHPROFILE from = cmsCreate_sRGBProfile();
    cmsHPROFILE to = cmsOpenProfileFromMem(icc.constData(), cmsUInt32Number(icc.size()));
    cmsHTRANSFORM transform =
        to ? cmsCreateTransform(from, TYPE_BGRA_8, to, TYPE_BGRA_8, INTENT_RELATIVE_COLORIMETRIC, 0)
           : nullptr;
    QImage out = srgb.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; transform && y < out.height(); ++y)
        cmsDoTransform(transform, out.scanLine(y), out.scanLine(y), cmsUInt32Number(out.width()));
    if (transform)
        cmsDeleteTransform(transform);
    if (to)
        cmsCloseProfile(to);
    cmsCloseProfile(from);
    if (!transform)
        throw std::runtime_error("no transform to the test profile");
    return out;
}

QByteArray GhostscriptProfile(const char* name) {
    QFile file(QStringLiteral("/usr/share/color/icc/ghostscript/") + QLatin1String(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace TestJpegs
