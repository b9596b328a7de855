#include "render/TextOverflow.h"

#include "render/TextRender.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <memory>

namespace {

// Layout positions are fractions; a line that ends this close to the edge fits.
constexpr double cEdgeSlack = 0.01;

} // namespace

int CutLineCount(const QString& rtf, QSizeF boxMm) {
    if (rtf.trimmed().isEmpty())
        return 0;
    const QSize layout = TextLayoutSize(boxMm);
    const std::unique_ptr<QTextDocument> document = PrintLayoutDocument(rtf, layout);
    if (document->toPlainText().trimmed().isEmpty())
        return 0;
    const double bottom = layout.height() + cEdgeSlack;
    if (document->size().height() <= bottom)
        return 0;
    int cut = 0;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        const QTextLayout* lines = block.layout();
        const double top = document->documentLayout()->blockBoundingRect(block).top();
        for (int i = 0; lines && i < lines->lineCount(); ++i) {
            const QTextLine line = lines->lineAt(i);
            const bool blank =
                block.text().mid(line.textStart(), line.textLength()).trimmed().isEmpty();
            if (!blank && top + line.y() + line.height() > bottom)
                ++cut; // blank lines below the box hide nothing
        }
    }
    return cut;
}
