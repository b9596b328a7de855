#include "model/BackgroundLibrary.h"

#include "base/DataFolder.h"

#include <FreeImage.h>
#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>
#include <memory>

// The pictures painted at build time and delivered in the data folder.
namespace {

QSize SizeOf(const QString& path) { return QImageReader(path).size(); }

// Fits the box, touches it on one side and keeps the original's proportions.
void ExpectFits(const QSize& size, const QSize& box, const QSize& original, const QString& what) {
    EXPECT_LE(size.width(), box.width()) << what.toStdString();
    EXPECT_LE(size.height(), box.height()) << what.toStdString();
    EXPECT_TRUE(size.width() == box.width() || size.height() == box.height()) << what.toStdString();
    const double expectedHeight = size.width() * double(original.height()) / original.width();
    EXPECT_LE(std::abs(size.height() - expectedHeight), 1.0) << what.toStdString();
}

TEST(DeliveredBackgroundsTest, EveryBackgroundComesInFourSizes) {
    QTemporaryDir home;
    BackgroundLibrary library(home.filePath(QStringLiteral("Backgrounds")),
                              BackgroundLibrary::DefaultDeliveredFolder());
    ASSERT_FALSE(library.GetDeliveredBackgroundsFolder().isEmpty());
    library.InitBackgrounds();
    EXPECT_GE(library.Count(), 8);
    EXPECT_LE(library.Count(), 12);
    for (const QString& name : library.Names()) {
        const QSize original = SizeOf(library.FilePath(name, ThumbType::Original));
        EXPECT_EQ(original, QSize(2458, 1769)) << name.toStdString();
        ExpectFits(SizeOf(library.FilePath(name, ThumbType::Large)), QSize(1127, 811), original,
                   name + QStringLiteral("_lg"));
        ExpectFits(SizeOf(library.FilePath(name, ThumbType::Medium)), QSize(800, 576), original,
                   name + QStringLiteral("_md"));
        ExpectFits(SizeOf(library.FilePath(name, ThumbType::Small)), QSize(145, 104), original,
                   name + QStringLiteral("_sm"));
    }
}

TEST(DeliveredBackgroundsTest, MarkerAndIntroductionPicturesLoad) {
    const QString folder = DataFolder();
    const QByteArray marker = QFile::encodeName(folder + QStringLiteral("imageTooSmall.gif"));
    ASSERT_EQ(FreeImage_GetFileType(marker.constData(), 0), FIF_GIF);
    const std::unique_ptr<FIBITMAP, decltype(&FreeImage_Unload)> bitmap(
        FreeImage_Load(FIF_GIF, marker.constData(), 0), &FreeImage_Unload);
    ASSERT_NE(bitmap, nullptr);
    EXPECT_EQ(FreeImage_GetWidth(bitmap.get()), 48u);
    EXPECT_EQ(FreeImage_GetHeight(bitmap.get()), 48u);
    EXPECT_EQ(FreeImage_GetBPP(bitmap.get()), 8u);
    EXPECT_EQ(SizeOf(folder + QStringLiteral("introduction.png")), QSize(480, 300));
}

} // namespace
