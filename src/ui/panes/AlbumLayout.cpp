#include "ui/panes/AlbumLayout.h"

#include "ui/panes/SidePaneLayout.h"

#include <algorithm>

namespace {

const QLatin1String kPayloadPrefix("AlbumPageThumb_");
constexpr int kSlideOvershoot = 20;

} // namespace

int AlbumPairCount(int pages) { return std::max(pages, 0) / 2 + 1; }

AlbumPairLabels AlbumLabelsOf(int r, int pages) {
    AlbumPairLabels labels;
    labels.leftVisible = r >= 2;
    labels.leftText = QString::number(r);
    labels.rightVisible = r < pages;
    labels.rightText = QString::number(r + 1);
    return labels;
}

QPoint AlbumPairPosition(PaneView view, int r, int offset) {
    const int c = r / 2;
    if (view == PaneView::Column)
        return {0, c * kAlbumPairSize.height() - offset};
    return {c * kAlbumPairSize.width() - offset, kAlbumStripTop};
}

std::optional<int> AlbumGapInsertIndex(PaneView view, QPoint at, int r, int pages) {
    const bool column = view == PaneView::Column;
    const int along = column ? at.y() : at.x();
    const int start = column ? kAlbumThumbTop : kAlbumLeftThumbLeft;
    const int end = column ? kAlbumThumbTop + kAlbumThumbSize.height()
                           : kAlbumRightThumbLeft + kAlbumThumbSize.width();
    if (along < start)
        return std::clamp(r - 1, 0, pages);
    if (along >= end)
        return std::clamp(r + 1, 0, pages);
    return std::nullopt;
}

AlbumPageRange AlbumPairPages(int r, int pages) {
    const int first = std::max(r - 1, 0);
    const int last = std::min(r, pages - 1);
    return {first, std::max(0, last - first + 1)};
}

int AlbumScrollSteps(PaneView view, int pages, QSize paneSize) {
    const int pairs = AlbumPairCount(pages);
    if (view == PaneView::Column)
        return SidePaneScrollSteps(pairs * kAlbumPairSize.height(), paneSize.height());
    return SidePaneScrollSteps(pairs * kAlbumPairSize.width(), paneSize.width());
}

int AlbumScrollValueShowing(PaneView view, int pageIndex, QSize paneSize, int value, int steps) {
    const int c = (std::max(pageIndex, 0) + 1) / 2;
    const bool column = view == PaneView::Column;
    const int length = column ? kAlbumPairSize.height() : kAlbumPairSize.width();
    const int visible = column ? paneSize.height() : paneSize.width();
    const int start = c * length, end = start + length;
    const int step = kSidePaneScrollStep;
    if (start < value * step)
        value = start / step;
    else if (end > value * step + visible)
        value =
            std::min(start / step, (end - visible + step - 1) / step); // whole pair, or its start
    return std::clamp(value, 0, std::max(steps, 0));
}

QString AlbumThumbPayload(int index) { return kPayloadPrefix + QString::number(index); }

bool IsAlbumThumbPayload(const QString& text) { return text.startsWith(kPayloadPrefix); }

std::optional<int> ParseAlbumThumbPayload(const QString& text) {
    if (!IsAlbumThumbPayload(text))
        return std::nullopt;
    const QStringView digits = QStringView(text).mid(kPayloadPrefix.size());
    if (digits.isEmpty() ||
        !std::all_of(digits.begin(), digits.end(), [](QChar c) { return c.isDigit(); }))
        return std::nullopt;
    bool ok = false;
    const int index = digits.toInt(&ok);
    return ok ? std::optional(index) : std::nullopt;
}

std::optional<AlbumThumbLefts> AlbumSlideStep(AlbumThumbLefts now, int x, int pixels) {
    const int width = kAlbumThumbSize.width();
    AlbumThumbLefts next = now;
    if (x <= now.left + width) {
        const int target = -kSlideOvershoot;
        if (now.left <= target)
            return std::nullopt;
        next.left = std::max(now.left - pixels, target);
        next.right = next.left + width;
    } else {
        const int target = kAlbumPairSize.width() - width + kSlideOvershoot;
        if (now.right >= target)
            return std::nullopt;
        next.right = std::min(now.right + pixels, target);
        next.left = next.right - width;
    }
    return next;
}
