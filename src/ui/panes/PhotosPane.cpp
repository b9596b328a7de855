#include "ui/panes/PhotosPane.h"

#include "base/Constants.h"
#include "imaging/PictureFile.h"
#include "model/Book.h"
#include "model/BookManager.h"
#include "model/BookSession.h"
#include "model/ImportTally.h"
#include "model/PhotoImage.h"
#include "model/PhotoImageList.h"
#include "model/PhotoTakeOff.h"
#include "ui/UiLog.h"
#include "ui/common/GuardedStep.h"
#include "ui/common/PaneScrollBar.h"
#include "ui/common/PaneViewChoice.h"
#include "ui/panes/ImportStatusForm.h"
#include "ui/panes/PhotoTile.h"
#include "ui/panes/PhotoTileDeleteButton.h"
#include "ui/panes/PhotoTileLayout.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <QDragEnterEvent>
#include <QFileInfo>
#include <QHash>
#include <QLabel>
#include <QMimeData>
#include <QScrollBar>
#include <QToolButton>
#include <QUrl>
#include <QWheelEvent>
#include <algorithm>

namespace {

QStringList PhotosInFolder(const QString& folder) {
    QStringList files;
    QDirIterator it(folder, PhotoFilePatterns(), QDir::Files | QDir::Readable,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        files << it.next();
    std::sort(files.begin(), files.end(), [](const QString& a, const QString& b) {
        return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    });
    return files;
}

// The local files of a drop, in their given order; a dropped folder gives
// the photo files inside it and its subfolders, by name. Empty for other data.
QStringList DroppedFiles(const QMimeData* data) {
    QStringList files;
    if (!data || !data->hasUrls())
        return files;
    for (const QUrl& url : data->urls()) {
        if (!url.isLocalFile())
            continue;
        const QString path = url.toLocalFile();
        if (QFileInfo(path).isDir())
            files << PhotosInFolder(path);
        else
            files << path;
    }
    return files;
}

} // namespace

PhotosPane::PhotosPane(BookManager* books, const Constants* strings, const PaneViewChoice* views,
                       QWidget* parent)
    : QWidget(parent), mBooks(books), mStrings(strings), mViews(views) {
    setAcceptDrops(true);
    mHScrollBar = MakePaneScrollBar(Qt::Horizontal, 1, this);
    mVScrollBar = MakePaneScrollBar(Qt::Vertical, 1, this);
    for (QScrollBar* bar : {mHScrollBar, mVScrollBar})
        connect(bar, &QScrollBar::valueChanged, this, &PhotosPane::PlaceTiles);
    if (mBooks) {
        connect(mBooks, &BookManager::bookChanged, this, &PhotosPane::OnBookChange);
        BookSession* session = &mBooks->Session();
        connect(session, &BookSession::photoImported, this, &PhotosPane::OnFileDone);
        connect(session, &BookSession::importsFinished, this, &PhotosPane::OnImportFinished);
        connect(session, &BookSession::photoShown, this,
                [this](const std::shared_ptr<PhotoImage>& photo, bool inBookOrder) {
                    AddDisplayPhoto(photo, inBookOrder);
                });
        connect(session, &BookSession::photoHidden, this, &PhotosPane::RemoveDisplayPhoto);
    }
    mEmptyHint = new QLabel(tr("Import photos (Ctrl+O) or drop them here"), this);
    mEmptyHint->setObjectName(QStringLiteral("lblEmptyPhotos"));
    mEmptyHint->setAlignment(Qt::AlignCenter);
    mEmptyHint->setWordWrap(true);
    mEmptyHint->setEnabled(false); // drawn in the muted colour
    mEmptyHint->setAttribute(Qt::WA_TransparentForMouseEvents);
    mFillButton = new QToolButton(this);
    mFillButton->setObjectName(QStringLiteral("btnFillBook"));
    mFillButton->setText(tr("Fill Book"));
    mFillButton->setToolTip(
        tr("Lay these photos onto the empty boxes and pages, in the order taken"));
    mFillButton->hide();
    connect(mFillButton, &QToolButton::clicked, this, &PhotosPane::fillRequested);
}

PhotosPane::~PhotosPane() = default;

PaneView PhotosPane::View() const { return PaneViewOf(mViews); }

QScrollBar* PhotosPane::ScrollBar() const {
    return PaneScrollBarOf(View(), mHScrollBar, mVScrollBar);
}

// ---- importing

void PhotosPane::AddFiles(const QStringList& files, bool showSingleStatusDialog) {
    const std::shared_ptr<Book> book = mBooks ? mBooks->GetBook() : nullptr;
    if (!book || files.isEmpty())
        return;
    ImportStatusForm& status = StatusWindow();
    status.DisableOkay();
    if (files.size() > 1 || showSingleStatusDialog)
        ShowStatusWindow();
    mBooks->Session().ImportPhotos(files);
}

bool PhotosPane::IsImporting() const { return mBooks && mBooks->Session().IsImporting(); }

void PhotosPane::DropFiles(const QMimeData* data) {
    const QStringList files = DroppedFiles(data);
    if (files.isEmpty())
        return;
    if (!IsImporting())
        StatusWindow().ClearText();
    AddFiles(files, false);
}

void PhotosPane::OnFileDone(const PhotoImportOutcome& outcome) {
    using Status = PhotoImportOutcome::Status;
    ImportStatusForm& status = StatusWindow();
    mTally.Count(outcome);
    if (outcome.status == Status::Added && outcome.photo)
        ScrollToEnd(); // the session has shown its tile
    const bool refused = outcome.status == Status::Unsupported || outcome.status == Status::Failed;
    if (refused)
        ShowStatusWindow();
    if (outcome.failure)
        LogFailure(lcUi(), QStringLiteral("Importing ") + outcome.path, *outcome.failure);
    status.AddStatusText(ImportStatusLine(outcome, mStrings), refused);
    status.SetProgress(outcome.handled, outcome.total);
}

void PhotosPane::OnImportFinished() {
    StatusWindow().AddStatusText(mTally.Summary(), mTally.notAdded > 0);
    mTally = {};
    StatusWindow().EnableOkay();
    ScrollToEnd();
    emit importFinished();
}

ImportStatusForm* PhotosPane::StatusForm() const { return mImportStatusForm; }

ImportStatusForm& PhotosPane::StatusWindow() {
    if (!mImportStatusForm) {
        const QString caption = mStrings ? mStrings->Text(u"cImportStatusCaption") : QString();
        const QString okay = mStrings ? mStrings->Text(u"cOkayButton") : QString();
        mImportStatusForm = new ImportStatusForm(caption, okay, window());
        mImportStatusForm->setWindowFlag(Qt::Dialog);
    }
    return *mImportStatusForm;
}

void PhotosPane::ShowStatusWindow() {
    ImportStatusForm& status = StatusWindow();
    status.show();
    status.raise();
}

// ---- tiles

PhotoTile* PhotosPane::Find(const QString& aKey) const {
    for (PhotoTile* tile : mTiles)
        if (tile->GetPhoto() && tile->GetPhoto()->GetKey() == aKey)
            return tile;
    return nullptr;
}

void PhotosPane::AddDisplayPhoto(const std::shared_ptr<PhotoImage>& aPhoto, bool inBookOrder) {
    if (!aPhoto)
        return;
    if (!Find(aPhoto->GetKey())) {
        const QString name = QStringLiteral("photos") + QString::number(mNameCounter);
        auto* tile = new PhotoTile(this);
        auto* button = new PhotoTileDeleteButton(this);
        button->setObjectName(QStringLiteral("ctrl_") + name);
        tile->SetPhoto(aPhoto, name);
        button->SetPhoto(aPhoto);
        tile->SetPhotoMgr(button);
        connect(button, &PhotoTileDeleteButton::deleteClicked, this, &PhotosPane::DeletePhoto,
                Qt::QueuedConnection);
        ++mNameCounter;
        const size_t place = inBookOrder ? TilePlaceInBookOrder(*aPhoto) : mTiles.size();
        mTiles.insert(mTiles.begin() + std::ptrdiff_t(place), tile);
    }
    if (mRebuilding)
        return;
    UpdateScrollBar();
    PlaceTiles();
}

size_t PhotosPane::TilePlaceInBookOrder(const PhotoImage& photo) const {
    const std::shared_ptr<Book> book = mBooks ? mBooks->GetBook() : nullptr;
    if (!book)
        return mTiles.size();
    QHash<QString, int> order;
    for (const std::shared_ptr<PhotoImage>& each : book->Photos())
        order.insert(each->GetKey(), int(order.size()));
    const int own = order.value(photo.GetKey(), int(order.size()));
    for (size_t i = 0; i < mTiles.size(); ++i)
        if (mTiles[i]->GetPhoto() && order.value(mTiles[i]->GetPhoto()->GetKey(), -1) > own)
            return i;
    return mTiles.size();
}

void PhotosPane::RemoveDisplayPhoto(const std::shared_ptr<PhotoImage>& aPhoto) {
    if (!aPhoto)
        return;
    // The tile shows the pool's own photo; a photo of the same key only after a book change.
    auto tile = std::find_if(mTiles.begin(), mTiles.end(),
                             [&](const PhotoTile* each) { return each->GetPhoto() == aPhoto; });
    if (tile == mTiles.end())
        tile = std::find_if(mTiles.begin(), mTiles.end(), [&](const PhotoTile* each) {
            return each->GetPhoto() && each->GetPhoto()->GetKey() == aPhoto->GetKey();
        });
    if (tile != mTiles.end())
        RemoveTile(size_t(tile - mTiles.begin()));
    UpdateScrollBar();
    PlaceTiles();
}

// The step keeps the photo's files for an undo; they go with the step.
void PhotosPane::DeletePhoto(const std::shared_ptr<PhotoImage>& aPhoto) {
    if (aPhoto && mBooks)
        RunGuarded("Deleting a photo", [&] { mBooks->Session().DeletePhoto(aPhoto); });
}

void PhotosPane::RemoveTile(size_t index) {
    PhotoTile* tile = mTiles[index];
    mTiles.erase(mTiles.begin() + std::ptrdiff_t(index));
    if (PhotoTileDeleteButton* button = tile->GetPhotoMgr()) {
        button->hide();
        button->deleteLater();
    }
    tile->Discard();
}

void PhotosPane::OnBookChange() {
    while (!mTiles.empty())
        RemoveTile(mTiles.size() - 1);
    if (const std::shared_ptr<Book> book = mBooks ? mBooks->GetBook() : nullptr) {
        mRebuilding = true;
        for (const std::shared_ptr<PhotoImage>& photo : book->Photos())
            if (!photo->GetPage())
                AddDisplayPhoto(photo);
        mRebuilding = false;
    }
    Relayout();
    update();
}

// ---- layout

void PhotosPane::Relayout() {
    PlacePaneScrollBar(View(), mHScrollBar, mVScrollBar, size(), PhotoScrollBarRect);
    UpdateScrollBar();
    PlaceTiles();
}

void PhotosPane::UpdateScrollBar() {
    QScrollBar* bar = ScrollBar();
    const PhotoScrollRange range =
        PhotoScrollRangeFor(TileCount(), PhotoPaneLength(View(), size()), bar->value());
    const QSignalBlocker quiet(bar);
    bar->setMaximum(range.maximum);
    bar->setValue(range.value);
    bar->setVisible(range.visible);
    bar->raise();
}

void PhotosPane::PlaceTiles() {
    mEmptyHint->setGeometry(rect().adjusted(8, 8, -8, -8));
    mEmptyHint->setVisible(mTiles.empty() && mBooks && mBooks->GetBook());
    const PaneView view = View();
    // In the strip, above the tiles' delete buttons at the right end. The
    // column has no free band for it (it would cover the first tile): the
    // Book menu's Fill Book serves there.
    const QSize button(mFillButton->sizeHint().width(), 16);
    mFillButton->setGeometry(width() - button.width() - 20, 2, button.width(), button.height());
    mFillButton->setVisible(!mTiles.empty() && view == PaneView::Strip);
    mFillButton->raise();
    const int value = ScrollBar()->value();
    for (size_t i = 0; i < mTiles.size(); ++i) {
        const PhotoTilePlace place = PhotoTilePlaceFor(view, int(i), value);
        PhotoTile* tile = mTiles[i];
        const bool shown = PhotoTileShown(place.tile, size());
        if (!shown && tile->isHidden())
            continue; // placed when it comes into view: a pool of thousands stays quick
        tile->SetPos(place.tile.x(), place.tile.y(), place.tile.width(), place.tile.height());
        tile->setVisible(shown);
        if (PhotoTileDeleteButton* button = tile->GetPhotoMgr()) {
            button->SetPos(place.deleteButton.x(), place.deleteButton.y());
            button->setVisibility(shown);
        }
    }
}

void PhotosPane::ScrollToEnd() {
    QScrollBar* bar = ScrollBar();
    bar->setValue(bar->maximum());
    PlaceTiles();
}

void PhotosPane::resizeEvent(QResizeEvent*) { Relayout(); }

void PhotosPane::wheelEvent(QWheelEvent* event) {
    QScrollBar* bar = ScrollBar();
    if (bar->isHidden())
        return QWidget::wheelEvent(event);
    QCoreApplication::sendEvent(bar, event);
}

// ---- drops

void PhotosPane::dragEnterEvent(QDragEnterEvent* event) { dragMoveEvent(event); }

// A photo dragged from a page: its key, while it stands on a page.
std::shared_ptr<PhotoImage> PhotosPane::PhotoFromPage(const QMimeData* data) const {
    const std::shared_ptr<Book> book = mBooks ? mBooks->GetBook() : nullptr;
    return book && data->hasText() ? PlacedPhoto(*book, data->text()) : nullptr;
}

void PhotosPane::dragMoveEvent(QDragMoveEvent* event) {
    if (event->mimeData()->hasUrls() || PhotoFromPage(event->mimeData())) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    }
}

void PhotosPane::dropEvent(QDropEvent* event) {
    const std::shared_ptr<PhotoImage> fromPage = PhotoFromPage(event->mimeData());
    if (!event->mimeData()->hasUrls() && !fromPage)
        return;
    event->setDropAction(Qt::CopyAction);
    event->accept();
    if (!fromPage) {
        DropFiles(event->mimeData());
        return;
    }
    RunGuarded("Taking a photo off its page", [&] { mBooks->Session().TakePhotoOff(fromPage); });
}
