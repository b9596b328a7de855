#include "model/BookSession.h"

#include "base/Md5.h"
#include "imaging/TestJpegs.h"
#include "model/BackgroundApply.h"
#include "model/Book.h"
#include "model/BookManager.h"
#include "model/HeldPhotoFiles.h"
#include "model/ModelTestSupport.h"
#include "model/Page.h"
#include "model/PageDrop.h"
#include "model/PhotoImage.h"
#include "model/PhotoImageList.h"
#include "model/Template.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

namespace {

// The default template: photo box (0, 0, 289, 208), text box (30, 180, 230, 25).
constexpr float kPhotoX = 100, kPhotoY = 50;

class BookHistoryTest : public ::testing::Test {
public: // the step makers below work on it
    void SetUp() override {
        manager = std::make_unique<BookManager>(books.path() + QLatin1Char('/'), TestCatalogue(),
                                                nullptr);
        manager->Initialize();
        book = manager->GetBook();
        for (int i = 0; i < 3; ++i)
            photos.push_back(Import(QStringLiteral("p%1.jpg").arg(i)));
        ApplyDropText(*book, *book->GetPage(0), photos[0]->GetKey(), kPhotoX, kPhotoY);
        ApplyDropText(*book, *book->GetPage(1), photos[1]->GetKey(), kPhotoX, kPhotoY);
        book->GetPage(0)->SetText(0, QStringLiteral("{\\rtf1 Summer}"));
        book->SaveBook();
        // The ".dim" files cache a picture's size when it is first asked for;
        // asked now, only what a step writes differs.
        for (const auto& photo : photos)
            EXPECT_GT(photo->GetWidth(), 0);
        history = &manager->Session();
    }

    std::shared_ptr<PhotoImage> Import(const QString& name) {
        const QString path = pictures.filePath(name);
        TestJpegs::Write(path, TestJpegs::PhotoLike(320, 240));
        auto photo = std::make_shared<PhotoImage>();
        photo->SetImage(path, book->GetBookFolder());
        EXPECT_TRUE(photo->IsSupportedFormat());
        EXPECT_GT(photo->GetWidth(), 0);
        book->Photos().Add(photo);
        return photo;
    }
    // Files imported or dropped through the session, as the windows do it.
    void ImportThroughSession(const QString& name) {
        const QString path = pictures.filePath(name);
        TestJpegs::Write(path, TestJpegs::PhotoLike(320, 240));
        QSignalSpy finished(history, &BookSession::importsFinished);
        history->ImportPhotos({path});
        ASSERT_TRUE(finished.wait(30000));
    }
    void DropThroughSession(int page, const QString& name) {
        const QString path = pictures.filePath(name);
        TestJpegs::Write(path, TestJpegs::PhotoLike(320, 240));
        QSignalSpy done(history, &BookSession::dropDone);
        history->DropFiles(book->GetPage(page), {path}, kPhotoX, kPhotoY);
        ASSERT_TRUE(done.wait(30000));
    }
    // What the photo editor does: changes made while it is open, one step on closing.
    void EditPhoto(const std::shared_ptr<PhotoImage>& photo,
                   const std::function<void(PhotoImage&)>& edit) {
        const auto page = photo->GetPage();
        const QString before = page->Serialize();
        edit(*photo);
        history->PhotoEdited(*page, before);
    }
    std::shared_ptr<PhotoImage> FirstUnplacedPhoto() const {
        for (const auto& photo : book->Photos())
            if (!photo->GetPage())
                return photo;
        return nullptr;
    }
    FolderFiles Files() const {
        book->WaitForSaves(); // written off this thread
        return ReadFolderFiles(book->GetBookFolder());
    }
    QString HeldFolder() const { return HeldPhotoFiles::Folder(book->GetBookFolder()); }

    QTemporaryDir books;
    QTemporaryDir pictures;
    std::unique_ptr<BookManager> manager;
    std::shared_ptr<Book> book;
    std::vector<std::shared_ptr<PhotoImage>> photos;
    BookSession* history = nullptr;
};

struct StepCase {
    QString name;
    std::function<void(BookHistoryTest&)> make;
};

// Each kind of change the windows make, through the session as they do it.
std::vector<StepCase> StepCases() {
    return {
        {"Place Photo",
         [](BookHistoryTest& t) {
             t.history->DropOnPage(*t.book->GetPage(2), t.photos[2]->GetKey(), kPhotoX, kPhotoY);
         }},
        {"Swap Photos", // moved from page 1 onto page 0: the photos swap
         [](BookHistoryTest& t) {
             t.history->DropOnPage(*t.book->GetPage(0), t.photos[1]->GetKey(), kPhotoX, kPhotoY);
         }},
        {"Edit Photo",
         [](BookHistoryTest& t) {
             t.EditPhoto(t.photos[0], [](PhotoImage& p) { p.SetPlacement(40, -30, 0.5f, 90); });
         }},
        {"Remove Photo", // back to the photos pane, still in the book
         [](BookHistoryTest& t) { EXPECT_TRUE(t.history->TakePhotoOff(t.photos[1])); }},
        {"Change Template", // the photo of page 0 has no box left
         [](BookHistoryTest& t) {
             t.history->DropOnPage(*t.book->GetPage(0),
                                   QStringLiteral("T:") + RowTemplate(0, 1)->Serialize(), 0, 0);
         }},
        {"Change Template", // the text of page 0 has no box left
         [](BookHistoryTest& t) {
             t.history->DropOnPage(*t.book->GetPage(0),
                                   QStringLiteral("T:") + RowTemplate(1, 0)->Serialize(), 0, 0);
         }},
        {"Edit Text",
         [](BookHistoryTest& t) {
             t.history->EditText(*t.book->GetPage(3), 0, QStringLiteral("{\\rtf1 Winter}"));
         }},
        {"Set Background",
         [](BookHistoryTest& t) {
             t.history->SetBackground(QStringLiteral("leaf"), BackgroundPages::All);
         }},
        {"Set Background",
         [](BookHistoryTest& t) {
             t.history->SetBackground(QStringLiteral("sand"), BackgroundPages::EvenNumbers);
         }},
        {"Add Page", [](BookHistoryTest& t) { t.history->AddPage(); }},
        {"Delete Page", // the page with a photo and a text
         [](BookHistoryTest& t) { t.history->DeletePage(0); }},
        {"Swap Pages", [](BookHistoryTest& t) { t.history->SwapPages(0, 5); }},
        {"Move Pages", [](BookHistoryTest& t) { t.history->MovePages(0, 2, 7); }},
        {"Move Page", [](BookHistoryTest& t) { t.history->MovePages(9, 1, 1); }},
        {"Import Photos",
         [](BookHistoryTest& t) { t.ImportThroughSession(QStringLiteral("new.jpg")); }},
        {"Place Photo", // a file dropped from the desktop: imported and placed
         [](BookHistoryTest& t) { t.DropThroughSession(4, QStringLiteral("dropped.jpg")); }},
        {"Delete Photo", // as the cross on a tile of the photos pane does
         [](BookHistoryTest& t) { t.history->DeletePhoto(t.FirstUnplacedPhoto()); }},
    };
}

TEST_F(BookHistoryTest, EveryKindOfStepUndoesToTheFilesBeforeAndRedoesToTheFilesAfter) {
    for (const StepCase& step : StepCases()) {
        SCOPED_TRACE(step.name.toStdString());
        const FolderFiles before = Files();
        const int index = history->Stack().index();
        step.make(*this);
        const FolderFiles after = Files();
        ASSERT_NE(FolderDifferences(after, before), "");
        ASSERT_EQ(history->Stack().index(), index + 1);
        EXPECT_EQ(history->Stack().undoText(), step.name);

        history->Stack().undo();
        EXPECT_EQ(FolderDifferences(Files(), before), "");
        EXPECT_EQ(history->Stack().redoText(), step.name);
        history->Stack().redo();
        EXPECT_EQ(FolderDifferences(Files(), after), "");
        history->Stack().undo();
        EXPECT_EQ(FolderDifferences(Files(), before), "");
    }
}

TEST_F(BookHistoryTest, UndoingStepAfterStepReturnsThroughEveryEarlierState) {
    std::vector<FolderFiles> states{Files()};
    for (const StepCase& step : StepCases()) {
        step.make(*this);
        states.push_back(Files());
    }
    ASSERT_EQ(history->Stack().count(), int(states.size()) - 1);
    for (size_t i = states.size() - 1; i > 0; --i) {
        SCOPED_TRACE(i);
        history->Stack().undo();
        EXPECT_EQ(FolderDifferences(Files(), states[i - 1]), "");
    }
    for (size_t i = 1; i < states.size(); ++i) {
        history->Stack().redo();
        EXPECT_EQ(FolderDifferences(Files(), states[i]), "");
    }
}

TEST_F(BookHistoryTest, UndoneStepsBringBackThePoolAndThePlacedPhotos) {
    const QString deleted = photos[2]->GetName();
    StepCases().back().make(*this); // the pool loses photo 2
    history->DeletePage(0);
    history->Stack().undo();
    history->Stack().undo();
    ASSERT_TRUE(book->Photos().Find(photos[2]->GetKey()));
    EXPECT_EQ(book->Photos().Find(photos[2]->GetKey())->GetName(), deleted);
    const auto placed = book->GetPage(0)->Photo(0);
    ASSERT_TRUE(placed);
    EXPECT_EQ(placed->GetKey(), photos[0]->GetKey());
    EXPECT_EQ(placed->GetPage(), book->GetPage(0));
    EXPECT_EQ(book->GetPage(0)->text(0), QStringLiteral("{\\rtf1 Summer}"));
}

TEST_F(BookHistoryTest, OperationsThatChangeNothingMakeNoStep) {
    book->SaveBook();
    history->SetBackground(QString(), BackgroundPages::All);
    history->EditText(*book->GetPage(0), 0, QStringLiteral("{\\rtf1 Summer}"));
    EXPECT_EQ(history->Stack().count(), 0);
}

TEST_F(BookHistoryTest, EachOpeningOfThePhotoEditorIsOneStep) {
    const FolderFiles start = Files();
    EditPhoto(photos[0], [](PhotoImage& p) { // one opening: zoom, pan and turn, saved on closing
        p.SetRatio(0.8f);
        p.SetImageLocation(10, 10);
        p.SetAngle(90);
    });
    const FolderFiles first = Files();
    EditPhoto(photos[0], [](PhotoImage& p) { p.SetRatio(0.6f); }); // the editor opened again
    ASSERT_EQ(history->Stack().count(), 2);
    history->Stack().undo();
    EXPECT_EQ(FolderDifferences(Files(), first), "");
    history->Stack().undo();
    EXPECT_EQ(FolderDifferences(Files(), start), "");
    EXPECT_FLOAT_EQ(photos[0]->ratio(), 1.0f);
}

TEST_F(BookHistoryTest, SavesOutsideTheSessionAreNoSteps) {
    book->AddNewPage();
    book->SaveBook();
    EXPECT_EQ(history->Stack().count(), 0);
    history->AddPage();
    EXPECT_EQ(history->Stack().count(), 1);
    EXPECT_EQ(history->Stack().undoText(), QStringLiteral("Add Page"));
}

class HeldFilesTest : public BookHistoryTest {
protected:
    void DeletePhoto2() { StepCases().back().make(*this); }
    QStringList HeldFiles() const {
        return QDir(HeldFolder()).entryList(QDir::Files | QDir::Hidden);
    }
    QString PhotoFile() const { return photos[2]->GetName() + QStringLiteral("_or.jpg"); }
};

TEST_F(HeldFilesTest, ADeletedPhotosFilesWaitWhileTheStepCanBeUndone) {
    const QStringList photoFiles =
        QDir(book->GetBookFolder()).entryList({photos[2]->GetName() + QStringLiteral("_*")});
    ASSERT_GE(photoFiles.size(), 4);
    DeletePhoto2();
    EXPECT_FALSE(QFile::exists(book->GetBookFolder() + PhotoFile()));
    EXPECT_TRUE(HeldFiles().contains(PhotoFile()));
    EXPECT_EQ(HeldFiles(), photoFiles);
    history->Stack().undo();
    EXPECT_TRUE(QFile::exists(book->GetBookFolder() + PhotoFile()));
    EXPECT_TRUE(HeldFiles().isEmpty());
    history->Stack().redo();
    EXPECT_TRUE(HeldFiles().contains(PhotoFile()));
}

TEST_F(HeldFilesTest, TheFilesGoWhenANewStepDropsTheUndoneImport) {
    ImportThroughSession(QStringLiteral("new.jpg"));
    const QString added = book->Photos().Find(Md5().Hash(pictures.filePath("new.jpg")))->GetName();
    history->Stack().undo(); // the import's files are held for a redo
    EXPECT_TRUE(HeldFiles().contains(added + QStringLiteral("_or.jpg")));
    history->AddPage(); // the redo is lost
    EXPECT_TRUE(HeldFiles().isEmpty());
    EXPECT_FALSE(QDir(HeldFolder()).exists());
}

TEST_F(HeldFilesTest, OpeningAnotherBookClearsTheStackAndTheHeldFiles) {
    DeletePhoto2();
    const QString heldFolder = HeldFolder();
    ASSERT_EQ(manager->NewBook(QStringLiteral("Second")), BookNameCheck::Accepted);
    EXPECT_EQ(history->Stack().count(), 0);
    EXPECT_FALSE(QDir(heldFolder).exists());
    history->AddPage();
    EXPECT_EQ(history->Stack().count(), 1);
}

TEST_F(HeldFilesTest, QuittingDeletesTheHeldFiles) {
    DeletePhoto2();
    manager->Quit();
    EXPECT_FALSE(QDir(HeldFolder()).exists());
    EXPECT_EQ(history->Stack().count(), 0);
}

TEST_F(HeldFilesTest, ABookOpenedAgainLeavesNoHeldFilesBehind) {
    DeletePhoto2();
    // what a crash would leave behind; the next opening clears it
    ASSERT_TRUE(QDir().mkpath(HeldFolder()));
    QFile junk(HeldFolder() + PhotoFile());
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.close();
    manager->LoadBook(book->GetName());
    EXPECT_FALSE(QDir(HeldFolder()).exists());
}

// What a crash in the middle of a step leaves: the placed photo's files held
// while "book.pbx" still names it, a deleted photo's held files and an old
// leftover. Every opening brings the named photo back; only the window's
// (tidy) opening deletes the rest.
TEST_F(HeldFilesTest, OpeningsBringBackWhatTheBookNamesAndOnlyATidyOneDeletes) {
    book->WaitForSaves();
    const QString folder = book->GetBookFolder();
    const QString leftover = folder + QStringLiteral("book.pbx.Ab12Cd");
    for (const Book::Opening opening : {Book::Opening::Keep, Book::Opening::Tidy}) {
        const bool tidy = opening == Book::Opening::Tidy;
        SCOPED_TRACE(tidy ? "tidy" : "keep");
        HeldPhotoFiles::Hold(folder, photos[0]->GetName()); // on page 1
        HeldPhotoFiles::Hold(folder, photos[2]->GetName()); // on no page
        QFile old(leftover);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.close();
        ASSERT_TRUE(old.open(QIODevice::ReadWrite));
        ASSERT_TRUE(old.setFileTime(QDateTime::currentDateTime().addDays(-1),
                                    QFileDevice::FileModificationTime));
        old.close();

        Book opened(books.path() + u'/', ModelContext{&TestCatalogue()});
        opened.SetName(book->GetName());
        opened.LoadBook(opening);
        EXPECT_TRUE(QFile::exists(folder + photos[0]->GetName() + QStringLiteral("_or.jpg")));
        ASSERT_TRUE(opened.GetPage(0)->Photo(0));
        EXPECT_EQ(opened.GetPage(0)->Photo(0)->GetKey(), photos[0]->GetKey());
        EXPECT_EQ(HeldFiles().contains(PhotoFile()), !tidy);
        EXPECT_EQ(QFile::exists(leftover), !tidy);
        HeldPhotoFiles::Release(folder, photos[2]->GetName());
    }
}

TEST_F(HeldFilesTest, ARemovedBookTakesItsHeldFilesAlong) {
    HeldPhotoFiles::Hold(book->GetBookFolder(), photos[2]->GetName());
    ASSERT_FALSE(HeldFiles().isEmpty());
    const QString folder = book->GetBookFolder();
    book->Remove();
    EXPECT_FALSE(QDir(folder).exists());
}

} // namespace
