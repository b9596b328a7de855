#include "base/Md5.h"
#include "base/SmallDisk.h"
#include "imaging/PhotoImageFiles.h"
#include "imaging/TestJpegs.h"
#include "model/Book.h"
#include "model/ModelTestSupport.h"
#include "model/PhotoImage.h"
#include "model/PhotoImageList.h"
#include "model/PhotoImportQueue.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using Status = PhotoImportOutcome::Status;

class ImportFaultsTest : public ::testing::Test {
protected:
    ImportFaultsTest() {
        QObject::connect(&queue, &PhotoImportQueue::fileDone,
                         [this](const PhotoImportOutcome& o) { outcomes.push_back(o); });
        photo = sources.filePath("photo.jpg");
        TestJpegs::Write(photo, TestJpegs::PhotoLike(640, 480));
    }
    std::shared_ptr<Book> OpenBook(const QString& booksFolder) {
        auto book = std::make_shared<Book>(booksFolder, ModelContext{&TestCatalogue()});
        book->SetName("Trip");
        book->LoadBook();
        return book;
    }
    Status Import(const std::shared_ptr<Book>& book) {
        outcomes.clear();
        QSignalSpy finished(&queue, &PhotoImportQueue::finished);
        queue.Add({photo}, book);
        if (queue.IsBusy()) {
            EXPECT_TRUE(finished.wait(60000));
        }
        EXPECT_EQ(outcomes.size(), 1u);
        return outcomes.empty() ? Status::Failed : outcomes.back().status;
    }
    static QStringList PhotoFiles(const Book& book) {
        return QDir(book.GetBookFolder()).entryList({"*.jpg", "*.dim"}, QDir::Files, QDir::Name);
    }

    QTemporaryDir sources;
    QString photo;
    PhotoImportQueue queue{1};
    std::vector<PhotoImportOutcome> outcomes;
};

} // namespace

TEST_F(ImportFaultsTest, AFullDiskFailsTheImportAndLeavesNoFileOfThePhoto) {
    SmallDisk disk;
    SKIP_WITHOUT(disk);
    auto book = OpenBook(disk.Path());
    for (qint64 room : {0, 16 << 10, 64 << 10}) {
        disk.LeaveFree(room);
        EXPECT_EQ(Import(book), Status::Failed) << room;
        ASSERT_TRUE(outcomes.back().failure);
        EXPECT_FALSE(outcomes.back().failure->message.isEmpty());
        EXPECT_FALSE(outcomes.back().failure->detail.isEmpty());
        EXPECT_EQ(book->Photos().GetSize(), 0);
        EXPECT_EQ(PhotoFiles(*book), QStringList()) << room;
        disk.FreeAll();
    }
    // With room again the same photo goes in, and a book opened anew finds it whole.
    EXPECT_EQ(Import(book), Status::Added);
    EXPECT_EQ(PhotoFiles(*book).size(), 4);
    const auto reopened = OpenBook(disk.Path());
    EXPECT_EQ(reopened->Photos().GetSize(), 1);
    EXPECT_EQ(Import(reopened), Status::AlreadyExists);
}

// Files an older build left empty or cut short: importing the photo again repairs them.
TEST_F(ImportFaultsTest, APhotoWhoseFilesAreDamagedCanBeImportedAgain) {
    QTemporaryDir books;
    ASSERT_EQ(Import(OpenBook(books.path())), Status::Added);
    for (const char* damage : {"_or.jpg empty", "_md.jpg half", "_sm.jpg missing"}) {
        const auto book = OpenBook(books.path());
        ASSERT_EQ(book->Photos().GetSize(), 1);
        const auto existing = book->Photos().Find(Md5().Hash(photo));
        ASSERT_TRUE(existing);
        const QString stem = book->GetBookFolder() + existing->GetName();
        const QString file = stem + QString::fromLatin1(damage).section(' ', 0, 0);
        const QString how = QString::fromLatin1(damage).section(' ', 1);
        const QByteArray good = TestJpegs::ReadBytes(file);
        if (how == "empty")
            TestJpegs::WriteBytes(file, {});
        else if (how == "half")
            TestJpegs::WriteBytes(file, good.left(good.size() / 2));
        else
            QFile::remove(file);
        ASSERT_FALSE(PhotoFilesWhole(stem));

        EXPECT_EQ(Import(book), Status::Added) << damage;
        EXPECT_FALSE(outcomes.back().photo) << "the book has the photo already";
        EXPECT_TRUE(PhotoFilesWhole(stem)) << damage;
        EXPECT_EQ(book->Photos().GetSize(), 1);
        EXPECT_EQ(existing->GetWidth(), 640);
        EXPECT_EQ(Import(book), Status::AlreadyExists) << damage;
    }
}
