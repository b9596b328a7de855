#include "ui/bookview/TemplatesPaneMath.h"

#include "base/Rounding.h"
#include "model/Template.h"
#include "model/TemplateBox.h"

#include <QCoreApplication>

namespace TemplatesPaneMath {

int MiniatureHeight(double pageWidth, double pageHeight) {
    return int(RoundHalfEven(pageHeight * kMiniatureWidth / pageWidth));
}

int MiniatureTop(int k, int miniatureHeight, int scrolled) {
    return kGap + (miniatureHeight + kGap) * (k - scrolled);
}

int ScrollMaximum(int count, int pickerHeight, int miniatureHeight) {
    const double rows = double(pickerHeight - kGap) / double(miniatureHeight + kGap);
    const int64_t value = RoundHalfEven(double(count) - rows + 1.0);
    return value < 1 ? 0 : int(value);
}

int MapToMiniature(double mm, int pixels, double pageMm) {
    return int(RoundHalfEven(mm * pixels / pageMm));
}

QRect BoxRect(const TemplateBox& box, int width, int height, double pageWidth, double pageHeight) {
    const int x1 = MapToMiniature(box.X(), width, pageWidth);
    const int y1 = MapToMiniature(box.Y(), height, pageHeight);
    const int x2 = MapToMiniature(double(box.X()) + box.width(), width, pageWidth);
    const int y2 = MapToMiniature(double(box.Y()) + box.height(), height, pageHeight);
    return QRect(x1, y1, x2 - x1, y2 - y1);
}

QString DragText(const Template& aTemplate) {
    return QStringLiteral("T:") + aTemplate.GetInitLine();
}

QString TileTip(const Template& aTemplate) {
    const auto tr = [](const char* text) {
        return QCoreApplication::translate("TemplatesPaneMath", text);
    };
    const int photos = aTemplate.PhotoBoxCount();
    const int texts = aTemplate.TextBoxCount();
    const QString photoPart = photos == 1 ? tr("1 photo") : tr("%1 photos").arg(photos);
    const QString textPart = texts == 1 ? tr("1 text box") : tr("%1 text boxes").arg(texts);
    return tr("Layout with %1 and %2. Drag it onto a page to use it.").arg(photoPart, textPart);
}

} // namespace TemplatesPaneMath
