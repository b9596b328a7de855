#include "model/Book.h"
#include "base/FifoWatchdog.h"
#include "base/LumbraError.h"
#include "model/BookFiles.h"
#include "model/FileSizeLimit.h"
#include "model/ModelTestSupport.h"
#include "model/Page.h"
#include "model/PhotoImage.h"
#include "model/PhotoImageList.h"
#include "model/Template.h"
#include "model/Templates.h"

#include "base/LogCapture.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class BookTest : public ::testing::Test {
protected:
    BookTest() { context.templates = &TestCatalogue(); }

    std::unique_ptr<Book> MakeBook(const QString& name = QStringLiteral("Trip")) {
        auto book = std::make_unique<Book>(books.path(), context);
        book->SetName(name);
        return book;
    }
    QString StateFile(const QString& name = QStringLiteral("Trip")) const {
        return books.filePath(name + "/book.pbx");
    }
    static void WriteFile(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    static QByteArray ReadFile(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    static QList<int> PageIds(const Book& book) {
        QList<int> ids;
        for (int i = 0; i < book.PagesCount(); ++i)
            ids << book.GetPage(i)->GetPageId();
        return ids;
    }

    QTemporaryDir books;
    ModelContext context;
};

} // namespace

TEST_F(BookTest, NewBookHasTwentyNumberedDefaultPages) {
    auto book = MakeBook();
    ASSERT_EQ(book->PagesCount(), 20);
    EXPECT_EQ(PageIds(*book).first(), 1);
    EXPECT_EQ(PageIds(*book).last(), 20);
    EXPECT_EQ(book->GetPage(7)->Template(), TestCatalogue().GetDefaultTemplate());
    EXPECT_EQ(book->GetBookFolder(), books.filePath("Trip") + "/");
    EXPECT_TRUE(QDir(book->GetBookFolder()).exists());
    EXPECT_EQ(ReadFile(books.filePath("book.ini")), QByteArray("Trip\r\n"));
    EXPECT_THROW(book->GetPage(20), LumbraError);
}

TEST_F(BookTest, UnsafeNameIsRefused) {
    auto book = MakeBook();
    EXPECT_FALSE(book->SetName("../escape"));
    EXPECT_EQ(book->GetName(), "Trip");
    EXPECT_FALSE(QDir(books.filePath("../escape")).exists());
}

TEST_F(BookTest, SaveWritesPlusBeforeEveryPage) {
    auto book = MakeBook();
    book->SaveBook();
    ASSERT_TRUE(book->WaitForSaves());
    const QString page = "Photo[0,0,289,208,0]Text[30,180,230,25,0]Image{}Text{}bgImage()";
    EXPECT_EQ(ReadFile(StateFile()), (QString("+" + page).repeated(20) + "\r\n").toLatin1());
}

TEST_F(BookTest, LoadedPagesCountAndNumbering) {
    for (int stored : {25, 20, 3}) {
        auto book = MakeBook();
        for (int i = 20; i < stored; ++i)
            book->AddNewPage();
        while (book->PagesCount() > stored)
            book->RemovePage(0);
        book->GetPage(stored - 1)->ChangeBackground(QStringLiteral("last %1").arg(stored));
        book->SaveBook();
        book->WaitForSaves();
        auto loaded = MakeBook();
        loaded->LoadBook();
        const int expected = std::max(20, stored);
        ASSERT_EQ(loaded->PagesCount(), expected) << stored;
        EXPECT_EQ(loaded->GetPage(0)->GetPageId(), 21);
        EXPECT_EQ(loaded->GetPage(stored - 1)->Background(), QStringLiteral("last %1").arg(stored));
        EXPECT_EQ(loaded->GetPage(expected - 1)->GetPageId(), stored >= 20 ? 20 + stored : 20);
    }
}

TEST_F(BookTest, MissingOrEmptyFirstLineKeepsDefaultPages) {
    auto book = MakeBook();
    book->LoadBook();
    EXPECT_EQ(book->PagesCount(), 20);
    WriteFile(StateFile(), "\r\n+Photo[0,0,1,1,0]Image{}Text{}bgImage(x)\r\n");
    auto other = MakeBook();
    other->LoadBook();
    EXPECT_EQ(other->GetPage(0)->Background(), QString());
    EXPECT_EQ(PageIds(*other).first(), 1);
}

TEST_F(BookTest, StateFilesThatAreFifosOrDevicesReadAsMissing) {
    MakeBook()->SaveBook();
    const QString state = StateFile();
    const QString orders = books.filePath("Trip/order.pbx");
    ASSERT_TRUE(QFile::remove(state) && MakeFifo(state) && MakeFifo(orders));
    int pages = 0;
    EXPECT_TRUE(EndsWithoutBlocking(
        [&] {
            auto book = MakeBook();
            book->LoadBook();
            pages = book->PagesCount();
        },
        {state, orders}));
    EXPECT_EQ(pages, 20);

    ASSERT_TRUE(QFile::remove(state) && QFile::link("/dev/zero", state));
    auto book = MakeBook();
    book->LoadBook();
    EXPECT_EQ(book->PagesCount(), 20);
}

TEST_F(BookTest, LinesAreJoinedAndPiecesWithoutBoxesSkipped) {
    auto book = MakeBook();
    WriteFile(StateFile(), "+Photo[0,0,1,1,0]Image{}Text{}bgImage(a)+\r\n"
                           "junk+Photo[0,0,1,1,0]Image{}Text{}bgImage(b)\r\n");
    book->LoadBook();
    EXPECT_EQ(book->GetPage(0)->Background(), "a");
    EXPECT_EQ(book->GetPage(1)->Background(), "b");
    EXPECT_EQ(book->GetPage(2)->GetPageId(), 3); // a default page
}

TEST_F(BookTest, DamagedPageKeepsWhatWasReadAndLaterPagesLoad) {
    auto book = MakeBook();
    WriteFile(StateFile(), "+Text[0,0,1,1,0]Image{}Text{QUI=}Text{Qw==}bgImage(a)"
                           "+Photo[0,0,1,1,0]Image{}Text{}bgImage(b)\r\n");
    book->LoadBook();
    EXPECT_EQ(book->GetPage(0)->text(0), "AB");
    EXPECT_EQ(book->GetPage(1)->Background(), "b");
}

TEST_F(BookTest, DamagedPageAndFailedPreviewPageAreLoggedNotSwallowed) {
    auto book = MakeBook();
    WriteFile(StateFile(), "+Text[0,0,1,1,0]Image{}Text{QUI=}Text{Qw==}bgImage(a)\r\n");
    LogCapture log;
    book->LoadBook();
    EXPECT_TRUE(log.Logged(QStringLiteral("lumbra.model"), QStringLiteral("Reading a page")));
    QTemporaryDir out;
    book->PreviewBook(out.path() + "/",
                      [](const Page&, const QString&) { throw LumbraError("render failed"); }, {});
    EXPECT_TRUE(log.Logged(QStringLiteral("lumbra.model"), QStringLiteral("render failed")));
}

TEST_F(BookTest, PhotoPoolComesFromFullSizeFiles) {
    auto book = MakeBook();
    const QString folder = book->GetBookFolder();
    const QString key = TestKey(7);
    for (const QString& file :
         {"1A" + key + "_or.jpg", "2B" + key + "_or.jpg", "3C" + TestKey(8) + "_or.JPG",
          "4D" + TestKey(9) + "_sm.jpg", "5E" + TestKey(10) + "_or.jpg"})
        WriteFile(folder + file, "");
    book->LoadBook();
    EXPECT_EQ(book->Photos().GetSize(), 2);
    ASSERT_NE(book->Photos().Find(key), nullptr);
    EXPECT_EQ(book->Photos().Find(key)->GetName(), "1A" + key); // first one found
    EXPECT_NE(book->Photos().Find(TestKey(10)), nullptr);
    EXPECT_EQ(book->Photos().Find(TestKey(8)), nullptr);
}

TEST_F(BookTest, PhotoPoolFollowsImportStampsThenModificationTimes) {
    auto book = MakeBook();
    const QString folder = book->GetBookFolder();
    const QDateTime base = QDateTime::currentDateTimeUtc().addDays(-1);
    struct Stored {
        QString name;
        int secondsAfterBase;
    };
    // Expected order: the earlier stamp first even when its file changed last
    // (a copied folder), then within one stamp the earlier file first.
    const QList<Stored> expected = {{"19" + TestKey(5), 50},
                                    {"1A" + TestKey(9), 10},
                                    {"1A" + TestKey(3), 20},
                                    {"1A" + TestKey(6), 30},
                                    {"notastamp" + TestKey(1), 0}};
    for (const Stored& s : expected) {
        const QString path = folder + s.name + "_or.jpg";
        WriteFile(path, s.name.toLatin1());
        BookFiles::MarkImported(folder, s.name, base.addSecs(s.secondsAfterBase));
        ASSERT_EQ(QFileInfo(path).lastModified(), base.addSecs(s.secondsAfterBase));
    }
    book->LoadBook();
    QStringList names;
    for (const auto& photo : book->Photos())
        names << photo->GetName();
    QStringList wanted;
    for (const Stored& s : expected)
        wanted << s.name;
    EXPECT_EQ(names.join(" ").toStdString(), wanted.join(" ").toStdString());
    for (const Stored& s : expected) // marking keeps the bytes
        EXPECT_EQ(ReadFile(folder + s.name + "_or.jpg"), s.name.toLatin1());
}

TEST_F(BookTest, PhotosOnPagesSurviveSaveAndLoad) {
    auto book = MakeBook();
    PhotoFolder unused;
    const QString folder = book->GetBookFolder();
    auto photo = std::make_shared<PhotoImage>();
    photo->CopyName(PhotoFolder::NameOf(3));
    photo->SetKey(folder, TestKey(3));
    WriteFile(folder + PhotoFolder::NameOf(3) + "_or.jpg", "");
    WriteFile(folder + PhotoFolder::NameOf(3) + "_or.dim", "3000,2000\r\n");
    book->Photos().Add(photo);
    book->GetPage(4)->AddPhoto(photo, 100, 100);
    book->SaveBook();
    book->WaitForSaves();
    auto loaded = MakeBook();
    loaded->LoadBook();
    EXPECT_EQ(loaded->GetPage(4)->Photo(0)->GetKey(), TestKey(3));
    EXPECT_EQ(loaded->GetFirstPageWithMissingPicture(), 0);
    EXPECT_EQ(loaded->GetFirstPageWithImageTooSmall(), -1);
}

TEST_F(BookTest, AddNewPageAnnouncesIt) {
    auto book = MakeBook();
    EventLog log;
    log.Watch(book.get(), &Book::pageAdded, "add");
    book->AddNewPage();
    EXPECT_EQ(log.entries, QStringList({"add"}));
    EXPECT_EQ(book->PagesCount(), 21);
    EXPECT_EQ(book->GetPage(20)->GetPageId(), 21);
    EXPECT_TRUE(book->AllowNewPage());
    while (book->PagesCount() < 100)
        book->AddNewPage();
    EXPECT_FALSE(book->AllowNewPage());
}

TEST_F(BookTest, RemovePageShiftsAndAnnounces) {
    auto book = MakeBook();
    book->AddNewPage(); // 21 pages
    const auto sixth = book->GetPage(6);
    EventLog log;
    log.Watch(book.get(), &Book::pageChanged, "changed");
    log.Watch(book.get(), &Book::pageDeleted, "deleted");
    book->RemovePage(5);
    QStringList expected;
    for (int i = 5; i <= 19; ++i)
        expected << QStringLiteral("changed %1").arg(i);
    expected << "deleted 20";
    EXPECT_EQ(log.entries, expected);
    EXPECT_EQ(book->PagesCount(), 20);
    EXPECT_EQ(book->GetPage(5), sixth);
    EXPECT_THROW(book->RemovePage(20), LumbraError);
}

TEST_F(BookTest, RemovePageReturnsItsPhotos) {
    auto book = MakeBook();
    PhotoFolder photos;
    const auto photo = photos.Make(1);
    book->GetPage(2)->AddPhoto(photo, 10, 10);
    photo->SetRatio(0.5f);
    book->RemovePage(2);
    EXPECT_EQ(photo->GetPage(), nullptr);
    EXPECT_FLOAT_EQ(photo->ratio(), 1.0f); // reset on its way back
}

// Pages keep their objects; each slot whose page changed is announced once.
TEST_F(BookTest, MovePagesPutsARunOfPagesBeforeAnotherPage) {
    const struct {
        int first, count, before;
        std::vector<int> order; // the first six pages afterwards, by former index
        QStringList changed;
    } cases[] = {
        {4, 1, 1, {0, 4, 1, 2, 3, 5}, {"changed 1", "changed 2", "changed 3", "changed 4"}},
        {1, 2, 5, {0, 3, 4, 1, 2, 5}, {"changed 1", "changed 2", "changed 3", "changed 4"}},
        {0, 1, 20, {1, 2, 3, 4, 5, 6}, {}}, // to the end: all twenty announced
        {2, 2, 3, {0, 1, 2, 3, 4, 5}, {}},  // where they are: nothing
    };
    for (const auto& c : cases) {
        auto book = MakeBook();
        std::vector<std::shared_ptr<Page>> before;
        for (int i = 0; i < book->PagesCount(); ++i)
            before.push_back(book->GetPage(i));
        EventLog log;
        log.Watch(book.get(), &Book::pageChanged, "changed");
        book->MovePages(c.first, c.count, c.before);
        for (size_t i = 0; i < c.order.size(); ++i)
            EXPECT_EQ(book->GetPage(int(i)), before[size_t(c.order[i])]) << c.first << " " << i;
        if (c.before == 20)
            EXPECT_EQ(log.entries.size(), 20);
        else
            EXPECT_EQ(log.entries, c.changed) << c.first;
        EXPECT_EQ(book->PagesCount(), 20);
    }
    auto book = MakeBook();
    EXPECT_THROW(book->MovePages(19, 2, 0), LumbraError);
    EXPECT_THROW(book->MovePages(0, 1, 21), LumbraError);
}

TEST_F(BookTest, SwapPagesAnnouncesBothSlots) {
    auto book = MakeBook();
    const auto a = book->GetPage(2);
    const auto b = book->GetPage(7);
    EventLog log;
    log.Watch(book.get(), &Book::pageChanged, "changed");
    book->SwapPages(7, 2);
    book->SwapPages(3, 3);
    EXPECT_EQ(log.entries, QStringList({"changed 7", "changed 2"}));
    EXPECT_EQ(book->GetPage(2), b);
    EXPECT_EQ(book->GetPage(7), a);
    EXPECT_THROW(book->SwapPages(0, 20), LumbraError);
}

TEST_F(BookTest, FailedSaveKeepsThePreviousFile) {
    auto book = MakeBook();
    book->SaveBook();
    book->WaitForSaves();
    const QByteArray before = ReadFile(StateFile());
    book->GetPage(0)->SetText(0, QString(8000, 'x'));
    QSignalSpy failed(book.get(), &Book::saveFailed);
    QSignalSpy saved(book.get(), &Book::saved);
    {
        const FileSizeLimit diskFull(before.size());
        book->SaveBook(); // written off this thread
        EXPECT_FALSE(book->WaitForSaves());
    }
    ASSERT_EQ(failed.count(), 1); // the window tells the user
    EXPECT_FALSE(failed.at(0).at(0).toString().isEmpty());
    EXPECT_EQ(saved.count(), 1); // the pages were taken for the file
    EXPECT_EQ(ReadFile(StateFile()), before);
    EXPECT_EQ(QDir(book->GetBookFolder()).entryList(QDir::Files), QStringList({"book.pbx"}));
}

// Saves of quick edits are written off this thread; once they are on disk
// the file holds the last state, as a book made at once on disk writes it.
TEST_F(BookTest, QuickSavesEndInTheLastState) {
    auto book = MakeBook();
    for (int i = 0; i < 30; ++i) {
        book->GetPage(i % 5)->SetText(0, QStringLiteral("edit %1").arg(i));
        book->SaveBook();
    }
    ASSERT_TRUE(book->WaitForSaves());
    auto reread = MakeBook();
    reread->LoadBook(Book::Opening::Keep);
    ASSERT_EQ(reread->PagesCount(), book->PagesCount());
    for (int i = 0; i < book->PagesCount(); ++i)
        EXPECT_EQ(reread->GetPage(i)->Serialize(), book->GetPage(i)->Serialize());
    EXPECT_EQ(reread->GetPage(4)->text(0), "edit 29");

    auto same = MakeBook("Same");
    for (int i = 0; i < 5; ++i)
        same->GetPage(i)->SetText(0, book->GetPage(i)->text(0));
    same->CreateOnDisk("Same"); // written at once
    EXPECT_EQ(ReadFile(StateFile("Same")), ReadFile(StateFile()));
    EXPECT_EQ(QDir(book->GetBookFolder()).entryList(QDir::Files), QStringList({"book.pbx"}));
}

TEST_F(BookTest, OrderNumbers) {
    auto book = MakeBook();
    EXPECT_EQ(book->GetOrderIds(), QString());
    book->AddOrderId("1001");
    book->AddOrderId("1002");
    EXPECT_EQ(ReadFile(book->GetBookFolder() + "order.pbx"), QByteArray("1001,1002\r\n"));
    {
        const FileSizeLimit diskFull(4);
        EXPECT_THROW(book->AddOrderId("1003"), LumbraError);
    }
    EXPECT_EQ(book->GetOrderIds(), "1001,1002");
    auto loaded = MakeBook();
    loaded->LoadBook();
    EXPECT_EQ(loaded->GetOrderIds(), "1001,1002");
}

TEST_F(BookTest, RemoveDeletesFilesAndFolder) {
    auto book = MakeBook();
    book->SaveBook();
    WriteFile(book->GetBookFolder() + ".hidden", "x");
    auto keep = MakeBook("Other");
    book->Remove();
    EXPECT_FALSE(QDir(books.filePath("Trip")).exists());
    EXPECT_TRUE(QDir(books.filePath("Other")).exists());
    EXPECT_TRUE(QFile::exists(books.filePath("book.ini")));
}

TEST_F(BookTest, PreviewWritesNumberedFilesIntoANamedFolder) {
    auto book = MakeBook();
    QTemporaryDir out;
    QStringList written;
    QList<int> progress;
    const QString target = book->PreviewBook(
        out.path() + "/",
        [&](const Page& p, const QString& path) {
            if (p.GetPageId() == 2)
                throw LumbraError("render failed");
            written << QDir(out.path()).relativeFilePath(path);
        },
        [&](int index, int last) { progress << index * 100 + last; });
    EXPECT_EQ(target, out.filePath("Trip"));
    EXPECT_FALSE(QDir(target).exists()); // the writer of the files makes it
    EXPECT_EQ(written.size(), 19);
    EXPECT_EQ(written.first(), "Trip/PG1.jpg");
    EXPECT_EQ(written.last(), "Trip/PG20.jpg");
    EXPECT_EQ(progress.size(), 20);
    EXPECT_EQ(progress.last(), 1919);
}
