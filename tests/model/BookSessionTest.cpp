#include "model/BookSession.h"

#include "imaging/TestJpegs.h"
#include "model/Book.h"
#include "model/BookManager.h"
#include "model/ModelTestSupport.h"
#include "model/Page.h"
#include "model/PhotoImage.h"
#include "model/PhotoImageList.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include <algorithm>

namespace {

using Status = PhotoImportOutcome::Status;

// A file imported through the photos pane and dropped on a page at once
// goes through the one queue: the pool gets it once, the drop places that
// photo, the pane is told of it once, and the two are one step each.
TEST(BookSessionTest, ThePaneAndAPageDropShareOneQueueThatCatchesTheDuplicate) {
    QTemporaryDir books;
    QTemporaryDir pictures;
    BookManager manager(books.path() + u'/', TestCatalogue());
    manager.Initialize();
    BookSession& session = manager.Session();
    const auto book = manager.GetBook();
    const QString path = pictures.filePath(QStringLiteral("a.jpg"));
    TestJpegs::Write(path, TestJpegs::PhotoLike(320, 240));

    QSignalSpy imported(&session, &BookSession::photoImported);
    QSignalSpy shown(&session, &BookSession::photoShown);
    QSignalSpy finished(&session, &BookSession::importsFinished);
    QSignalSpy dropped(&session, &BookSession::dropDone);
    session.ImportPhotos({path});
    session.DropFiles(book->GetPage(1), {path}, 100, 50);
    EXPECT_TRUE(session.IsImporting());
    EXPECT_TRUE(session.IsDropping());
    ASSERT_TRUE(dropped.wait(30000));
    ASSERT_EQ(finished.count(), 1); // the pane's file was queued first

    ASSERT_EQ(imported.count(), 1); // the drop's outcome is not the pane's
    EXPECT_EQ(imported[0][0].value<PhotoImportOutcome>().status, Status::Added);
    EXPECT_EQ(book->Photos().GetSize(), 1);
    const auto photo = *book->Photos().begin();
    EXPECT_EQ(book->GetPage(1)->Photo(0), photo);
    EXPECT_GE(shown.count(), 1);
    EXPECT_FALSE(session.IsImporting() || session.IsDropping());
    ASSERT_EQ(session.Stack().count(), 2);
    EXPECT_EQ(session.Stack().text(0), QStringLiteral("Import Photos"));
    EXPECT_EQ(session.Stack().text(1), QStringLiteral("Place Photo"));
    session.Stack().undo(); // the drop brought nothing new into the pool
    EXPECT_EQ(book->GetPage(1)->Photo(0), nullptr);
    EXPECT_EQ(book->Photos().GetSize(), 1);
}

TEST(BookSessionTest, ImportsRunOnOnePoolThatLeavesACoreFree) {
    EXPECT_EQ(ImportThreadPool().maxThreadCount(), std::max(1, QThread::idealThreadCount() - 1));
    EXPECT_EQ(&ImportThreadPool(), &ImportThreadPool());
}

// The page shown is the session's: clamped to the book, in pairs for the
// two-page view, the last page after it is added, the new last one when the
// pages shown go, and the first one of another book.
TEST(BookSessionTest, ThePageShownFollowsTheBooksPages) {
    QTemporaryDir books;
    BookManager manager(books.path() + u'/', TestCatalogue());
    manager.Initialize();
    BookSession& session = manager.Session();
    QSignalSpy shown(&session, &BookSession::pageIndexChanged);
    struct Case {
        int asked, index, left;
    };
    for (const Case c :
         {Case{500, 19, 19}, {-3, 0, -1}, {1, 1, 1}, {2, 2, 1}, {3, 3, 3}, {4, 4, 3}}) {
        session.ShowPage(c.asked);
        EXPECT_EQ(session.PageIndex(), c.index) << c.asked;
        EXPECT_EQ(session.LeftPageIndex(), c.left) << c.asked;
        EXPECT_EQ(session.RightPageIndex(), c.left + 1) << c.asked;
    }
    EXPECT_EQ(shown.count(), 6);

    session.AddPage();
    EXPECT_EQ(session.PageIndex(), 20);
    session.DeletePage(20);
    EXPECT_EQ(session.PageIndex(), 19);
    session.Stack().undo(); // the page comes back and is shown
    EXPECT_EQ(session.PageIndex(), 20);
    manager.GetBook()->RemovePage(20); // not through a step: the new last page is shown
    EXPECT_EQ(session.PageIndex(), 19);

    shown.clear();
    ASSERT_EQ(manager.NewBook(QStringLiteral("Second")), BookNameCheck::Accepted);
    EXPECT_EQ(session.PageIndex(), 0);
    session.ShowPage(7);
    ASSERT_TRUE(manager.LoadBook(manager.GetBook()->GetName()));
    EXPECT_EQ(session.PageIndex(), 0);
    EXPECT_GE(shown.count(), 2);
}

} // namespace
