#pragma once

#include <QRect>
#include <QRectF>
#include <QSize>
#include <QSizeF>

class TemplateBox;
class Templates;

// A box's millimetres on the page.
QRectF BoxMm(const TemplateBox& box);

// Pixels per mm of a page drawn at a pixel size, and the boxes' pixels there.
struct PageGeometry {
    float sx;
    float sy;
    QRect Pixels(const TemplateBox& box) const;
};

PageGeometry GeometryOf(QSizeF pageMm, int width, int height);

// The pixels a box covers on the print page of the catalogue.
QSize PrintBoxSize(const Templates& catalogue, const TemplateBox& box);
