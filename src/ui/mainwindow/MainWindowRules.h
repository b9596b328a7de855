#pragma once

#include "ui/bookview/BookViewPaging.h"
#include "ui/common/PaneView.h"

#include <QRect>
#include <QSize>
#include <QString>

struct WindowPlacement;

// Small rules of the main window, kept apart so tests reach them directly.
namespace MainWindowRules {

// The page-view item names the view it switches to next: "one page" while
// two pages are shown, "two pages" otherwise.
const char16_t* PageViewCaptionKey(PagesView pagesView);
// The view the item switches to: the other one.
PagesView NextPagesView(PagesView pagesView);
// The side pane's view after View Switch: the other one.
PaneView NextPaneView(PaneView paneView);

// "caption - book name".
QString WindowTitle(const QString& caption, const QString& bookName);

// A menu caption showing a book name as it is ("&" is not a mnemonic).
QString MenuText(const QString& name);
// A caption as the menu reads it, without its mnemonic: "&File" -> "File",
// "文件(&F)" -> "文件", "A && B" -> "A & B".
QString MenuCaption(const QString& caption);

// The stored placement (twips) as a window rectangle in pixels and back.
QRect PlacementToPixels(const WindowPlacement& placement);
// The window at its first start: most of the screen's free area, centred,
// never below the smallest size.
QRect FirstStartRect(const QRect& available, QSize minimum);
WindowPlacement PixelsToPlacement(const QRect& pixels);

} // namespace MainWindowRules
