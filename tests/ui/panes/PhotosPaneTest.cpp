#include "ui/panes/PaneTestSupport.h"

#include "imaging/TestJpegs.h"
#include "model/Book.h"
#include "model/BookManager.h"
#include "model/BookSession.h"
#include "model/ModelTestSupport.h"
#include "model/Page.h"
#include "model/PageDrop.h"
#include "model/PhotoImage.h"
#include "model/PhotoImageList.h"
#include "ui/panes/ImportStatusForm.h"
#include "ui/panes/PhotoTile.h"
#include "ui/panes/PhotoTileDeleteButton.h"
#include "ui/panes/PhotoTileLayout.h"
#include "ui/panes/PhotosPane.h"
#include "ui/panes/SidePane.h"

#include <QCoreApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QFile>
#include <QFutureWatcher>
#include <QLabel>
#include <QMimeData>
#include <QProgressBar>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <QWheelEvent>
#include <gtest/gtest.h>

#include <algorithm>

namespace {

class PhotosPaneTest : public ::testing::Test, public PaneFixture {
protected:
    std::shared_ptr<Book> CurrentBook() const { return manager->GetBook(); }
    QStringList FilesWithKey(const QString& key) const { return BookFiles().filter(key); }
    QByteArray StateFile() const {
        CurrentBook()->WaitForSaves(); // written off the UI thread
        QFile file(CurrentBook()->GetBookFolder() + QStringLiteral("book.pbx"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    int JpegsWithKey(const QString& key) const {
        return int(FilesWithKey(key).filter(".jpg").size());
    }
    // A tile reads its thumbnail on the pool; starts that and waits for it.
    static bool WaitForThumbnail(PhotoTile& tile) {
        tile.LoadThumbnail();
        if (!tile.ThumbnailPending())
            return true;
        QSignalSpy loaded(&tile, &PhotoTile::thumbnailLoaded);
        return loaded.wait(10000);
    }
};

} // namespace

TEST_F(PhotosPaneTest, ImportGivesTilesInFileOrderAndAStatusLinePerFile) {
    // The first file is much larger, so later ones finish first on the pool.
    const QString big = MakeJpeg("big.jpg", 2400, 1800);
    const QString a = MakeJpeg("a.jpg");
    const QString bad = MakeNonJpeg("bad.jpg");
    const QString b = MakeJpeg("b.jpg", 200, 300);
    Pane().AddFiles({big, a, bad, b, a}, true);
    EXPECT_TRUE(Pane().IsImporting()); // returns before the files are made
    ASSERT_TRUE(WaitForImport());

    EXPECT_EQ(TileKeys(), QStringList({KeyOf(big), KeyOf(a), KeyOf(b)}));
    EXPECT_EQ(TileNames(), QStringList({"photos0", "photos1", "photos2"}));
    EXPECT_EQ(CurrentBook()->Photos().GetSize(), 3);
    ImportStatusForm* status = Pane().StatusForm();
    ASSERT_TRUE(status);
    EXPECT_TRUE(status->isVisible());
    EXPECT_TRUE(status->IsOkayEnabled());
    EXPECT_EQ(
        status->Text(),
        QStringList({"Added :" + big, "Added :" + a,
                     "Unsupported (JPEG, HEIC, PNG, TIFF and WebP pictures are taken) :" + bad,
                     "Added :" + b, "Already there :" + a,
                     "3 added, 1 not added, 1 already in the book"})
            .join('\n'));
    const auto* progress = status->findChild<QProgressBar*>("mProgressBar");
    EXPECT_EQ(progress->maximum(), 5);
    EXPECT_EQ(progress->value(), 5);
    // Every tile shows its small thumbnail; every photo has its files.
    for (PhotoTile* tile : Pane().Tiles()) {
        ASSERT_TRUE(WaitForThumbnail(*tile));
        EXPECT_EQ(std::max(tile->Thumbnail().width(), tile->Thumbnail().height()), 120);
    }
    EXPECT_EQ(JpegsWithKey(KeyOf(big)), 4);
}

TEST_F(PhotosPaneTest, ABadFileIsReportedAndLeavesNoFiles) {
    const QString bad = MakeNonJpeg("notes.jpg");
    ASSERT_TRUE(Import({bad}, false));
    EXPECT_TRUE(Pane().StatusForm()->isVisible()); // shown even for a single file
    EXPECT_EQ(Pane().StatusForm()->Text(),
              "Unsupported (JPEG, HEIC, PNG, TIFF and WebP pictures are taken) :" + bad +
                  "\n0 added, 1 not added");
    EXPECT_EQ(Pane().TileCount(), 0);
    EXPECT_TRUE(FilesWithKey(KeyOf(bad)).isEmpty());
    EXPECT_EQ(CurrentBook()->Photos().GetSize(), 0);
}

TEST_F(PhotosPaneTest, ImportingAPathTwiceAddsOnePhoto) {
    const QString a = MakeJpeg("a.jpg");
    ASSERT_TRUE(Import({a}));
    EXPECT_EQ(Pane().StatusForm()->Text(), "Added :" + a + "\n1 added, 0 not added");
    ASSERT_TRUE(Import({a}));
    EXPECT_EQ(Pane().StatusForm()->Text(), "Added :" + a +
                                               "\n1 added, 0 not added\nAlready there :" + a +
                                               "\n0 added, 0 not added, 1 already in the book");
    EXPECT_EQ(Pane().TileCount(), 1);
    EXPECT_EQ(CurrentBook()->Photos().GetSize(), 1);
    EXPECT_EQ(JpegsWithKey(KeyOf(a)), 4);
}

TEST_F(PhotosPaneTest, DroppingOneJpegShowsNoStatusWindowButADroppedBadFileDoes) {
    const QString a = MakeJpeg("a.jpg");
    std::unique_ptr<QMimeData> drop(FileDrop({a}));
    Pane().DropFiles(drop.get());
    ASSERT_TRUE(WaitForImport());
    EXPECT_EQ(TileKeys(), QStringList({KeyOf(a)}));
    EXPECT_FALSE(Pane().StatusForm()->isVisible());

    const QString bad = MakeNonJpeg("b.jpg");
    drop.reset(FileDrop({bad}));
    Pane().DropFiles(drop.get());
    EXPECT_FALSE(Pane().StatusForm()->IsOkayEnabled()); // while the drop is imported
    ASSERT_TRUE(WaitForImport());
    EXPECT_TRUE(Pane().StatusForm()->isVisible());
    EXPECT_TRUE(Pane().StatusForm()->IsOkayEnabled());
    // a drop starts a fresh text
    EXPECT_EQ(Pane().StatusForm()->Text(),
              "Unsupported (JPEG, HEIC, PNG, TIFF and WebP pictures are taken) :" + bad +
                  "\n0 added, 1 not added");

    QMimeData text;
    text.setText(a);
    Pane().DropFiles(&text); // not a file list: ignored
    EXPECT_FALSE(Pane().IsImporting());
}

TEST_F(PhotosPaneTest, ADroppedFolderImportsThePhotosInsideItByName) {
    QDir(sources.path()).mkpath("trip/day2");
    const QString b = MakeJpeg("trip/b.JPG");
    const QString a = MakeJpeg("trip/a.jpg");
    const QString c = MakeJpeg("trip/day2/c.jpeg");
    const QString d = sources.filePath("trip/d.PNG"); // other formats, in any letter case
    ASSERT_TRUE(TestJpegs::PhotoLike(64, 48).save(d, "PNG"));
    QFile note(sources.filePath("trip/notes.txt"));
    ASSERT_TRUE(note.open(QIODevice::WriteOnly));
    note.write("not a photo");
    note.close();
    std::unique_ptr<QMimeData> drop(FileDrop({sources.filePath("trip")}));
    Pane().DropFiles(drop.get());
    ASSERT_TRUE(WaitForImport());
    EXPECT_EQ(TileKeys(), (QStringList{KeyOf(a), KeyOf(b), KeyOf(d), KeyOf(c)}));
}

TEST_F(PhotosPaneTest, AnEmptyPaneSaysHowPhotosGetIn) {
    auto* hint = Pane().findChild<QLabel*>("lblEmptyPhotos");
    ASSERT_NE(hint, nullptr);
    EXPECT_TRUE(hint->isVisibleTo(&Pane()));
    EXPECT_TRUE(hint->text().contains("Ctrl+O"));
    std::unique_ptr<QMimeData> drop(FileDrop({MakeJpeg("a.jpg")}));
    Pane().DropFiles(drop.get());
    ASSERT_TRUE(WaitForImport());
    EXPECT_FALSE(hint->isVisibleTo(&Pane()));
}

TEST_F(PhotosPaneTest, DeletingAPhotoRemovesItsTileFilesAndPlaceInTheBook) {
    const QStringList files = {MakeJpeg("a.jpg"), MakeJpeg("b.jpg"), MakeJpeg("c.jpg")};
    ASSERT_TRUE(Import(files));
    PhotoTile* tile = Pane().Find(KeyOf(files[1]));
    ASSERT_TRUE(tile);
    for (ThumbType type : kThumbTypes) // reading the sizes writes the ".dim" files
        EXPECT_GT(ThumbFileSize(*tile->GetPhoto(), type).width(), 0);
    ASSERT_EQ(FilesWithKey(KeyOf(files[1])).size(), 9); // and the record
    tile->GetPhotoMgr()->findChild<QToolButton*>("mDeletePhotoButton")->click();
    Settle();
    EXPECT_EQ(TileKeys(), QStringList({KeyOf(files[0]), KeyOf(files[2])}));
    EXPECT_TRUE(FilesWithKey(KeyOf(files[1])).isEmpty());
    EXPECT_EQ(JpegsWithKey(KeyOf(files[0])), 4);
    EXPECT_FALSE(CurrentBook()->Photos().Find(KeyOf(files[1])));

    // Names keep counting after a deletion.
    ASSERT_TRUE(Import({MakeJpeg("d.jpg")}));
    EXPECT_EQ(TileNames(), QStringList({"photos0", "photos2", "photos3"}));

    // Reopening the book does not bring the photo back.
    const QString name = CurrentBook()->GetName();
    ASSERT_EQ(manager->NewBook("Other"), BookNameCheck::Accepted);
    EXPECT_EQ(Pane().TileCount(), 0);
    ASSERT_TRUE(manager->LoadBook(name));
    EXPECT_EQ(Pane().TileCount(), 3);
    EXPECT_FALSE(Pane().Find(KeyOf(files[1])));
}

TEST_F(PhotosPaneTest, ATilePaintsItsFrameFirstAndItsThumbnailWhenItArrives) {
    ASSERT_TRUE(Import({MakeJpeg("a.jpg")}));
    PhotoTile tile(nullptr);
    tile.resize(120, 120);
    tile.SetPhoto(Pane().Tiles().front()->GetPhoto(), "single");
    const QRgb blank = tile.palette().window().color().rgb();
    EXPECT_EQ(tile.grab().toImage().pixel(60, 60), blank); // the paint starts the read
    ASSERT_TRUE(tile.ThumbnailPending());
    QSignalSpy loaded(&tile, &PhotoTile::thumbnailLoaded);
    ASSERT_TRUE(loaded.wait(10000));
    EXPECT_NE(tile.grab().toImage().pixel(60, 60), blank);
}

TEST_F(PhotosPaneTest, ATileGivenAnotherPhotoDropsTheThumbnailStillComing) {
    ASSERT_TRUE(Import({MakeJpeg("wide.jpg", 1600, 1200), MakeJpeg("tall.jpg", 200, 300)}));
    PhotoTile tile(nullptr);
    tile.SetPhoto(Pane().Tiles()[0]->GetPhoto(), "single");
    tile.LoadThumbnail();
    tile.SetPhoto(Pane().Tiles()[1]->GetPhoto(), "single");
    tile.LoadThumbnail();
    QSignalSpy loaded(&tile, &PhotoTile::thumbnailLoaded);
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return tile.findChildren<QFutureWatcherBase*>().isEmpty(); }, 10000));
    EXPECT_EQ(loaded.count(), 1);
    EXPECT_EQ(tile.Thumbnail().size(), QSize(80, 120)); // the tall photo's
}

TEST_F(PhotosPaneTest, TilesAreDragSourcesOfThePhotoKey) {
    const QString a = MakeJpeg("a.jpg");
    ASSERT_TRUE(Import({a}));
    std::unique_ptr<QMimeData> data(Pane().Tiles().front()->MakeDragData());
    EXPECT_EQ(data->text(), KeyOf(a));
    EXPECT_FALSE(data->hasUrls());
}

TEST_F(PhotosPaneTest, ScrollBarFollowsTheTilesInTheStrip) {
    QStringList files;
    for (int i = 0; i < 5; ++i)
        files << MakeJpeg(QStringLiteral("p%1.jpg").arg(i), 64, 48);
    ASSERT_EQ(Pane().width(), 400);
    ASSERT_TRUE(Import(files.mid(0, 3)));
    EXPECT_TRUE(Pane().ScrollBar()->isHidden()); // round(3 - 3) = 0
    ASSERT_TRUE(Import(files.mid(3)));
    QScrollBar* bar = Pane().ScrollBar();
    EXPECT_EQ(bar->orientation(), Qt::Horizontal);
    EXPECT_FALSE(bar->isHidden());
    EXPECT_EQ(bar->maximum(), 3);
    EXPECT_EQ(bar->value(), 3); // scrolled to the end after the import
    // At value 3 only the last two tiles are in view.
    const auto& tiles = Pane().Tiles();
    EXPECT_EQ(tiles[3]->geometry(), QRect(10, 20, 120, 120));
    EXPECT_EQ(tiles[3]->GetPhotoMgr()->geometry(), QRect(10, 5, 15, 15));
    EXPECT_TRUE(tiles[2]->isHidden());
    EXPECT_TRUE(tiles[2]->GetPhotoMgr()->isHidden());
    EXPECT_FALSE(tiles[4]->isHidden());
    bar->setValue(0);
    EXPECT_EQ(tiles[0]->geometry().topLeft(), QPoint(10, 20));
    EXPECT_TRUE(tiles[3]->isHidden());
}

TEST_F(PhotosPaneTest, ColumnLayoutStacksTilesAndScrollsVertically) {
    QStringList files;
    for (int i = 0; i < 4; ++i)
        files << MakeJpeg(QStringLiteral("p%1.jpg").arg(i), 64, 48);
    ASSERT_TRUE(Import(files));
    top->SetView(PaneView::Column);
    top->resize(163, 350); // photos pane 163 x 300
    top->Relayout();
    ASSERT_EQ(Pane().geometry(), QRect(0, 50, 163, 300));
    QScrollBar* bar = Pane().ScrollBar();
    EXPECT_EQ(bar->orientation(), Qt::Vertical);
    EXPECT_FALSE(bar->isHidden());
    EXPECT_TRUE(Pane().findChild<QScrollBar*>("mHScrollBar")->isHidden());
    EXPECT_EQ(bar->maximum(), 3); // round(4 - 290 / 130) = 2
    EXPECT_EQ(bar->geometry().right(), 163 - 1 - 3);
    bar->setValue(1);
    EXPECT_EQ(Pane().Tiles()[1]->geometry(), QRect(20, 10, 120, 120));
    EXPECT_EQ(Pane().Tiles()[1]->GetPhotoMgr()->geometry().topLeft(), QPoint(5, 10));
}

// The wheel over a tile (the pane's child) moves the view's bar, one tile a
// notch, in both views, with the pane on the screen.
TEST_F(PhotosPaneTest, TheWheelOverATileScrollsTheStripAndTheColumn) {
    top->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(top.get()));
    QStringList files;
    for (int i = 0; i < 6; ++i)
        files << MakeJpeg(QStringLiteral("p%1.jpg").arg(i), 64, 48);
    ASSERT_TRUE(Import(files));
    const auto turn = [this](int angle) {
        const auto shown = std::find_if(Pane().Tiles().begin(), Pane().Tiles().end(),
                                        [](PhotoTile* t) { return !t->isHidden(); });
        if (shown == Pane().Tiles().end())
            return -1;
        PhotoTile* tile = *shown;
        const QPointF at(60, 60);
        QWheelEvent wheel(at, tile->mapToGlobal(at), QPoint(), QPoint(0, angle), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QSpontaneKeyEvent::setSpontaneous(&wheel); // as the window system sends it: it propagates
        qApp->notify(tile, &wheel);
        return Pane().ScrollBar()->value();
    };
    for (const PaneView view : {PaneView::Strip, PaneView::Column}) {
        top->SetView(view);
        top->resize(view == PaneView::Column ? QSize(163, 350) : QSize(449, 161));
        top->Relayout();
        QScrollBar* bar = Pane().ScrollBar();
        ASSERT_FALSE(bar->isHidden());
        bar->setValue(0);
        EXPECT_EQ(turn(-120), 1) << int(view);
        EXPECT_EQ(turn(-120), 2) << int(view);
        EXPECT_EQ(turn(120), 1) << int(view);
        const QPoint first = view == PaneView::Strip ? QPoint(10, 20) : QPoint(20, 10);
        EXPECT_EQ(Pane().Tiles()[1]->geometry().topLeft(), first) << int(view);
        // Fill Book shows only where it covers no tile.
        const QToolButton* fill = Pane().FillButton();
        EXPECT_EQ(fill->isHidden(), view == PaneView::Column);
        for (const PhotoTile* tile : Pane().Tiles())
            EXPECT_TRUE(fill->isHidden() || tile->isHidden() ||
                        !fill->geometry().intersects(tile->geometry()))
                << int(view);
    }
}

TEST_F(PhotosPaneTest, ThePaneTakesFileListsDraggedOverItAndNothingElse) {
    const QString a = MakeJpeg("a.jpg");
    std::unique_ptr<QMimeData> files(FileDrop({a}));
    QDragEnterEvent overFiles(QPoint(5, 5), Qt::CopyAction | Qt::MoveAction, files.get(),
                              Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&Pane(), &overFiles);
    EXPECT_TRUE(overFiles.isAccepted());
    EXPECT_EQ(overFiles.dropAction(), Qt::CopyAction);

    QMimeData key;
    key.setText(KeyOf(a));
    QDragEnterEvent overText(QPoint(5, 5), Qt::CopyAction, &key, Qt::LeftButton, Qt::NoModifier);
    overText.ignore();
    QCoreApplication::sendEvent(&Pane(), &overText);
    EXPECT_FALSE(overText.isAccepted());

    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, files.get(), Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&Pane(), &drop);
    ASSERT_TRUE(WaitForImport());
    EXPECT_EQ(TileKeys(), QStringList({KeyOf(a)}));
}

TEST_F(PhotosPaneTest, APhotoDraggedBackFromAPageGetsItsTileAgainAsOneUndoStep) {
    const QStringList files = {MakeJpeg("a.jpg"), MakeJpeg("b.jpg")};
    ASSERT_TRUE(Import(files));
    const auto book = CurrentBook();
    BookSession& history = manager->Session();
    history.DropOnPage(*book->GetPage(2), KeyOf(files[0]), 100, 50);
    ASSERT_EQ(TileKeys(), QStringList({KeyOf(files[1])}));
    const QByteArray placed = StateFile();
    ASSERT_TRUE(placed.contains(book->Photos().Find(KeyOf(files[0]))->GetName().toUtf8()));

    const auto dragOver = [&](const QString& text) {
        QMimeData key;
        key.setText(text);
        QDragEnterEvent over(QPoint(5, 5), Qt::CopyAction, &key, Qt::LeftButton, Qt::NoModifier);
        over.ignore();
        QCoreApplication::sendEvent(&Pane(), &over);
        return over.isAccepted();
    };
    EXPECT_TRUE(dragOver(KeyOf(files[0])));  // stands on a page
    EXPECT_FALSE(dragOver(KeyOf(files[1]))); // has a tile already
    EXPECT_FALSE(dragOver("bg:leaf"));

    QMimeData key;
    key.setText(KeyOf(files[0]));
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &key, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&Pane(), &drop);
    EXPECT_TRUE(drop.isAccepted());
    EXPECT_EQ(TileKeys(), QStringList({KeyOf(files[1]), KeyOf(files[0])}));
    EXPECT_EQ(book->GetPage(2)->Photo(0), nullptr);
    EXPECT_EQ(book->Photos().GetSize(), 2); // still in the book
    EXPECT_EQ(JpegsWithKey(KeyOf(files[0])), 4);
    EXPECT_NE(StateFile(), placed);

    EXPECT_EQ(history.Stack().undoText(), "Remove Photo");
    history.Stack().undo();
    EXPECT_EQ(StateFile(), placed);
    EXPECT_EQ(TileKeys(), QStringList({KeyOf(files[1])}));
    ASSERT_NE(book->GetPage(2)->Photo(0), nullptr);
}

// The × asks nothing: undo brings the photo, files and all, back to its place
// in the pane and in the book, and redo takes it away again.
TEST_F(PhotosPaneTest, UndoingTheDeleteButtonPutsThePhotoBackInItsPlace) {
    const QStringList files = {MakeJpeg("a.jpg"), MakeJpeg("b.jpg"), MakeJpeg("c.jpg")};
    ASSERT_TRUE(Import(files));
    BookSession& history = manager->Session();
    const QStringList keys = TileKeys();
    const QByteArray before = StateFile();
    Pane().Tiles()[1]->GetPhotoMgr()->findChild<QToolButton*>("mDeletePhotoButton")->click();
    Settle();
    ASSERT_EQ(TileKeys(), QStringList({keys[0], keys[2]}));
    EXPECT_EQ(history.Stack().undoText(), "Delete Photo");

    history.Stack().undo();
    EXPECT_EQ(TileKeys(), keys);
    EXPECT_EQ(StateFile(), before); // the book's photo order too
    EXPECT_EQ(JpegsWithKey(keys[1]), 4);
    ASSERT_TRUE(WaitForThumbnail(*Pane().Tiles()[1]));
    EXPECT_FALSE(Pane().Tiles()[1]->Thumbnail().isNull());
    history.Stack().redo();
    EXPECT_EQ(TileKeys(), QStringList({keys[0], keys[2]}));
}

// On a dense screen a tile draws a picture with as many pixels as it covers,
// made from the medium file; at 1x the small file as it is.
TEST_F(PhotosPaneTest, TilesPickTheirThumbnailByThePixelDensity) {
    EXPECT_EQ(PhotoTileThumbFor(1.0), PhotoTileThumb{});
    EXPECT_EQ(PhotoTileThumbFor(1.25), (PhotoTileThumb{ThumbType::Medium, QSize(150, 150)}));
    ASSERT_TRUE(Import({MakeJpeg("wide.jpg", 1600, 1200)}));
    for (const auto& [ratio, pixels] : {std::pair{1.0, QSize(120, 90)}, {2.0, QSize(240, 180)}}) {
        PhotoTile tile(nullptr);
        tile.resize(120, 120);
        tile.SetPhoto(Pane().Tiles().front()->GetPhoto(), "single");
        tile.LoadThumbnailFor(ratio);
        QSignalSpy loaded(&tile, &PhotoTile::thumbnailLoaded);
        ASSERT_TRUE(loaded.wait(10000));
        EXPECT_EQ(tile.Thumbnail().size(), pixels) << ratio;
        EXPECT_EQ(tile.Thumbnail().deviceIndependentSize(), QSizeF(120, 90)) << ratio;
    }
}
