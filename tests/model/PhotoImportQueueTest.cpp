#include "model/PhotoImportQueue.h"
#include "base/Md5.h"
#include "imaging/TestJpegs.h"
#include "model/Book.h"
#include "model/ImportTally.h"
#include "model/ModelTestSupport.h"
#include "model/PhotoImage.h"
#include "model/PhotoImageList.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

using Status = PhotoImportOutcome::Status;

class PhotoImportQueueTest : public ::testing::Test {
protected:
    PhotoImportQueueTest() {
        QObject::connect(&queue, &PhotoImportQueue::fileDone,
                         [this](const PhotoImportOutcome& o) { outcomes.push_back(o); });
    }
    std::shared_ptr<Book> MakeBook(const QString& name) {
        auto book = std::make_shared<Book>(books.path(), ModelContext{&TestCatalogue()});
        book->SetName(name);
        return book;
    }
    QString Jpeg(const QString& name, int width = 160, int height = 120) const {
        const QString path = sources.filePath(name);
        TestJpegs::Write(path, TestJpegs::PhotoLike(width, height));
        return path;
    }
    bool WaitUntilIdle() {
        QSignalSpy finished(&queue, &PhotoImportQueue::finished);
        return !queue.IsBusy() || finished.wait(60000);
    }
    static QStringList JpegsIn(const Book& book) {
        return QDir(book.GetBookFolder()).entryList({"*.jpg"}, QDir::Files, QDir::Name);
    }

    QTemporaryDir books;
    QTemporaryDir sources;
    PhotoImportQueue queue{2};
    std::vector<PhotoImportOutcome> outcomes;
};

} // namespace

TEST_F(PhotoImportQueueTest, ReportsInQueueOrderWithRunningProgress) {
    const auto book = MakeBook("A");
    const QString slow = Jpeg("slow.jpg", 2000, 1500);
    const QString quick = Jpeg("quick.jpg");
    queue.Add({slow, quick, quick}, book);
    EXPECT_TRUE(outcomes.empty()); // nothing is decided before the slow file
    ASSERT_TRUE(WaitUntilIdle());
    ASSERT_EQ(outcomes.size(), 3u);
    EXPECT_EQ(outcomes[0].path, slow);
    EXPECT_EQ(outcomes[0].status, Status::Added);
    EXPECT_EQ(outcomes[1].status, Status::Added);
    EXPECT_EQ(outcomes[2].status, Status::AlreadyExists);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(outcomes[size_t(i)].handled, i + 1);
        EXPECT_EQ(outcomes[size_t(i)].total, 3);
    }
    // Added photos join the list in file order, supported and sized.
    ASSERT_EQ(book->Photos().GetSize(), 2);
    EXPECT_EQ(*book->Photos().begin(), outcomes[0].photo);
    EXPECT_TRUE(outcomes[1].photo->IsSupportedFormat());
    EXPECT_EQ(outcomes[1].photo->GetWidth(), 160);
    EXPECT_EQ(JpegsIn(*book).size(), 8);
}

TEST_F(PhotoImportQueueTest, AReopenedBookListsItsPhotosInImportOrder) {
    const auto book = MakeBook("A");
    // Queued with their keys falling and the first file the slowest, so that
    // neither the names nor the times the files are finished give this order.
    QStringList paths = {Jpeg("a.jpg"), Jpeg("b.jpg"), Jpeg("c.jpg")};
    std::sort(paths.begin(), paths.end(),
              [](const QString& x, const QString& y) { return Md5().Hash(x) > Md5().Hash(y); });
    TestJpegs::Write(paths[0], TestJpegs::PhotoLike(2000, 1500));
    queue.Add(paths, book);
    ASSERT_TRUE(WaitUntilIdle());
    book->WaitForSaves(); // the files' stamps too

    Book reopened(books.path(), ModelContext{&TestCatalogue()});
    reopened.SetName("A");
    reopened.LoadBook();
    QStringList keys;
    for (const auto& photo : reopened.Photos())
        keys << photo->GetKey();
    QStringList wanted;
    for (const QString& path : paths)
        wanted << Md5().Hash(path);
    EXPECT_EQ(keys.join(" ").toStdString(), wanted.join(" ").toStdString());
}

TEST_F(PhotoImportQueueTest, FilesGoIntoTheBookTheyWereQueuedFor) {
    auto first = MakeBook("First");
    const auto second = MakeBook("Second");
    const QString a = Jpeg("a.jpg");
    queue.Add({a}, first);
    queue.Add({a}, second); // another book: not a duplicate
    const QString firstFolder = first->GetBookFolder();
    first.reset(); // the book was closed meanwhile
    ASSERT_TRUE(WaitUntilIdle());
    ASSERT_EQ(outcomes.size(), 2u);
    EXPECT_EQ(outcomes[0].status, Status::Added);
    EXPECT_EQ(outcomes[1].status, Status::Added);
    EXPECT_EQ(QDir(firstFolder).entryList({"*.jpg"}, QDir::Files).size(), 4);
    EXPECT_EQ(JpegsIn(*second).size(), 4);
    EXPECT_EQ(second->Photos().GetSize(), 1);
}

TEST_F(PhotoImportQueueTest, APhotoTheBookGotMeanwhileKeepsItsFiles) {
    const auto book = MakeBook("A");
    const QString a = Jpeg("a.jpg");
    queue.Add({a}, book);
    // The same key joins the book under another name before the result is applied.
    auto existing = std::make_shared<PhotoImage>();
    existing->CopyName("0000" + Md5().Hash(a));
    existing->SetKey(book->GetBookFolder(), Md5().Hash(a));
    book->Photos().Add(existing);
    TestJpegs::Write(existing->GetThumbFile(ThumbType::Small), TestJpegs::PhotoLike(120, 90));
    ASSERT_TRUE(WaitUntilIdle());
    ASSERT_EQ(outcomes.size(), 1u);
    EXPECT_EQ(outcomes[0].status, Status::AlreadyExists);
    EXPECT_EQ(book->Photos().GetSize(), 1);
    EXPECT_EQ(JpegsIn(*book), QStringList({existing->GetName() + "_sm.jpg"}));
}

TEST_F(PhotoImportQueueTest, FailuresAreReportedAndTheRestGoesOn) {
    const auto book = MakeBook("A");
    const QString bad = sources.filePath("bad.jpg");
    TestJpegs::WriteBytes(bad, QByteArray("\xFF\xD8\xFF", 3)); // a JPEG start and nothing else
    const QString missing = sources.filePath("missing.jpg");
    const QString good = Jpeg("good.jpg");
    queue.Add({bad, missing, good}, book);
    ASSERT_TRUE(WaitUntilIdle());
    ASSERT_EQ(outcomes.size(), 3u);
    EXPECT_EQ(outcomes[0].status, Status::Unsupported);
    EXPECT_EQ(outcomes[1].status, Status::Unsupported);
    EXPECT_EQ(outcomes[2].status, Status::Added);
    EXPECT_EQ(JpegsIn(*book).size(), 4);
}

TEST_F(PhotoImportQueueTest, AnUnwritableBookFolderIsAFailureThatLeavesNothing) {
    const auto book = MakeBook("A");
    const QString a = Jpeg("a.jpg");
    ASSERT_TRUE(QDir(book->GetBookFolder()).removeRecursively());
    ASSERT_TRUE(
        QFile(books.filePath("A")).open(QIODevice::WriteOnly)); // a file where the folder was
    queue.Add({a}, book);
    ASSERT_TRUE(WaitUntilIdle());
    ASSERT_EQ(outcomes.size(), 1u);
    EXPECT_EQ(outcomes[0].status, Status::Failed);
    ASSERT_TRUE(outcomes[0].failure);
    const Failure& failure = *outcomes[0].failure;
    EXPECT_TRUE(failure.message.startsWith(QStringLiteral("Cannot write ") +
                                           QDir::toNativeSeparators(books.filePath("A/"))))
        << failure.message.toStdString();
    EXPECT_TRUE(failure.detail.contains(books.filePath("A/"))) << failure.detail.toStdString();
    // The status line shows the message and the file.
    EXPECT_EQ(ImportStatusLine(outcomes[0], nullptr), failure.message + QStringLiteral(" :") + a);
    EXPECT_EQ(book->Photos().GetSize(), 0);
}

TEST(PhotoImportQueueLifetime, ClosingDuringAnImportWaitsForTheRunningFiles) {
    QTemporaryDir books, sources;
    auto book = std::make_shared<Book>(books.path(), ModelContext{&TestCatalogue()});
    book->SetName("A");
    QStringList files;
    for (int i = 0; i < 6; ++i) {
        files << sources.filePath(QStringLiteral("p%1.jpg").arg(i));
        TestJpegs::Write(files.back(), TestJpegs::PhotoLike(800, 600));
    }
    int reported = 0;
    {
        PhotoImportQueue queue(1);
        QObject::connect(&queue, &PhotoImportQueue::fileDone, [&] { ++reported; });
        queue.Add(files, book);
    }
    EXPECT_EQ(reported, 0);
    // At most the one running file was made; none is half-written.
    const QStringList made = QDir(book->GetBookFolder()).entryList({"*.jpg"}, QDir::Files);
    EXPECT_TRUE(made.size() == 0 || made.size() == 4) << made.join(',').toStdString();
}
