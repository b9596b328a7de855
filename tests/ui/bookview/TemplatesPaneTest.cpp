#include "ui/bookview/TemplatesPane.h"
#include "model/Template.h"
#include "model/TemplateBox.h"
#include "model/Templates.h"
#include "ui/bookview/TemplateTile.h"
#include "ui/bookview/TemplatesPaneMath.h"

#include <QMimeData>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

using namespace TemplatesPaneMath;

TEST(TemplatesPaneMath, MiniatureSizeAndPlaces) {
    EXPECT_EQ(MiniatureHeight(289, 208), 94); // 93.56
    EXPECT_EQ(MiniatureHeight(260, 130), 65);
    EXPECT_EQ(MiniatureTop(0, 94, 0), 10);
    EXPECT_EQ(MiniatureTop(3, 94, 0), 10 + 3 * 104);
    EXPECT_EQ(MiniatureTop(0, 94, 1), 10 - 104); // scrolled off the top
    EXPECT_EQ(MiniatureTop(2, 94, 1), 114);
}

TEST(TemplatesPaneMath, ScrollRange) {
    EXPECT_EQ(ScrollMaximum(8, 842, 94), 1); // 8 - 8 + 1
    EXPECT_EQ(ScrollMaximum(8, 900, 94), 0); // 0.44
    EXPECT_EQ(ScrollMaximum(8, 300, 94), 6); // 6.21
    EXPECT_EQ(ScrollMaximum(0, 500, 94), 0);
    EXPECT_EQ(ScrollMaximum(3, 10, 94), 4); // no row fits
    // 270 pixels hold 2.5 rows: 3.5 and 2.5 go to the even neighbour.
    EXPECT_EQ(ScrollMaximum(5, 270, 94), 4);
    EXPECT_EQ(ScrollMaximum(4, 270, 94), 2);
}

TEST(TemplatesPaneMath, BoxRectangleAndDragText) {
    auto t = Template::FromDefinition(
        QStringLiteral("Photo[0, 0, 144.5, 104, 0],Text[289, 208, 0, 0, 0]"));
    EXPECT_EQ(BoxRect(*t->PhotoBox(0), 130, 94, 289, 208), QRect(0, 0, 65, 47)); // 65.0, 47.0
    EXPECT_EQ(BoxRect(*t->TextBox(0), 130, 94, 289, 208), QRect(130, 94, 0, 0));
    EXPECT_EQ(MapToMiniature(1.0, 130, 289), 0);
    EXPECT_EQ(MapToMiniature(289, 130, 289), 130);
    EXPECT_EQ(DragText(*t), QStringLiteral("T:Photo[0, 0, 144.5, 104, 0],Text[289, 208, 0, 0, 0]"));
}

namespace {

class TemplatesPaneTest : public ::testing::Test {
protected:
    Templates catalogue; // the built-in catalogue
    TemplatesPane picker{catalogue};
};

} // namespace

TEST_F(TemplatesPaneTest, ShowsAGroupNewestFirstInAColumn) {
    EXPECT_EQ(picker.Group(), -1);
    picker.resize(170, 500);
    picker.RenderTemplates(1);
    EXPECT_EQ(picker.Group(), 1);
    const auto expected = catalogue.GroupTemplates(1);
    ASSERT_EQ(picker.Miniatures().size(), expected.size());
    ASSERT_GE(expected.size(), 2u);
    EXPECT_EQ(picker.Miniatures()[0]->GetTemplate(), catalogue.GetDefaultTemplate());
    for (size_t i = 0; i < expected.size(); ++i) {
        const TemplateTile* m = picker.Miniatures()[i];
        EXPECT_EQ(m->GetTemplate(), expected[i]);
        EXPECT_EQ(m->objectName(), QStringLiteral("Template_%1_1").arg(i));
        EXPECT_EQ(m->geometry(), QRect(10, 10 + 104 * int(i), 130, 94));
        EXPECT_EQ(m->parentWidget(), &picker);
    }
    EXPECT_EQ(picker.ScrollBar()->maximum(), ScrollMaximum(int(expected.size()), 500, 94));
}

TEST_F(TemplatesPaneTest, GroupsZeroAndEight) {
    picker.RenderTemplates(0);
    ASSERT_EQ(picker.Miniatures().size(), 3u);
    for (const TemplateTile* m : picker.Miniatures())
        EXPECT_EQ(m->GetTemplate()->PhotoBoxCount(), 0);
    picker.RenderTemplates(8);
    ASSERT_EQ(picker.Miniatures().size(), 7u);
    EXPECT_EQ(picker.findChildren<TemplateTile*>().size(), 7); // the old ones are gone
    int nine = 0;
    for (const TemplateTile* m : picker.Miniatures())
        nine += m->GetTemplate()->PhotoBoxCount() == 9;
    EXPECT_EQ(nine, 1);
    EXPECT_EQ(picker.Miniatures()[6]->objectName(), QStringLiteral("Template_6_8"));
}

TEST_F(TemplatesPaneTest, ScrollingMovesEveryMiniatureAndANewGroupStartsAtTheTop) {
    picker.resize(170, 200);
    picker.RenderTemplates(2);
    ASSERT_GT(picker.ScrollBar()->maximum(), 1);
    picker.ScrollBar()->setValue(1);
    for (size_t k = 0; k < picker.Miniatures().size(); ++k)
        EXPECT_EQ(picker.Miniatures()[k]->y(), 10 + 104 * (int(k) - 1));
    picker.RenderTemplates(3);
    EXPECT_EQ(picker.ScrollBar()->value(), 0);
    EXPECT_EQ(picker.Miniatures()[0]->y(), 10);
}

TEST_F(TemplatesPaneTest, ResizingUpdatesTheRangeAndPlacesTheBar) {
    picker.show();             // hidden widgets get their resize events only when shown
    picker.RenderTemplates(8); // seven miniatures
    picker.resize(170, 842);
    EXPECT_EQ(picker.ScrollBar()->maximum(), 0); // 7 - 8 + 1
    picker.resize(170, 738);
    EXPECT_EQ(picker.ScrollBar()->maximum(), 1); // 7 - 7 + 1
    const QRect bar = picker.ScrollBar()->geometry();
    EXPECT_EQ(bar.right() + 1, 170 - 3);
    EXPECT_EQ(bar.height(), 738 - 2);
}

TEST_F(TemplatesPaneTest, MiniatureCarriesItsInitLineIncludingLineBreaks) {
    picker.RenderTemplates(3);
    bool sawLineBreak = false;
    for (const TemplateTile* m : picker.Miniatures()) {
        const auto data = m->DragData();
        EXPECT_EQ(data->text(), QStringLiteral("T:") + m->GetTemplate()->GetInitLine());
        sawLineBreak |= data->text().contains(QLatin1Char('\n'));
        EXPECT_EQ(data->formats(), QStringList{QStringLiteral("text/plain")});
    }
    EXPECT_TRUE(sawLineBreak); // group 3 holds catalogue entries that span two lines
}

TEST_F(TemplatesPaneTest, EachMiniatureTellsItsBoxesInItsTooltip) {
    const auto two = Template::FromDefinition(QStringLiteral(
        "Photo[0, 0, 100, 100, 0],Photo[100, 0, 100, 100, 0],Text[0, 150, 9, 9, 0]"));
    const QString twoTip = TemplatesPaneMath::TileTip(*two);
    EXPECT_TRUE(twoTip.contains(QStringLiteral("2 photos"))) << twoTip.toStdString();
    EXPECT_TRUE(twoTip.contains(QStringLiteral("1 text box"))) << twoTip.toStdString();
    const auto one = Template::FromDefinition(QStringLiteral("Photo[0, 0, 100, 100, 0]"));
    const QString oneTip = TemplatesPaneMath::TileTip(*one);
    EXPECT_TRUE(oneTip.contains(QStringLiteral("1 photo "))) << oneTip.toStdString();
    EXPECT_TRUE(oneTip.contains(QStringLiteral("0 text boxes"))) << oneTip.toStdString();

    picker.resize(170, 500);
    picker.RenderTemplates(2);
    ASSERT_FALSE(picker.Miniatures().empty());
    for (const TemplateTile* m : picker.Miniatures())
        EXPECT_EQ(m->toolTip(), TemplatesPaneMath::TileTip(*m->GetTemplate()));
}

TEST_F(TemplatesPaneTest, DoubleClickAndEnterChooseAMiniatureAndUpAndDownMoveTheFocus) {
    picker.resize(170, 300); // two rows and a bit
    picker.RenderTemplates(8);
    picker.show();
    picker.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&picker));
    std::vector<std::shared_ptr<Template>> chosen;
    QObject::connect(&picker, &TemplatesPane::templateChosen,
                     [&](const std::shared_ptr<Template>& t) { chosen.push_back(t); });
    const auto& m = picker.Miniatures();
    ASSERT_GE(m.size(), 4u);

    QTest::keyClick(m[2], Qt::Key_Return);
    QTest::keyClick(m[2], Qt::Key_Space);
    QTest::keyClick(m[0], Qt::Key_Enter);
    const auto doubleClick = [&](TemplateTile* target, Qt::MouseButton button) {
        QMouseEvent twice(QEvent::MouseButtonDblClick, QPointF(20, 20),
                          target->mapToGlobal(QPointF(20, 20)), button, button, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &twice);
    };
    doubleClick(m[3], Qt::LeftButton);
    doubleClick(m[1], Qt::RightButton);
    ASSERT_EQ(chosen.size(), 3u);
    EXPECT_EQ(chosen[0], m[2]->GetTemplate());
    EXPECT_EQ(chosen[1], m[0]->GetTemplate());
    EXPECT_EQ(chosen[2], m[3]->GetTemplate());

    // Down to the third row scrolls it into view; Up goes back, never past the ends.
    m[0]->setFocus();
    QTest::keyClick(m[0], Qt::Key_Up);
    EXPECT_TRUE(m[0]->hasFocus());
    QTest::keyClick(m[0], Qt::Key_Down);
    EXPECT_TRUE(m[1]->hasFocus());
    EXPECT_EQ(picker.ScrollBar()->value(), 0);
    QTest::keyClick(m[1], Qt::Key_Down);
    EXPECT_TRUE(m[2]->hasFocus());
    EXPECT_EQ(picker.ScrollBar()->value(), 1);
    EXPECT_LE(m[2]->geometry().bottom(), 300);
    QTest::keyClick(m[2], Qt::Key_Up);
    QTest::keyClick(m[1], Qt::Key_Up);
    EXPECT_TRUE(m[0]->hasFocus());
    EXPECT_EQ(picker.ScrollBar()->value(), 0);
    EXPECT_EQ(m[0]->y(), 10);
}
