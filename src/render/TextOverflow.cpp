#include "render/TextOverflow.h"

#include "render/TextRender.h"

int CutLineCount(const QString& rtf, QSizeF boxMm) {
    if (rtf.trimmed().isEmpty())
        return 0;
    return BoxTextLayout(rtf, boxMm).CutLineCount();
}
