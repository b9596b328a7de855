#include "model/BackgroundLibrary.h"
#include "base/LogCapture.h"
#include "base/LumbraError.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

void Write(const QString& path, const QByteArray& content = "jpeg") {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(content);
}

QByteArray Read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class BackgroundLibraryTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(mRoot.isValid());
        QDir(mRoot.path()).mkpath(QStringLiteral("delivered"));
    }
    QString Library() const { return mRoot.filePath(QStringLiteral("Backgrounds")) + u'/'; }
    QString Delivered() const { return mRoot.filePath(QStringLiteral("delivered")) + u'/'; }

    QTemporaryDir mRoot;
};

TEST_F(BackgroundLibraryTest, ListsEveryEntryWithASmallMarker) {
    QDir().mkpath(Library());
    for (const char* suffix : {"_sm.jpg", "_md.jpg", "_lg.jpg", "_or.jpg"})
        Write(Library() + QStringLiteral("leaf") + QLatin1String(suffix));
    BackgroundLibrary library(Library(), Delivered());
    library.LoadBackgroundList();
    EXPECT_EQ(library.Names(), QStringList({"leaf"}));

    // A side file of the small size lists the background a second time;
    // folders count as well, and the name ends at the first marker.
    Write(Library() + QStringLiteral("leaf_sm.dim"));
    Write(Library() + QStringLiteral("a_sm.b_sm.jpg"));
    Write(Library() + QStringLiteral("plain.jpg"));
    QDir().mkpath(Library() + QStringLiteral("odd_sm.d"));
    library.LoadBackgroundList();
    EXPECT_EQ(library.Names(), QStringList({"a", "leaf", "leaf", "odd"}));
    EXPECT_EQ(library.Count(), 4);
}

TEST_F(BackgroundLibraryTest, StartCopiesDeliveredPicturesAndListsThem) {
    Write(Delivered() + QStringLiteral("leaf_sm.jpg"), "new small");
    Write(Delivered() + QStringLiteral("leaf_or.jpg"), "new original");
    Write(Delivered() + QStringLiteral("readme.txt"));
    QDir().mkpath(Library());
    Write(Library() + QStringLiteral("leaf_sm.jpg"), "old small");
    BackgroundLibrary library(Library(), Delivered());
    library.InitBackgrounds();
    EXPECT_EQ(Read(Library() + QStringLiteral("leaf_sm.jpg")), QByteArray("new small"));
    EXPECT_EQ(Read(Library() + QStringLiteral("leaf_or.jpg")), QByteArray("new original"));
    EXPECT_FALSE(QFile::exists(Library() + QStringLiteral("readme.txt")));
    EXPECT_EQ(library.Names(), QStringList({"leaf"}));
    EXPECT_TRUE(library.IsBackgroundListed(QStringLiteral("leaf")));
    EXPECT_FALSE(library.IsBackgroundListed(QStringLiteral("Leaf")));
    EXPECT_FALSE(library.IsBackgroundListed(QStringLiteral("lea")));
}

TEST_F(BackgroundLibraryTest, MissingFoldersGiveNothingWithoutError) {
    BackgroundLibrary library(Library(), mRoot.filePath(QStringLiteral("absent")));
    EXPECT_EQ(library.GetDeliveredBackgroundsFolder(), QString());
    EXPECT_NO_THROW(library.InitBackgrounds());
    EXPECT_EQ(library.Count(), 0);
    EXPECT_FALSE(QDir(Library()).exists());

    // A delivered folder holding only a folder does not count as present.
    QDir().mkpath(Delivered() + QStringLiteral("sub"));
    BackgroundLibrary emptyDelivered(Library(), Delivered());
    EXPECT_EQ(emptyDelivered.GetDeliveredBackgroundsFolder(), QString());
    Write(Delivered() + QStringLiteral("leaf_sm.jpg"));
    EXPECT_EQ(emptyDelivered.GetDeliveredBackgroundsFolder(), Delivered());
    // The copy creates a missing backgrounds folder.
    emptyDelivered.InitBackgrounds();
    EXPECT_EQ(emptyDelivered.Names(), QStringList({"leaf"}));
}

TEST_F(BackgroundLibraryTest, FailedCopyRaisesAnError) {
    Write(Delivered() + QStringLiteral("leaf_sm.jpg"));
    QDir().mkpath(Library() + QStringLiteral("leaf_sm.jpg")); // a folder in the way
    BackgroundLibrary library(Library(), Delivered());
    EXPECT_THROW(library.CopyDeliveredBackgrounds(), LumbraError);

    Write(mRoot.filePath(QStringLiteral("file")));
    BackgroundLibrary blocked(mRoot.filePath(QStringLiteral("file/Backgrounds")), Delivered());
    EXPECT_THROW(blocked.InitBackgrounds(), LumbraError);
}

TEST_F(BackgroundLibraryTest, DownloadsJoinTheListAndNamesMapToFiles) {
    BackgroundLibrary library(Library(), Delivered());
    library.AddBackground(QStringLiteral("a1b2"));
    EXPECT_TRUE(library.IsBackgroundListed(QStringLiteral("a1b2")));
    EXPECT_EQ(library.FilePath(QStringLiteral("a1b2"), ThumbType::Original),
              Library() + QStringLiteral("a1b2_or.jpg"));
    const QString expected[] = {"_sm.jpg", "_md.jpg", "_lg.jpg", "_lg.jpg"};
    for (ThumbType type : kThumbTypes)
        EXPECT_EQ(library.FilePath(QStringLiteral("n"), BackgroundLibrary::ScreenThumbType(type)),
                  Library() + u'n' + expected[ThumbIndex(type)]);
}

TEST_F(BackgroundLibraryTest, NamesWithAFolderADriveOrAWayUpMapToNoFile) {
    BackgroundLibrary library(Library(), Delivered());
    for (const char* plain : {"leaf", "a1b2", "Winter 2024", "x.y", "Été-3", ".hidden"}) {
        EXPECT_TRUE(BackgroundLibrary::IsPlainName(QString::fromUtf8(plain))) << plain;
        EXPECT_EQ(library.FilePath(QString::fromUtf8(plain), ThumbType::Small),
                  Library() + QString::fromUtf8(plain) + QStringLiteral("_sm.jpg"));
    }
    const QString refused[] = {QStringLiteral("../../../../x/secret"),
                               QStringLiteral("/etc/secret"),
                               QStringLiteral("sub/leaf"),
                               QStringLiteral("..\\..\\secret"),
                               QStringLiteral("C:secret"),
                               QStringLiteral("C:\\x\\secret"),
                               QStringLiteral(".."),
                               QStringLiteral("leaf.."),
                               QString::fromUtf16(u"leaf\0/x", 7),
                               QString()};
    for (const QString& name : refused) {
        EXPECT_FALSE(BackgroundLibrary::IsPlainName(name)) << name.toStdString();
        LogCapture log;
        EXPECT_TRUE(library.FilePath(name, ThumbType::Original).isEmpty()) << name.toStdString();
        EXPECT_EQ(log.Warnings().size(), 1) << log.Warnings().join(u'\n').toStdString();
        EXPECT_TRUE(log.Logged(QStringLiteral("lumbra.model"), QStringLiteral("not a plain name")));
    }
}

TEST(TrimAtNulTest, CutsAtTheFirstNul) {
    EXPECT_EQ(TrimAtNul(QStringLiteral("leaf_sm.jpg")), QStringLiteral("leaf_sm.jpg"));
    EXPECT_EQ(TrimAtNul(QString::fromUtf16(u"leaf\0rest\0", 10)), QStringLiteral("leaf"));
    EXPECT_EQ(TrimAtNul(QString(3, QChar(0))), QString());
}

} // namespace
