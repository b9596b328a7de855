#include "imaging/MatrixShaper.h"

#include <lcms2.h>

#include <algorithm>
#include <cmath>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace {

using Matrix = std::array<double, 9>; // row by row

// The colorants of a profile as a matrix from its linear RGB to XYZ (D50).
bool Colorants(cmsHPROFILE profile, Matrix& matrix) {
    const cmsTagSignature tags[3] = {cmsSigRedColorantTag, cmsSigGreenColorantTag,
                                     cmsSigBlueColorantTag};
    for (int column = 0; column < 3; ++column) {
        const auto* xyz = static_cast<const cmsCIEXYZ*>(cmsReadTag(profile, tags[column]));
        if (!xyz)
            return false;
        matrix[size_t(column)] = xyz->X;
        matrix[size_t(3 + column)] = xyz->Y;
        matrix[size_t(6 + column)] = xyz->Z;
    }
    return true;
}

bool Inverted(const Matrix& m, Matrix& inverse) {
    const double det = m[0] * (m[4] * m[8] - m[5] * m[7]) - m[1] * (m[3] * m[8] - m[5] * m[6]) +
                       m[2] * (m[3] * m[7] - m[4] * m[6]);
    if (std::abs(det) < 1e-9)
        return false;
    inverse = {(m[4] * m[8] - m[5] * m[7]) / det, (m[2] * m[7] - m[1] * m[8]) / det,
               (m[1] * m[5] - m[2] * m[4]) / det, (m[5] * m[6] - m[3] * m[8]) / det,
               (m[0] * m[8] - m[2] * m[6]) / det, (m[2] * m[3] - m[0] * m[5]) / det,
               (m[3] * m[7] - m[4] * m[6]) / det, (m[1] * m[6] - m[0] * m[7]) / det,
               (m[0] * m[4] - m[1] * m[3]) / det};
    return true;
}

Matrix Product(const Matrix& a, const Matrix& b) {
    Matrix product{};
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column)
            for (int k = 0; k < 3; ++k)
                product[size_t(row * 3 + column)] +=
                    a[size_t(row * 3 + k)] * b[size_t(k * 3 + column)];
    return product;
}

} // namespace

std::unique_ptr<MatrixShaper> MatrixShaper::Of(void* source, void* srgb) {
    if (!cmsIsMatrixShaper(source) ||
        cmsIsCLUT(source, INTENT_RELATIVE_COLORIMETRIC, LCMS_USED_AS_INPUT))
        return nullptr;
    Matrix from{};
    Matrix to{};
    Matrix toInverse{};
    if (!Colorants(source, from) || !Colorants(srgb, to) || !Inverted(to, toInverse))
        return nullptr;
    const Matrix matrix = Product(toInverse, from);
    if (!std::all_of(matrix.begin(), matrix.end(),
                     [](double value) { return std::isfinite(value); }))
        return nullptr;
    std::array<std::array<double, 256>, 3> linear{};
    const cmsTagSignature curves[3] = {cmsSigRedTRCTag, cmsSigGreenTRCTag, cmsSigBlueTRCTag};
    for (int channel = 0; channel < 3; ++channel) {
        const auto* curve = static_cast<const cmsToneCurve*>(cmsReadTag(source, curves[channel]));
        if (!curve || cmsEvalToneCurveFloat(curve, 0) > 1e-4f)
            return nullptr;
        for (int value = 0; value < 256; ++value) {
            // In [0, 1], as the encoding table's span assumes.
            const float level = cmsEvalToneCurveFloat(curve, float(value) / 255);
            linear[size_t(channel)][size_t(value)] =
                std::isfinite(level) ? std::clamp(level, 0.f, 1.f) : 0.f;
        }
    }
    const auto* srgbCurve = static_cast<const cmsToneCurve*>(cmsReadTag(srgb, cmsSigRedTRCTag));
    cmsToneCurve* encode = srgbCurve ? cmsReverseToneCurve(srgbCurve) : nullptr;
    if (!encode)
        return nullptr;
    // The table spans every value the matrix can give from linear values in
    // [0, 1], so that no pixel needs a clamp.
    double lowest = 0;
    double highest = 1;
    for (int row = 0; row < 3; ++row) {
        double low = 0;
        double high = 0;
        for (int column = 0; column < 3; ++column)
            (matrix[size_t(row * 3 + column)] < 0 ? low : high) += matrix[size_t(row * 3 + column)];
        lowest = std::min(lowest, low);
        highest = std::max(highest, high);
    }
    // A camera's or an editor's matrix spans a few units; a damaged one is
    // left to lcms2.
    constexpr double kMaxSpan = 16;
    if (!std::isfinite(lowest) || !std::isfinite(highest) || highest - lowest > kMaxSpan) {
        cmsFreeToneCurve(encode);
        return nullptr;
    }
    auto shaper = std::make_unique<MatrixShaper>();
    shaper->mEncoded.resize(size_t((highest - lowest) * kStepsPerUnit + 0.5) + 2);
    for (size_t step = 0; step < shaper->mEncoded.size(); ++step) {
        const float level = float(lowest + double(step) / kStepsPerUnit);
        const float value = cmsEvalToneCurveFloat(encode, std::clamp(level, 0.f, 1.f));
        shaper->mEncoded[step] = (unsigned char)std::lround(std::clamp(value, 0.f, 1.f) * 255);
    }
    cmsFreeToneCurve(encode);
    // Red's part carries the table's start and the rounding half step.
    const double offset = 0.5 - lowest * kStepsPerUnit;
    for (size_t channel = 0; channel < 3; ++channel)
        for (size_t value = 0; value < 256; ++value)
            for (size_t row = 0; row < 3; ++row)
                shaper->mSteps[channel][value].row[row] =
                    float(matrix[row * 3 + channel] * kStepsPerUnit * linear[channel][value] +
                          (channel == 0 ? offset : 0));
    return shaper;
}

void MatrixShaper::Convert(const QRgb* in, QRgb* out, int count) const {
    // Everything in locals: `out` may alias nothing the compiler must reload.
    const Steps* red = mSteps[0].data();
    const Steps* green = mSteps[1].data();
    const Steps* blue = mSteps[2].data();
    const unsigned char* encoded = mEncoded.data();
    for (int i = 0; i < count; ++i) {
        const QRgb pixel = in[i];
#ifdef __SSE2__
        const __m128i steps = _mm_cvttps_epi32(_mm_add_ps(
            _mm_add_ps(_mm_load_ps(red[qRed(pixel)].row), _mm_load_ps(green[qGreen(pixel)].row)),
            _mm_load_ps(blue[qBlue(pixel)].row)));
        out[i] = qRgb(encoded[_mm_cvtsi128_si32(steps)],
                      encoded[_mm_cvtsi128_si32(_mm_srli_si128(steps, 4))],
                      encoded[_mm_cvtsi128_si32(_mm_srli_si128(steps, 8))]);
#else
        const float* r = red[qRed(pixel)].row;
        const float* g = green[qGreen(pixel)].row;
        const float* b = blue[qBlue(pixel)].row;
        out[i] = qRgb(encoded[int(r[0] + g[0] + b[0])], encoded[int(r[1] + g[1] + b[1])],
                      encoded[int(r[2] + g[2] + b[2])]);
#endif
    }
}
