#include "model/PhotoImage.h"

#include "base/LumbraError.h"
#include "base/Md5.h"
#include "model/PhotoImageRecord.h"
#include "model/PhotoImageWindow.h"

#include <QDateTime>
#include <QFile>

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

void PhotoImage::SetImage(const QString& aImage, const QString& aBookFolder) {
    MakeFilesNow(BeginImport(aImage, aBookFolder), true);
}

void PhotoImage::SetBackgroundImage(const QString& fullName, const QString& aBookFolder) {
    MakeFilesNow(BeginBackgroundImport(fullName, aBookFolder), false);
}

void PhotoImage::MakeFilesNow(const PhotoImportJob& job, bool storeRecord) {
    const bool made = MakePhotoFiles(job);
    if (!made)
        EndImport(false);
    else if (storeRecord)
        EndImport(true, RecordPhoto(job.stem));
    else
        EndImport(true, MeasurePhoto(job.stem, NoCameraTime::FileTime));
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

void PhotoImage::EndImport(bool supported, const std::optional<PoolRecord>& record) {
    mIsSupportedFormat = supported;
    mRecord = record;
}

QString PhotoImage::Stem() const {
    const QString file = GetThumbFile(ThumbType::Original);
    return file.left(file.size() - int(qstrlen("_or.jpg")));
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

int PhotoImage::GetWidth() const {
    if (!mRecord)
        throw LumbraError(QStringLiteral("The size of %1 is not known yet").arg(mName));
    return mRecord->size.width();
}

int PhotoImage::GetHeight() const {
    GetWidth(); // throws the same way
    return mRecord->size.height();
}

ThumbType PhotoImage::GetOptimalThumbType(int x, int y) {
    return OptimalThumbType(x, y, kPhotoThumbLimits);
}

ThumbType PhotoImage::GetBackgroundOptimalThumbType(int x, int y) {
    return OptimalThumbType(x, y, kBackgroundThumbLimits);
}

QString PhotoImage::GetThumbFile(ThumbType type) const { return GetThumb(type).FilePath(); }

void PhotoImage::Delete() {
    QFile::remove(PoolRecordPath(Stem()));
    for (auto thumb = mThumbs.rbegin(); thumb != mThumbs.rend(); ++thumb)
        thumb->Delete();
}
