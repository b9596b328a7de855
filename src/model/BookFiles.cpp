#include "model/BookFiles.h"

#include "model/TextFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <limits>
#include <tuple>

namespace BookFiles {

QString BookFolder(const QString& booksFolder, const QString& name) {
    return QDir(booksFolder).filePath(name) + QLatin1Char('/');
}

QString ReadLastBookName(const QString& booksFolder) {
    return TextFile::ReadFirstLine(QDir(booksFolder).filePath(QLatin1String(kBookIni)));
}

void WriteLastBookName(const QString& booksFolder, const QString& name) {
    TextFile::WriteLines(QDir(booksFolder).filePath(QLatin1String(kBookIni)), {name});
}

QString ReadOrderIds(const QString& bookFolder) {
    return TextFile::ReadFirstLine(QDir(bookFolder).filePath(QLatin1String(kOrders)));
}

void WriteOrderIds(const QString& bookFolder, const QString& orderIds) {
    TextFile::WriteLines(QDir(bookFolder).filePath(QLatin1String(kOrders)), {orderIds});
}

QString AppendOrderId(const QString& orderIds, const QString& orderId) {
    return orderIds.isEmpty() ? orderId : orderIds + QLatin1Char(',') + orderId;
}

std::optional<PhotoFileName> ParsePhotoFileName(const QString& fileName) {
    if (!fileName.endsWith(QLatin1String(kFullSizeSuffix), Qt::CaseSensitive))
        return std::nullopt;
    const QString name = fileName.left(fileName.lastIndexOf(QLatin1Char('_')));
    if (name.isEmpty())
        return std::nullopt;
    return PhotoFileName{name, name.right(32)};
}

namespace {

struct ImportRank {
    qint64 stamp;
    qint64 modified;
    QString file;
    bool operator<(const ImportRank& o) const {
        return std::tie(stamp, modified, file) < std::tie(o.stamp, o.modified, o.file);
    }
};

ImportRank RankOf(const QFileInfo& info) {
    const QString name = ParsePhotoFileName(info.fileName())->name;
    bool ok = false;
    const qint64 stamp = name.left(name.size() - 32).toLongLong(&ok, 16);
    return {ok ? stamp : std::numeric_limits<qint64>::max(),
            info.lastModified().toMSecsSinceEpoch(), info.fileName()};
}

} // namespace

QStringList FullSizeFilesInImportOrder(const QString& bookFolder) {
    std::vector<ImportRank> ranks;
    const QDir folder(bookFolder);
    for (const QFileInfo& info : folder.entryInfoList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (ParsePhotoFileName(info.fileName()))
            ranks.push_back(RankOf(info));
    }
    std::sort(ranks.begin(), ranks.end());
    QStringList files;
    for (const ImportRank& rank : ranks)
        files << rank.file;
    return files;
}

void MarkImported(const QString& bookFolder, const QString& photoName, const QDateTime& when) {
    QFile file(QDir(bookFolder).filePath(photoName + QLatin1String(kFullSizeSuffix)));
    if (file.open(QIODevice::ReadWrite)) // opening for writing keeps the bytes
        file.setFileTime(when, QFileDevice::FileModificationTime);
}

namespace {

// A photo's stem is a seconds stamp (upper-case hex) and its 32-digit key.
const QRegularExpression& PhotoFilePattern() {
    static const QRegularExpression pattern(
        QStringLiteral("^(-?[0-9A-F]{1,16}[0-9a-f]{32})_(sm|md|lg|or)\\.(jpg|dim|rec)$"));
    return pattern;
}

// QSaveFile's temporary name: the target's name, "." and six letters or digits.
const QRegularExpression& TemporaryPattern() {
    static const QRegularExpression pattern(QStringLiteral("^(.+)\\.[A-Za-z0-9]{6}$"));
    return pattern;
}

bool IsLeftover(const QDir& folder, const QString& file, const QString& bookText) {
    const QRegularExpressionMatch temporary = TemporaryPattern().match(file);
    if (temporary.hasMatch()) {
        const QString target = temporary.captured(1);
        return target == QLatin1String(kBookState) || target == QLatin1String(kOrders) ||
               PhotoFilePattern().match(target).hasMatch();
    }
    const QRegularExpressionMatch photo = PhotoFilePattern().match(file);
    if (!photo.hasMatch())
        return false;
    const QString stem = photo.captured(1);
    return !folder.exists(stem + QLatin1String(kFullSizeSuffix)) && !bookText.contains(stem);
}

} // namespace

std::optional<PhotoFileName> ParsePhotoName(const QString& name) {
    const QString file = name + QLatin1String(kFullSizeSuffix);
    return PhotoFilePattern().match(file).hasMatch() ? ParsePhotoFileName(file) : std::nullopt;
}

QStringList RemoveLeftovers(const QString& bookFolder, const QString& bookText,
                            const QDateTime& olderThan) {
    const QDir folder(bookFolder);
    QStringList removed;
    for (const QFileInfo& info : folder.entryInfoList(QDir::Files | QDir::Hidden, QDir::Name)) {
        if (info.lastModified() < olderThan && IsLeftover(folder, info.fileName(), bookText) &&
            QFile::remove(info.filePath()))
            removed << info.fileName();
    }
    return removed;
}

} // namespace BookFiles
