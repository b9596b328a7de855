#include "RenderFixtures.h"

#include "imaging/TestJpegs.h"
#include "model/PhotoImage.h"
#include "render/PagePixels.h"
#include "render/PageRenderer.h"
#include "render/PageScene.h"

#include "base/LogCapture.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace RenderFixtures;
using TestJpegs::Near;

namespace {

const QRgb kWhite = qRgb(255, 255, 255);
constexpr RenderMode Thumbnail = RenderMode::Thumbnail;
constexpr RenderMode Editing = RenderMode::Editing;

struct PageRendering : ::testing::Test {
    QTemporaryDir dir;
    QString backgrounds;
    QString photos;
    std::unique_ptr<PageRenderer> renderer;
    PageSnapshot scene;

    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        backgrounds = dir.filePath(QStringLiteral("bg"));
        photos = dir.filePath(QStringLiteral("book"));
        QDir().mkpath(backgrounds);
        QDir().mkpath(photos);
        renderer =
            std::make_unique<PageRenderer>(backgrounds + QLatin1Char('/'), QSizeF(kPageW, kPageH));
    }

    QImage Screen(int width, int height, RenderMode mode) {
        const QImage page = renderer->Render(scene, QSize(width, height), mode);
        EXPECT_EQ(page.size(), QSize(width, height));
        return page;
    }
    QImage Print(int width, int height, QStringList* problems = nullptr) {
        return renderer->Render(scene, QSize(width, height), RenderMode::Print, problems);
    }
    void AddPhoto(const std::shared_ptr<const TemplateBox>& box,
                  std::shared_ptr<PhotoImage> photo) {
        scene.photoBoxes.push_back(*box);
        scene.photos.push_back(photo ? std::optional(photo->Placement()) : std::nullopt);
    }
    void AddText(const std::shared_ptr<const TemplateBox>& box, const QString& text) {
        scene.textBoxes.push_back(*box);
        scene.texts.push_back(text);
    }
};

bool IsWhite(QRgb pixel) { return pixel == qRgb(255, 255, 255); }
bool IsYellow(QRgb pixel) { return pixel == qRgb(255, 255, 0); }

} // namespace

TEST_F(PageRendering, PageWithoutBackgroundIsWhiteInEveryRendering) {
    for (RenderMode mode : {Thumbnail, Editing}) {
        const QImage page = Screen(578, 416, mode);
        EXPECT_EQ(CountPixels(page, page.rect(), IsWhite), 578 * 416);
    }
    const QImage print = Print(600, 432);
    ASSERT_EQ(print.size(), QSize(600, 432));
    EXPECT_EQ(CountPixels(print, print.rect(), IsWhite), 600 * 432);
}

TEST_F(PageRendering, ScreenPicksTheBackgroundFileBySizeAndPrintTheFullOne) {
    WriteBackground(backgrounds, QStringLiteral("leaf"), Qt::green, Qt::blue, QColor(), Qt::red);
    scene.background = QStringLiteral("leaf");
    EXPECT_TRUE(Near(Screen(145, 104, Thumbnail).pixel(70, 50), Qt::green));
    EXPECT_TRUE(Near(Screen(290, 208, Thumbnail).pixel(140, 100), Qt::blue));
    // "_lg.jpg" is missing: the screen shows white, the print still the picture.
    const QImage large = Screen(900, 650, Editing);
    EXPECT_EQ(CountPixels(large, large.rect(), IsWhite), 900 * 650);
    EXPECT_TRUE(Near(Print(900, 650).pixel(450, 300), Qt::red));
}

TEST_F(PageRendering, UnknownBackgroundGivesWhitePages) {
    scene.background = QStringLiteral("gone");
    const QImage screen = Screen(290, 208, Thumbnail);
    const QImage print = Print(290, 208);
    EXPECT_EQ(CountPixels(screen, screen.rect(), IsWhite), 290 * 208);
    EXPECT_EQ(CountPixels(print, print.rect(), IsWhite), 290 * 208);
}

TEST_F(PageRendering, ABackgroundNameLeadingOutOfTheLibraryShowsNothing) {
    // A red picture in every size beside the library, and the names of a book
    // that lead there: up and down again, straight up, and by its full path.
    const QString secret = dir.filePath(QStringLiteral("x/secret"));
    QDir().mkpath(dir.filePath(QStringLiteral("x")));
    WriteBackground(dir.filePath(QStringLiteral("x")), QStringLiteral("secret"), Qt::red, Qt::red,
                    Qt::red, Qt::red);
    const QString toRoot = QStringLiteral("../").repeated(int(backgrounds.count(u'/')) + 2);
    const QString names[] = {toRoot + secret.mid(1), QStringLiteral("../x/secret"), secret};
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        ASSERT_TRUE(QFile::exists(QDir(backgrounds).filePath(name + QStringLiteral("_sm.jpg"))));
        scene.background = name;
        LogCapture log;
        const QImage screen = Screen(145, 104, Thumbnail);
        EXPECT_EQ(CountPixels(screen, screen.rect(), IsWhite), 145 * 104);
        const QImage print = Print(290, 208);
        EXPECT_EQ(CountPixels(print, print.rect(), IsWhite), 290 * 208);
        EXPECT_EQ(log.Warnings().size(), 2) << log.Warnings().join(u'\n').toStdString();
        EXPECT_TRUE(log.Logged(QStringLiteral("lumbra.model"), QStringLiteral("not a plain name")));
    }
}

TEST_F(PageRendering, EmptyPhotoBoxShowsBackgroundInThumbnailsAndPatternWhenEditing) {
    WriteBackground(backgrounds, QStringLiteral("sky"), Qt::blue, Qt::blue, Qt::blue, Qt::blue);
    scene.background = QStringLiteral("sky");
    AddPhoto(PhotoBox(10.25, 20.25, 30.75, 20.25), nullptr);
    const QImage thumb = Screen(578, 416, Thumbnail);
    for (QPoint p : {QPoint(20, 40), QPoint(50, 60), QPoint(81, 79)})
        EXPECT_TRUE(Near(thumb.pixel(p), Qt::blue)) << p.x() << "," << p.y();

    const QImage editing = Screen(578, 416, Editing);
    // 20.5, 40.5, 61.5 and 40.5 pixels round to 20, 40, 62 and 40 (halves to even).
    const QRect box(20, 40, 62, 40);
    for (int y = box.top() - 1; y <= box.bottom() + 1; ++y) {
        for (int x = box.left() - 1; x <= box.right() + 1; ++x) {
            const QRgb pixel = editing.pixel(x, y);
            SCOPED_TRACE(testing::Message() << x << "," << y);
            if (!box.contains(x, y))
                EXPECT_TRUE(Near(pixel, Qt::blue));
            else if (x < 22 || y < 42 || x > 79 || y > 77)
                EXPECT_EQ(pixel, kDarkGrey);
            else if ((x + y) % 2 == 0)
                EXPECT_EQ(pixel, kLightGrey);
            else
                EXPECT_TRUE(Near(pixel, Qt::blue));
        }
    }
}

TEST_F(PageRendering, EmptyTextBoxShowsOnlyItsDashedFrameWhenEditing) {
    AddText(TextBox(10, 10, 40, 15), QString());
    AddText(TextBox(60, 10, 40, 15), QStringLiteral("{\\rtf1\\ansi   \\par}"));
    const QImage thumb = Screen(578, 416, Thumbnail);
    EXPECT_EQ(CountPixels(thumb, thumb.rect(), IsWhite), 578 * 416);

    const QImage editing = Screen(578, 416, Editing);
    for (const QRect box : {QRect(20, 20, 80, 30), QRect(120, 20, 80, 30)}) {
        // The frame's two pixels stand around the box, not on it.
        const QRect frame = box.adjusted(-2, -2, 2, 2);
        for (int k = 0; k < frame.width(); ++k) {
            const QRgb dash = (k / 4) % 2 == 0 ? kLightGrey : kDarkGrey;
            if (k >= 2 && k < frame.width() - 2) {
                EXPECT_EQ(editing.pixel(frame.x() + k, frame.y()), dash) << k;
                EXPECT_EQ(editing.pixel(frame.x() + k, frame.bottom() - 1), dash) << k;
            }
        }
        for (int j = 0; j < frame.height(); ++j) {
            const QRgb dash = (j / 4) % 2 == 0 ? kLightGrey : kDarkGrey;
            EXPECT_EQ(editing.pixel(frame.x() + 1, frame.y() + j), dash) << j;
            EXPECT_EQ(editing.pixel(frame.right(), frame.y() + j), dash) << j;
        }
        EXPECT_EQ(CountPixels(editing, box, IsWhite), box.width() * box.height());
        EXPECT_TRUE(IsWhite(editing.pixel(frame.x() - 1, frame.y())));
        EXPECT_TRUE(IsWhite(editing.pixel(frame.x(), frame.bottom() + 1)));
    }
    // The print shows no frame at all.
    const QImage print = Print(578, 416);
    EXPECT_EQ(CountPixels(print, print.rect(), IsWhite), 578 * 416);
}

TEST_F(PageRendering, TextIsDrawnInBothRenderingsOverWhatIsBelow) {
    WriteBackground(backgrounds, QStringLiteral("sky"), Qt::blue, Qt::blue, Qt::blue, Qt::blue);
    scene.background = QStringLiteral("sky");
    AddText(TextBox(10, 10, 200, 40), Rtf(QStringLiteral("HHHH HHHH")));
    const QRect boxOnScreen(20, 20, 400, 80);
    for (RenderMode mode : {Thumbnail, Editing}) {
        const QImage page = Screen(578, 416, mode);
        EXPECT_GT(CountPixels(page, boxOnScreen.adjusted(2, 2, -2, -2), IsDark), 100) << int(mode);
        EXPECT_TRUE(Near(page.pixel(boxOnScreen.right() - 5, boxOnScreen.bottom() - 5), Qt::blue));
    }
    const QImage print = Print(2458, 1769);
    const QRect boxInPrint(85, 85, 1701, 340);
    EXPECT_GT(CountPixels(print, boxInPrint, IsDark), 1000);
    // Only the glyphs cover the background; nothing is drawn outside the box.
    EXPECT_TRUE(Near(print.pixel(boxInPrint.right() - 10, boxInPrint.bottom() - 10), Qt::blue));
    EXPECT_EQ(CountPixels(print, QRect(0, 0, 2458, 84), IsDark), 0);
    EXPECT_EQ(CountPixels(print, QRect(0, 426, 2458, 1343), IsDark), 0);
}

TEST_F(PageRendering, TheTextFrameHidesNoneOfTheText) {
    // Left-aligned text starts on the box's left edge; a box at the page's
    // left edge keeps what of its frame the page holds.
    AddText(TextBox(10, 10, 100, 40), Rtf(QStringLiteral("WHW\\par WHW")));
    AddText(TextBox(0, 60, 100, 40), Rtf(QStringLiteral("WHW")));
    const QImage thumb = Screen(578, 416, Thumbnail);
    const QImage editing = Screen(578, 416, Editing);
    for (const QRect box : {QRect(20, 20, 200, 80), QRect(0, 120, 200, 80)}) {
        SCOPED_TRACE(testing::Message() << "box at " << box.x() << "," << box.y());
        // The first letters reach the columns under the box's edge...
        ASSERT_GT(CountPixels(thumb, QRect(box.x(), box.y(), 2, box.height()), IsDark), 0);
        // ... and every pixel of the box is the text's, frame or not.
        EXPECT_EQ(editing.copy(box), thumb.copy(box));
        const QRect frame = box.adjusted(-2, -2, 2, 2) & editing.rect();
        EXPECT_NE(editing.copy(frame), thumb.copy(frame));
    }
    // Row 7 of the frame's second column, left of the first box: a dark dash.
    EXPECT_EQ(editing.pixel(19, 25), kDarkGrey);
}

TEST_F(PageRendering, StoredSizesAreTripledForRendering) {
    // "\fs24" (12 points) is drawn at 36 points: 48 pixels per em at the
    // print resolution, an "H" about 35 pixels high.
    AddText(TextBox(0, 0, 100, 30), Rtf(QStringLiteral("H"), 24));
    const QImage print = Print(2458, 1769);
    int top = -1, bottom = -1;
    for (int y = 0; y < 255; ++y) {
        if (CountPixels(print, QRect(0, y, 850, 1), IsDark) > 0) {
            if (top < 0)
                top = y;
            bottom = y;
        }
    }
    ASSERT_GE(top, 0);
    EXPECT_NEAR(bottom - top + 1, 35, 6);
}

TEST_F(PageRendering, PhotoShowsItsPictureInTheBoxInBothRenderings) {
    // A 4:3 photo in a 4:3 box shows whole.
    const auto box = PhotoBox(100, 50, 80, 60);
    AddPhoto(box, PlacedPhoto(photos, QStringLiteral("q"), TestJpegs::Quadrants(800, 600), box));
    auto expectQuarters = [](const QImage& page, double sx, double sy) {
        auto at = [&](double mmX, double mmY) { return page.pixel(int(mmX * sx), int(mmY * sy)); };
        EXPECT_TRUE(Near(at(120, 65), Qt::red));
        EXPECT_TRUE(Near(at(160, 65), Qt::green));
        EXPECT_TRUE(Near(at(120, 95), Qt::blue));
        EXPECT_TRUE(Near(at(160, 95), Qt::white));
        EXPECT_TRUE(IsWhite(at(98, 48)));
        EXPECT_TRUE(IsWhite(at(182, 112)));
    };
    expectQuarters(Screen(578, 416, Thumbnail), 2, 2);
    expectQuarters(Screen(578, 416, Editing), 2, 2);
    const QImage print = Print(2458, 1769);
    ASSERT_EQ(print.size(), QSize(2458, 1769));
    expectQuarters(print, 2458 / kPageW, 1769 / kPageH);
}

TEST_F(PageRendering, TooSmallWarningOnlyInTheEditingMode) {
    // 400 x 300 pixels over 80 mm: 5 pixels per mm, below the minimum.
    const auto box = PhotoBox(10, 10, 80, 60);
    AddPhoto(box, PlacedPhoto(photos, QStringLiteral("small"), Flat(400, 300, Qt::blue), box));
    ASSERT_TRUE(scene.photos[0]->tooSmall);
    const QRect onScreen(20, 20, 160, 120);
    EXPECT_EQ(CountPixels(Screen(578, 416, Thumbnail), onScreen, IsYellow), 0);
    EXPECT_GT(CountPixels(Screen(578, 416, Editing), onScreen, IsYellow), 160 * 3);
    EXPECT_EQ(CountPixels(Print(578, 416), onScreen, IsYellow), 0);
}

TEST_F(PageRendering, TheRenderersMarkerStandsInTheTopLeftOfATooSmallPhoto) {
    QImage marker(8, 8, QImage::Format_RGB32);
    marker.fill(Qt::magenta);
    renderer = std::make_unique<PageRenderer>(backgrounds + QLatin1Char('/'),
                                              QSizeF(kPageW, kPageH), marker);
    const auto box = PhotoBox(10, 10, 80, 60);
    AddPhoto(box, PlacedPhoto(photos, QStringLiteral("small"), Flat(400, 300, Qt::blue), box));
    EXPECT_EQ(Screen(578, 416, RenderMode::Editing).pixel(25, 25),
              qRgb(255, 0, 255)); // inside the yellow band
    EXPECT_TRUE(Near(Screen(578, 416, RenderMode::Thumbnail).pixel(25, 25), Qt::blue));
}

TEST_F(PageRendering, LaterBoxesCoverEarlierOnesAndTextCoversPhotos) {
    const auto first = PhotoBox(10, 10, 60, 45);
    const auto second = PhotoBox(40, 30, 60, 45);
    AddPhoto(first, PlacedPhoto(photos, QStringLiteral("r"), Flat(1200, 900, Qt::red), first));
    AddPhoto(second, PlacedPhoto(photos, QStringLiteral("b"), Flat(1200, 900, Qt::blue), second));
    AddText(TextBox(45, 35, 20, 15), Rtf(QStringLiteral("\\b HHH"), 48));
    for (const QImage& page : {Screen(578, 416, Thumbnail), Print(578, 416)}) {
        EXPECT_TRUE(Near(page.pixel(30, 30), Qt::red));
        EXPECT_TRUE(Near(page.pixel(135, 105), Qt::blue));               // in both boxes
        EXPECT_GT(CountPixels(page, QRect(90, 70, 40, 30), IsDark), 20); // text over the blue
    }
}

TEST_F(PageRendering, PhotoWithoutFilesIsLeftOutAndReported) {
    const auto box = PhotoBox(10, 10, 80, 60);
    auto photo = PlacedPhoto(photos, QStringLiteral("gone"), Flat(1600, 1200, Qt::red), box);
    AddPhoto(box, photo);
    AddText(TextBox(100, 10, 100, 30), Rtf(QStringLiteral("still here")));
    photo->Delete();
    QStringList problems;
    const QImage print = Print(578, 416, &problems);
    EXPECT_EQ(problems, QStringList{photo->GetName()});
    EXPECT_TRUE(IsWhite(print.pixel(100, 80)));
    EXPECT_GT(CountPixels(print, QRect(200, 20, 200, 60), IsDark), 20);
    const QImage screen = Screen(578, 416, Editing);
    EXPECT_GT(CountPixels(screen, QRect(200, 20, 200, 60), IsDark), 20);
}

TEST_F(PageRendering, APhotoLeftOutOfTheScreenIsLogged) {
    const auto box = PhotoBox(10, 10, 80, 60);
    auto photo = PlacedPhoto(photos, QStringLiteral("gone"), Flat(1600, 1200, Qt::red), box);
    AddPhoto(box, photo);
    photo->Delete();
    LogCapture log;
    Screen(578, 416, Editing);
    EXPECT_TRUE(log.Logged(QStringLiteral("lumbra.render"), QStringLiteral("Drawing a photo")))
        << log.Warnings().join(QLatin1Char('\n')).toStdString();
}

TEST_F(PageRendering, BoxReachingPastThePageEdgeIsCutNotDropped) {
    const auto box = PhotoBox(250, 170, 60, 45);
    AddPhoto(box, PlacedPhoto(photos, QStringLiteral("edge"), Flat(1200, 900, Qt::red), box));
    const QImage print = Print(578, 416);
    EXPECT_TRUE(Near(print.pixel(560, 400), Qt::red));
    EXPECT_TRUE(Near(print.pixel(577, 415), Qt::red));
}

TEST_F(PageRendering, BoxesOfMetresShowTheirPartOfThePage) {
    // A photo box 10 m wide from the top-left corner of the page.
    const auto box = PhotoBox(0, 0, 10000, 10000);
    AddPhoto(box, PlacedPhoto(photos, QStringLiteral("vast"), Flat(1200, 1200, Qt::red), box));
    // An empty one whose last 100 x 100 mm lie on the page, at its top-left.
    AddPhoto(PhotoBox(-9900, -9900, 10000, 10000), nullptr);
    // A text box of 10 m whose text starts at (150, 100) mm.
    AddText(TextBox(150, 100, 10000, 10000), Rtf(QStringLiteral("\\b HHH"), 48));
    const QRect text(300, 200, 278, 100);
    for (const QImage& page : {Screen(578, 416, Thumbnail), Print(578, 416)}) {
        EXPECT_TRUE(Near(page.pixel(100, 100), Qt::red));
        EXPECT_TRUE(Near(page.pixel(250, 150), Qt::red));
        EXPECT_GT(CountPixels(page, text, IsDark), 20);
    }
    const QImage editing = Screen(578, 416, Editing);
    EXPECT_EQ(editing.pixel(100, 100), kLightGrey); // the empty box's pattern: 100 + 100 is even
    EXPECT_TRUE(Near(editing.pixel(101, 100), Qt::red));
    EXPECT_EQ(editing.pixel(198, 150), kDarkGrey); // its frame, 2 pixels wide
    EXPECT_EQ(editing.pixel(199, 150), kDarkGrey);
    EXPECT_TRUE(Near(editing.pixel(200, 150), Qt::red));
    EXPECT_GT(CountPixels(editing, text, IsDark), 20);
}
