#pragma once

#include "base/Constants.h"
#include "model/BackgroundLibrary.h"
#include "model/BookManager.h"
#include "ui/backgrounds/BackgroundsPaneContext.h"
#include "ui/common/PaneViewChoice.h"
#include "ui/common/UiContext.h"

#include <QColor>
#include <QStringList>
#include <QTemporaryDir>

class QWidget;

// A backgrounds folder of generated small pictures, a library over it, and a
// book manager with an opened untitled book of five pages.
class BackgroundPaneFixture {
public:
    BackgroundPaneFixture();

    // Writes "<name>_sm.jpg", a flat picture of that colour and size.
    void AddPicture(const QString& name, QColor colour = Qt::red, int width = 145,
                    int height = 104);
    // Writes the pictures and reads the library's list again.
    void AddBackgrounds(const QStringList& names);
    BackgroundsPaneContext Context() { return {&manager, &strings, library, &views}; }
    // The same objects for a whole side pane, with a renderer without backgrounds.
    UiContext SidePaneContext();
    // The side pane's view for the current book.
    void SetPaneView(PaneView view) { views.Set(view); }
    QStringList PageBackgrounds() const;
    // Paints the widget and its children once.
    static void Paint(QWidget& widget);

    QTemporaryDir books;
    QTemporaryDir backgrounds;
    Constants strings;
    BookManager manager;
    BackgroundLibrary library;
    PaneViewChoice views{&manager};
};
