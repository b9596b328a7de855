#pragma once

#include <QColor>
#include <QWidget>

// The colour grid of the text box editor: 4 rows of 7 colours. Moving over
// a colour previews it, pressing picks it.
class TextControlPalette : public QWidget {
    Q_OBJECT
public:
    explicit TextControlPalette(QWidget* parent = nullptr);

    // Its background, which no colour of the grid has.
    static QColor BackgroundColor() { return {236, 233, 216}; }

signals:
    void Previewed(const QColor& color);
    void Picked(const QColor& color);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
};

// A small square filled with one colour; clicking it is like clicking the
// colour button.
class TextControlSwatch : public QWidget {
    Q_OBJECT
public:
    explicit TextControlSwatch(QWidget* parent = nullptr);

    // An invalid colour leaves the swatch as it is.
    void SetColor(const QColor& color);
    QColor Color() const { return mColor; }

signals:
    void Clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QColor mColor = Qt::black;
};
