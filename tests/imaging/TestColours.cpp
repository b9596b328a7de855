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

QImage Converted(const QImage& picture, const QByteArray& from, const QByteArray& to) {
    const auto open = [](const QByteArray& icc) {
        return icc.isEmpty() ? cmsCreate_sRGBProfile()
                             : cmsOpenProfileFromMem(icc.constData(), cmsUInt32Number(icc.size()));
    };
    cmsHPROFILE source = open(from);
    cmsHPROFILE target = open(to);
    cmsHTRANSFORM transform =
        source && target
            ? cmsCreateTransform(source, TYPE_BGRA_8, target, TYPE_BGRA_8,
                                 INTENT_RELATIVE_COLORIMETRIC, cmsFLAGS_BLACKPOINTCOMPENSATION)
            : nullptr;
    QImage out = picture.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; transform && y < out.height(); ++y)
        cmsDoTransform(transform, out.scanLine(y), out.scanLine(y), cmsUInt32Number(out.width()));
    for (cmsHPROFILE profile : {source, target})
        if (profile)
            cmsCloseProfile(profile);
    if (!transform)
        throw std::runtime_error("no transform between the test profiles");
    cmsDeleteTransform(transform);
    return out;
}

QByteArray GhostscriptProfile(const char* name) {
    QFile file(QStringLiteral("/usr/share/color/icc/ghostscript/") + QLatin1String(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace TestJpegs
