#include "model/ModelTestSupport.h"
#include "model/Page.h"
#include "model/PhotoImage.h"
#include "model/Template.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

class PageTemplateChangeTest : public ::testing::Test {
protected:
    // A page of RowTemplate(boxes, texts) with photo n in each box of `filled`
    // and the text "t<i>" in each text box of `written`.
    std::shared_ptr<Page> Filled(int boxes, const QList<int>& filled, int texts = 0,
                                 const QList<int>& written = {}) {
        auto made = std::make_shared<Page>();
        made->SetTemplate(RowTemplate(boxes, texts));
        for (int i : filled)
            made->AddPhoto(folder.Make(i), float(20 * i + 5), 5);
        for (int i : written)
            made->SetText(i, QStringLiteral("t%1").arg(i));
        return made;
    }
    // Photo numbers per entry ("-" for empty), read from the keys.
    static QStringList Boxes(const Page& p) {
        QStringList boxes;
        for (int i = 0; i < p.PhotoEntryCount(); ++i) {
            const auto photo = p.Photo(i);
            boxes << (photo ? QString::number(photo->GetKey().toInt(nullptr, 16)) : "-");
        }
        return boxes;
    }
    static QStringList Texts(const Page& p) {
        QStringList texts;
        for (int i = 0; i < p.TextEntryCount(); ++i)
            texts << p.text(i);
        return texts;
    }

    PhotoFolder folder;
};

} // namespace

TEST_F(PageTemplateChangeTest, PhotosOfMissingBoxesMoveToFreeLowerBoxes) {
    auto p = Filled(5, {0, 2, 4});
    p->SetTemplate(RowTemplate(3, 0));
    EXPECT_EQ(Boxes(*p), QStringList({"0", "4", "2"}));
    EXPECT_TRUE(folder.OffPage().isEmpty());
    EXPECT_EQ(p->Photo(1)->PhotoBox(), p->Template()->PhotoBox(1));
    EXPECT_EQ(p->Photo(2)->PhotoBox(), p->Template()->PhotoBox(2));
}

TEST_F(PageTemplateChangeTest, PhotosWithoutAFreeBoxGoBackToThePane) {
    auto p = Filled(5, {0, 1, 2, 4});
    p->SetTemplate(RowTemplate(2, 0));
    EXPECT_EQ(Boxes(*p), QStringList({"0", "1"}));
    EXPECT_EQ(folder.OffPage(), QStringList({TestKey(2), TestKey(4)}));
}

TEST_F(PageTemplateChangeTest, AfterTheFirstMissOnlyThePaneIsLeft) {
    // Photo 3 takes free box 1; photo 4 finds no free box, nor does any later one.
    auto p = Filled(6, {0, 2, 3, 4, 5});
    p->SetTemplate(RowTemplate(3, 0));
    EXPECT_EQ(Boxes(*p), QStringList({"0", "3", "2"}));
    EXPECT_EQ(folder.OffPage(), QStringList({TestKey(4), TestKey(5)}));
}

TEST_F(PageTemplateChangeTest, NoPhotoBoxesAtAllReturnsEveryPhoto) {
    auto p = Filled(2, {0, 1});
    p->SetTemplate(RowTemplate(0, 1));
    EXPECT_EQ(Boxes(*p), QStringList({"-"}));
    EXPECT_EQ(folder.OffPage(), QStringList({TestKey(0), TestKey(1)}));
}

TEST_F(PageTemplateChangeTest, MoreBoxesKeepEveryPhotoAndTextAtItsIndex) {
    auto p = Filled(2, {0, 1}, 2, {0, 1});
    p->SetTemplate(RowTemplate(4, 3));
    EXPECT_EQ(Boxes(*p), QStringList({"0", "1", "-", "-"}));
    EXPECT_EQ(Texts(*p), QStringList({"t0", "t1", ""}));
    EXPECT_EQ(p->Photo(1)->PhotoBox(), p->Template()->PhotoBox(1));
}

TEST_F(PageTemplateChangeTest, TextsMoveOrAreDropped) {
    auto p = Filled(0, {}, 4, {0, 3});
    p->SetTemplate(RowTemplate(0, 2));
    EXPECT_EQ(Texts(*p), QStringList({"t0", "t3"}));
    auto q = Filled(0, {}, 4, {0, 1, 2, 3});
    q->SetTemplate(RowTemplate(0, 2));
    EXPECT_EQ(Texts(*q), QStringList({"t0", "t1"}));
    auto r = Filled(0, {}, 2, {0, 1});
    r->SetTemplate(RowTemplate(1, 0));
    EXPECT_EQ(Texts(*r), QStringList({""})); // one empty entry stays
}

TEST_F(PageTemplateChangeTest, TemplateChangeIsAnnouncedBeforeAnythingMoves) {
    auto p = Filled(3, {2});
    QStringList seen;
    QObject::connect(p.get(), &Page::templateChanged, [&] {
        seen << QString::number(p->Template()->PhotoBoxCount()) + Boxes(*p).join("");
    });
    QObject::connect(p.get(), &Page::changed, [&] {
        seen << QString::number(p->Template()->PhotoBoxCount()) + Boxes(*p).join("");
    });
    p->SetTemplate(RowTemplate(1, 0));
    EXPECT_EQ(seen, QStringList({"3--2", "12"}));
}

TEST_F(PageTemplateChangeTest, TextsPushedOutComeBackWithALaterTextBox) {
    // A caption survives a template without text boxes and returns with one.
    auto p = Filled(1, {}, 1, {0});
    p->SetTemplate(RowTemplate(1, 0));
    EXPECT_EQ(Texts(*p), QStringList({""}));
    EXPECT_FALSE(p->Serialize().contains("t0")); // not stored while out
    p->SetTemplate(RowTemplate(1, 1));
    EXPECT_EQ(Texts(*p), QStringList({"t0"}));
    // In the order they left, into empty boxes only; once back, they are gone
    // from the store.
    auto q = Filled(0, {}, 3, {0, 1, 2});
    q->SetTemplate(RowTemplate(0, 1)); // t1 and t2 leave
    EXPECT_EQ(Texts(*q), QStringList({"t0"}));
    q->SetTemplate(RowTemplate(0, 2));
    EXPECT_EQ(Texts(*q), QStringList({"t0", "t1"}));
    q->SetText(1, "new");
    q->SetTemplate(RowTemplate(0, 3));
    EXPECT_EQ(Texts(*q), QStringList({"t0", "new", "t2"}));
    q->SetTemplate(RowTemplate(0, 4));
    EXPECT_EQ(Texts(*q), QStringList({"t0", "new", "t2", ""}));
}

TEST_F(PageTemplateChangeTest, PhotosPushedOutComeBackUnlessPlacedElsewhere) {
    const QList<std::shared_ptr<PhotoImage>> photos = {folder.Make(0), folder.Make(1),
                                                       folder.Make(2)};
    auto p = std::make_shared<Page>();
    p->SetTemplate(RowTemplate(3, 0));
    for (int i = 0; i < 3; ++i)
        p->AddPhoto(photos[i], float(20 * i + 5), 5);
    p->SetTemplate(RowTemplate(1, 0));
    EXPECT_EQ(folder.OffPage(), QStringList({TestKey(1), TestKey(2)})); // on no page meanwhile

    // Photo 2 goes onto another page; only photo 1 returns, out of the pane.
    auto other = std::make_shared<Page>();
    other->SetTemplate(RowTemplate(1, 0));
    other->AddPhoto(photos[2], 5, 5);
    p->SetTemplate(RowTemplate(3, 0));
    EXPECT_EQ(Boxes(*p), QStringList({"0", "1", "-"}));
    EXPECT_TRUE(folder.OffPage().isEmpty());
    EXPECT_EQ(photos[1]->GetPage(), p);
    EXPECT_EQ(photos[1]->PhotoBox(), p->Template()->PhotoBox(1));
    EXPECT_EQ(other->Photo(0), photos[2]);
}
