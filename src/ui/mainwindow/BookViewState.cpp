#include "ui/mainwindow/BookViewState.h"

#include <QSettings>

namespace {

// Book names may hold characters that the store treats specially.
QString GroupOf(const QString& bookName) {
    return QStringLiteral("Books/") + QString::fromLatin1(bookName.toUtf8().toHex());
}

int IntOr(const QSettings& settings, const char* key, int fallback) {
    bool ok = false;
    const int value = settings.value(QLatin1String(key)).toInt(&ok);
    return ok ? value : fallback;
}

} // namespace

std::optional<BookViewState> ReadBookViewState(QSettings& settings, const QString& bookName) {
    settings.beginGroup(GroupOf(bookName));
    std::optional<BookViewState> state;
    if (settings.contains(QStringLiteral("Page"))) {
        state.emplace();
        state->pageIndex = IntOr(settings, "Page", state->pageIndex);
        state->pagesView =
            IntOr(settings, "Pages", 2) == 1 ? PagesView::OnePage : PagesView::TwoPages;
        state->zoomIndex = IntOr(settings, "Zoom", state->zoomIndex);
        state->paneView = IntOr(settings, "PaneView", 1) == 2 ? PaneView::Column : PaneView::Strip;
        state->pane = settings.value(QStringLiteral("Pane"), state->pane).toString();
    }
    settings.endGroup();
    return state;
}

void WriteBookViewState(QSettings& settings, const QString& bookName, const BookViewState& state) {
    settings.beginGroup(GroupOf(bookName));
    settings.setValue(QStringLiteral("Page"), state.pageIndex);
    settings.setValue(QStringLiteral("Pages"), state.pagesView == PagesView::OnePage ? 1 : 2);
    settings.setValue(QStringLiteral("Zoom"), state.zoomIndex);
    settings.setValue(QStringLiteral("PaneView"), state.paneView == PaneView::Column ? 2 : 1);
    settings.setValue(QStringLiteral("Pane"), state.pane);
    settings.endGroup();
}
