#include "model/PhotoTakeOff.h"

#include "imaging/TestJpegs.h"
#include "model/Book.h"
#include "model/BookManager.h"
#include "model/BookName.h"
#include "model/BookSession.h"
#include "model/ModelTestSupport.h"
#include "model/Page.h"
#include "model/PhotoImage.h"
#include "model/PhotoImageList.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A book with two photos, the first on page 3, open in a book manager: the
// photo leaves its page through the session, as the windows take it off.
class PhotoTakeOffTest : public ::testing::Test {
protected:
    void SetUp() override {
        manager = std::make_unique<BookManager>(books.path() + QLatin1Char('/'), TestCatalogue(),
                                                nullptr);
        host.Follow(manager->Session());
        ASSERT_EQ(manager->NewBook(QStringLiteral("Trip")), BookNameCheck::Accepted);
        book = manager->GetBook();
        session = &manager->Session();
        for (const QString name : {"a.jpg", "b.jpg"}) {
            const QString path = pictures.filePath(name);
            TestJpegs::Write(path, TestJpegs::PhotoLike(640, 480));
            auto photo = std::make_shared<PhotoImage>();
            photo->SetImage(path, book->GetBookFolder());
            book->Photos().Add(photo);
            photos.push_back(photo);
        }
        session->DropOnPage(*book->GetPage(3), photos[0]->GetKey(), 100, 50); // default: one box
        host.added.clear();
    }
    QString StateFile() const {
        book->WaitForSaves(); // written off this thread
        QFile file(book->GetBookFolder() + QStringLiteral("book.pbx"));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    QTemporaryDir books;
    QTemporaryDir pictures;
    RecordingHost host;
    std::unique_ptr<BookManager> manager;
    std::shared_ptr<Book> book;
    BookSession* session = nullptr;
    std::vector<std::shared_ptr<PhotoImage>> photos;
};

} // namespace

TEST_F(PhotoTakeOffTest, OnlyPhotosStandingOnAPageCountAsPlaced) {
    EXPECT_EQ(PlacedPhoto(*book, photos[0]->GetKey()), photos[0]);
    EXPECT_EQ(PlacedPhoto(*book, photos[1]->GetKey()), nullptr); // in the pane
    EXPECT_EQ(PlacedPhoto(*book, QStringLiteral("bg:leaf")), nullptr);
    EXPECT_EQ(PlacedPhoto(*book, QString()), nullptr);
}

TEST_F(PhotoTakeOffTest, APhotoTakenOffGoesToThePaneStaysInTheBookAndIsSaved) {
    const auto page = book->GetPage(3);
    photos[0]->SetPlacement(40, -30, 0.5f, 90);
    QSignalSpy changes(page.get(), &Page::changed);
    ASSERT_TRUE(StateFile().contains(photos[0]->GetName()));

    EXPECT_TRUE(session->TakePhotoOff(photos[0]));
    EXPECT_EQ(page->Photo(0), nullptr);
    EXPECT_EQ(changes.count(), 1);
    EXPECT_EQ(host.added, QStringList({photos[0]->GetKey()}));
    EXPECT_EQ(photos[0]->GetPage(), nullptr);
    EXPECT_EQ(photos[0]->Angle(), 0); // back as it came in
    EXPECT_EQ(book->Photos().Find(photos[0]->GetKey()), photos[0]);
    EXPECT_FALSE(StateFile().contains(photos[0]->GetName()));
    ASSERT_EQ(session->Stack().count(), 2); // placed, then taken off
    EXPECT_EQ(session->Stack().text(1), QStringLiteral("Remove Photo"));

    // Not on a page (any more): nothing happens, nothing is saved.
    QFile::remove(book->GetBookFolder() + QStringLiteral("book.pbx"));
    EXPECT_FALSE(session->TakePhotoOff(photos[0]));
    EXPECT_FALSE(session->TakePhotoOff(photos[1]));
    EXPECT_FALSE(session->TakePhotoOff(nullptr));
    EXPECT_EQ(host.added.size(), 1);
    EXPECT_EQ(StateFile(), QString());
    EXPECT_EQ(session->Stack().count(), 2); // and no step
}
