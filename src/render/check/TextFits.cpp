#include "render/check/TextFits.h"

#include "render/TextRender.h"

TextFit MeasureText(const QString& rtf, QSizeF boxMm) {
    TextFit fit;
    if (rtf.trimmed().isEmpty() || boxMm.isEmpty())
        return fit;
    const BoxTextLayout layout(rtf, boxMm);
    if (rtf.size() <= kCountedTextChars)
        fit.linesCut = layout.CutLineCount();
    else
        fit.linesCut = layout.IsCut() ? -1 : 0;
    const QRectF printed = layout.PrintedBounds();
    const QSize pixels = TextLayoutSize(boxMm);
    const double sx = boxMm.width() / pixels.width();
    const double sy = boxMm.height() / pixels.height();
    fit.printedMm =
        QRectF(printed.x() * sx, printed.y() * sy, printed.width() * sx, printed.height() * sy);
    fit.blank = printed.isEmpty() && fit.linesCut == 0;
    return fit;
}

TextFit TextFits::Measure(const QString& rtf, QSizeF boxMm) {
    const QString key =
        QString::number(boxMm.width()) + u'x' + QString::number(boxMm.height()) + u'|' + rtf;
    {
        const std::lock_guard lock(mMutex);
        if (const auto found = mEntries.find(key); found != mEntries.end()) {
            found->used = true;
            return found->fit;
        }
    }
    const TextFit fit = MeasureText(rtf, boxMm); // unlocked: other threads go on
    const std::lock_guard lock(mMutex);
    mEntries.insert(key, Entry{fit, true});
    return fit;
}

void TextFits::ForgetUnused() {
    const std::lock_guard lock(mMutex);
    for (auto entry = mEntries.begin(); entry != mEntries.end();) {
        if (entry->used) {
            entry->used = false;
            ++entry;
        } else {
            entry = mEntries.erase(entry);
        }
    }
}

qsizetype TextFits::Size() const {
    const std::lock_guard lock(mMutex);
    return mEntries.size();
}
