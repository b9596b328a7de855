#include "model/PhotoImageRecord.h"

#include "base/LumbraError.h"
#include "base/Rounding.h"

#include <QStringList>

#include <cmath>
#include <limits>

namespace {

double ParseNumber(const QString& field) {
    bool ok = false;
    const double value = field.trimmed().toDouble(&ok); // C locale, always "."
    if (!ok || !std::isfinite(value))
        throw LumbraError(QStringLiteral("Not a number in a photo record: %1").arg(field));
    return value;
}

int ParseWhole(const QString& field) {
    const double value = ParseNumber(field);
    constexpr double kLimit = std::numeric_limits<int>::max();
    if (std::fabs(value) > kLimit)
        throw LumbraError(QStringLiteral("Number out of range in a photo record: %1").arg(field));
    return int(RoundHalfEven(value));
}

} // namespace

QString FormatPhotoRecord(const QString& name, const PhotoRecord& record) {
    return name + QLatin1Char(',') + QString::number(record.x) + QLatin1Char(',') +
           QString::number(record.y) + QLatin1Char(',') +
           QString::number(double(record.ratio), 'g', 7) + QLatin1Char(',') +
           QString::number(record.angle);
}

PhotoRecord ParsePhotoRecord(const QString& line) {
    const qsizetype comma = line.indexOf(QLatin1Char(','));
    const QStringList fields =
        comma < 0 ? QStringList() : line.mid(comma + 1).split(QLatin1Char(','));
    if (fields.size() < 4)
        throw LumbraError(QStringLiteral("Incomplete photo record: %1").arg(line));
    PhotoRecord record;
    record.x = ParseWhole(fields[0]);
    record.y = ParseWhole(fields[1]);
    record.ratio = float(ParseNumber(fields[2]));
    record.angle = ParseWhole(fields[3]);
    return record;
}

QString SecondsStamp(const QDateTime& localNow) {
    // Wall-clock difference: both sides read as if they were UTC.
    const QDateTime epoch(QDate(2006, 1, 1), QTime(0, 0), Qt::UTC);
    const QDateTime now(localNow.date(), localNow.time(), Qt::UTC);
    const qint64 seconds = epoch.secsTo(now);
    return QString::number(seconds, 16).toUpper();
}
