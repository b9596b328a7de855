#include "model/TemplateBox.h"

#include "base/LumbraError.h"
#include "model/TemplateNumbers.h"

#include <QStringList>

namespace {

constexpr qsizetype kKindLength = 4;
constexpr qsizetype kGeometryFields = 4;

} // namespace

bool TemplateBox::IsInBox(float x, float y) const {
    return mX <= x && x <= mX + mWidth && mY <= y && y <= mY + mHeight;
}

bool TemplateBox::IsImageTooSmall(int photoWidth, int photoHeight, MinRatios minimum) const {
    if (mBoxType != Kind::Photo)
        return false;
    return photoWidth / double(mWidth) < minimum.x || photoHeight / double(mHeight) < minimum.y;
}

void TemplateBox::Deserialize(const QString& piece) {
    const qsizetype open = piece.lastIndexOf(u'[');
    if (open < 0)
        return;
    if (open < kKindLength)
        throw LumbraError(QStringLiteral("No box kind before \"[\" in \"%1\"").arg(piece));
    const QString kind = piece.mid(open - kKindLength, kKindLength).trimmed();
    const QStringList fields = piece.mid(open + 1).split(u',');
    if (fields.size() < kGeometryFields)
        throw LumbraError(QStringLiteral("Box \"%1\" has fewer than four numbers").arg(piece));
    const float x = float(TemplateNumbers::Parse(fields[0]));
    const float y = float(TemplateNumbers::Parse(fields[1]));
    const float w = float(TemplateNumbers::Parse(fields[2]));
    const float h = float(TemplateNumbers::Parse(fields[3]));
    mX = x;
    mY = y;
    mWidth = w;
    mHeight = h;
    mBoxType = kind == QLatin1String("Text") ? Kind::Text : Kind::Photo;
}

QString TemplateBox::Serialize() const {
    const QString kind =
        mBoxType == Kind::Photo ? QStringLiteral("Photo[") : QStringLiteral("Text[");
    return kind + TemplateNumbers::Format(mX) + u',' + TemplateNumbers::Format(mY) + u',' +
           TemplateNumbers::Format(mWidth) + u',' + TemplateNumbers::Format(mHeight) +
           QStringLiteral(",0]");
}
