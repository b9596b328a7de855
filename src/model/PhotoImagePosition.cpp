// A photo in its box: placement, bounds, the record of a page entry.
#include "model/PhotoImage.h"

#include "model/PhotoImageRecord.h"
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
    if (!mRecord)
        return; // the offsets stay as they are until the record comes
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

void PhotoImage::ResetPhoto() {
    mRatio = 1.0f;
    mAngle = 0;
    mX = 0;
    mY = 0;
}

QString PhotoImage::Serialize() const {
    return FormatPhotoRecord(mName, PhotoRecord{mX, mY, mRatio, mAngle});
}

void PhotoImage::Deserialize(const QString& aLine) {
    const PhotoRecord record = ParsePhotoRecord(aLine);
    SetPlacement(record.x, record.y, record.ratio, record.angle);
}

PhotoPlacement PhotoImage::Placement() const {
    PhotoPlacement placement;
    placement.stem = Stem();
    placement.name = mName;
    if (mRecord)
        placement.fullSize = mRecord->size;
    if (HasBox())
        placement.boxMm = QSizeF(mPhotoBox->width(), mPhotoBox->height());
    placement.x = mX;
    placement.y = mY;
    placement.ratio = mRatio;
    placement.angle = mAngle;
    placement.tooSmall = mImageTooSmall;
    placement.fileMissing = mFileMissing;
    return placement;
}
