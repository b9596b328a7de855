#include "ui/mainwindow/MainWindowFixture.h"

#include "model/Page.h"
#include "model/Template.h"
#include "render/check/BookCheckWatch.h"
#include "ui/bookview/PageView.h"
#include "ui/mainwindow/BookChecks.h"

#include <QLabel>
#include <QTreeWidget>

namespace {

class BookCheckWindowTest : public MainWindowFixture {
protected:
    QTreeWidget* List() { return Window().Checks().Dialog()->List(); }
    QStringList Row(int row) {
        const QTreeWidgetItem* item = List()->topLevelItem(row);
        return item ? QStringList{item->text(0), item->text(1), item->text(2)} : QStringList();
    }
    void Click(int row) {
        QTest::mouseClick(List()->viewport(), Qt::LeftButton, {},
                          List()->visualItemRect(List()->topLevelItem(row)).center());
    }
};

TEST_F(BookCheckWindowTest, TheListFollowsEditsAndAClickShowsThePageAndItsBox) {
    Active();
    Window().GetBookView()->SetPagesView(PagesView::OnePage);
    Actions().bookCheck->trigger();
    ASSERT_EQ(List()->topLevelItemCount(), 20);
    EXPECT_EQ(Row(0), (QStringList{"1", "Empty page", "nothing on the page"}));

    const QString longText = QStringLiteral("{\\rtf1\\ansi\\fs48 %1\\par}")
                                 .arg(QStringLiteral("a long caption ").repeated(30));
    books->Session().EditText(*CurrentBook()->GetPage(2), 0, longText);
    // The cut lines reach the foot of the box, 3 mm above the page's edge.
    ASSERT_TRUE(QTest::qWaitFor([this] { return List()->topLevelItemCount() > 20; }));
    EXPECT_EQ(List()->topLevelItemCount(), 22);
    EXPECT_EQ(Row(2), (QStringList{"3", "Empty photo box", "photo box 1 has no photo"}));
    EXPECT_EQ(Row(3).mid(0, 2), (QStringList{"3", "Text does not fit"}));
    EXPECT_EQ(Row(4),
              (QStringList{"3", "Text near the edge", "text box 1: 3.0 mm from the bottom edge"}));

    Click(3); // the cut text: its editor opens
    EXPECT_EQ(books->Session().PageIndex(), 2);
    const TextBoxEditing* editor = Window().GetBookView()->TextBoxEditor();
    EXPECT_TRUE(editor->IsInitialized());
    EXPECT_EQ(editor->PageId(), CurrentBook()->GetPage(2)->GetPageId());
    Click(2); // the empty photo box is framed
    EXPECT_EQ(Window().GetBookView()->OnePageView()->FramedPhotoBox(), 0);

    Window().Checks().Dialog()->reject(); // closed: edits are no longer followed
    books->Session().EditText(*CurrentBook()->GetPage(5), 0, longText);
    EXPECT_FALSE(Window().Checks().Watch().IsPending());
}

TEST_F(BookCheckWindowTest, OrderAndPdfOfferTheProblemsFirstAndAnEmptyListSaysSo) {
    Active();
    QStringList offered;
    bool showProblems = true;
    int wizards = 0;
    int pickedPdf = 0;
    MainWindowHooks hooks;
    hooks.isOnline = [] { return true; };
    hooks.ask = [](const QString&, const QString&) { return false; };
    hooks.reviewProblems = [&](const QString& found) {
        offered << found.section(u'\n', 0, 0);
        return showProblems;
    };
    hooks.orderWizard = [&](const std::shared_ptr<Book>&) { ++wizards; };
    hooks.pickPdfFile = [&] { return ++pickedPdf, QString(); };
    Window().SetHooks(hooks);
    const QStringList both{"20 problems found", "20 problems found"};
    const struct {
        bool show;
        bool clean; // every page a text alone
        int goneOn; // wizards and PDF files asked for
        QStringList offered;
    } cases[] = {{true, false, 0, both}, {false, false, 1, both}, {true, true, 1, {}}};
    for (const auto& c : cases) {
        const auto layout = Template::FromDefinition(QStringLiteral("Text[30,20,230,170,0]"));
        for (int i = 0; c.clean && i < CurrentBook()->PagesCount(); ++i) {
            CurrentBook()->GetPage(i)->SetTemplate(layout);
            CurrentBook()->GetPage(i)->SetText(0, QStringLiteral("{\\rtf1 Day\\par}"));
        }
        showProblems = c.show;
        offered.clear();
        wizards = pickedPdf = 0;
        Actions().bookOrder->trigger();
        Actions().fileExportPdf->trigger();
        EXPECT_EQ(offered, c.offered) << c.show << c.clean;
        EXPECT_EQ(wizards, c.goneOn) << c.show << c.clean;
        EXPECT_EQ(pickedPdf, c.goneOn) << c.show << c.clean;
        const BookCheckDialog* dialog = Window().Checks().Dialog();
        EXPECT_EQ(dialog && dialog->isVisible(), c.show && !c.clean);
        if (dialog)
            Window().Checks().Dialog()->reject();
    }
    Actions().bookCheck->trigger();
    EXPECT_FALSE(List()->isVisible());
    EXPECT_EQ(Window().Checks().Dialog()->Summary()->text(),
              "No problems found: the book is ready to print.");
}

} // namespace
