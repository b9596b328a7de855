#pragma once

#include <QColor>
#include <QWidget>

// The colour grid of the text box editor: 4 rows of 7 colours. Moving over
// a colour previews it, pressing picks it.
class TextBoxPalette : public QWidget {
    Q_OBJECT
public:
    explicit TextBoxPalette(QWidget* parent = nullptr);

    // Its background, which no colour of the grid has.
    static QColor BackgroundColor() { return {236, 233, 216}; }

signals:
    void previewed(const QColor& color);
    void picked(const QColor& color);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
};

// A small square filled with one colour; clicking it is like clicking the
// colour button.
class TextBoxSwatch : public QWidget {
    Q_OBJECT
public:
    explicit TextBoxSwatch(QWidget* parent = nullptr);

    // An invalid colour leaves the swatch as it is.
    void SetColor(const QColor& color);
    QColor Color() const { return mColor; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QColor mColor = Qt::black;
};
