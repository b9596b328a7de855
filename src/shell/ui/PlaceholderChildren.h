#pragma once

#include <QStringList>
#include <QWidget>

class BookManager;

// Stand-ins for the book view and the pane switcher while those are built,
// with the operations the main window calls. The book view keeps the pages
// mode and answers Previous/Next from the current book.
class PlaceholderBookView : public QWidget {
    Q_OBJECT
public:
    explicit PlaceholderBookView(QWidget* parent = nullptr);

    bool HasNextPage() const;
    bool HasPreviousPage() const;
    void NextPage();
    void PreviousPage();
    int GetPagesView() const { return mMode; }
    void SetPagesView(int view);

signals:
    void PrevNextStatusChanged();
    // Toolbar commands for the main window (the stand-in has no toolbar).
    void NewPageRequested();
    void PageViewToggleRequested();
    void PreviousPageRequested();
    void NextPageRequested();
    void ImportPhotosRequested();
    void OrderRequested();

private:
    int mMode = 2;
};

class PlaceholderSidePane : public QWidget {
    Q_OBJECT
public:
    explicit PlaceholderSidePane(QWidget* parent = nullptr);

    void AddFiles(const QStringList& paths);
    // Column width in the layout at the right: the photos pane's.
    int PreferredWidth() const { return 163; }
    void Relayout() {}

signals:
    void PaneChanged();
};
