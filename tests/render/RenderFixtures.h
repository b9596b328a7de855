#pragma once

#include "render/PageScene.h"

#include <QColor>
#include <QImage>
#include <QString>
#include <memory>

class PhotoImage;

// Pages, photos and backgrounds made by the rendering tests.
namespace RenderFixtures {

// The catalogue's page, 289 x 208 mm; drawn at 578 x 416 it has exactly
// 2 pixels per mm.
inline constexpr double kPageW = 289;
inline constexpr double kPageH = 208;

std::shared_ptr<const TemplateBox> PhotoBox(double x, double y, double w, double h);
std::shared_ptr<const TemplateBox> TextBox(double x, double y, double w, double h);

// A flat JPEG of one colour.
QImage Flat(int width, int height, QColor colour);

// Imports a picture as a photo of `folder` and places it in `box`.
std::shared_ptr<PhotoImage> PlacedPhoto(const QString& folder, const QString& fileStem,
                                        const QImage& picture,
                                        const std::shared_ptr<const TemplateBox>& box);

// Writes name & "_sm.jpg" ... for the given suffixes in one colour each;
// a null colour leaves that file out.
void WriteBackground(const QString& folder, const QString& name, QColor sm, QColor md, QColor lg,
                     QColor orig);

// Rich text of one paragraph in DejaVu Sans at the given "\fs" size.
QString Rtf(const QString& text, int halfPoints = 24);

// Number of pixels of `image` inside `area` for which `test` holds.
int CountPixels(const QImage& image, const QRect& area, bool (*test)(QRgb));
// Near black: what text leaves, unlike any of the test colours.
bool IsDark(QRgb pixel);

} // namespace RenderFixtures
