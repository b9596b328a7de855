#pragma once

#include <QRgb>
#include <array>
#include <memory>
#include <vector>

// The conversion of a matrix-shaper RGB profile (three tone curves and a
// matrix: most camera, phone and editing profiles) to sRGB as lookup tables
// made from what lcms2 reads in the profiles; applying them here takes a few
// nanoseconds a pixel (three table rows added), several times less than
// lcms2's own 8-bit path, which a print of wide-gamut photos felt.
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

    // A channel value's part of the three output channels, in steps of the
    // encoding table: a pixel's steps are the sum of its three values' parts.
    struct alignas(16) Steps {
        float row[4];
    };
    std::array<std::array<Steps, 256>, 3> mSteps{};
    std::vector<unsigned char> mEncoded; // linear sRGB, from the lowest the matrix gives, to 8 bits
};
