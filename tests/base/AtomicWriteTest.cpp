#include "base/AtomicWrite.h"
#include "base/IntroSettings.h"
#include "base/LumbraError.h"
#include "base/SmallDisk.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray Content(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QStringList FilesIn(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

} // namespace

TEST(AtomicWrite, WritesTheWholeContentAndReplacesTheOldOne) {
    QTemporaryDir dir;
    const QString path = dir.filePath("a.txt");
    WriteFileAtomically(path, "first");
    WriteFileAtomically(path, "second, longer");
    EXPECT_EQ(Content(path), "second, longer");
    WriteFileAtomically(path, {});
    EXPECT_EQ(Content(path), "");

    {
        AtomicFileWriter writer(path);
        writer.Write("never ");
        writer.Sync(); // on the disk, but not in place
        writer.Write("committed");
    }
    EXPECT_EQ(Content(path), "") << "a writer dropped before Commit changes nothing";
    EXPECT_EQ(FilesIn(dir.path()), QStringList{"a.txt"});
    EXPECT_THROW(WriteFileAtomically(dir.filePath("no/such/folder/b.txt"), "x"), LumbraError);
}

// Small files are where a full disk hid: the bytes sat in the buffer until the commit.
TEST(AtomicWrite, AFullDiskIsAnErrorAndLeavesTheOldFile) {
    SmallDisk disk;
    SKIP_WITHOUT(disk);
    const QString path = disk.FilePath("small.txt");
    WriteFileAtomically(path, "old");
    disk.LeaveFree(0);
    for (const QByteArray& bytes : {QByteArray("new"), QByteArray(100000, 'x')}) {
        try {
            WriteFileAtomically(path, bytes);
            ADD_FAILURE() << "a write of " << bytes.size() << " bytes on a full disk succeeded";
        } catch (const LumbraError& e) {
            EXPECT_TRUE(e.Message().contains(path)) << e.Message().toStdString();
        }
        EXPECT_EQ(Content(path), "old");
    }
    EXPECT_THROW(
        {
            AtomicFileWriter writer(path);
            writer.Write(QByteArray(100000, 'x'));
            writer.Sync();
        },
        LumbraError);
    EXPECT_EQ(Content(path), "old");
    EXPECT_EQ(FilesIn(disk.Path()), (QStringList{".filler", "small.txt"}));

    const QString settings = disk.FilePath("Brelk.ini");
    EXPECT_FALSE(WriteIntroPanelSetting(settings, false));
    EXPECT_FALSE(QFile::exists(settings));

    disk.FreeAll();
    WriteFileAtomically(path, "new");
    EXPECT_EQ(Content(path), "new");
    EXPECT_TRUE(WriteIntroPanelSetting(settings, false));
    EXPECT_EQ(Content(settings), "IntroPanel=0\r\n");
}
