#pragma once

#include "ui/common/PaneViewChoice.h"

#include <QStringList>
#include <QWidget>

#include <functional>
#include <memory>

class AlbumView;
class BackgroundsPane;
class BookManager;
class Constants;
class PhotoTile;
class PhotoImage;
class PhotosPane;
class QAbstractButton;
class QButtonGroup;
class QFrame;
class QPushButton;
struct UiContext;

// The main window's side pane: a three-button toolbar over the photos pane,
// the album overview and the backgrounds pane, one of them visible at a
// time. Lays them out for the strip across the top or the column at the
// right, and the view it keeps for the open book.
class SidePane : public QWidget {
    Q_OBJECT
public:
    explicit SidePane(const UiContext& context, QWidget* parent = nullptr);
    ~SidePane() override;

    // The main window's Import Photos: imports with the status window shown.
    void AddFiles(const QStringList& paths);
    // Column width wanted in the column: 163 photos, 327 album, 193 backgrounds.
    int PreferredWidth() const;

    // The view for the open book (the strip until one is chosen for it).
    PaneView View() const { return mViews.Current(); }
    // Chooses the view for the open book; Relayout follows it.
    void SetView(PaneView view) { mViews.Set(view); }

    PhotoTile* Find(const QString& key) const;

    PhotosPane* Photos() const { return mPhotosPane; }
    AlbumView* Album() const { return mAlbumView; }
    BackgroundsPane* Backgrounds() const { return mBackgroundsPane; }
    // The key of the pressed toolbar button: "photos", "album" or "backgrounds".
    QString PressedKey() const;
    // Same as clicking the toolbar button with that key.
    void ShowPane(const QString& key);
    // Lays the children out again, e.g. after a change of layout.
    void Relayout();
    // What the download button runs; it is enabled while there is one.
    void SetDownloadCommand(std::function<void()> command);
    QPushButton* DownloadButton() const { return mDownloadBackgroundButton; }

signals:
    // A different pane became visible; in the column the wanted width changed.
    void paneChanged();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void Build(const UiContext& context);
    QAbstractButton* AddToolButton(const QString& key, const QString& tipKey, bool enabled);
    // A single-line border around the album and backgrounds panes; the
    // children then stand inside it.
    bool BorderShown() const;
    void OnBookChange();

    BookManager& mBooks;
    const Constants& mStrings;
    PaneViewChoice mViews;
    QWidget* mToolbar = nullptr;
    QButtonGroup* mButtons = nullptr;
    PhotosPane* mPhotosPane = nullptr;
    AlbumView* mAlbumView = nullptr;
    BackgroundsPane* mBackgroundsPane = nullptr;
    QPushButton* mDownloadBackgroundButton = nullptr;
    std::function<void()> mDownloadCommand;
    QFrame* mBorder = nullptr; // drawn over the children it surrounds
};
