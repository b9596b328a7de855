#include "model/BookFill.h"

#include "imaging/TestJpegs.h"
#include "model/Book.h"
#include "model/BookManager.h"
#include "model/BookSession.h"
#include "model/ModelTestSupport.h"
#include "model/Page.h"
#include "model/PhotoImage.h"
#include "model/PhotoImageList.h"

#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString kCaption = QStringLiteral("{\\rtf1 Summer}");

// The photo's full-size file gets the time, with `exif` inside the file, else
// as its own time; then the photo is measured as an import measures it.
void SetTaken(PhotoImage& photo, const QDateTime& time, bool exif) {
    const QString file = photo.GetThumbFile(ThumbType::Original);
    if (exif) {
        const QByteArray stamp = time.toString(QStringLiteral("yyyy:MM:dd HH:mm:ss")).toLatin1();
        TestJpegs::WriteBytes(file, TestJpegs::WithExif(TestJpegs::SmallJpeg(),
                                                        TestJpegs::CameraTiff(false, 1, stamp)));
    }
    QFile handle(file);
    ASSERT_TRUE(handle.open(QIODevice::ReadWrite));
    ASSERT_TRUE(
        handle.setFileTime(exif ? time.addYears(5) : time, QFileDevice::FileModificationTime));
    handle.close();
    photo.SetRecord(MeasurePhoto(photo.Stem(), NoCameraTime::FileTime));
}

QString KeyIn(const Page& page, int box) {
    const auto photo = page.Photo(box);
    return photo ? photo->GetKey() : QString();
}

QByteArray StateFile(const Book& book) {
    book.WaitForSaves(); // written off this thread
    QFile file(book.GetBookFolder() + QStringLiteral("book.pbx"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

TEST(BookFill, KeepsWhatPagesHoldAndFillsTheRestInTimeOrder) {
    QTemporaryDir books;
    PhotoFolder folder;
    const auto book = MakeTripBook(books.path() + QLatin1Char('/'));
    const auto kept = folder.Make(99);
    book->Photos().Add(kept);
    book->GetPage(0)->AddPhotoToBox(kept, 0);
    book->GetPage(0)->SetText(0, kCaption);
    book->GetPage(1)->SetText(0, kCaption); // a text, an empty photo box
    // Photo 2 carries its camera time; the others have only their file times.
    const QDateTime start(QDate(2023, 5, 1), QTime(9, 0), Qt::LocalTime);
    std::vector<std::shared_ptr<PhotoImage>> photos;
    for (int i = 0; i < 5; ++i) {
        photos.push_back(folder.Make(i, i == 3 ? 2000 : 3000, i == 3 ? 3000 : 2000));
        book->Photos().Add(photos.back());
        SetTaken(*photos.back(), start.addSecs(60 * (5 - i)), i == 2);
    }
    SetTaken(*photos[2], start.addSecs(-60), true);

    const FillResult result = FillBook(*book, UnplacedPhotos(*book), TestCatalogue());

    EXPECT_EQ(result.placed, 5);
    EXPECT_EQ(result.leftOver, 0);
    EXPECT_EQ(book->PagesCount(), 20);
    EXPECT_EQ(KeyIn(*book->GetPage(0), 0), kept->GetKey());
    EXPECT_EQ(book->GetPage(0)->text(0), kCaption);
    EXPECT_EQ(book->GetPage(1)->text(0), kCaption);
    // In time order: photo 2 (camera time) first, then by file time.
    int lastPage = 1;
    for (const int n : {2, 4, 3, 1, 0}) {
        const auto page = photos[size_t(n)]->GetPage();
        ASSERT_TRUE(page) << n;
        int index = 0;
        while (book->GetPage(index) != page)
            ++index;
        EXPECT_GE(index, lastPage) << n;
        lastPage = index;
    }
    EXPECT_EQ(KeyIn(*book->GetPage(1), 0), TestKey(2));
    // The portrait photo stands in a portrait box.
    const auto box = photos[3]->PhotoBox();
    ASSERT_TRUE(box);
    EXPECT_LT(box->width(), box->height());
}

TEST(BookFill, AddsPagesAndIsOneUndoStep) {
    QTemporaryDir books;
    PhotoFolder folder;
    RecordingHost host;
    BookManager manager(books.path() + QLatin1Char('/'), TestCatalogue(), nullptr);
    manager.Initialize();
    host.Follow(manager.Session());
    const auto book = manager.GetBook();
    for (int i = 0; i < 100; ++i)
        book->Photos().Add(folder.Make(i));
    book->SaveBook();
    BookSession& history = manager.Session();
    const QByteArray before = StateFile(*book);

    EXPECT_EQ(history.Fill(UnplacedPhotos(*book), TestCatalogue()).placed, 100);
    EXPECT_EQ(host.removed.size(), 100); // their tiles left the photos pane

    EXPECT_GT(book->PagesCount(), 20); // more than four photos a page: pages were added
    EXPECT_TRUE(UnplacedPhotos(*book).empty());
    ASSERT_EQ(history.Stack().count(), 1);
    EXPECT_EQ(history.Stack().undoText(), QStringLiteral("Fill Book"));
    history.Stack().undo();
    EXPECT_EQ(book->PagesCount(), 20);
    EXPECT_EQ(StateFile(*book), before);
    EXPECT_EQ(UnplacedPhotos(*book).size(), 100u);
    EXPECT_EQ(host.added.size(), 100); // and came back
}
