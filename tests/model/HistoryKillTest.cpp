#include "imaging/TestJpegs.h"
#include "model/Book.h"
#include "model/BookManager.h"
#include "model/BookStateFile.h"
#include "model/HeldPhotoFiles.h"
#include "model/ModelTestSupport.h"
#include "model/Page.h"
#include "model/PageDrop.h"
#include "model/PageTextForm.h"
#include "model/PhotoImage.h"
#include "model/PhotoImageList.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QSet>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include <iostream>

namespace {

constexpr int kRuns = 200;

// The photo keys the pages of the folder's "book.pbx" name.
QSet<QString> NamedKeys(const QString& bookFolder) {
    QSet<QString> keys;
    const QString text = BookStateFile::ReadJoined(bookFolder + QStringLiteral("book.pbx"));
    for (const QString& page : BookStateFile::Split(text))
        for (const PageTextForm::ImageEntry& entry : PageTextForm::ReadImages(page))
            if (!entry.key.isEmpty())
                keys.insert(entry.key);
    return keys;
}

// A book "Trip" with a photo on page 1 and one not placed: the state every
// run starts from, as files.
FolderFiles MakeStartingBook(const QString& booksFolder, const QString& pictures) {
    BookManager manager(booksFolder, TestCatalogue(), nullptr);
    EXPECT_EQ(manager.NewBook(QStringLiteral("Trip")), BookNameCheck::Accepted);
    const std::shared_ptr<Book> book = manager.GetBook();
    std::vector<std::shared_ptr<PhotoImage>> photos;
    for (int i = 0; i < 2; ++i) {
        const QString path = QDir(pictures).filePath(QStringLiteral("p%1.jpg").arg(i));
        TestJpegs::Write(path, TestJpegs::PhotoLike(320, 240));
        auto photo = std::make_shared<PhotoImage>();
        photo->SetImage(path, book->GetBookFolder());
        EXPECT_GT(photo->GetWidth(), 0); // its ".dim" files are written now
        book->Photos().Add(photo);
        photos.push_back(photo);
    }
    ApplyDropText(*book, *book->GetPage(0), photos[0]->GetKey(), 100, 50);
    book->SaveBook();
    book->WaitForSaves();
    return ReadFolderFiles(book->GetBookFolder());
}

void PutFiles(const QString& folder, const FolderFiles& files) {
    QDir(folder).removeRecursively();
    ASSERT_TRUE(QDir().mkpath(folder));
    for (auto it = files.begin(); it != files.end(); ++it) {
        QFile file(QDir(folder).filePath(it.key()));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(it.value());
    }
}

// Every file of the photo with this key as it was made, in the book folder.
std::string Wholeness(const QString& key, const FolderFiles& made, const FolderFiles& now) {
    std::string missing;
    for (auto it = made.begin(); it != made.end(); ++it)
        if (it.key().contains(key) && now.value(it.key()) != it.value())
            missing += it.key().toStdString() + " ";
    return missing;
}

} // namespace

// A child undoing, redoing and deleting photos is killed at a random moment;
// the book opened afterwards shows every photo its "book.pbx" names, with
// all its files as they were made.
TEST(HistoryKill, EveryPhotoTheBookNamesIsWholeAfterAKillAnywhere) {
    QTemporaryDir books;
    QTemporaryDir pictures;
    const QString booksFolder = books.path() + u'/';
    const FolderFiles start = MakeStartingBook(booksFolder, pictures.path());
    const QString folder = booksFolder + QStringLiteral("Trip/");
    const QString stepper =
        QCoreApplication::applicationDirPath() + QStringLiteral("/lumbra_history_stepper");
    QRandomGenerator random(20240917);
    QElapsedTimer clock;
    clock.start();
    int placedShown = 0; // runs whose book had the photo of page 1
    int broughtBack = 0; // runs whose opening brought held files back
    for (int run = 0; run < kRuns; ++run) {
        SCOPED_TRACE(run);
        PutFiles(folder, start);
        QProcess child;
        child.start(stepper, {booksFolder, QStringLiteral("Trip")});
        ASSERT_TRUE(child.waitForReadyRead(30000)) << child.readAllStandardError().toStdString();
        ASSERT_EQ(child.readAll().trimmed(), "stepping");
        QThread::usleep(random.bounded(0, 80000));
        child.kill(); // SIGKILL
        ASSERT_TRUE(child.waitForFinished(30000));
        ASSERT_EQ(child.exitStatus(), QProcess::CrashExit) << "it stopped by itself";

        const QSet<QString> named = NamedKeys(folder);
        const FolderFiles held = ReadFolderFiles(HeldPhotoFiles::Folder(folder));
        for (const QString& key : named)
            for (auto it = held.begin(); it != held.end(); ++it)
                broughtBack += it.key().contains(key) ? 1 : 0;

        BookManager manager(booksFolder, TestCatalogue(), nullptr);
        ASSERT_TRUE(manager.LoadBook(QStringLiteral("Trip")));
        const std::shared_ptr<Book> book = manager.GetBook();
        const FolderFiles now = ReadFolderFiles(folder);
        for (const QString& key : named) {
            EXPECT_EQ(Wholeness(key, start, now), "") << "photo " << key.toStdString();
            const auto photo = book->Photos().Find(key);
            ASSERT_TRUE(photo) << "not in the pool: " << key.toStdString();
            EXPECT_TRUE(photo->GetPage()) << "not on its page: " << key.toStdString();
        }
        placedShown += named.isEmpty() ? 0 : 1;
    }
    std::cout << "[kill] " << kRuns << " runs in " << clock.elapsed() << " ms; " << placedShown
              << " with the placed photo named, held files brought back " << broughtBack << " times"
              << std::endl;
    EXPECT_GT(placedShown, 0);
    EXPECT_LT(placedShown, kRuns);
}
