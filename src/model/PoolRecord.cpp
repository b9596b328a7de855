#include "model/PoolRecord.h"

#include "base/AtomicWrite.h"
#include "base/LumbraError.h"
#include "base/SafeRead.h"
#include "imaging/ExifOrientation.h"
#include "imaging/ExifTakenTime.h"
#include "imaging/JpegDecode.h"
#include "imaging/PictureFile.h"
#include "imaging/Thumb.h"
#include "model/ModelLog.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>

namespace {

constexpr int kFields = 4;

std::optional<int> Positive(const QString& text) {
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok && value > 0 ? std::optional(value) : std::nullopt;
}

} // namespace

QString PoolRecordPath(const QString& stem) { return stem + QLatin1String("_or.rec"); }

std::optional<PoolRecord> ReadPoolRecord(const QString& stem) {
    const std::optional<QByteArray> text = ReadRegularFile(PoolRecordPath(stem), kMaxTextFileBytes);
    if (!text || !text->endsWith("\r\n"))
        return std::nullopt;
    const QStringList fields = QString::fromLatin1(text->chopped(2)).split(QLatin1Char(','));
    if (fields.size() != kFields)
        return std::nullopt;
    const auto width = Positive(fields[0]);
    const auto height = Positive(fields[1]);
    const auto orientation = Positive(fields[2]);
    bool ok = true;
    const qint64 taken = fields[3].isEmpty() ? 0 : fields[3].toLongLong(&ok);
    if (!width || !height || !orientation || !ok)
        return std::nullopt;
    PoolRecord record{QSize(*width, *height), *orientation, std::nullopt};
    if (!fields[3].isEmpty())
        record.taken = taken;
    return record;
}

void WritePoolRecord(const QString& stem, const PoolRecord& record) {
    const QByteArray taken = record.taken ? QByteArray::number(*record.taken) : QByteArray();
    WriteFileAtomically(PoolRecordPath(stem), QByteArray::number(record.size.width()) + ',' +
                                                  QByteArray::number(record.size.height()) + ',' +
                                                  QByteArray::number(record.orientation) + ',' +
                                                  taken + "\r\n");
}

qint64 TakenSeconds(const QDateTime& when) { return FileClockTime(when).toSecsSinceEpoch(); }

namespace {

// The upright size: from the ".dim" file an older run left, else from the
// JPEG header, which mostly lies in the file's head. Writes no file.
std::optional<QSize> UprightSize(const QString& stem, QFile& file, const QByteArray& head) {
    const Thumb full(stem + QLatin1String("_or"));
    if (QFile::exists(full.path() + QLatin1String(".dim"))) {
        try {
            return QSize(full.width(), full.height());
        } catch (const LumbraError&) {
            LogCaughtException(lcModel(), "Reading a photo's size file; its header is read");
        }
    }
    std::optional<JpegHeader> header = ReadJpegHeader(head);
    if (!header && file.seek(0))
        header = ReadJpegHeader(file.readAll());
    if (!header)
        return std::nullopt;
    return QSize(header->width, header->height);
}

} // namespace

std::optional<PoolRecord> MeasurePhoto(const QString& stem, NoCameraTime noCameraTime) {
    const QString path = stem + QLatin1String("_or.jpg");
    QFile file(path); // opened by its descriptor: it forgets the name
    if (!OpenRegularFile(file, kMaxPictureFileBytes))
        return std::nullopt;
    const QByteArray head = file.read(kExifHeadBytes);
    const std::optional<QSize> size = UprightSize(stem, file, head);
    if (!size) {
        qCWarning(lcModel) << "The size of" << path << "cannot be read; it has no record";
        return std::nullopt;
    }
    PoolRecord record;
    record.size = *size;
    record.orientation = ExifOrientation(head);
    if (const std::optional<QDateTime> camera = ExifTakenTime(head))
        record.taken = camera->toSecsSinceEpoch();
    else if (noCameraTime == NoCameraTime::FileTime)
        record.taken = TakenSeconds(QFileInfo(path).lastModified());
    return record;
}

std::optional<PoolRecord> RecordPhoto(const QString& stem) {
    const std::optional<PoolRecord> record = MeasurePhoto(stem, NoCameraTime::FileTime);
    if (!record)
        return std::nullopt;
    try {
        WritePoolRecord(stem, *record);
    } catch (const LumbraError&) {
        LogCaughtException(lcModel(), "Writing a photo's record");
    }
    return record;
}
