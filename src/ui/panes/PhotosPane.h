#pragma once

#include "model/ImportTally.h"
#include "ui/common/PaneView.h"

#include <QPointer>
#include <QStringList>
#include <QWidget>

#include <memory>
#include <vector>

class BookManager;
class Constants;
class ImportStatusForm;
class PaneViewChoice;
class PhotoTile;
class PhotoImage;
class QLabel;
class QMimeData;
class QScrollBar;
class QToolButton;

// The photos pane: one tile per photo of the current book that stands on no
// page, in a row (the strip) or a column, and the way photos enter
// a book: imported files, or files dropped onto the pane. The book's session
// imports them in the background and announces each photo that joins the
// pool or leaves a page; tiles appear in file order as the photos are ready.
// A photo dragged here from a page leaves the page.
class PhotosPane : public QWidget {
    Q_OBJECT
public:
    // books, strings and views may be null (no book: nothing to import into;
    // no views: the strip).
    PhotosPane(BookManager* books, const Constants* strings, const PaneViewChoice* views,
               QWidget* parent = nullptr);
    ~PhotosPane() override;

    // Queues the files for the current book. The status window shows for
    // more than one file, when asked, or when a file cannot be imported.
    void AddFiles(const QStringList& files, bool showSingleStatusDialog);
    // Imports the file list of a drop (nothing for other data).
    void DropFiles(const QMimeData* data);
    // The first tile, in creation order, showing the photo with this key.
    PhotoTile* Find(const QString& aKey) const;
    // Gives the photo a tile unless one shows its key; the photo then stands on no page.
    // A new tile goes last, or with inBookOrder before the first tile whose
    // photo comes later in the book's photo list.
    void AddDisplayPhoto(const std::shared_ptr<PhotoImage>& aPhoto, bool inBookOrder = false);
    void RemoveDisplayPhoto(const std::shared_ptr<PhotoImage>& aPhoto);
    // The delete button: the session takes the photo out of the book (one step).
    void DeletePhoto(const std::shared_ptr<PhotoImage>& aPhoto);

    int TileCount() const { return int(mTiles.size()); }
    // Tiles in creation order.
    const std::vector<PhotoTile*>& Tiles() const { return mTiles; }
    // The scroll bar of the present view.
    QScrollBar* ScrollBar() const;
    // Null until the first import.
    ImportStatusForm* StatusForm() const;
    bool IsImporting() const;
    // Follows a change of view: scroll bars, range and tile places.
    void Relayout();

    // The button that fills the book from the tiles (shown while there are tiles).
    QToolButton* FillButton() const { return mFillButton; }

signals:
    // Every file of the imports so far has been reported.
    void importFinished();
    // The fill button was clicked.
    void fillRequested();

protected:
    void resizeEvent(QResizeEvent* event) override;
    // The wheel anywhere over the pane moves its scroll bar, one tile a notch.
    void wheelEvent(QWheelEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    std::shared_ptr<PhotoImage> PhotoFromPage(const QMimeData* data) const;
    void OnBookChange();
    void OnFileDone(const PhotoImportOutcome& outcome);
    void OnImportFinished();
    ImportStatusForm& StatusWindow();
    void ShowStatusWindow();
    void RemoveTile(size_t index);
    // Where a tile of the photo goes to follow the book's photo order.
    size_t TilePlaceInBookOrder(const PhotoImage& photo) const;
    void UpdateScrollBar();
    void PlaceTiles();
    void ScrollToEnd();
    PaneView View() const;

    BookManager* mBooks;
    const Constants* mStrings;
    const PaneViewChoice* mViews;
    int mNameCounter = 0;
    bool mRebuilding = false; // tiles are placed once at the end
    std::vector<PhotoTile*> mTiles;
    QLabel* mEmptyHint = nullptr;
    QToolButton* mFillButton = nullptr;
    QScrollBar* mHScrollBar;
    QScrollBar* mVScrollBar;
    QPointer<ImportStatusForm> mImportStatusForm;
    ImportTally mTally; // of the files since the imports were last idle
};
