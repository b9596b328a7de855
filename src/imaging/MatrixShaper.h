#pragma once

#include <QRgb>
#include <array>
#include <memory>
#include <vector>

// The conversion of a matrix-shaper RGB profile (three tone curves and a
// matrix: most camera, phone and editing profiles) to sRGB as lookup tables
// and one matrix. lcms2 builds them from the profiles; applying them here
// takes a few nanoseconds a pixel, several times less than lcms2's own
// 8-bit path, which a print of wide-gamut photos felt.
class MatrixShaper {
public:
    // None unless `source` (an lcms2 profile) is a matrix-shaper without
    // colour tables and with a black at zero (so that black-point
    // compensation changes nothing); `srgb` is lcms2's sRGB profile.
    static std::unique_ptr<MatrixShaper> Of(void* source, void* srgb);

    // `count` RGB32 pixels to sRGB (`out` may be `in`).
    void Convert(const QRgb* in, QRgb* out, int count) const;

private:
    static constexpr int kStepsPerUnit = 8191; // of the encoding table

    std::array<std::array<float, 256>, 3> mLinear{}; // a channel's value to linear light
    std::array<float, 9> mMatrix{};      // linear source RGB to steps of mEncoded, less mOffset
    std::vector<unsigned char> mEncoded; // linear sRGB, from the lowest the matrix gives, to 8 bits
    float mOffset = 0;                   // the lowest's step, less the rounding half step
};
