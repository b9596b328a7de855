#pragma once

#include <QWidget>
#include <memory>

class QMimeData;
class Template;

// One miniature of the template picker: the template's photo boxes filled
// light grey, its text boxes outlined. Pressing the left button drags it;
// a double click or Enter chooses it for the current page.
class TemplateTile : public QWidget {
    Q_OBJECT
public:
    // pageWidth, pageHeight: the catalogue's page size in mm.
    TemplateTile(double pageWidth, double pageHeight, QWidget* parent = nullptr);

    // Keeps the template and places the miniature; the index is not used.
    void SetTemplate(std::shared_ptr<Template> aTemplate, int width, int height, int top, int left,
                     int index);
    const std::shared_ptr<Template>& GetTemplate() const { return mTemplate; }

    // "T:" followed by the template's init line, as plain text.
    std::unique_ptr<QMimeData> DragData() const;

signals:
    // Double-clicked, or Enter pressed while it has the focus.
    void chosen();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    double mPageWidth;
    double mPageHeight;
    std::shared_ptr<Template> mTemplate;
};
