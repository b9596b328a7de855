#include "model/PageDrop.h"

#include "base/Md5.h"
#include "imaging/TestJpegs.h"
#include "model/Book.h"
#include "model/BookManager.h"
#include "model/BookName.h"
#include "model/BookSession.h"
#include "model/ModelTestSupport.h"
#include "model/Page.h"
#include "model/PageFileDrop.h"
#include "model/PhotoImage.h"
#include "model/PhotoImageList.h"
#include "model/Template.h"

#include <QFile>
#include <QFileInfo>
#include <QMimeData>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

// The default template: photo box (0, 0, 289, 208), text box (30, 180, 230, 25).
constexpr float kPhotoX = 100, kPhotoY = 50;

// A new book open in a book manager. Texts are dropped through its session
// as the page views drop them; files through a PageFileDrop of the test's own.
class PageDropTest : public ::testing::Test {
protected:
    void SetUp() override {
        manager = std::make_unique<BookManager>(books.path() + QLatin1Char('/'), TestCatalogue(),
                                                nullptr);
        host.Follow(manager->Session());
        ASSERT_EQ(manager->NewBook(QStringLiteral("Trip")), BookNameCheck::Accepted);
        book = manager->GetBook();
        target = book->GetPage(0);
    }
    void DropOnTarget(const QString& text) {
        manager->Session().DropOnPage(*target, text, kPhotoX, kPhotoY);
    }
    int Steps() const { return manager->Session().Stack().count(); }
    // What a drop writes is then all there is.
    void RemoveStateFile() const {
        book->WaitForSaves();
        QFile::remove(book->GetBookFolder() + QStringLiteral("book.pbx"));
    }
    QString WriteJpeg(const QString& name) const {
        const QString path = pictures.filePath(name);
        TestJpegs::Write(path, TestJpegs::PhotoLike(640, 480));
        return path;
    }
    std::shared_ptr<PhotoImage> ImportPhoto(const QString& name) {
        auto photo = std::make_shared<PhotoImage>();
        photo->SetImage(WriteJpeg(name), book->GetBookFolder());
        EXPECT_TRUE(photo->IsSupportedFormat());
        book->Photos().Add(photo);
        return photo;
    }
    QString StateFile() const {
        book->WaitForSaves(); // written off this thread
        QFile file(book->GetBookFolder() + QStringLiteral("book.pbx"));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }
    // The book's photos imported from the files.
    std::vector<std::shared_ptr<PhotoImage>> PoolPhotos(const QStringList& paths) const {
        std::vector<std::shared_ptr<PhotoImage>> photos;
        for (const QString& path : paths)
            photos.push_back(book->Photos().Find(Md5().Hash(path)));
        return photos;
    }
    // Drops the files and waits until they are placed and the book is saved.
    void DropFiles(const QStringList& paths) {
        QSignalSpy done(&fileDrop, &PageFileDrop::dropDone);
        fileDrop.Drop(book, target, paths, kPhotoX, kPhotoY);
        EXPECT_TRUE(fileDrop.IsBusy()); // the files are made on the pool
        ASSERT_TRUE(done.wait(20000));
        EXPECT_EQ(done.count(), 1);
        EXPECT_FALSE(fileDrop.IsBusy());
    }

    QTemporaryDir books;
    QTemporaryDir pictures;
    RecordingHost host;
    std::unique_ptr<BookManager> manager;
    std::shared_ptr<Book> book;
    std::shared_ptr<Page> target;
    PhotoImportQueue queue{2};
    PageFileDrop fileDrop{queue};
};

DropPayload Files(int count) {
    DropPayload payload;
    for (int i = 0; i < count; ++i)
        payload.files << QStringLiteral("/pictures/%1.jpg").arg(i);
    return payload;
}

DropPayload Text(const QString& text) {
    DropPayload payload;
    payload.text = text;
    payload.hasText = true;
    return payload;
}

} // namespace

TEST(PageDropRulesTest, FilesOnlyOverAPhotoBoxOutsideTextBoxes) {
    EXPECT_TRUE(DropAllowed(true, Files(2), -1, 0));
    EXPECT_FALSE(DropAllowed(true, Files(1), 0, 0));   // text box over the photo box
    EXPECT_FALSE(DropAllowed(true, Files(1), -1, -1)); // outside every box
    EXPECT_FALSE(DropAllowed(false, Files(1), -1, 0)); // no page
}

TEST(PageDropRulesTest, TextAnywhereOnAPage) {
    EXPECT_TRUE(DropAllowed(true, Text(QStringLiteral("bg:Sea")), 0, -1));
    EXPECT_TRUE(DropAllowed(true, Text(QStringLiteral("AlbumPageThumb_3")), -1, -1));
    EXPECT_FALSE(DropAllowed(false, Text(QStringLiteral("bg:Sea")), -1, 0));
    EXPECT_FALSE(DropAllowed(true, DropPayload{}, -1, 0)); // neither files nor text
}

TEST(PageDropRulesTest, PayloadTakesLocalFilesAndText) {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QStringLiteral("/a/b.jpg")),
                  QUrl(QStringLiteral("http://x/y.jpg")),
                  QUrl::fromLocalFile(QStringLiteral("/a/c.jpg"))});
    DropPayload payload = ReadDropPayload(data);
    EXPECT_EQ(payload.files, QStringList({"/a/b.jpg", "/a/c.jpg"}));

    QMimeData text;
    text.setText(QStringLiteral("T:Photo[0,0,10,10,0]"));
    payload = ReadDropPayload(text);
    EXPECT_TRUE(payload.files.isEmpty());
    EXPECT_TRUE(payload.hasText);
    EXPECT_EQ(payload.text, QStringLiteral("T:Photo[0,0,10,10,0]"));
}

TEST_F(PageDropTest, PhotoKeyDropPlacesThePhotoAndSavesTheBook) {
    const auto photo = ImportPhoto(QStringLiteral("beach.jpg"));
    DropOnTarget(photo->GetKey());
    ASSERT_NE(target->Photo(0), nullptr);
    EXPECT_EQ(target->Photo(0)->GetKey(), photo->GetKey());
    EXPECT_EQ(host.removed, QStringList({photo->GetKey()})); // left the photos pane
    const QString saved = StateFile();
    EXPECT_TRUE(saved.endsWith(QStringLiteral("\r\n")));
    EXPECT_TRUE(saved.contains(QStringLiteral("Image{") + photo->GetName() + QLatin1Char(',')));
    EXPECT_EQ(Steps(), 1);
}

TEST_F(PageDropTest, UnknownKeyChangesNothingButStillSaves) {
    QSignalSpy changes(target.get(), &Page::changed);
    RemoveStateFile();
    DropOnTarget(QStringLiteral("AlbumPageThumb_3"));
    EXPECT_EQ(changes.count(), 0);
    EXPECT_EQ(Steps(), 0); // nothing to undo
    EXPECT_EQ(target->Photo(0), nullptr);
    EXPECT_TRUE(StateFile().startsWith(QStringLiteral("+Photo[0,0,289,208,0]")));
}

TEST_F(PageDropTest, TemplateDropChangesTheTemplate) {
    const QString definition = QStringLiteral("Photo[0,0,140,208,0]Photo[149,0,140,208,0]");
    DropOnTarget(QStringLiteral("T:") + definition);
    ASSERT_NE(target->Template(), nullptr);
    EXPECT_EQ(target->Template()->PhotoBoxCount(), 2);
    EXPECT_EQ(target->Template()->TextBoxCount(), 0);
    EXPECT_TRUE(StateFile().startsWith(
        QStringLiteral("+Photo[0,0,140,208,0]Photo[149,0,140,208,0]Image{}")));
}

TEST_F(PageDropTest, BadTemplateDropLeavesPageAndFileAlone) {
    const auto before = target->Template();
    RemoveStateFile();
    EXPECT_ANY_THROW(DropOnTarget(QStringLiteral("T:Photo[a,b,c,d,0]")));
    EXPECT_EQ(target->Template(), before);
    EXPECT_FALSE(QFileInfo::exists(book->GetBookFolder() + QStringLiteral("book.pbx")));
    EXPECT_EQ(Steps(), 0);
}

TEST_F(PageDropTest, BackgroundDropSetsTheBackgroundOnce) {
    QSignalSpy changes(target.get(), &Page::changed);
    DropOnTarget(QStringLiteral("bg:Sea"));
    EXPECT_EQ(target->Background(), QStringLiteral("Sea"));
    EXPECT_EQ(changes.count(), 1);
    EXPECT_TRUE(StateFile().contains(QStringLiteral("bgImage(Sea)")));
    DropOnTarget(QStringLiteral("bg:Sea"));
    EXPECT_EQ(changes.count(), 1); // the same name again changes nothing
    EXPECT_EQ(Steps(), 1);
}

TEST_F(PageDropTest, ThreeFilesLeaveTheLastInTheBoxAndTheOthersInThePane) {
    const QStringList paths = {WriteJpeg("a.jpg"), WriteJpeg("b.jpg"), WriteJpeg("c.jpg")};
    DropFiles(paths);
    EXPECT_EQ(book->Photos().GetSize(), 3);
    const Md5 md5;
    ASSERT_NE(target->Photo(0), nullptr);
    EXPECT_EQ(target->Photo(0)->GetKey(), md5.Hash(paths[2]));
    EXPECT_EQ(OffPage(PoolPhotos(paths)), QStringList({md5.Hash(paths[0]), md5.Hash(paths[1])}));
    EXPECT_TRUE(StateFile().contains(md5.Hash(paths[2]) + QLatin1Char(',')));
}

TEST_F(PageDropTest, FilesAlreadyInTheBookAreNotImportedAgain) {
    const auto known = ImportPhoto(QStringLiteral("known.jpg"));
    const QString fresh = WriteJpeg(QStringLiteral("fresh.jpg"));
    const QString knownPath = pictures.filePath(QStringLiteral("known.jpg"));
    DropFiles({knownPath, fresh, fresh});
    EXPECT_EQ(book->Photos().GetSize(), 2);
    EXPECT_EQ(book->Photos().Find(known->GetKey()), known); // not imported again
    EXPECT_EQ(target->Photo(0)->GetKey(), Md5().Hash(fresh));
    EXPECT_EQ(known->GetPage(), nullptr); // displaced into the pane
}

TEST_F(PageDropTest, AFileThatIsNoPictureIsLeftOut) {
    const QString bad = pictures.filePath(QStringLiteral("notes.jpg"));
    TestJpegs::WriteBytes(bad, "not a picture");
    const QString good = WriteJpeg(QStringLiteral("good.jpg"));
    DropFiles({good, bad});
    EXPECT_EQ(book->Photos().GetSize(), 1);
    EXPECT_EQ(target->Photo(0)->GetKey(), Md5().Hash(good));
    EXPECT_TRUE(StateFile().contains(Md5().Hash(good)));
}

TEST_F(PageDropTest, ASecondDropWhileTheFirstImportsPlacesItsFilesOnItsOwnPage) {
    const auto second = book->GetPage(1);
    const QString a = WriteJpeg(QStringLiteral("a.jpg")), b = WriteJpeg(QStringLiteral("b.jpg"));
    const QString c = WriteJpeg(QStringLiteral("c.jpg"));
    QSignalSpy done(&fileDrop, &PageFileDrop::dropDone);
    fileDrop.Drop(book, target, {a, b}, kPhotoX, kPhotoY);
    fileDrop.Drop(book, second, {c}, kPhotoX, kPhotoY);
    ASSERT_TRUE(QTest::qWaitFor([&] { return done.count() == 2; }, 20000));
    ASSERT_NE(target->Photo(0), nullptr);
    EXPECT_EQ(target->Photo(0)->GetKey(), Md5().Hash(b));
    ASSERT_NE(second->Photo(0), nullptr);
    EXPECT_EQ(second->Photo(0)->GetKey(), Md5().Hash(c));
    EXPECT_EQ(OffPage(PoolPhotos({a, b, c})), QStringList({Md5().Hash(a)}));
    EXPECT_EQ(book->Photos().GetSize(), 3);
    EXPECT_FALSE(fileDrop.IsBusy());
}
