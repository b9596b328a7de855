#include "ui/editors/TextBoxPalette.h"

#include "ui/editors/TextBoxEditChoices.h"
#include "ui/editors/TextBoxEditMath.h"

#include <QMouseEvent>
#include <QPainter>

TextBoxPalette::TextBoxPalette(QWidget* parent) : QWidget(parent) {
    setFixedSize(PaletteSize());
    setMouseTracking(true);
    setCursor(Qt::PointingHandCursor);
}

void TextBoxPalette::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), BackgroundColor());
    for (int column = 0; column < kPaletteColumns; ++column) {
        for (int row = 0; row < kPaletteRows; ++row)
            painter.fillRect(PaletteCell(row, column), PaletteColor(row, column));
    }
    painter.setPen(QColor(128, 128, 128));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void TextBoxPalette::mouseMoveEvent(QMouseEvent* event) {
    const QColor color = PaletteColorAt(event->position().toPoint());
    if (color.isValid())
        emit previewed(color);
}

void TextBoxPalette::mousePressEvent(QMouseEvent* event) {
    const QColor color = PaletteColorAt(event->position().toPoint());
    if (color.isValid())
        emit picked(color);
}

TextBoxSwatch::TextBoxSwatch(QWidget* parent) : QWidget(parent) {
    setFixedSize(18, 18);
    setCursor(Qt::PointingHandCursor);
}

void TextBoxSwatch::SetColor(const QColor& color) {
    if (!color.isValid())
        return;
    mColor = color;
    update();
}

void TextBoxSwatch::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), mColor);
    painter.setPen(QColor(128, 128, 128)); // keeps a white swatch visible
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void TextBoxSwatch::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        emit clicked();
}
