#pragma once

#include "ui/bookview/BookViewPaging.h"
#include "ui/common/PaneView.h"

#include <QString>
#include <optional>

class QSettings;

// How the window showed a book when it was left: kept per book name in the
// per-user settings store (group "Books"), never in the book's own files.
struct BookViewState {
    int pageIndex = 0;
    PagesView pagesView = PagesView::TwoPages;
    int zoomIndex = 0;
    PaneView paneView = PaneView::Strip;
    QString pane = QStringLiteral("photos"); // the side pane's pressed button key

    bool operator==(const BookViewState&) const = default;
};

// The stored state of the book, none when it was never stored. Values that
// cannot be read keep their defaults.
std::optional<BookViewState> ReadBookViewState(QSettings& settings, const QString& bookName);
void WriteBookViewState(QSettings& settings, const QString& bookName, const BookViewState& state);
