#include "ui/mainwindow/MainLayout.h"

#include <gtest/gtest.h>

using MainLayout::Compute;
using MainLayout::Input;
using enum PaneView;

namespace {

Input Client(int w, int h, PaneView view, int column = 310) {
    Input in;
    in.clientWidth = w;
    in.clientHeight = h;
    in.paneView = view;
    in.columnWidth = column;
    return in;
}

} // namespace

TEST(MainLayout, StripAcrossTheTop) {
    const auto r = Compute(Client(800, 600, Strip));
    EXPECT_EQ(r.pane, QRect(0, 0, 800, 161));
    EXPECT_EQ(r.selector, QRect(0, 162, 170, 21));
    EXPECT_EQ(r.picker, QRect(0, 184, 170, 600 - 184));
    EXPECT_EQ(r.book, QRect(171, 161, 800 - 170, 600 - 161));
}

TEST(MainLayout, StripWithTooLittleRoom) {
    // Shorter than the picker's top: the picker keeps 20, the book view 0.
    auto r = Compute(Client(800, 150, Strip));
    EXPECT_EQ(r.picker.height(), 20);
    EXPECT_EQ(r.book.height(), 0);
    // Exactly at the picker's top: height 0, not 20.
    EXPECT_EQ(Compute(Client(800, 184, Strip)).picker.height(), 0);
    // Narrower than the selector: the book view gets width 0.
    r = Compute(Client(120, 600, Strip));
    EXPECT_EQ(r.book.width(), 0);
    EXPECT_EQ(r.pane.width(), 120);
}

TEST(MainLayout, ColumnAtTheRightTakesThePanesOwnWidth) {
    for (int column : {163, 327, 193}) {
        const auto r = Compute(Client(900, 500, Column, column));
        EXPECT_EQ(r.pane, QRect(900 - column, 0, column, 500)) << column;
        EXPECT_EQ(r.selector, QRect(0, 0, 170, 21));
        EXPECT_EQ(r.picker, QRect(0, 22, 170, 478));
        EXPECT_EQ(r.book, QRect(171, 0, 900 - 170 - column, 500)) << column;
    }
}

TEST(MainLayout, ColumnWithTooLittleRoom) {
    const auto r = Compute(Client(400, 10, Column, 327));
    EXPECT_EQ(r.book.width(), 0);    // 400 - 170 - 327 < 0
    EXPECT_EQ(r.picker.height(), 0); // 10 - 22 < 0: 0 in this layout
    EXPECT_EQ(r.pane.left(), 400 - 327);
}

TEST(MainLayout, OuterFloorOf7500By4500Twips) {
    EXPECT_EQ(MainLayout::EnforceOuterFloor({7, 7}), QSize(500, 300)); // 100 x 100 twips
    EXPECT_EQ(MainLayout::EnforceOuterFloor({499, 301}), QSize(500, 301));
    EXPECT_EQ(MainLayout::EnforceOuterFloor({640, 400}), QSize(640, 400));
}
