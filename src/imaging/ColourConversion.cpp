#include "imaging/ColourConversion.h"

#include "imaging/ImagingLog.h"
#include "imaging/MatrixShaper.h"

#include <lcms2.h>

#include <QCryptographicHash>
#include <QHash>

#include <algorithm>
#include <array>
#include <cmath>
#include <mutex>
#include <optional>

namespace {

// RGB32 pixels as bytes in memory.
constexpr cmsUInt32Number kRgb32Type = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? TYPE_BGRA_8 : TYPE_ARGB_8;

// Relative colorimetric keeps every colour that sRGB can show as it is and
// clips only those beyond it: a wide-gamut photo keeps its skin and sky
// tones, where perceptual would dull all of them to make room for the few
// outside (and most camera and phone profiles carry no perceptual table).
// Black-point compensation maps the photo's black onto sRGB's, so shadows
// keep their detail instead of blocking up in print.
constexpr cmsUInt32Number kIntent = INTENT_RELATIVE_COLORIMETRIC;
constexpr cmsUInt32Number kFlags = cmsFLAGS_BLACKPOINTCOMPENSATION;

// Distinct profiles kept; a photo collection has a handful.
constexpr int kMaxCachedProfiles = 64;

void CollectError(cmsContext context, cmsUInt32Number, const char* text) {
    auto* errors = static_cast<QString*>(cmsGetContextUserData(context));
    if (errors && errors->size() < 1000)
        *errors += (errors->isEmpty() ? QString() : QStringLiteral("; ")) + QString::fromUtf8(text);
}

struct ProfileCloser {
    void operator()(void* profile) const { cmsCloseProfile(profile); }
};
using Profile = std::unique_ptr<void, ProfileCloser>;

// True when the transform gives back (within a level of 8 bits) what it
// gets: the profile is sRGB's, whatever its name or form (tables of
// different precision differ by a fraction of a level).
bool IsIdentity(cmsContext context, cmsHPROFILE source, cmsHPROFILE srgb) {
    cmsHTRANSFORM check = cmsCreateTransformTHR(context, source, TYPE_RGB_DBL, srgb, TYPE_RGB_DBL,
                                                kIntent, kFlags | cmsFLAGS_NOCACHE);
    if (!check)
        return false;
    constexpr int kSteps = 6;
    double worst = 0;
    for (int r = 0; r < kSteps; ++r)
        for (int g = 0; g < kSteps; ++g)
            for (int b = 0; b < kSteps; ++b) {
                const double in[3] = {r / (kSteps - 1.0), g / (kSteps - 1.0), b / (kSteps - 1.0)};
                double out[3] = {};
                cmsDoTransform(check, in, out, 1);
                for (int c = 0; c < 3; ++c)
                    worst = std::max(worst, std::abs(out[c] - in[c]));
            }
    cmsDeleteTransform(check);
    return worst < 1.0 / 255;
}

struct Layout {
    cmsColorSpaceSignature space;
    cmsUInt32Number type;
    const char* name;
};

Layout LayoutOf(PhotoPixels pixels) {
    switch (pixels) {
    case PhotoPixels::Grey: return {cmsSigGrayData, TYPE_GRAY_8, "grey"};
    case PhotoPixels::InvertedCmyk: return {cmsSigCmykData, TYPE_CMYK_8_REV, "CMYK"};
    case PhotoPixels::Rgb32: break;
    }
    return {cmsSigRgbData, kRgb32Type, "RGB"};
}

struct Built {
    std::shared_ptr<const SrgbConversion> conversion;
    QString problem; // why the profile is not used; empty for sRGB
};

Built Build(const QByteArray& icc, PhotoPixels pixels) {
    QString errors;
    cmsContext context = cmsCreateContext(nullptr, &errors);
    if (!context)
        return {nullptr, QStringLiteral("no memory for a colour context")};
    cmsSetLogErrorHandlerTHR(context, CollectError);
    const auto fail = [&context, &errors](const QString& why) {
        cmsDeleteContext(context);
        return Built{nullptr, errors.isEmpty() ? why : why + QStringLiteral(": ") + errors};
    };
    Profile source(cmsOpenProfileFromMemTHR(context, icc.constData(), cmsUInt32Number(icc.size())));
    if (!source)
        return fail(QStringLiteral("the profile cannot be read"));
    const Layout layout = LayoutOf(pixels);
    if (cmsGetColorSpace(source.get()) != layout.space)
        return fail(
            QStringLiteral("a profile for other colours than the photo's (%1)").arg(layout.name));
    Profile srgb(cmsCreate_sRGBProfileTHR(context));
    if (pixels == PhotoPixels::Rgb32 && IsIdentity(context, source.get(), srgb.get())) {
        cmsDeleteContext(context);
        return {nullptr, {}};
    }
    if (pixels == PhotoPixels::Rgb32)
        if (std::unique_ptr<MatrixShaper> shaper = MatrixShaper::Of(source.get(), srgb.get())) {
            source.reset();
            srgb.reset();
            cmsDeleteContext(context);
            return {std::make_shared<SrgbConversion>(std::move(shaper)), {}};
        }
    cmsHTRANSFORM transform = cmsCreateTransformTHR(context, source.get(), layout.type, srgb.get(),
                                                    kRgb32Type, kIntent, kFlags);
    if (!transform)
        return fail(QStringLiteral("no conversion to sRGB can be built from it"));
    cmsSetLogErrorHandlerTHR(context, nullptr); // `errors` goes out of scope
    return {std::make_shared<SrgbConversion>(context, transform, pixels), {}};
}

// Conversions by profile (its MD5 and the pixel layout).
class ConversionCache {
public:
    std::shared_ptr<const SrgbConversion> Get(const QByteArray& icc, PhotoPixels pixels) {
        QByteArray key = QCryptographicHash::hash(icc, QCryptographicHash::Md5);
        key += char(pixels);
        const std::lock_guard lock(mMutex);
        const auto found = mConversions.constFind(key);
        if (found != mConversions.constEnd())
            return *found;
        const Built built = Build(icc, pixels);
        if (!built.problem.isEmpty())
            qCWarning(lcImaging).noquote()
                << "A photo's colour profile is not used, its colours are taken as sRGB:"
                << built.problem;
        if (mConversions.size() >= kMaxCachedProfiles)
            mConversions.clear(); // those in use live on with their photos' decodes
        mConversions.insert(key, built.conversion);
        return built.conversion;
    }

private:
    std::mutex mMutex;
    QHash<QByteArray, std::shared_ptr<const SrgbConversion>> mConversions;
};

ConversionCache& Conversions() {
    static ConversionCache cache;
    return cache;
}

QByteArray SavedProfile(cmsHPROFILE profile) {
    QByteArray bytes;
    cmsUInt32Number size = 0;
    if (profile && cmsSaveProfileToMem(profile, nullptr, &size) && size > 0) {
        bytes.resize(qsizetype(size));
        if (!cmsSaveProfileToMem(profile, bytes.data(), &size))
            bytes.clear();
    }
    return bytes;
}

struct Chromaticities {
    cmsCIExyY red, green, blue;
};

std::optional<Chromaticities> PrimariesOf(int primaries) {
    switch (primaries) {
    case 1: return Chromaticities{{0.640, 0.330, 1}, {0.300, 0.600, 1}, {0.150, 0.060, 1}};
    case 9: return Chromaticities{{0.708, 0.292, 1}, {0.170, 0.797, 1}, {0.131, 0.046, 1}};
    case 12: return Chromaticities{{0.680, 0.320, 1}, {0.265, 0.690, 1}, {0.150, 0.060, 1}};
    default: return std::nullopt;
    }
}

// The parameters of an ICC type 4 curve: Y = (aX + b)^g above d, cX below.
std::optional<std::array<double, 5>> TransferOf(int transfer) {
    switch (transfer) {
    case 13: return std::array{2.4, 1 / 1.055, 0.055 / 1.055, 1 / 12.92, 0.04045};
    case 1:
    case 6:
    case 14:
    case 15: return std::array{1 / 0.45, 1 / 1.099, 0.099 / 1.099, 1 / 4.5, 0.081};
    case 4: return std::array{2.2, 1.0, 0.0, 0.0, 0.0};
    case 5: return std::array{2.8, 1.0, 0.0, 0.0, 0.0};
    case 8: return std::array{1.0, 1.0, 0.0, 0.0, 0.0};
    default: return std::nullopt;
    }
}

} // namespace

SrgbConversion::SrgbConversion(void* context, void* transform, PhotoPixels pixels)
    : mContext(context), mTransform(transform), mPixels(pixels) {}

SrgbConversion::SrgbConversion(std::unique_ptr<MatrixShaper> shaper) : mShaper(std::move(shaper)) {}

SrgbConversion::~SrgbConversion() {
    if (mTransform)
        cmsDeleteTransform(mTransform);
    if (mContext)
        cmsDeleteContext(static_cast<cmsContext>(mContext));
}

void SrgbConversion::Convert(const uchar* in, QRgb* out, int count) const {
    if (mShaper) {
        mShaper->Convert(reinterpret_cast<const QRgb*>(in), out, count);
        return;
    }
    // The output's fourth byte is not written by the transform.
    if (mPixels != PhotoPixels::Rgb32)
        std::fill(out, out + count, qRgb(0, 0, 0));
    // lcms2 copies its one-pixel cache per call: a transform is shared safely.
    cmsDoTransform(mTransform, in, out, cmsUInt32Number(count));
}

void SrgbConversion::ConvertPicture(QImage& rgb32) const {
    for (int y = 0; y < rgb32.height(); ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(rgb32.scanLine(y));
        Convert(reinterpret_cast<const uchar*>(row), row, rgb32.width());
    }
}

std::shared_ptr<const SrgbConversion> ConversionToSrgb(const QByteArray& icc, PhotoPixels pixels) {
    if (icc.isEmpty())
        return nullptr;
    return Conversions().Get(icc, pixels);
}

const QByteArray& SrgbProfile() {
    static const QByteArray kProfile = [] {
        Profile srgb(cmsCreate_sRGBProfile());
        cmsMD5computeID(srgb.get());
        return SavedProfile(srgb.get());
    }();
    return kProfile;
}

QByteArray ProfileFromCodedColours(int primaries, int transfer) {
    constexpr int kUnspecified = 2;
    constexpr int kBt709 = 1;
    constexpr int kSrgbTransfer = 13;
    if ((primaries == kBt709 || primaries == kUnspecified) &&
        (transfer == kSrgbTransfer || transfer == kUnspecified))
        return {};
    const std::optional<Chromaticities> chromaticities =
        PrimariesOf(primaries == kUnspecified ? kBt709 : primaries);
    const auto parameters = TransferOf(transfer == kUnspecified ? kSrgbTransfer : transfer);
    if (!chromaticities || !parameters) {
        qCWarning(lcImaging) << "Coded colours of primaries" << primaries << "and transfer"
                             << transfer << "are not known, the picture is taken as sRGB";
        return {};
    }
    const cmsCIExyY white{0.3127, 0.3290, 1}; // D65
    cmsToneCurve* curve = cmsBuildParametricToneCurve(nullptr, 4, parameters->data());
    cmsToneCurve* curves[3] = {curve, curve, curve};
    cmsCIExyYTRIPLE triple{chromaticities->red, chromaticities->green, chromaticities->blue};
    Profile profile(cmsCreateRGBProfile(&white, &triple, curves));
    cmsFreeToneCurve(curve);
    if (profile)
        cmsMD5computeID(profile.get());
    return SavedProfile(profile.get());
}
