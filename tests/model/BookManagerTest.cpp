#include "model/BookManager.h"
#include "base/BookLock.h"
#include "base/Constants.h"
#include "base/LumbraError.h"
#include "model/Book.h"
#include "model/BookSession.h"
#include "model/ModelTestSupport.h"
#include "model/Page.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class BookManagerTest : public ::testing::Test {
protected:
    BookManagerTest() : manager(books.path(), TestCatalogue(), &strings) {
        strings.ApplyLanguageLine("cUntitledBook=My Book");
        log.Watch(&manager, &BookManager::bookAboutToChange, "before");
        log.Watch(&manager, &BookManager::bookChanged, "change");
        log.Watch(&manager, &BookManager::bookChangeDone, "after");
        log.Watch(&manager, &BookManager::bookListChanged, "all");
        log.Watch(&manager, &BookManager::quitting, "quit");
        log.Watch(&manager.Session(), &BookSession::pageIndexChanged, "index");
    }
    void MakeFolders(const QStringList& names) {
        for (const QString& name : names)
            ASSERT_TRUE(QDir(books.path()).mkdir(name));
    }
    void WriteBookIni(const QByteArray& content) {
        QFile file(books.filePath("book.ini"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    QByteArray BookIni() const {
        QFile file(books.filePath("book.ini"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QStringList Folders() const {
        return QDir(books.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    }

    QTemporaryDir books;
    Constants strings;
    BookManager manager;
    EventLog log;
};

} // namespace

TEST_F(BookManagerTest, FirstStartCreatesTheUntitledBook) {
    manager.Initialize();
    EXPECT_EQ(log.entries, QStringList({"all", "before My Book", "change", "after", "index"}));
    EXPECT_EQ(manager.GetBook()->GetName(), "My Book");
    EXPECT_EQ(manager.GetAllBooks(), QStringList({"My Book"}));
    EXPECT_EQ(Folders(), QStringList({"My Book"}));
    EXPECT_EQ(BookIni(), QByteArray("My Book\r\n"));
    EXPECT_EQ(manager.GetBook()->PagesCount(), 20);
    EXPECT_FALSE(QFile::exists(books.filePath("My Book/book.pbx"))); // nothing saved yet
}

TEST_F(BookManagerTest, ReopensTheLastBookNamedExactly) {
    MakeFolders({"Autumn", "Summer"});
    WriteBookIni("Summer\r\n");
    manager.Initialize();
    EXPECT_EQ(manager.GetBook()->GetName(), "Summer");
}

TEST_F(BookManagerTest, LastBookInAnotherCaseOpensTheFirstBook) {
    MakeFolders({"Autumn", "summer"});
    WriteBookIni("Summer\r\n");
    manager.Initialize();
    EXPECT_EQ(manager.GetBook()->GetName(), "Autumn");
    EXPECT_EQ(BookIni(), QByteArray("Autumn\r\n"));
}

TEST_F(BookManagerTest, NewBookIsSavedAndAnnounced) {
    manager.Initialize();
    log.entries.clear();
    EXPECT_EQ(manager.NewBook("Trip"), BookNameCheck::Accepted);
    EXPECT_EQ(log.entries, QStringList({"before Trip", "change", "after", "all"}));
    EXPECT_TRUE(QFile::exists(books.filePath("Trip/book.pbx")));
    EXPECT_EQ(manager.GetAllBooks(), QStringList({"My Book", "Trip"}));
    EXPECT_EQ(BookIni(), QByteArray("Trip\r\n"));
}

TEST_F(BookManagerTest, RefusedNamesChangeNothing) {
    MakeFolders({"Trip"});
    manager.Initialize();
    log.entries.clear();
    EXPECT_EQ(manager.NewBook(""), BookNameCheck::Required);
    EXPECT_EQ(manager.NewBook("TRIP"), BookNameCheck::AlreadyExists);
    EXPECT_EQ(manager.NewBook("book.ini"), BookNameCheck::AlreadyExists);
    for (const QString& name : QStringList{"..", ".", "../out", "a/b", "a\\b", "tab\tname"})
        EXPECT_EQ(manager.NewBook(name), BookNameCheck::Invalid) << name.toStdString();
    EXPECT_TRUE(log.entries.isEmpty());
    EXPECT_EQ(Folders(), QStringList({"Trip"}));
    EXPECT_FALSE(QFile::exists(books.filePath("Trip/book.pbx")));
    EXPECT_FALSE(QDir(books.filePath("../out")).exists());
    EXPECT_EQ(manager.GetBook()->GetName(), "Trip");
}

TEST_F(BookManagerTest, LoadBookReadsSilentlyAndAnnouncesInOrder) {
    manager.Initialize();
    manager.NewBook("Trip");
    manager.GetBook()->GetPage(3)->ChangeBackground("sea");
    manager.Session().ShowPage(5);
    manager.GetBook()->SaveBook();
    log.entries.clear();
    ASSERT_TRUE(manager.LoadBook("Trip"));
    EXPECT_EQ(log.entries, QStringList({"before Trip", "change", "index", "after"}));
    EXPECT_EQ(manager.GetBook()->GetPage(3)->Background(), "sea");
    EXPECT_EQ(manager.Session().PageIndex(), 0);
    EXPECT_FALSE(manager.LoadBook("../Trip"));
}

TEST_F(BookManagerTest, RenameMovesTheFolderAndReopens) {
    MakeFolders({"Trip", "Other"});
    WriteBookIni("Trip\r\n");
    manager.Initialize();
    manager.GetBook()->GetPage(2)->ChangeBackground("kept");
    manager.GetBook()->SaveBook();
    log.entries.clear();
    ASSERT_TRUE(manager.Rename("Journey"));
    EXPECT_EQ(log.entries,
              QStringList({"all", "before Journey", "change", "index", "after", "change"}));
    EXPECT_EQ(Folders(), QStringList({"Journey", "Other"}));
    EXPECT_EQ(manager.GetBook()->GetName(), "Journey");
    EXPECT_EQ(manager.GetBook()->GetPage(2)->Background(), "kept");
    EXPECT_EQ(BookIni(), QByteArray("Journey\r\n"));
}

TEST_F(BookManagerTest, RenameFailsSilently) {
    MakeFolders({"Trip", "Other"});
    WriteBookIni("Trip\r\n");
    manager.Initialize();
    log.entries.clear();
    for (const QString& name : QStringList{"other", "Trip", "", "..", "../x", "a/b", "book.ini"})
        EXPECT_FALSE(manager.Rename(name)) << name.toStdString();
    EXPECT_TRUE(log.entries.isEmpty());
    EXPECT_EQ(Folders(), QStringList({"Other", "Trip"}));
    EXPECT_TRUE(manager.Rename("TRIP")); // only the letter case changes
    EXPECT_EQ(manager.GetBook()->GetName(), "TRIP");
}

TEST_F(BookManagerTest, DeleteBookOpensTheFirstRemaining) {
    MakeFolders({"A", "B"});
    WriteBookIni("B\r\n");
    manager.Initialize();
    log.entries.clear();
    manager.DeleteBook();
    EXPECT_EQ(log.entries, QStringList({"all", "before A", "change", "after"}));
    EXPECT_EQ(Folders(), QStringList({"A"}));
    EXPECT_EQ(manager.GetBook()->GetName(), "A");
}

TEST_F(BookManagerTest, DeletingTheOnlyBookOpensANewUntitledOne) {
    MakeFolders({"Only"});
    manager.Initialize();
    manager.DeleteBook();
    EXPECT_EQ(manager.GetBook()->GetName(), "My Book");
    EXPECT_EQ(Folders(), QStringList({"My Book"}));
    EXPECT_EQ(manager.GetAllBooks(), QStringList({"My Book"}));
    EXPECT_TRUE(QFile::exists(books.filePath("book.ini")));
}

TEST_F(BookManagerTest, QuitRaisesQuitting) {
    manager.Initialize();
    log.entries.clear();
    manager.Quit();
    EXPECT_EQ(log.entries, QStringList({"quit"}));
}

TEST_F(BookManagerTest, EditsCommittedBeforeAChangeSurviveReopeningTheSameBook) {
    MakeFolders({"Trip"});
    manager.Initialize();
    // An editor that commits its pending text when the book is about to change.
    QObject::connect(&manager, &BookManager::bookAboutToChange, &log, [this] {
        manager.GetBook()->GetPage(0)->SetText(0, "pending");
        manager.GetBook()->SaveBook();
    });
    manager.LoadBook("Trip");
    EXPECT_EQ(manager.GetBook()->GetPage(0)->text(0), "pending");
    manager.GetBook()->GetPage(0)->SetText(0, "");
    ASSERT_TRUE(manager.Rename("Journey"));
    EXPECT_EQ(manager.GetBook()->GetPage(0)->text(0), "pending");
}

TEST_F(BookManagerTest, MissingBooksFolderOpensTheUntitledBook) {
    BookManager fresh(books.filePath("not/yet"), TestCatalogue(), &strings);
    fresh.Initialize();
    EXPECT_EQ(fresh.GetBook()->GetName(), "My Book");
    EXPECT_TRUE(QDir(books.filePath("not/yet/My Book")).exists());
    EXPECT_TRUE(QFile::exists(books.filePath("not/yet/book.ini")));
}

TEST_F(BookManagerTest, ANewBookThatCannotBeMadeLeavesEverythingAsItWas) {
    MakeFolders({"Trip"});
    WriteBookIni("Trip\r\n");
    manager.Initialize();
    const auto trip = manager.GetBook();
    const QString tooLong(256, 'n'); // longer than a folder name may be
    EXPECT_THROW(manager.NewBook(tooLong), LumbraError);
    EXPECT_EQ(BookIni(), "Trip\r\n");
    EXPECT_EQ(Folders(), QStringList{"Trip"});
    EXPECT_EQ(manager.GetBook(), trip);
    EXPECT_EQ(manager.GetAllBooks(), QStringList{"Trip"});
}

// The open book is locked against other writers; a book another writer
// holds is passed over at the start and not opened later, and the window
// lets go of a book it leaves.
TEST_F(BookManagerTest, ABookAnotherWriterHoldsIsPassedOverAndNotOpened) {
    MakeFolders({"Autumn", "Summer"});
    WriteBookIni("Summer\r\n");
    auto held = std::make_optional(BookLock::Take(books.filePath("Summer"), "lumbra --fill"));
    ASSERT_TRUE(*held);
    QSignalSpy busy(&manager, &BookManager::bookBusy);
    manager.Initialize();
    EXPECT_EQ(manager.GetBook()->GetName(), "Autumn");
    ASSERT_EQ(busy.count(), 1);
    EXPECT_EQ(busy[0][0].toString(), "Summer");
    EXPECT_TRUE(busy[0][1].toString().contains(
        QStringLiteral("lumbra --fill (process %1)").arg(QCoreApplication::applicationPid())))
        << busy[0][1].toString().toStdString();
    EXPECT_FALSE(BookLock::Take(books.filePath("Autumn"), "lumbra --pdf"));

    EXPECT_FALSE(manager.LoadBook("Summer"));
    EXPECT_EQ(manager.GetBook()->GetName(), "Autumn");
    ASSERT_TRUE(manager.Rename("Fall")); // the lock goes with the folder
    EXPECT_FALSE(BookLock::Take(books.filePath("Fall"), "lumbra --pdf"));

    held.reset();
    EXPECT_TRUE(manager.LoadBook("Summer"));
    EXPECT_TRUE(BookLock::Take(books.filePath("Fall"), "lumbra --pdf"));
    EXPECT_FALSE(BookLock::Take(books.filePath("Summer"), "lumbra --pdf"));
}

TEST_F(BookManagerTest, EveryBookHeldElsewhereOpensANewOne) {
    MakeFolders({"My Book"});
    const auto held = BookLock::Take(books.filePath("My Book"), "lumbra --import");
    ASSERT_TRUE(held);
    manager.Initialize();
    EXPECT_EQ(manager.GetBook()->GetName(), "My Book 2");
    EXPECT_EQ(Folders(), QStringList({"My Book", "My Book 2"}));
}
