#include "ui/bookview/BookView.h"

#include "ui/common/UiTestSupport.h"

#include <QAction>
#include <QSignalSpy>
#include <gtest/gtest.h>

TEST(BookViewTest, ToolbarButtonsSendTheirCommands) {
    UiTestObjects objects;
    BookView view{objects.Context()};
    const struct {
        const char* key;
        void (BookView::*signal)();
    } commands[] = {
        {"NewPage", &BookView::newPageRequested},
        {"PageView", &BookView::pageViewToggleRequested},
        {"PreviousPage", &BookView::previousPageRequested},
        {"NextPage", &BookView::nextPageRequested},
        {"Import", &BookView::importPhotosRequested},
        {"Order", &BookView::orderRequested},
    };
    for (const auto& command : commands) {
        QAction* button = view.ToolbarButton(QString::fromLatin1(command.key));
        ASSERT_NE(button, nullptr) << command.key;
        QSignalSpy spy(&view, command.signal);
        button->setEnabled(true);
        button->trigger();
        EXPECT_EQ(spy.count(), 1) << command.key;
    }
    EXPECT_EQ(view.ToolbarButton(QStringLiteral("Unknown")), nullptr);
}

TEST(BookViewTest, StartsInTwoPageViewAtTheFitEntry) {
    UiTestObjects objects;
    BookView view{objects.Context()};
    EXPECT_EQ(view.GetPagesView(), PagesView::TwoPages);
    EXPECT_EQ(view.ZoomIndex(), 0);
    EXPECT_EQ(view.ZoomLevels()[7].caption, QStringLiteral("116%"));
    view.SetPagesView(PagesView::OnePage);
    EXPECT_EQ(view.GetPagesView(), PagesView::OnePage);
    view.SetPagesView(PagesView::TwoPages);
    EXPECT_EQ(view.GetPagesView(), PagesView::TwoPages);
}
