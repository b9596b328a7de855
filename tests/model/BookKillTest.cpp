#include "model/Book.h"
#include "model/BookFiles.h"
#include "model/ModelTestSupport.h"
#include "model/SaveStates.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

// A save killed at any moment leaves the book as it was before that save or
// as it is after it, never a mix, and nothing the next open would misread.
TEST(BookKill, AKilledSaveLeavesTheOldOrTheNewBook) {
    QTemporaryDir books;
    const QStringList stateA = SaveStates::Expected('A');
    const QStringList stateB = SaveStates::Expected('B');
    ASSERT_EQ(stateA.size(), SaveStates::kPages);
    ASSERT_NE(stateA, stateB);
    const QString saver = QCoreApplication::applicationDirPath() + "/lumbra_book_saver";
    QRandomGenerator random(20240611);
    int sawA = 0;
    int sawB = 0;
    for (int kill = 0; kill < 50; ++kill) {
        QProcess child;
        child.start(saver, {books.path(), "Trip"});
        ASSERT_TRUE(child.waitForReadyRead(60000)) << "the saver did not start";
        QThread::msleep(random.bounded(1, 120));
        child.kill(); // SIGKILL
        ASSERT_TRUE(child.waitForFinished(60000));
        ASSERT_EQ(child.exitStatus(), QProcess::CrashExit) << "it was still saving";

        Book book(books.path(), ModelContext{&TestCatalogue()});
        book.SetName("Trip");
        if (!QFile::exists(book.GetBookFolder() + "book.pbx"))
            continue; // killed before its first save
        book.LoadBook();
        const QStringList pages = SaveStates::PagesOf(book);
        const bool isA = pages == stateA;
        const bool isB = pages == stateB;
        ASSERT_TRUE(isA || isB) << "kill " << kill << ": " << pages.size() << " pages, a mix";
        sawA += isA;
        sawB += isB;

        // Whatever is left besides the book's file is a leftover the open removes once old.
        BookFiles::RemoveLeftovers(book.GetBookFolder(), {},
                                   QDateTime::currentDateTime().addDays(1));
        ASSERT_EQ(QDir(book.GetBookFolder()).entryList(QDir::Files | QDir::Hidden),
                  QStringList{"book.pbx"});
    }
    EXPECT_GT(sawA, 0);
    EXPECT_GT(sawB, 0);
}
