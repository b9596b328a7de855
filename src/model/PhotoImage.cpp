#include "model/PhotoImage.h"

#include "base/LumbraError.h"
#include "base/Md5.h"
#include "model/ModelLog.h"
#include "model/PhotoImageRecord.h"
#include "model/PhotoImageWindow.h"

#include <QDateTime>

#include <algorithm>

namespace {

QString PhotoKeyOf(const QString& path) {
    return Md5().Hash(path); // Md5 holds no state
}

QString FolderPrefix(const QString& folder) {
    if (folder.isEmpty() || folder.endsWith(QLatin1Char('/')) || folder.endsWith(QLatin1Char('\\')))
        return folder;
    return folder + QLatin1Char('/');
}

} // namespace

PhotoImage::~PhotoImage() = default;

void PhotoImage::ResetPhoto() {
    mRatio = 1.0f;
    mAngle = 0;
    mX = 0;
    mY = 0;
}

void PhotoImage::SetImage(const QString& aImage, const QString& aBookFolder) {
    const PhotoImportJob job = BeginImport(aImage, aBookFolder);
    EndImport(MakePhotoFiles(job));
}

void PhotoImage::SetBackgroundImage(const QString& fullName, const QString& aBookFolder) {
    const PhotoImportJob job = BeginBackgroundImport(fullName, aBookFolder);
    EndImport(MakePhotoFiles(job));
}

PhotoImportJob PhotoImage::BeginImport(const QString& aImage, const QString& aBookFolder) {
    const QString key = PhotoKeyOf(aImage);
    SetName(key);
    SetKey(aBookFolder, key);
    return Job(aImage, aBookFolder, kPhotoThumbBoxes);
}

PhotoImportJob PhotoImage::BeginBackgroundImport(const QString& fullName,
                                                 const QString& aBookFolder) {
    const qsizetype slash =
        std::max(fullName.lastIndexOf(QLatin1Char('/')), fullName.lastIndexOf(QLatin1Char('\\')));
    const QString baseName = fullName.mid(slash + 1).section(QLatin1Char('.'), 0, 0);
    CopyName(baseName);
    SetKey(aBookFolder, baseName);
    return Job(fullName, aBookFolder, kBackgroundThumbBoxes);
}

PhotoImportJob PhotoImage::Job(const QString& source, const QString& aBookFolder,
                               const ThumbBoxes& boxes) {
    mIsSupportedFormat = false;
    return PhotoImportJob{source, FolderPrefix(aBookFolder) + mName, boxes};
}

PhotoImportJob PhotoImage::RepairJob(const QString& aImage, const QString& aBookFolder) const {
    PhotoImportJob job{aImage, FolderPrefix(aBookFolder) + mName, kPhotoThumbBoxes};
    job.keepWhole = true;
    return job;
}

void PhotoImage::EndImport(bool supported) {
    mIsSupportedFormat = supported;
    for (Thumb& thumb : mThumbs)
        thumb.ForgetSize(); // sizes of any earlier files
}

void PhotoImage::SetName(const QString& aKey) {
    mName = SecondsStamp(QDateTime::currentDateTime()) + aKey;
}

void PhotoImage::SetKey(const QString& aBookFolder, const QString& aKey) {
    mKey = aKey;
    const QString stem = FolderPrefix(aBookFolder) + mName;
    for (ThumbType type : kThumbTypes)
        mThumbs[ThumbIndex(type)].SetPath(stem + QLatin1String(ThumbSuffix(type)));
}

int PhotoImage::GetWidth() const { return GetThumb(ThumbType::Original).width(); }
int PhotoImage::GetHeight() const { return GetThumb(ThumbType::Original).height(); }

ThumbType PhotoImage::GetOptimalThumbType(int x, int y) {
    return OptimalThumbType(x, y, kPhotoThumbLimits);
}

ThumbType PhotoImage::GetBackgroundOptimalThumbType(int x, int y) {
    return OptimalThumbType(x, y, kBackgroundThumbLimits);
}

QString PhotoImage::GetThumbFile(ThumbType type) const { return GetThumb(type).FilePath(); }
int PhotoImage::GetThumbHeight(ThumbType type) const { return GetThumb(type).height(); }
int PhotoImage::GetThumbWidth(ThumbType type) const { return GetThumb(type).width(); }

void PhotoImage::Delete() {
    for (auto thumb = mThumbs.rbegin(); thumb != mThumbs.rend(); ++thumb)
        thumb->Delete();
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
    const QString file = GetThumbFile(ThumbType::Original);
    placement.stem = file.left(file.size() - int(qstrlen("_or.jpg")));
    placement.name = mName;
    try {
        placement.fullSize = QSize(GetWidth(), GetHeight());
    } catch (const LumbraError&) {
        LogCaughtException(lcModel(), "Reading the size of a photo; it is drawn as missing");
    }
    if (HasBox())
        placement.boxMm = QSizeF(mPhotoBox->width(), mPhotoBox->height());
    placement.x = mX;
    placement.y = mY;
    placement.ratio = mRatio;
    placement.angle = mAngle;
    placement.tooSmall = mImageTooSmall;
    return placement;
}
