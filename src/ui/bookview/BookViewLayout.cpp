#include "ui/bookview/BookViewLayout.h"

#include "base/Rounding.h"

#include <algorithm>

namespace BookViewLayout {

QString ZoomCaption(int index) {
    static const char* const captions[kZoomLevelCount] = {"",     "16%",  "33%",  "50%",  "67%",
                                                          "83%",  "100%", "116%", "133%", "150%",
                                                          "167%", "183%", "200%"};
    return index > 0 && index < kZoomLevelCount ? QString::fromLatin1(captions[index]) : QString();
}

int16_t Round16(double value) {
    const double rounded = double(RoundHalfEven(std::clamp(value, -32768.0, 32767.0)));
    return int16_t(rounded);
}

int16_t ZoomedPixels(int pixels, int index) {
    // An integer over 6 is exact in a double wherever it ends in .5.
    return Round16(double(int64_t(pixels) * ZoomSixths(index)) / 6.0);
}

QSize FitPageSize(const ViewMetrics& view, double pageWidthMm, double pageHeightMm) {
    const double availableWidth = double(view.width - kSideMargin) / PagesShown(view.mode);
    const double availableHeight = view.height - view.TopMargin();
    if (availableWidth <= 0 || availableHeight <= 0 || pageWidthMm <= 0 || pageHeightMm <= 0)
        return QSize();
    const double aspect = pageWidthMm / pageHeightMm;
    if (aspect > availableWidth / availableHeight)
        return QSize(Round16(availableWidth), Round16(availableWidth * pageHeightMm / pageWidthMm));
    return QSize(Round16(availableHeight * pageWidthMm / pageHeightMm), Round16(availableHeight));
}

ScrollBars ScrollBarsFor(const ViewMetrics& view, QSize page, QSize fit) {
    ScrollBars bars;
    if (fit.width() >= page.width())
        return bars;
    const int m = PagesShown(view.mode);
    const int t = kScrollBarThickness;
    bars.shown = true;
    bars.horizontal = QRect(0, view.height - t, view.width - t, t);
    bars.vertical =
        QRect(view.width - t, view.toolbarHeight, t, view.height - t - view.toolbarHeight);
    bars.corner = QRect(view.width - t, view.height - t, t, t);
    bars.horizontalMaximum = std::max(0, m * page.width() - m * fit.width() + kSideMargin + t);
    bars.verticalMaximum =
        std::max(0, (page.height() - fit.height()) + view.TopMargin() + t - view.toolbarHeight);
    bars.horizontalPageStep = Round16(view.width / 2.0);
    bars.verticalPageStep = Round16(view.height / 2.0);
    return bars;
}

QPoint WheelScrolled(QPoint scroll, QPoint angleDelta, bool shift, QPoint maximum,
                     int notchPixels) {
    QPoint delta = angleDelta;
    if (shift) // some platforms turn a Shift+wheel sideways themselves
        delta = QPoint(angleDelta.y() != 0 ? angleDelta.y() : angleDelta.x(), 0);
    const auto moved = [notchPixels](int value, int turn, int max) {
        const int64_t to = value - int64_t(turn) * notchPixels / 120;
        return int(std::clamp<int64_t>(to, 0, std::max(0, max)));
    };
    return {moved(scroll.x(), delta.x(), maximum.x()), moved(scroll.y(), delta.y(), maximum.y())};
}

namespace {

int PageTop(const ViewMetrics& view, QSize page, QSize fit) {
    if (page.height() < fit.height()) {
        // Centred in the whole view, but never so high that the delete
        // button slips under the toolbar.
        const int centred = Round16((view.height - page.height()) / 2.0);
        return std::max(centred, view.toolbarHeight + view.deleteButtonHeight);
    }
    return (view.height - fit.height() - view.labelHeight - view.deleteButtonHeight -
            view.toolbarHeight) /
               2 +
           view.toolbarHeight + view.deleteButtonHeight;
}

int PagesLeft(const ViewMetrics& view, QSize page, QSize fit) {
    const int m = PagesShown(view.mode);
    const int shown = page.width() < fit.width() ? page.width() : fit.width();
    return (view.width - m * shown) / 2;
}

} // namespace

PagePlaces PlacePages(const ViewMetrics& view, QSize page, QSize fit, QPoint scroll, int labelWidth,
                      int buttonWidth) {
    const int x = PagesLeft(view, page, fit) - scroll.x();
    const int y = PageTop(view, page, fit) - scroll.y();
    const int w = page.width();
    const int labelTop = y + page.height() + 2; // 2.5 below the page, whole pixels
    const int buttonTop = y - view.deleteButtonHeight;
    PagePlaces places;
    if (view.mode == PagesView::OnePage) {
        places.onePage = QPoint(x, y);
        places.oneLabel = QPoint(x + (w - labelWidth) / 2, labelTop);
        places.oneButton = QPoint(x, buttonTop);
        return places;
    }
    places.leftPage = QPoint(x, y);
    places.rightPage = QPoint(x + w, y);
    places.leftLabel = QPoint(x, labelTop);
    places.rightLabel = QPoint(x + 2 * w - labelWidth, labelTop);
    places.leftButton = QPoint(x, buttonTop);
    places.rightButton = QPoint(x + 2 * w - buttonWidth, buttonTop);
    return places;
}

} // namespace BookViewLayout

ZoomTable MakeZoomTable(const QString& fitCaption) {
    ZoomTable table;
    for (int i = 0; i < BookViewLayout::kZoomLevelCount; ++i) {
        table[i].caption = i == 0 ? fitCaption : BookViewLayout::ZoomCaption(i);
        table[i].scale = float(BookViewLayout::ZoomSixths(i)) / 6.0f;
    }
    return table;
}

void SizeZoomTable(ZoomTable& table, QSize fit, int pageWidthPixel, int pageHeightPixel) {
    table[0].width = BookViewLayout::Round16(fit.width());
    table[0].height = BookViewLayout::Round16(fit.height());
    for (int i = 1; i < BookViewLayout::kZoomLevelCount; ++i) {
        table[i].width = BookViewLayout::ZoomedPixels(pageWidthPixel, i);
        table[i].height = BookViewLayout::ZoomedPixels(pageHeightPixel, i);
    }
}
