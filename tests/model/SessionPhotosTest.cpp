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
#include <QImage>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// After each step, undo and redo the session tells the photos pane which
// photos came to stand on no page and which left it; a photo that leaves a
// page comes back reset.
TEST(SessionPhotosTest, AnnouncesThePhotosThatCameToStandOnNoPageAndThatLeftIt) {
    QTemporaryDir books;
    PhotoFolder folder;
    BookManager manager(books.path() + u'/', TestCatalogue());
    ASSERT_EQ(manager.NewBook(QStringLiteral("Trip")), BookNameCheck::Accepted);
    BookSession& session = manager.Session();
    RecordingHost pane;
    pane.Follow(session);
    const auto book = manager.GetBook();
    const auto a = folder.Make(1);
    const auto b = folder.Make(2);
    book->Photos().Add(a);
    book->Photos().Add(b);
    Page& page = *book->GetPage(0);

    session.DropOnPage(page, a->GetKey(), 100, 50);
    EXPECT_EQ(pane.removed, QStringList({TestKey(1)}));
    EXPECT_TRUE(pane.added.isEmpty());
    a->SetRatio(0.5f);
    session.DropOnPage(page, b->GetKey(), 100, 50); // b takes a's box
    EXPECT_EQ(pane.removed, QStringList({TestKey(1), TestKey(2)}));
    EXPECT_EQ(pane.added, QStringList({TestKey(1)}));
    EXPECT_EQ(pane.inBookOrder, QList<bool>({false}));
    EXPECT_FLOAT_EQ(a->ratio(), 1.0f);

    session.Stack().undo(); // a back in the box, b to its place in the pane
    EXPECT_EQ(pane.added.last(), TestKey(2));
    EXPECT_EQ(pane.removed.last(), TestKey(1));
    EXPECT_TRUE(pane.inBookOrder.last());
    EXPECT_EQ(book->GetPage(0)->Photo(0), a);
    const qsizetype announced = pane.added.size() + pane.removed.size();
    session.Stack().redo();
    session.Stack().undo();
    EXPECT_EQ(pane.added.size() + pane.removed.size(), announced + 4);
    session.MovePages(0, 1, 2); // no photo moves: nothing to tell
    EXPECT_EQ(pane.added.size() + pane.removed.size(), announced + 4);
}

// A photo whose full-size file is gone stays on its page, marked, through a
// reopening; found again, it has its files back.
TEST(SessionPhotosTest, APhotoWithoutItsFileStaysOnItsPageUntilFoundAgain) {
    QTemporaryDir books;
    QTemporaryDir sources;
    BookManager manager(books.path() + u'/', TestCatalogue());
    ASSERT_EQ(manager.NewBook(QStringLiteral("Trip")), BookNameCheck::Accepted);
    BookSession& session = manager.Session();
    const QString source = sources.filePath(QStringLiteral("a.jpg"));
    QImage picture(1200, 900, QImage::Format_RGB32);
    picture.fill(Qt::darkGreen);
    TestJpegs::Write(source, picture);
    auto photo = std::make_shared<PhotoImage>();
    photo->SetImage(source, manager.GetBook()->GetBookFolder());
    manager.GetBook()->Photos().Add(photo);
    session.DropOnPage(*manager.GetBook()->GetPage(0), photo->GetKey(), 100, 50);
    manager.GetBook()->SaveBook();
    ASSERT_TRUE(manager.GetBook()->WaitForSaves());
    const QString original = photo->GetThumbFile(ThumbType::Original);
    ASSERT_TRUE(QFile::remove(original));

    ASSERT_TRUE(manager.LoadBook(QStringLiteral("Trip")));
    const auto book = manager.GetBook();
    const auto missing = book->GetPage(0)->Photo(0);
    ASSERT_TRUE(missing);
    EXPECT_EQ(missing->GetName(), photo->GetName());
    EXPECT_TRUE(missing->Placement().fileMissing);

    QSignalSpy relinked(&session, &BookSession::photoRelinked);
    session.RelinkPhoto(missing, books.filePath(QStringLiteral("nothing.jpg")));
    ASSERT_TRUE(relinked.wait(10000));
    EXPECT_FALSE(relinked[0][1].toString().isEmpty());
    EXPECT_TRUE(missing->FileMissing());
    session.RelinkPhoto(missing, source);
    ASSERT_TRUE(relinked.wait(10000));
    EXPECT_EQ(relinked[1][1].toString(), QString());
    EXPECT_FALSE(missing->FileMissing());
    EXPECT_TRUE(QFile::exists(original));
    EXPECT_TRUE(missing->Record());
}
