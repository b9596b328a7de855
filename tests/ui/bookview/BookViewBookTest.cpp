#include "model/Book.h"
#include "model/BookSession.h"
#include "model/Templates.h"
#include "ui/bookview/BookView.h"
#include "ui/bookview/BookViewTestSupport.h"
#include "ui/bookview/PageView.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QToolBar>
#include <QWheelEvent>
#include <gtest/gtest.h>

#include <algorithm>

namespace {

class BookViewBookTest : public ::testing::Test {
protected:
    void SetUp() override { ShowBookView(view); }
    std::shared_ptr<Book> book() const { return fixture.CurrentBook(); }
    bool Enabled(const char* key) const {
        return view.ToolbarButton(QString::fromLatin1(key))->isEnabled();
    }

    BookViewFixture fixture;
    BookView view{fixture.Context()};
};

} // namespace

TEST_F(BookViewBookTest, PagesThroughTheBookByPairsAndStopsAtBothEnds) {
    EXPECT_EQ(view.GetPagesView(), PagesView::TwoPages);
    EXPECT_EQ(view.LeftPageView()->ShownPage(), nullptr); // the first page stands alone
    EXPECT_EQ(view.RightPageView()->ShownPage(), book()->GetPage(0));
    EXPECT_FALSE(view.HasPreviousPage());
    EXPECT_TRUE(view.HasNextPage());
    EXPECT_FALSE(Enabled("PreviousPage"));
    EXPECT_FALSE(view.LeftPageLabel()->isVisible()); // no page left of the first
    EXPECT_EQ(view.RightPageLabel()->text(), QStringLiteral("1"));

    QSignalSpy status(&view, &BookView::prevNextStatusChanged);
    view.NextPage();
    EXPECT_EQ(fixture.manager.Session().PageIndex(), 2);
    EXPECT_EQ(view.LeftPageView()->ShownPage(), book()->GetPage(1));
    EXPECT_EQ(view.RightPageView()->ShownPage(), book()->GetPage(2));
    EXPECT_EQ(view.LeftPageLabel()->text(), QStringLiteral("2"));
    EXPECT_EQ(view.RightPageLabel()->text(), QStringLiteral("3"));
    EXPECT_TRUE(Enabled("PreviousPage"));
    EXPECT_GE(status.count(), 1);

    while (view.HasNextPage())
        view.NextPage();
    EXPECT_EQ(fixture.manager.Session().LeftPageIndex(), 19); // 20 pages: page 20 stands alone
    EXPECT_FALSE(view.RightPageLabel()->isVisible());
    EXPECT_FALSE(Enabled("NextPage"));

    view.SetPagesView(PagesView::OnePage);
    EXPECT_FALSE(view.HasNextPage());
    EXPECT_EQ(view.OnePageLabel()->text(),
              QString::number(fixture.manager.Session().PageIndex() + 1));
    view.PreviousPage();
    EXPECT_EQ(fixture.manager.Session().PageIndex(), 18);
    EXPECT_TRUE(view.HasNextPage());
}

TEST_F(BookViewBookTest, ZoomEntriesSizeThePagesFromTheCataloguePixels) {
    const Templates& catalogue = TestCatalogue();
    view.SetZoomIndex(7); // "116%"
    const QSize zoomed(BookViewLayout::ZoomedPixels(catalogue.PageWidthPixel(), 7),
                       BookViewLayout::ZoomedPixels(catalogue.PageHeightPixel(), 7));
    EXPECT_EQ(view.LeftPageView()->size(), zoomed);
    EXPECT_EQ(view.RightPageView()->size(), zoomed);
    EXPECT_TRUE(view.HScrollBar()->isVisible());
    // The pages touch.
    EXPECT_EQ(view.RightPageView()->x(), view.LeftPageView()->x() + zoomed.width());

    view.SetZoomIndex(0);
    for (const QSize size : {QSize(1000, 700), QSize(640, 400), QSize(2400, 1600)}) {
        view.resize(size);
        EXPECT_FALSE(view.HScrollBar()->isVisible()) << size.width();
        EXPECT_FALSE(view.VScrollBar()->isVisible()) << size.width();
        EXPECT_EQ(view.LeftPageView()->size(),
                  QSize(view.ZoomLevels()[0].width, view.ZoomLevels()[0].height));
    }
}

TEST_F(BookViewBookTest, TheWheelScrollsAZoomedPageAsItsBarsDo) {
    const auto wheel = [](QWidget* target, QPoint delta, Qt::KeyboardModifiers modifiers = {}) {
        const QPointF at(20, 20);
        QWheelEvent event(at, target->mapToGlobal(at), QPoint(), delta, Qt::NoButton, modifiers,
                          Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(target, &event);
        return event.isAccepted();
    };
    // Fitted pages: the view leaves the wheel to the window, as before.
    EXPECT_FALSE(wheel(&view, QPoint(0, -120)));
    EXPECT_FALSE(wheel(view.RightPageView(), QPoint(0, -120)));

    view.SetZoomIndex(12); // "200%"
    QScrollBar* across = view.HScrollBar();
    QScrollBar* down = view.VScrollBar();
    ASSERT_TRUE(down->isVisible());
    ASSERT_GT(down->maximum(), 0);
    // A notch over the bar itself tells how far a notch goes.
    wheel(down, QPoint(0, -120));
    const int notch = down->value();
    ASSERT_GT(notch, 0);
    down->setValue(0);

    PageView* page = view.RightPageView();
    const QPoint before = page->pos();
    EXPECT_TRUE(wheel(page, QPoint(0, -120)));
    EXPECT_EQ(down->value(), notch);
    EXPECT_EQ(across->value(), 0);
    EXPECT_EQ(page->pos(), before - QPoint(0, notch));
    wheel(&view, QPoint(0, 120)); // beside the pages as over them
    EXPECT_EQ(down->value(), 0);
    wheel(page, QPoint(0, 120)); // the top stays the top
    EXPECT_EQ(down->value(), 0);

    wheel(page, QPoint(0, -120), Qt::ShiftModifier);
    EXPECT_EQ(across->value(), std::min(notch, across->maximum()));
    EXPECT_EQ(down->value(), 0);
    EXPECT_EQ(page->pos(), before - QPoint(across->value(), 0));

    for (int i = 0; i < 100; ++i)
        wheel(&view, QPoint(0, -120));
    EXPECT_EQ(down->value(), down->maximum());
}

// At 200 % the pages reach under both bars; the square where the bars meet
// shows the window's colour, not a piece of a page, and goes with the bars.
TEST_F(BookViewBookTest, TheCornerBetweenTheBarsIsPlain) {
    view.SetZoomIndex(12);
    QWidget* corner = view.ScrollCorner();
    ASSERT_TRUE(corner->isVisible());
    EXPECT_EQ(corner->geometry(), QRect(view.VScrollBar()->x(), view.HScrollBar()->y(),
                                        view.VScrollBar()->width(), view.HScrollBar()->height()));
    const QRect pages = view.LeftPageView()->geometry().united(view.RightPageView()->geometry());
    ASSERT_TRUE(pages.contains(corner->geometry())); // a page lies under it
    const QImage shot = view.grab(corner->geometry()).toImage();
    const QRgb plain = view.palette().color(QPalette::Window).rgb();
    int others = 0;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            others += shot.pixel(x, y) != plain;
    EXPECT_EQ(others, 0);
    view.SetZoomIndex(0);
    EXPECT_FALSE(corner->isVisible());
}

TEST_F(BookViewBookTest, DeleteButtonsAppearAboveTheMinimumAndDeleteThePageUnderThem) {
    EXPECT_FALSE(view.RightPageDeleteButton()->isVisible()); // 20 pages: the minimum
    view.AddNewPage();
    EXPECT_EQ(book()->PagesCount(), 21);
    EXPECT_EQ(fixture.manager.Session().PageIndex(), 20);
    EXPECT_TRUE(view.LeftPageDeleteButton()->isVisible());
    EXPECT_TRUE(view.RightPageDeleteButton()->isVisible());

    view.RightPageDeleteButton()->click(); // page 21
    EXPECT_EQ(book()->PagesCount(), 20);
    EXPECT_FALSE(view.LeftPageDeleteButton()->isVisible());
    EXPECT_TRUE(fixture.StateFile().endsWith(QStringLiteral("\r\n")));
    EXPECT_EQ(fixture.StateFile().count(QLatin1Char('+')), 20);
}

TEST_F(BookViewBookTest, NewPageIsDisabledAtTheMostPages) {
    EXPECT_TRUE(Enabled("NewPage"));
    while (book()->PagesCount() < book()->GetMaxPages())
        book()->AddNewPage();
    EXPECT_FALSE(Enabled("NewPage"));
    book()->RemovePage(0);
    EXPECT_TRUE(Enabled("NewPage"));
}

TEST_F(BookViewBookTest, AnotherBookOpensInTheTwoPageView) {
    view.SetPagesView(PagesView::OnePage);
    EXPECT_TRUE(view.OnePageView()->isVisible());
    EXPECT_FALSE(view.LeftPageView()->isVisible());
    fixture.manager.NewBook(QStringLiteral("Second"));
    EXPECT_EQ(view.GetPagesView(), PagesView::TwoPages);
    EXPECT_FALSE(view.OnePageView()->isVisible());
    EXPECT_TRUE(view.LeftPageView()->isVisible());
    EXPECT_TRUE(view.RightPageView()->isVisible());
    EXPECT_FALSE(view.OnePageLabel()->isVisible());
    EXPECT_EQ(view.RightPageView()->ShownPage(), book()->GetPage(0));
}

TEST_F(BookViewBookTest, HostsBothEditorsAndClosesThemOnItsBackgroundAndOnAViewChange) {
    auto* hostedText = dynamic_cast<QWidget*>(view.TextBoxEditor());
    auto* hostedPhoto = dynamic_cast<QWidget*>(view.PhotoBoxEditor());
    ASSERT_NE(hostedText, nullptr);
    ASSERT_NE(hostedPhoto, nullptr);
    EXPECT_EQ(hostedText->parentWidget(), &view);
    EXPECT_EQ(hostedPhoto->parentWidget(), &view);

    FakeTextEditor text;
    FakePhotoEditor photo;
    view.SetTextBoxEditor(&text);
    view.SetPhotoBoxEditor(&photo);
    const auto photoOnPage = fixture.ImportPhoto(QStringLiteral("p.jpg"));
    book()->GetPage(0)->AddPhoto(photoOnPage, 100, 50);
    text.Init(book()->GetPage(0), 0);
    photo.Init(photoOnPage);
    // The grey strip between the toolbar and the pages.
    QTest::mouseClick(&view, Qt::LeftButton, {}, QPoint(500, view.Toolbar()->height() + 2));
    EXPECT_EQ(text.destroyed, 1);
    EXPECT_EQ(photo.destroyed, 1);

    text.Init(book()->GetPage(0), 0);
    view.SetPagesView(PagesView::OnePage);
    EXPECT_EQ(text.destroyed, 2);
    EXPECT_EQ(photo.destroyed, 1); // was closed already
}
