#include "TestJpegs.h"

#include "base/LumbraError.h"
#include "base/SmallDisk.h"
#include "imaging/FreeImageBridge.h"
#include "imaging/PhotoImageFiles.h"
#include "imaging/Thumb.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace TestJpegs;

namespace {

QStringList FilesIn(const QString& folder) {
    QStringList files = QDir(folder).entryList(QDir::Files, QDir::Name);
    files.removeAll(QStringLiteral(".filler"));
    return files;
}

const QStringList kPhotoFiles{"p_lg.jpg", "p_md.jpg", "p_or.jpg", "p_sm.jpg"};

} // namespace

TEST(FullDiskWrite, PicturesCopiesAndSizeFilesFailInsteadOfComingOutEmpty) {
    SmallDisk disk;
    SKIP_WITHOUT(disk);
    QTemporaryDir sources;
    const QString source = sources.filePath("a.jpg");
    Write(source, PhotoLike(64, 48));
    const FiBitmap picture = FiLoad(FIF_JPEG, source, 0);
    ASSERT_TRUE(picture);
    disk.LeaveFree(0);

    EXPECT_THROW(FiSaveAtomically(FIF_JPEG, picture.get(), disk.FilePath("s.jpg"), 0), LumbraError);
    EXPECT_THROW(CopyFileAtomically(source, disk.FilePath("c.jpg")), LumbraError);
    EXPECT_THROW(Thumb::WriteDimFile(disk.FilePath("d.dim"), 64, 48), LumbraError);
    EXPECT_EQ(FilesIn(disk.Path()), QStringList());

    disk.FreeAll();
    FiSaveAtomically(FIF_JPEG, picture.get(), disk.FilePath("s.jpg"), 0);
    CopyFileAtomically(source, disk.FilePath("c.jpg"));
    EXPECT_EQ(ReadBytes(disk.FilePath("c.jpg")), ReadBytes(source));
    EXPECT_EQ(FiLoad(FIF_JPEG, disk.FilePath("s.jpg"), 0).width(), 64);
}

// Whatever file the disk runs full on, a photo's files are all there or none is.
TEST(FullDiskWrite, APhotoIsMadeWholeOrNotAtAll) {
    SmallDisk disk;
    SKIP_WITHOUT(disk);
    QTemporaryDir sources;
    const QString source = sources.filePath("a.jpg");
    Write(source, PhotoLike(1600, 1200));
    const QString stem = disk.FilePath("p");
    int failed = 0;
    int made = 0;
    for (qint64 room : {0, 8 << 10, 40 << 10, 120 << 10, 250 << 10, 400 << 10, 2 << 20}) {
        disk.FreeAll();
        RemovePhotoFiles(stem);
        disk.LeaveFree(room);
        try {
            ASSERT_TRUE(MakePhotoFiles(source, stem, kPhotoThumbBoxes));
            ++made;
            EXPECT_EQ(FilesIn(disk.Path()), kPhotoFiles) << room;
            EXPECT_TRUE(PhotoFilesWhole(stem)) << room;
        } catch (const LumbraError& e) {
            ++failed;
            EXPECT_FALSE(e.Message().isEmpty());
            EXPECT_EQ(FilesIn(disk.Path()), QStringList()) << room;
        }
    }
    EXPECT_GE(failed, 3);
    EXPECT_GE(made, 1);
}

TEST(PhotoFiles, WholeMeansAllFourThereNotEmptyAndDecodable) {
    QTemporaryDir dir;
    const QString source = dir.filePath("a.jpg");
    Write(source, PhotoLike(800, 600));
    const QString stem = dir.filePath("p");
    ASSERT_TRUE(MakePhotoFiles(source, stem, kPhotoThumbBoxes));
    EXPECT_TRUE(PhotoFilesWhole(stem));

    for (const char* suffix : {"_sm.jpg", "_md.jpg", "_lg.jpg", "_or.jpg"}) {
        const QString file = stem + QLatin1String(suffix);
        const QByteArray good = ReadBytes(file);
        WriteBytes(file, {});
        EXPECT_FALSE(PhotoFilesWhole(stem)) << suffix << " empty";
        WriteBytes(file, good.left(good.size() / 2));
        EXPECT_FALSE(PhotoFilesWhole(stem)) << suffix << " cut in half";
        QFile::remove(file);
        EXPECT_FALSE(PhotoFilesWhole(stem)) << suffix << " missing";
        WriteBytes(file, good);
        EXPECT_TRUE(PhotoFilesWhole(stem)) << suffix;
    }

    // Kept when whole; made anew under the same name when not.
    PhotoImportJob job{source, stem, kPhotoThumbBoxes, true};
    const PhotoImportResult kept = RunPhotoImport(job);
    EXPECT_TRUE(kept.kept);
    EXPECT_FALSE(kept.supported);
    WriteBytes(stem + "_md.jpg", {});
    const PhotoImportResult remade = RunPhotoImport(job);
    EXPECT_FALSE(remade.kept);
    EXPECT_TRUE(remade.supported);
    EXPECT_TRUE(PhotoFilesWhole(stem));
}
