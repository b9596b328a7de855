#include "ui/bookview/PageView.h"

#include "model/Book.h"
#include "model/ModelTestSupport.h"
#include "model/Page.h"
#include "model/PageDrop.h"
#include "model/PhotoImage.h"
#include "model/Template.h"
#include "model/TemplateBox.h"
#include "model/Templates.h"
#include "render/TextOverflow.h"
#include "ui/bookview/BookViewTestSupport.h"
#include "ui/bookview/MarkerTips.h"

#include <QHelpEvent>
#include <QSignalSpy>
#include <QStringList>
#include <QToolTip>
#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr int kWaitMs = 10000;

QString Pixels(double w, double h) { return QStringLiteral("%1 x %2").arg(w).arg(h); }

QString LongText() {
    QStringList lines;
    for (int i = 1; i <= 12; ++i)
        lines << QStringLiteral("Line %1").arg(i);
    return QStringLiteral("{\\rtf1\\ansi\\f0\\fs24 %1}").arg(lines.join(QStringLiteral("\\par ")));
}

bool IsYellow(QRgb pixel) { return pixel == qRgb(255, 255, 0); }

int YellowIn(const QImage& image, const QRect& area) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += IsYellow(image.pixel(x, y));
    return n;
}

// The first page at 2 pixels per mm: the default template's photo box
// covers the surface, its text box (30, 180, 230, 25 mm) is (60, 360, 460, 50).
class PageViewTipsTest : public ::testing::Test {
protected:
    void SetUp() override {
        surface.SetPageType(PageView::PageType::SinglePage);
        surface.resize(578, 416);
        surface.show();
        ASSERT_TRUE(QSignalSpy(&surface, &PageView::pageRendered).wait(kWaitMs));
        page = fixture.CurrentBook()->GetPage(0);
    }
    QImage RenderedAfter(const std::function<void()>& change) {
        QSignalSpy rendered(&surface, &PageView::pageRendered);
        change();
        EXPECT_TRUE(rendered.wait(kWaitMs));
        return surface.grab().toImage();
    }
    const TemplateBox& PhotoBox() const { return *page->Template()->PhotoBox(0); }

    BookViewFixture fixture;
    PageView surface{fixture.Context()};
    std::shared_ptr<Page> page;
    const QPoint inPhoto{300, 100};
    const QPoint inText{300, 385};
    const QRect textRim{60, 360, 460, 3};
};

} // namespace

TEST_F(PageViewTipsTest, ATooSmallPhotoExplainsItsPixelsAndWhatTheBoxNeeds) {
    EXPECT_EQ(surface.ToolTipAt(inPhoto), QString());                // an empty box has no mark
    const auto photo = fixture.ImportPhoto(QStringLiteral("p.jpg")); // 640 x 480
    ApplyDropText(*fixture.CurrentBook(), *page, photo->GetKey(), 100, 50);
    ASSERT_TRUE(photo->ImageTooSmall());

    const Templates& catalogue = TestCatalogue();
    const TemplateBox& box = PhotoBox();
    const double shownHeight = 640.0 * box.height() / box.width(); // the box is wider than 4:3
    const QString tip = surface.ToolTipAt(inPhoto);
    EXPECT_TRUE(tip.contains(QStringLiteral("has 640 x 480 pixels"))) << tip.toStdString();
    EXPECT_TRUE(tip.contains(Pixels(640, std::round(shownHeight)))) << tip.toStdString();
    EXPECT_TRUE(tip.contains(Pixels(std::ceil(box.width() * catalogue.GetMinXRatio()),
                                    std::ceil(box.height() * catalogue.GetMinYRatio()))))
        << tip.toStdString();
    EXPECT_TRUE(tip.contains(Pixels(std::round(box.width() * catalogue.GetXRatio()),
                                    std::round(box.height() * catalogue.GetYRatio()))))
        << tip.toStdString();
    EXPECT_FALSE(tip.contains(QStringLiteral("Zoom out")));
    photo->SetRatio(0.5f);
    EXPECT_TRUE(surface.ToolTipAt(inPhoto).contains(QStringLiteral("Zoom out")));

    QHelpEvent help(QEvent::ToolTip, inPhoto, surface.mapToGlobal(inPhoto));
    QCoreApplication::sendEvent(&surface, &help);
    EXPECT_EQ(QToolTip::text(), surface.ToolTipAt(inPhoto));
    QToolTip::hideText();
}

TEST_F(PageViewTipsTest, CutTextIsMarkedOnTheSurfaceAndExplained) {
    const QImage fits = RenderedAfter([this] { page->SetText(0, QStringLiteral("{\\rtf1 Hi}")); });
    EXPECT_EQ(YellowIn(fits, textRim), 0);
    EXPECT_EQ(surface.ToolTipAt(inText), QString());

    const QImage cut = RenderedAfter([this] { page->SetText(0, LongText()); });
    EXPECT_EQ(YellowIn(cut, textRim), textRim.width() * textRim.height());
    const int lines = CutLineCount(LongText(), QSizeF(230, 25));
    ASSERT_GT(lines, 1);
    const QString tip = surface.ToolTipAt(inText);
    EXPECT_EQ(tip, TextCutTip(lines));
    EXPECT_TRUE(tip.contains(QStringLiteral("%1 lines are cut").arg(lines)));
    EXPECT_EQ(surface.ToolTipAt(inPhoto), QString()); // no photo, no mark
}
