#include "ui/panes/PhotoTile.h"

#include "imaging/TestJpegs.h"
#include "model/PhotoImage.h"

#include <QCoreApplication>
#include <QHelpEvent>
#include <QTemporaryDir>
#include <QToolTip>
#include <gtest/gtest.h>

namespace {

std::shared_ptr<PhotoImage> Photo(const QTemporaryDir& dir, const QString& name, QSize size) {
    const QString source = dir.filePath(name);
    TestJpegs::Write(source, TestJpegs::PhotoLike(size.width(), size.height()));
    auto photo = std::make_shared<PhotoImage>();
    photo->SetImage(source, dir.path() + QLatin1Char('/'));
    return photo;
}

QString AskedTip(PhotoTile& tile) {
    QHelpEvent help(QEvent::ToolTip, QPoint(5, 5), tile.mapToGlobal(QPoint(5, 5)));
    QCoreApplication::sendEvent(&tile, &help);
    QToolTip::hideText();
    return tile.toolTip();
}

} // namespace

TEST(PhotoTileTip, TellsThePhotosSizeOnceAskedAndFollowsANewPhoto) {
    QTemporaryDir dir;
    PhotoTile tile(nullptr);
    tile.resize(120, 120);
    tile.SetPhoto(Photo(dir, QStringLiteral("a.jpg"), QSize(300, 200)), QStringLiteral("t1"));
    EXPECT_EQ(tile.toolTip(), QString()); // nothing is read before it is asked for
    EXPECT_TRUE(AskedTip(tile).startsWith(QStringLiteral("300 x 200 pixels")));
    tile.SetPhoto(Photo(dir, QStringLiteral("b.jpg"), QSize(180, 240)), QStringLiteral("t2"));
    EXPECT_TRUE(AskedTip(tile).startsWith(QStringLiteral("180 x 240 pixels")));
}
