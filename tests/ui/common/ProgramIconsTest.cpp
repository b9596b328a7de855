#include "ui/common/ProgramIcons.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPixmap>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct Coverage {
    int opaque = 0;
    int clear = 0;
};

Coverage CoverageOf(const QImage& image) {
    Coverage c;
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y)
        for (int x = 0; x < argb.width(); ++x) {
            const int alpha = qAlpha(argb.pixel(x, y));
            c.opaque += alpha > 200;
            c.clear += alpha < 20;
        }
    return c;
}

} // namespace

TEST(ProgramIcons, EveryPictureIsDrawnSharpAtAnySize) {
    for (const QString& name : ProgramIconNames()) {
        const QIcon icon = ProgramIconPicture(name);
        ASSERT_FALSE(icon.isNull()) << name.toStdString();
        for (int size : {16, 24, 48, 96}) {
            // A vector picture comes out at the size asked for; a bitmap
            // would stop at its own size.
            const QPixmap pixmap = icon.pixmap(QSize(size, size));
            EXPECT_EQ(pixmap.size(), QSize(size, size)) << name.toStdString() << " " << size;
            const Coverage c = CoverageOf(pixmap.toImage());
            EXPECT_GT(c.opaque, size * size / 40) << name.toStdString() << " " << size;
            if (name != QLatin1String("pane-backgrounds") && name != QLatin1String("lumbra")) {
                EXPECT_GT(c.clear, size * size / 4) << name.toStdString() << " " << size;
            }
        }
        // At 200 % a 24 pixel button gets 48 device pixels.
        const QPixmap doubled = icon.pixmap(QSize(24, 24), 2.0);
        EXPECT_EQ(doubled.size(), QSize(48, 48)) << name.toStdString();
        EXPECT_EQ(doubled.devicePixelRatio(), 2.0) << name.toStdString();
    }
}

TEST(ProgramIcons, TheSetAndTheResourceFilesMatch) {
    QStringList files = QDir(QStringLiteral(":/icons")).entryList({QStringLiteral("*.svg")});
    for (QString& file : files)
        file.chop(4);
    QStringList names = ProgramIconNames();
    names.sort();
    files.sort();
    EXPECT_EQ(names, files);
    EXPECT_EQ(names.removeDuplicates(), 0);
    EXPECT_TRUE(ProgramIcon(QStringLiteral("no-such-icon")).isNull());
}

namespace {

// A desktop icon theme of one colour, made for the test and dropped after it.
class SolidTheme {
public:
    SolidTheme(const QStringList& icons, QColor colour)
        : mSearchPaths(QIcon::themeSearchPaths()), mTheme(QIcon::themeName()),
          mFallback(QIcon::fallbackThemeName()) {
        const QString theme = mRoot.filePath(QStringLiteral("solid"));
        QDir().mkpath(theme + QStringLiteral("/24x24/actions"));
        QFile index(theme + QStringLiteral("/index.theme"));
        if (index.open(QIODevice::WriteOnly))
            index.write("[Icon Theme]\nName=solid\nDirectories=24x24/actions\n\n"
                        "[24x24/actions]\nSize=24\nType=Fixed\n");
        index.close();
        QImage square(24, 24, QImage::Format_ARGB32);
        square.fill(colour);
        for (const QString& icon : icons)
            square.save(theme + QStringLiteral("/24x24/actions/") + icon + QStringLiteral(".png"));
        QIcon::setThemeSearchPaths({mRoot.path()});
        QIcon::setFallbackThemeName(QString());
        QIcon::setThemeName(QStringLiteral("solid"));
    }
    ~SolidTheme() {
        QIcon::setThemeSearchPaths(mSearchPaths);
        QIcon::setFallbackThemeName(mFallback);
        QIcon::setThemeName(mTheme);
    }
    SolidTheme(const SolidTheme&) = delete;
    SolidTheme& operator=(const SolidTheme&) = delete;

private:
    QTemporaryDir mRoot;
    QStringList mSearchPaths;
    QString mTheme;
    QString mFallback;
};

QColor CentreOf(const QIcon& icon) {
    const QImage image = icon.pixmap(QSize(24, 24)).toImage();
    return image.pixelColor(12, 12);
}

} // namespace

TEST(ProgramIcons, TheDesktopThemeComesFirstWhereItHasTheName) {
    const QColor magenta(255, 0, 255);
    {
        const SolidTheme theme({QStringLiteral("go-next"), QStringLiteral("page-two")}, magenta);
        EXPECT_EQ(CentreOf(ProgramIcon(QStringLiteral("go-next"))), magenta);
        // Ours: the program's own picture even where a theme has that name ...
        EXPECT_NE(CentreOf(ProgramIcon(QStringLiteral("page-two"))), magenta);
        // ... and where the theme lacks a standard name.
        EXPECT_NE(CentreOf(ProgramIcon(QStringLiteral("go-previous"))), magenta);
        EXPECT_EQ(ProgramIcon(QStringLiteral("go-previous")).pixmap(QSize(48, 48)).size(),
                  QSize(48, 48));
    }
    EXPECT_NE(CentreOf(ProgramIcon(QStringLiteral("go-next"))), magenta);
}
