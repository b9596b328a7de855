#include "LumbraProcess.h"

#include "app/CommandLine.h"
#include "base/FifoWatchdog.h"
#include "imaging/FreeImageBridge.h"
#include "imaging/TestJpegs.h"
#include "imaging/ThumbType.h"
#include "model/Book.h"
#include "model/ModelTestSupport.h"
#include "model/Page.h"
#include "model/PhotoImage.h"
#include "model/PhotoImageList.h"

#include <QDir>
#include <QFile>

using namespace TestJpegs;

// Photos and book files made to break the program: the program run on them
// must end (LumbraProcess waits two minutes, then counts the run as failed)
// and must not crash.
namespace {

struct HostileFiles : LumbraProcess {
    QDir BookFolder() const { return QDir(QDir(books).filePath(QStringLiteral("Trip"))); }

    // A flat photo with a camera's EXIF block (orientation 6) that `damage` spoils.
    QString ExifPhoto(const QString& name, QColor colour,
                      const std::function<void(QByteArray&)>& damage) {
        const QString path = Jpeg(name, colour);
        QByteArray tiff = CameraTiff(true, 6);
        damage(tiff);
        WriteBytes(path, WithExif(ReadBytes(path), tiff));
        return path;
    }

    // Puts the book's photos on pages 1, 2, ... in the order of their colours'
    // names, and saves the book.
    std::vector<std::shared_ptr<PhotoImage>> PlacePhotos() {
        ModelContext context;
        context.templates = &TestCatalogue();
        Book book(books, context);
        book.SetName(QStringLiteral("Trip"));
        book.LoadBook();
        std::vector<std::shared_ptr<PhotoImage>> photos(book.Photos().begin(), book.Photos().end());
        for (size_t i = 0; i < photos.size(); ++i)
            book.GetPage(int(i))->AddPhoto(photos[i], 100, 100);
        book.SaveBook();
        return photos;
    }

    static QString SizeFile(const PhotoImage& photo, ThumbType type) {
        QString path = photo.GetThumbFile(type);
        return path.replace(QStringLiteral(".jpg"), QStringLiteral(".dim"));
    }

    // Preview and print both end and write all 20 pages.
    void ExpectPreviewAndPrint(int exitCode) {
        for (const char* command : {"--preview", "--print"}) {
            const QString out = home.filePath(QString::fromLatin1(command + 2));
            const Outcome outcome = Run({command, "Trip", out.toLocal8Bit().constData()});
            EXPECT_EQ(outcome.exitCode, exitCode) << command << outcome.err.toStdString();
            const QStringList pages =
                QDir(out).entryList({QStringLiteral("*.jpg")}, QDir::Files, QDir::Name) +
                QDir(QDir(out).filePath(QStringLiteral("Trip")))
                    .entryList({QStringLiteral("*.jpg")}, QDir::Files);
            EXPECT_EQ(pages.size(), 20) << command;
        }
    }
};

QStringList Args(std::initializer_list<QString> words) { return QStringList(words); }

} // namespace

TEST_F(HostileFiles, DamagedExifBlocksImportPreviewAndPrint) {
    const QString many =
        ExifPhoto("many.jpg", Qt::red, [](QByteArray& t) { PutShort(t, kTiffIfd0, 0xFFFF); });
    const QString cut =
        ExifPhoto("cut.jpg", Qt::blue, [](QByteArray& t) { t.truncate(6); }); // inside the header
    const QString fifo = home.filePath(QStringLiteral("photo.jpg"));
    ASSERT_TRUE(MakeFifo(fifo));

    const Outcome import = Run(Args({"--import", "Trip", many, cut, fifo}));
    ASSERT_EQ(import.exitCode, ExitIncomplete) << import.err.toStdString(); // the FIFO
    EXPECT_EQ(import.out,
              (QStringList{Status(u"cImportStatusAdded", many), Status(u"cImportStatusAdded", cut),
                           Refused("Cannot be read (missing, a folder, or no permission)", fifo),
                           "2 added, 1 not added"}));

    // The copies keep the damaged blocks; without size files their headers are read again.
    for (const auto& photo : PlacePhotos()) {
        const QByteArray copy = ReadBytes(photo->GetThumbFile(ThumbType::Original));
        EXPECT_TRUE(copy == ReadBytes(many) || copy == ReadBytes(cut));
        for (ThumbType type : kThumbTypes)
            QFile::remove(SizeFile(*photo, type));
        EXPECT_EQ(photo->GetWidth(), 640); // orientation 1: the block cannot be read
    }
    ExpectPreviewAndPrint(ExitOk);
    // The photos are on the pages: page 1 shows red or blue, not white paper.
    const QImage first = FiLoadImage(FIF_JPEG, home.filePath("preview/Trip/PG1.jpg"), 0);
    ASSERT_FALSE(first.isNull());
    EXPECT_TRUE(Near(first.pixel(300, 216), Qt::red) || Near(first.pixel(300, 216), Qt::blue));
}

TEST_F(HostileFiles, FifosAmongTheBooksFilesDoNotBlockPreviewOrPrint) {
    const QString red = Jpeg(QStringLiteral("red.jpg"), Qt::red);
    const QString blue = Jpeg(QStringLiteral("blue.jpg"), Qt::blue);
    ASSERT_EQ(Run(Args({"--import", "Trip", red, blue})).exitCode, ExitOk);
    const auto photos = PlacePhotos();
    ASSERT_EQ(photos.size(), 2u);

    // One photo's picture files are FIFOs, the other one's size files.
    for (ThumbType type : kThumbTypes) {
        const QString picture = photos[0]->GetThumbFile(type);
        QFile::remove(SizeFile(*photos[0], type));
        ASSERT_TRUE(QFile::remove(picture) && MakeFifo(picture));
        QFile::remove(SizeFile(*photos[1], type));
        ASSERT_TRUE(MakeFifo(SizeFile(*photos[1], type)));
    }
    ASSERT_TRUE(MakeFifo(BookFolder().filePath(QStringLiteral("order.pbx"))));
    // The photo without pictures is missing from its page, which print reports.
    ExpectPreviewAndPrint(ExitIncomplete);
}

TEST_F(HostileFiles, BookFileThatIsAFifoOrADeviceReadsAsMissing) {
    ASSERT_EQ(Run(Args({"--import", "Trip", Jpeg(QStringLiteral("red.jpg"), Qt::red)})).exitCode,
              ExitOk);
    const QString state = BookFolder().filePath(QStringLiteral("book.pbx"));
    ASSERT_TRUE(QFile::remove(state) && MakeFifo(state));
    ExpectPreviewAndPrint(ExitOk);

    ASSERT_TRUE(QFile::remove(state) && QFile::link(QStringLiteral("/dev/zero"), state));
    const Outcome preview = Run(Args({"--preview", "Trip", home.filePath("zero")}));
    EXPECT_EQ(preview.exitCode, ExitOk) << preview.err.toStdString();
}
