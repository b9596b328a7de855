#include "ui/order/OrderAnswers.h"

#include <gtest/gtest.h>

TEST(OrderAnswers, OrderIdIsTheTextBetweenTheFirstMarkers) {
    EXPECT_EQ(OrderIdFromVerifyAnswer(QStringLiteral("  Thank you [(LB123)] and [(LB9)]  ")),
              QStringLiteral("LB123"));
    EXPECT_EQ(OrderIdFromVerifyAnswer(QStringLiteral("[(x)] )]")), QStringLiteral("x"));
}

TEST(OrderAnswers, RefusedOrUnusableAnswersGiveNoId) {
    for (const QString& answer :
         {QStringLiteral("[(INVALID)]"), QStringLiteral("no markers"), QStringLiteral("[(LB1"),
          QStringLiteral("LB1)] then [("), QStringLiteral("[(LB1,LB2)]"),
          QStringLiteral("[(LB1\r\n)]"), QStringLiteral("[(LB\n1)]"), QStringLiteral("[(LB\x01)]"),
          QStringLiteral("[(a&b)]"), QStringLiteral("[(a#b)]"), QStringLiteral("[()]"), QString()})
        EXPECT_FALSE(OrderIdFromVerifyAnswer(answer).has_value()) << answer.toStdString();
}

TEST(OrderAnswers, CoverIsTheFirstElementBeginningWithCover) {
    EXPECT_EQ(CoverFromElements(
                  {"<div>cover:x</div>", "Cover:y", "cover:leather-red", "cover:linen-blue"}),
              QStringLiteral("leather-red"));
    EXPECT_EQ(CoverFromElements({"cover:"}), QString());
    EXPECT_EQ(CoverFromElements({"nothing", "picked"}), QString());
    EXPECT_EQ(CoverFromElements({}), QString());
    // A value no address could carry counts as none, even with a good one after it.
    EXPECT_EQ(CoverFromElements({"cover:a,b", "cover:linen-blue"}), QString());
    EXPECT_EQ(CoverFromElements({"cover:a&amp;b"}), QString());
}

TEST(OrderAnswers, UploadStatusTextKeepsItsBlanks) {
    EXPECT_EQ(UploadStatusText(QStringLiteral("Uploading pages"), 2, 20),
              QStringLiteral("Uploading pages ( 2 / 20 ) "));
}

TEST(OrderAnswers, LayoutPlacesTheStripAboveTheView) {
    const OrderWizardGeometry g = OrderWizardLayout({500, 440}, {80, 30}, 200);
    EXPECT_EQ(g.label, QRect(10, 10, 480, 25));
    EXPECT_EQ(g.input, QRect(10, 35, 200, 25));
    EXPECT_EQ(g.progress, QRect(10, 35, 480, 25));
    EXPECT_EQ(g.cancel, QRect(410, 70, 80, 30));
    EXPECT_EQ(g.next, QRect(320, 70, 80, 30));
    EXPECT_EQ(g.browser, QRect(0, 100, 500, 340));
    EXPECT_EQ(g.payment, QRect(0, 0, 500, 439));

    const OrderWizardGeometry large = OrderWizardLayout({800, 600}, {80, 30}, 200);
    EXPECT_EQ(large.cancel.right(), 800 - 10 - 1);
    EXPECT_EQ(large.browser, QRect(0, 100, 800, 500));
    EXPECT_EQ(large.payment, QRect(0, 0, 800, 599));
    // Never smaller than the window's units.
    EXPECT_EQ(OrderWizardLayout({100, 100}, {80, 30}, 200).payment, QRect(0, 0, 500, 439));
}
