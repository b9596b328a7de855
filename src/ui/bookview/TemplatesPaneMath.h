#pragma once

#include <QRect>
#include <QString>

class Template;
class TemplateBox;

// Arithmetic of the template picker, in pixels of the picker.
namespace TemplatesPaneMath {

inline constexpr int kMiniatureWidth = 130;
inline constexpr int kMiniatureLeft = 10;
inline constexpr int kGap = 10;

// round(pageHeight * 130 / pageWidth): 94 for a 289 x 208 mm page.
int MiniatureHeight(double pageWidth, double pageHeight);

// Top of the k-th miniature when `scrolled` rows are scrolled off the top.
int MiniatureTop(int k, int miniatureHeight, int scrolled);

// Largest scroll value for n miniatures in a picker `pickerHeight` high:
// round(n - (H - 10) / (h + 10) + 1), 0 when that is below 1.
int ScrollMaximum(int count, int pickerHeight, int miniatureHeight);

// Position of a template coordinate (mm) in a miniature `pixels` wide or high.
int MapToMiniature(double mm, int pixels, double pageMm);

// The rectangle of a box in a miniature of the given size.
QRect BoxRect(const TemplateBox& box, int width, int height, double pageWidth, double pageHeight);

// What dragging a miniature carries: "T:" and the template's init line.
QString DragText(const Template& aTemplate);

// The miniature's tooltip: how many photo and text boxes the layout has.
QString TileTip(const Template& aTemplate);

} // namespace TemplatesPaneMath
