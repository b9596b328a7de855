#include "LumbraProcess.h"

#include "app/CommandLine.h"
#include "imaging/FreeImageBridge.h"
#include "imaging/TestJpegs.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using TestJpegs::Near;

namespace {

// Well above what the program needs for a book (a few hundred MB), far below
// a photo scaled to a box of metres. AddressSanitizer reserves terabytes of
// address space for its shadow memory, so there the pages are only checked.
#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define UNDER_ADDRESS_SANITIZER
#endif
#endif
#if defined(__SANITIZE_ADDRESS__) || defined(UNDER_ADDRESS_SANITIZER)
constexpr uint64_t kAddressSpace = 0;
#else
constexpr uint64_t kAddressSpace = 1536ull << 20;
#endif

struct OversizedBoxes : LumbraProcess {
    QString bookFile;
    QStringList pages; // the text forms of book.pbx

    // Imports a red and a blue photo, then gives page 1 a photo box of
    // 10 x 10 m holding the red one and page 2 a box of the same size that
    // starts 9.9 m left of and above the page, holding the blue one.
    void SetUp() override {
        LumbraProcess::SetUp();
        const QDir book(QDir(books).filePath(QStringLiteral("Trip")));
        const QString red = ImportedStem(book, Jpeg(QStringLiteral("red.jpg"), Qt::red));
        const QString blue = ImportedStem(book, Jpeg(QStringLiteral("blue.jpg"), Qt::blue));
        ASSERT_FALSE(red.isEmpty());
        ASSERT_FALSE(blue.isEmpty());
        bookFile = book.filePath(QStringLiteral("book.pbx"));
        QFile file(bookFile);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        pages = QString::fromUtf8(file.readAll()).split(u'+');
        file.close();
        ASSERT_GT(pages.size(), 3);
        pages[1] = OneBoxPage(QStringLiteral("0,0,10000,10000"), red);
        pages[2] = OneBoxPage(QStringLiteral("-9900,-9900,10000,10000"), blue);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(pages.join(u'+').toUtf8());
    }

    // Imports the file; the name of the photo it became (its files start with it).
    QString ImportedStem(const QDir& book, const QString& source) {
        const QStringList before = book.entryList({QStringLiteral("*_or.jpg")});
        if (Run({"--import", "Trip", source}).exitCode != ExitOk)
            return {};
        for (const QString& file : book.entryList({QStringLiteral("*_or.jpg")}))
            if (!before.contains(file))
                return file.chopped(int(qstrlen("_or.jpg")));
        return {};
    }

    static QString OneBoxPage(const QString& geometry, const QString& photo) {
        return QStringLiteral("Photo[%1,0]Image{%2,0,0,1,0}Text{}bgImage()").arg(geometry, photo);
    }

    static QImage Load(const QString& file) {
        const FiBitmap dib = FiLoad(FIF_JPEG, file, 0);
        return FiToQImage(dib.get());
    }

    // Page 1 red all over, page 2 blue up to 100 mm from the top-left corner.
    static void ExpectBoxesShown(const QImage& first, const QImage& second) {
        ASSERT_FALSE(first.isNull());
        ASSERT_FALSE(second.isNull());
        const double perMm = first.width() / 289.0;
        auto at = [perMm](const QImage& page, double mmX, double mmY) {
            return page.pixel(int(mmX * perMm), int(mmY * perMm));
        };
        for (const auto& [x, y] : {std::pair{2.0, 2.0}, {144.0, 104.0}, {286.0, 205.0}})
            EXPECT_TRUE(Near(at(first, x, y), Qt::red)) << x << "," << y;
        EXPECT_TRUE(Near(at(second, 2, 2), Qt::blue));
        EXPECT_TRUE(Near(at(second, 95, 95), Qt::blue));
        EXPECT_TRUE(Near(at(second, 105, 105), Qt::white));
        EXPECT_TRUE(Near(at(second, 200, 150), Qt::white));
    }
};

} // namespace

TEST_F(OversizedBoxes, PrintAndPreviewOnlyScaleWhatLiesOnThePage) {
    const QString prints = home.filePath(QStringLiteral("prints"));
    const Outcome print = Run({"--print", "Trip", prints}, kAddressSpace);
    ASSERT_EQ(print.exitCode, ExitOk) << print.err.toStdString();
    ExpectBoxesShown(Load(QDir(prints).filePath(QStringLiteral("1.jpg"))),
                     Load(QDir(prints).filePath(QStringLiteral("2.jpg"))));

    const QString previews = home.filePath(QStringLiteral("previews"));
    const Outcome preview = Run({"--preview", "Trip", previews}, kAddressSpace);
    ASSERT_EQ(preview.exitCode, ExitOk) << preview.err.toStdString();
    const QDir folder(QDir(previews).filePath(QStringLiteral("Trip")));
    const QImage first = Load(folder.filePath(QStringLiteral("PG1.jpg")));
    const QImage second = Load(folder.filePath(QStringLiteral("PG2.jpg")));
    // The preview page stands above a strip; the page itself is 600 pixels wide.
    ExpectBoxesShown(first.copy(0, 0, 600, 432), second.copy(0, 0, 600, 432));
}
