#include "imaging/Thumb.h"

#include "base/AtomicWrite.h"
#include "base/LumbraError.h"
#include "base/SafeRead.h"
#include "imaging/ImagingLog.h"
#include "imaging/JpegDecode.h"

#include <QFile>

#include <cmath>

namespace {

// Whole part of a decimal number; -1 when the text is not one.
int WholePart(const QString& text) {
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value) || value < 0 || value > 1e9)
        return -1;
    return int(std::floor(value));
}

} // namespace

void Thumb::SetPath(const QString& path) {
    mPath = path;
    ForgetSize();
}

int Thumb::width() const {
    if (mWidth == -1)
        ReadSize();
    return mWidth;
}

int Thumb::height() const {
    if (mHeight == -1)
        ReadSize();
    return mHeight;
}

void Thumb::Delete() const {
    QFile::remove(DimFilePath());
    QFile::remove(FilePath());
}

void Thumb::WriteDimFile(const QString& dimPath, int width, int height) {
    WriteFileAtomically(dimPath,
                        QByteArray::number(width) + ',' + QByteArray::number(height) + "\r\n");
}

bool Thumb::ReadDimFile() const {
    const std::optional<QByteArray> text = ReadRegularFile(DimFilePath(), kMaxTextFileBytes);
    if (!text)
        return false;
    // The first line, at most 63 characters of it.
    QByteArray first = text->left(63);
    const qsizetype end = first.indexOf('\n');
    if (end >= 0)
        first.truncate(end + 1);
    const QString line = QString::fromLatin1(first);
    const qsizetype comma = line.indexOf(QLatin1Char(','));
    if (comma < 0)
        return false;
    const int width = WholePart(line.left(comma));
    const int height = WholePart(line.mid(comma + 1));
    if (width < 1 || height < 1)
        return false;
    mWidth = width;
    mHeight = height;
    return true;
}

void Thumb::ReadSize() const {
    if (ReadDimFile())
        return;
    const std::optional<JpegHeader> header = ReadJpegHeader(FilePath());
    if (!header)
        throw LumbraError(QStringLiteral("Cannot read the size of %1").arg(FilePath()));
    mWidth = header->width;
    mHeight = header->height;
    try {
        WriteDimFile(DimFilePath(), mWidth, mHeight);
    } catch (const LumbraError&) {
        // The size is known; a read-only folder only costs a header read next time.
        LogCaughtException(lcImaging(), "Writing a size file");
    }
}
