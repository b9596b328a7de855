#include "ui/order/OrderWizardOpener.h"
#include "ui/order/OrderWizardFixture.h"

#include <QTest>
#include <QWidget>

class OrderWizardOpenerTest : public OrderWizardFixture {};

// One window over the owner, made at the first order and reused; the
// owner hears when it closes.
TEST_F(OrderWizardOpenerTest, MakesTheWindowOnceAndReusesIt) {
    QWidget owner;
    owner.show();
    int made = 0;
    int closed = 0;
    const auto open = OrderWizardOpener(
        &owner,
        [&] {
            ++made;
            return MakeContext();
        },
        [&] { ++closed; });

    open(nullptr);
    EXPECT_EQ(made, 0);
    EXPECT_TRUE(owner.findChildren<OrderWizard*>().isEmpty());

    open(book);
    ASSERT_EQ(owner.findChildren<OrderWizard*>().size(), 1);
    OrderWizard* window = owner.findChild<OrderWizard*>();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowModality(), Qt::WindowModal);
    EXPECT_EQ(window->CurrentStep(), OrderWizard::Step::Verify);
    window->close(); // nothing sent yet: no question
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(closed, 1);

    open(book);
    EXPECT_EQ(made, 1);
    EXPECT_EQ(owner.findChildren<OrderWizard*>(), QList<OrderWizard*>{window});
    EXPECT_TRUE(window->isVisible());
    window->close();
    EXPECT_EQ(closed, 2);
    EXPECT_TRUE(questions.isEmpty());
}
