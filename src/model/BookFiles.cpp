#include "model/BookFiles.h"

#include "model/TextFile.h"

#include <QDir>

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

} // namespace BookFiles
