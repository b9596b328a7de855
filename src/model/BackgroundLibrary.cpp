#include "model/BackgroundLibrary.h"

#include "base/DataFolder.h"
#include "base/LumbraError.h"
#include "imaging/PhotoImageFiles.h"
#include "model/ModelLog.h"

#include <QDir>

namespace {

const QString kSmallMarker = QStringLiteral("_sm.");

QString WithSlash(const QString& folder) {
    return folder.isEmpty() || folder.endsWith(u'/') ? folder : folder + u'/';
}

} // namespace

BackgroundLibrary::BackgroundLibrary(QString backgroundsFolder, QString deliveredFolder)
    : mBackgroundsFolder(WithSlash(backgroundsFolder)),
      mDeliveredFolder(WithSlash(deliveredFolder)) {}

QString BackgroundLibrary::DefaultDeliveredFolder() {
    return DataFolder() + QStringLiteral("backgrounds/");
}

void BackgroundLibrary::SetBackgroundsFolder(const QString& folder) {
    mBackgroundsFolder = WithSlash(folder);
}

void BackgroundLibrary::InitBackgrounds() {
    CopyDeliveredBackgrounds();
    LoadBackgroundList();
}

void BackgroundLibrary::CopyDeliveredBackgrounds() {
    const QString delivered = GetDeliveredBackgroundsFolder();
    if (delivered.isEmpty())
        return;
    if (mBackgroundsFolder.isEmpty() || !QDir().mkpath(mBackgroundsFolder))
        throw LumbraError(
            QStringLiteral("Cannot create the backgrounds folder \"%1\"").arg(mBackgroundsFolder));
    const QStringList files =
        QDir(delivered).entryList({QStringLiteral("*.jpg")}, QDir::Files, QDir::Name);
    for (const QString& file : files)
        CopyFileAtomically(delivered + file, mBackgroundsFolder + file);
}

void BackgroundLibrary::LoadBackgroundList() {
    mNames.clear();
    if (mBackgroundsFolder.isEmpty())
        return;
    const QStringList entries =
        QDir(mBackgroundsFolder)
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                       QDir::Name | QDir::IgnoreCase);
    for (const QString& entry : entries) {
        const QString name = TrimAtNul(entry);
        const qsizetype marker = name.indexOf(kSmallMarker);
        if (marker >= 0)
            mNames.append(name.left(marker));
    }
}

QString BackgroundLibrary::GetDeliveredBackgroundsFolder() const {
    if (mDeliveredFolder.isEmpty())
        return {};
    const QDir folder(mDeliveredFolder);
    const bool hasFile = !folder.entryList(QDir::Files | QDir::Hidden | QDir::System).isEmpty();
    return hasFile ? mDeliveredFolder : QString();
}

QString BackgroundLibrary::FilePath(const QString& name, ThumbType size) const {
    return FileIn(mBackgroundsFolder, name, size);
}

QString BackgroundLibrary::FileIn(const QString& folder, const QString& name, ThumbType size) {
    if (!IsPlainName(name)) {
        qCWarning(lcModel) << "Background name" << name
                           << "is not a plain name; the page shows no background";
        return {};
    }
    return WithSlash(folder) + name + QLatin1String(ThumbSuffix(size)) + QLatin1String(".jpg");
}

bool BackgroundLibrary::IsPlainName(const QString& name) {
    for (const QChar c : name)
        if (c == u'/' || c == u'\\' || c == u':' || c == QChar(0))
            return false;
    return !name.isEmpty() && !name.contains(QLatin1String(".."));
}

ThumbType BackgroundLibrary::ScreenThumbType(ThumbType wanted) {
    return wanted == ThumbType::Original ? ThumbType::Large : wanted;
}

QString TrimAtNul(const QString& text) {
    const qsizetype nul = text.indexOf(QChar(0));
    return nul < 0 ? text : text.left(nul);
}
