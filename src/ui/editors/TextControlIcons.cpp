#include "ui/editors/TextControlIcons.h"

#include "ui/common/EditorToolbar.h"

#include <QFont>
#include <QPainter>

namespace {

constexpr int cSize = 18;
const QColor cInk(40, 40, 40);

// Four lines of text: long, short, long, short, placed by the alignment.
void DrawLines(QPainter& p, Qt::Alignment alignment) {
    p.setPen(QPen(cInk, 1.6));
    for (int line = 0; line < 4; ++line) {
        const double length = line % 2 == 0 ? 14 : 8;
        double left = 2;
        if (alignment == Qt::AlignHCenter)
            left = (cSize - length) / 2;
        else if (alignment == Qt::AlignRight)
            left = cSize - 2 - length;
        const double y = 3.5 + line * 3.7;
        p.drawLine(QPointF(left, y), QPointF(left + length, y));
    }
}

void DrawLetter(QPainter& p, const QString& letter, bool bold, bool italic, bool underline) {
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setPixelSize(14);
    font.setBold(bold);
    font.setItalic(italic);
    font.setUnderline(underline);
    p.setFont(font);
    p.setPen(cInk);
    p.drawText(QRect(0, 0, cSize, cSize - 1), Qt::AlignCenter, letter);
}

void DrawColorLetter(QPainter& p) {
    DrawLetter(p, QStringLiteral("A"), true, false, false);
    p.fillRect(QRectF(2, 15, 14, 3), QColor(200, 30, 30));
}

} // namespace

QIcon TextControlIcon(const QString& key) {
    const auto draw = [](const std::function<void(QPainter&)>& paint) {
        return PaintedIcon(cSize, paint);
    };
    if (key == QLatin1String("alignLeft"))
        return draw([](QPainter& p) { DrawLines(p, Qt::AlignLeft); });
    if (key == QLatin1String("alignCenter"))
        return draw([](QPainter& p) { DrawLines(p, Qt::AlignHCenter); });
    if (key == QLatin1String("alignRight"))
        return draw([](QPainter& p) { DrawLines(p, Qt::AlignRight); });
    if (key == QLatin1String("bold"))
        return draw([](QPainter& p) { DrawLetter(p, QStringLiteral("B"), true, false, false); });
    if (key == QLatin1String("italic"))
        return draw([](QPainter& p) { DrawLetter(p, QStringLiteral("I"), false, true, false); });
    if (key == QLatin1String("underline"))
        return draw([](QPainter& p) { DrawLetter(p, QStringLiteral("U"), false, false, true); });
    if (key == QLatin1String("color"))
        return draw(DrawColorLetter);
    return {};
}
