#include "imaging/TestJpegs.h"
#include "model/Book.h"
#include "model/BookFiles.h"
#include "model/ModelTestSupport.h"
#include "model/PhotoImage.h"
#include "model/PhotoImageList.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class BookLeftoversTest : public ::testing::Test {
protected:
    BookLeftoversTest() : book(books.path(), ModelContext{&TestCatalogue()}) {
        book.SetName("Trip");
    }
    void Put(const QString& name, bool old = true) {
        QFile file(book.GetBookFolder() + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("x");
        file.flush(); // before the time is set, or closing sets it anew
        if (old) {
            ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTime().addDays(-2),
                                         QFileDevice::FileModificationTime));
        }
    }
    QStringList Files() const {
        return QDir(book.GetBookFolder()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }

    QTemporaryDir books;
    Book book;
};

const QString kWhole = "1A2B3C" + TestKey(1);   // a photo with all its files
const QString kOrphan = "1A2B3D" + TestKey(2);  // an import killed before its copy
const QString kOnAPage = "1A2B3E" + TestKey(3); // named by the pages: never touched
const QString kFresh = "1A2B3F" + TestKey(4);   // may be an import still running

} // namespace

TEST_F(BookLeftoversTest, OpeningRemovesOldLeftoversOfThePhotoFilesAndNothingElse) {
    const QStringList kept{
        kWhole + "_sm.jpg",       kWhole + "_md.jpg",   kWhole + "_lg.jpg", kWhole + "_or.jpg",
        kWhole + "_or.dim",       kOnAPage + "_sm.jpg", "notes.txt",        "holiday_sm.jpg",
        "IMG_0001.jpg.a1b2c3",    "book.pbx.bak",       "book.pbx",         "order.pbx",
        kWhole + "_sm.JPG", // not the book's own spelling
        "x" + kOrphan + "_md.jpg"};
    const QStringList leftovers{kOrphan + "_sm.jpg",        kOrphan + "_md.jpg",
                                kOrphan + "_lg.jpg",        kOrphan + "_sm.dim",
                                kOrphan + "_or.jpg.Xy12Zw", kWhole + "_lg.jpg.a1B2c3",
                                "book.pbx.Q1w2E3",          "order.pbx.zzzzzz"};
    for (const QString& name : kept + leftovers)
        Put(name);
    Put(kFresh + "_sm.jpg", false);
    Put("book.pbx.F00bar", false);
    TestJpegs::WriteBytes(book.GetBookFolder() + "book.pbx",
                          "+[Image{" + kOnAPage.toLatin1() + ",0,0,1,0}]\r\n");

    book.LoadBook();
    QStringList expected = kept;
    expected << kFresh + "_sm.jpg"
             << "book.pbx.F00bar";
    expected.sort();
    EXPECT_EQ(Files().join('\n').toStdString(), expected.join('\n').toStdString());
    EXPECT_TRUE(book.Photos().Find(TestKey(1)));
    // The pages' photo stays in the pool although its full-size file is gone.
    ASSERT_TRUE(book.Photos().Find(TestKey(3)));
    EXPECT_TRUE(book.Photos().Find(TestKey(3))->FileMissing());
    EXPECT_EQ(book.Photos().GetSize(), 2);
}
