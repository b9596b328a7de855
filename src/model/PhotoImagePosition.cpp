#include "model/PhotoImage.h"

#include "model/PhotoImageWindow.h"
#include "model/TemplateBox.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr float kMinRatio = 0.01f;

float SaneRatio(float r) { return std::isnan(r) ? 1.0f : std::clamp(r, kMinRatio, 1.0f); }

} // namespace

void PhotoImage::SetPhotoBox(std::shared_ptr<const TemplateBox> aBox, MinRatios minimum) {
    mPhotoBox = std::move(aBox);
    mMinRatios = minimum;
    ChangeResolution();
}

bool PhotoImage::HasBox() const {
    return mPhotoBox && mPhotoBox->width() > 0 && mPhotoBox->height() > 0;
}

std::optional<PrintSizeCheck> PhotoImage::PrintCheck() const {
    if (!HasBox())
        return std::nullopt;
    return CheckPrintSize(QSize(GetWidth(), GetHeight()), mAngle, mRatio,
                          QSizeF(mPhotoBox->width(), mPhotoBox->height()), mMinRatios);
}

void PhotoImage::ChangeResolution() {
    const std::optional<PrintSizeCheck> check = PrintCheck();
    if (!check)
        return;
    mImageTooSmall = check->tooSmall;
    const OffsetBounds bounds =
        WindowOffsetBounds(check->picture.width(), check->picture.height(), check->window);
    mLowX = bounds.lowX;
    mHighX = bounds.highX;
    mLowY = bounds.lowY;
    mHighY = bounds.highY;
    SetImageLocation(mX, mY);
}

bool PhotoImage::SetImageLocation(int x, int y) {
    if (x < mLowX)
        x = mLowX;
    if (x > mHighX)
        x = mHighX;
    if (y < mLowY)
        y = mLowY;
    if (y > mHighY)
        y = mHighY;
    x = std::clamp(x, -32768, 32767);
    y = std::clamp(y, -32768, 32767);
    if (x == mX && y == mY)
        return false;
    mX = int16_t(x);
    mY = int16_t(y);
    return true;
}

void PhotoImage::SetAngle(int a) {
    mAngle = a;
    ChangeResolution();
}

void PhotoImage::SetRatio(float r) {
    mRatio = SaneRatio(r);
    ChangeResolution();
}

void PhotoImage::SetPlacement(int x, int y, float r, int a) {
    mX = int16_t(std::clamp(x, -32768, 32767));
    mY = int16_t(std::clamp(y, -32768, 32767));
    mRatio = SaneRatio(r);
    SetAngle(a); // clamps the offsets once, under the final angle and zoom
}
