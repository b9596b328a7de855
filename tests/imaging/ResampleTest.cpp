#include "imaging/Resample.h"

#include "TestJpegs.h"
#include "imaging/FreeImageBridge.h"

#include <QPainter>
#include <gtest/gtest.h>

#include <cmath>

using namespace TestJpegs;

namespace {

// A photo with hard edges over its gradients and texture.
QImage EdgedPhoto(int width, int height) {
    QImage picture = PhotoLike(width, height);
    QPainter painter(&picture);
    painter.fillRect(QRect(width / 5, height / 4, width / 3, height / 6), Qt::black);
    painter.setPen(QPen(Qt::white, 2));
    painter.drawLine(0, height - 1, width - 1, 0);
    painter.end();
    return picture;
}

QImage FreeImageBicubic(const QImage& picture, QSize size) {
    const FiBitmap dib = FiFromQImage(picture);
    const FiBitmap scaled(
        FreeImage_Rescale(dib.get(), size.width(), size.height(), FILTER_BICUBIC));
    return FiToQImage(scaled.get());
}

} // namespace

// Reductions and enlargements stay as sharp as the bicubic filter used before.
TEST(Resample, StaysCloseToTheBicubicFilterUsedBefore) {
    const QImage picture = EdgedPhoto(500, 375);
    for (const double factor : {0.35, 0.6, 0.9, 1.3}) {
        const QSize size(int(std::lround(500 * factor)), int(std::lround(375 * factor)));
        const QImage scaled = Resample(picture, size);
        ASSERT_EQ(scaled.size(), size);
        EXPECT_EQ(scaled.format(), QImage::Format_RGB32);
        EXPECT_GT(Psnr(scaled, FreeImageBicubic(picture, size)), 38.0) << factor;
    }
    EXPECT_EQ(Resample(picture.convertToFormat(QImage::Format_RGB888), QSize(300, 225)),
              Resample(picture, QSize(300, 225)));
}

// Parts of a box are the pixels of the whole box, at most half a pixel off
// where a reduction is cut; a fractional window lands where it should.
TEST(Resample, PartsOfAWindowAreThePixelsOfTheWholeWindow) {
    const QImage picture = EdgedPhoto(400, 300);
    struct Case {
        QRectF source;
        QSize box;
        double minPsnr;
    };
    const std::vector<Case> cases{
        {QRectF(0, 0, 400, 300), QSize(240, 180), 30.0},        // reduced
        {QRectF(100, 50, 200, 150), QSize(300, 225), 45.0},     // enlarged: drawn exactly
        {QRectF(10.5, 20.25, 301, 200), QSize(150, 100), 30.0}, // fractional window
    };
    for (const Case& c : cases) {
        const QImage whole = ResampleWindow(picture, c.source, c.box, QRect(QPoint(0, 0), c.box));
        ASSERT_EQ(whole.size(), c.box);
        for (const QRect& part : {QRect(0, 0, 50, 40), QRect(c.box.width() / 2, 30, 60, 50),
                                  QRect(c.box.width() - 20, c.box.height() - 10, 100, 100)}) {
            const QImage piece = ResampleWindow(picture, c.source, c.box, part);
            const QRect inside = part & QRect(QPoint(0, 0), c.box);
            ASSERT_EQ(piece.size(), inside.size());
            EXPECT_GT(Psnr(piece, whole.copy(inside)), c.minPsnr)
                << c.source.x() << " " << part.x() << "," << part.y();
        }
    }
    // The window's own pixels: a window of half the picture, at its size.
    const QImage same =
        ResampleWindow(picture, QRectF(200, 150, 200, 150), QSize(200, 150), QRect(0, 0, 200, 150));
    EXPECT_GT(Psnr(same, picture.copy(200, 150, 200, 150)), 45.0);
}

TEST(Resample, AbsurdBoxesCostOnlyTheirPart) {
    const QImage picture = EdgedPhoto(300, 200);
    // Two pixels magnified 50000 times: only the part is made.
    const QImage magnified = ResampleWindow(picture, QRectF(100, 100, 2, 2), QSize(100000, 100000),
                                            QRect(49000, 49000, 64, 48));
    ASSERT_EQ(magnified.size(), QSize(64, 48));
    // One row stretched down the box while it is reduced across.
    const QImage stretched =
        ResampleWindow(picture, QRectF(0, 50, 300, 1), QSize(150, 60000), QRect(0, 30000, 150, 20));
    ASSERT_EQ(stretched.size(), QSize(150, 20));
    EXPECT_GT(Psnr(stretched.copy(0, 0, 150, 1), stretched.copy(0, 19, 150, 1)), 40.0);

    EXPECT_TRUE(
        ResampleWindow(picture, QRectF(0, 0, 10, 10), QSize(10, 10), QRect(20, 20, 5, 5)).isNull());
    EXPECT_TRUE(
        ResampleWindow(QImage(), QRectF(0, 0, 10, 10), QSize(10, 10), QRect(0, 0, 5, 5)).isNull());
    EXPECT_TRUE(
        ResampleWindow(picture, QRectF(0, 0, 0, 10), QSize(10, 10), QRect(0, 0, 5, 5)).isNull());
}
