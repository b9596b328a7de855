#include "model/Page.h"
#include "base/LumbraError.h"
#include "model/ModelTestSupport.h"
#include "model/PhotoImage.h"
#include "model/PhotoImageList.h"
#include "model/Template.h"
#include "model/Templates.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

class PageTest : public ::testing::Test {
protected:
    std::shared_ptr<Page> MakePage(const std::shared_ptr<Template>& layout) {
        auto made = std::make_shared<Page>();
        made->SetTemplate(layout);
        return made;
    }
    // A page of RowTemplate(boxes, 0) with photos 1 and 2 in the given boxes.
    std::shared_ptr<Page> WithTwoPhotos(int boxes, int boxOf1, int boxOf2) {
        auto made = MakePage(RowTemplate(boxes, 0));
        made->AddPhoto(folder.Make(1), BoxX(boxOf1), 5);
        made->AddPhoto(folder.Make(2), BoxX(boxOf2), 5);
        return made;
    }
    // Centre of photo box i of RowTemplate.
    static float BoxX(int i) { return float(20 * i + 5); }
    // Keys of the photo entries, "-" for an empty one.
    static QStringList Keys(const Page& p) {
        QStringList keys;
        for (int i = 0; i < p.PhotoEntryCount(); ++i)
            keys << (p.Photo(i) ? p.Photo(i)->GetKey() : QStringLiteral("-"));
        return keys;
    }

    PhotoFolder folder;
};

} // namespace

TEST_F(PageTest, DefaultPageFormAndRoundTrip) {
    auto p = MakePage(TestCatalogue().GetDefaultTemplate());
    const QString form = p->Serialize();
    EXPECT_EQ(form, "Photo[0,0,289,208,0]Text[30,180,230,25,0]Image{}Text{}bgImage()");
    PhotoImageList pool;
    auto back = MakePage(TestCatalogue().GetDefaultTemplate());
    back->Deserialize(form, pool);
    EXPECT_EQ(back->Serialize(), form);
    EXPECT_TRUE(back->IsEmptyPage());
}

TEST_F(PageTest, RoundTripKeepsPhotosTextsAndBackground) {
    PhotoImageList pool;
    const auto a = folder.Make(1);
    const auto b = folder.Make(2);
    pool.Add(a);
    pool.Add(b);
    auto p = MakePage(RowTemplate(3, 2));
    p->AddPhoto(a, BoxX(0), 5);
    p->AddPhoto(b, BoxX(2), 5);
    a->SetRatio(0.5f);
    a->SetImageLocation(-20, 10);
    p->SetText(1, QStringLiteral("{\\rtf1 caf\\'e9}"));
    p->ChangeBackground(QStringLiteral("beach 2"));
    const QString form = p->Serialize();

    auto back = std::make_shared<Page>();
    p->Delete(); // photos go back to the pane, free to be placed again
    back->Deserialize(form, pool);
    EXPECT_EQ(Keys(*back), QStringList({TestKey(1), "-", TestKey(2)}));
    EXPECT_EQ(back->text(0), QString());
    EXPECT_EQ(back->text(1), QStringLiteral("{\\rtf1 caf\\'e9}"));
    EXPECT_EQ(back->Background(), "beach 2");
    EXPECT_EQ(a->GetPage(), back);
    EXPECT_EQ(a->PhotoBox(), back->Template()->PhotoBox(0));
    EXPECT_FLOAT_EQ(a->ratio(), 0.5f);
    EXPECT_EQ(a->X(), -20);
    EXPECT_EQ(back->Serialize(), form);
}

TEST_F(PageTest, MissingPhotoLeavesItsBoxEmptyAndKeepsCounting) {
    PhotoImageList pool;
    const auto b = folder.Make(2);
    pool.Add(b);
    const QString form = RowTemplate(2, 1)->Serialize() + "Image{" + PhotoFolder::NameOf(1) +
                         ",0,0,1,0}Image{" + PhotoFolder::NameOf(2) + ",0,0,1,0}Text{}bgImage()";
    auto p = std::make_shared<Page>();
    p->Deserialize(form, pool);
    EXPECT_EQ(Keys(*p), QStringList({"-", TestKey(2)}));
}

TEST_F(PageTest, DeserializeFailsAtEntriesBeyondTheTemplate) {
    PhotoImageList pool;
    const auto a = folder.Make(1);
    pool.Add(a);
    auto p = std::make_shared<Page>();
    // One text box but two texts: the first is kept, the background is not read.
    const QString texts = RowTemplate(1, 1)->Serialize() + "Image{}Text{QUI=}Text{Qw==}bgImage(x)";
    EXPECT_THROW(p->Deserialize(texts, pool), LumbraError);
    EXPECT_EQ(p->text(0), "AB");
    EXPECT_EQ(p->Background(), QString());
    // A found photo beyond the photo boxes is not touched.
    const QString photos = RowTemplate(1, 0)->Serialize() + "Image{}Image{" +
                           PhotoFolder::NameOf(1) + ",0,0,1,0}Text{}bgImage()";
    auto q = std::make_shared<Page>();
    EXPECT_THROW(q->Deserialize(photos, pool), LumbraError);
    EXPECT_EQ(a->GetPage(), nullptr);
}

TEST_F(PageTest, PhotoNamedTwiceKeepsItsFirstBox) {
    PhotoImageList pool;
    pool.Add(folder.Make(1));
    const QString entry = "Image{" + PhotoFolder::NameOf(1) + ",0,0,1,0}";
    auto p = std::make_shared<Page>();
    p->Deserialize(RowTemplate(2, 0)->Serialize() + entry + entry + "Text{}bgImage()", pool);
    EXPECT_EQ(Keys(*p), QStringList({TestKey(1), "-"}));
    auto q = std::make_shared<Page>();
    q->Deserialize(RowTemplate(1, 0)->Serialize() + entry + "Text{}bgImage()", pool);
    EXPECT_EQ(Keys(*q), QStringList({"-"}));
}

TEST_F(PageTest, DroppingOntoItsOwnBoxDoesNothing) {
    const auto a = folder.Make(1);
    auto p = MakePage(RowTemplate(3, 0));
    p->AddPhoto(a, BoxX(1), 5);
    QSignalSpy changes(p.get(), &Page::changed);
    p->AddPhoto(a, BoxX(1), 5);
    EXPECT_EQ(changes.count(), 0);
    p->AddPhoto(a, 500, 500); // outside every box
    EXPECT_EQ(changes.count(), 0);
    EXPECT_EQ(Keys(*p), QStringList({"-", TestKey(1), "-"}));
}

TEST_F(PageTest, MovingWithinAPageSwapsPhotosAndBoxes) {
    auto p = WithTwoPhotos(3, 2, 0);
    const auto a = p->Photo(2);
    const auto b = p->Photo(0);
    QSignalSpy changes(p.get(), &Page::changed);
    p->AddPhoto(a, BoxX(0), 5); // box 0 holds b
    EXPECT_EQ(Keys(*p), QStringList({TestKey(1), "-", TestKey(2)}));
    EXPECT_EQ(b->PhotoBox(), p->Template()->PhotoBox(2));
    EXPECT_EQ(a->PhotoBox(), p->Template()->PhotoBox(0));
    EXPECT_EQ(changes.count(), 1);
    p->AddPhoto(b, BoxX(1), 5); // box 1 empty: box 2 becomes empty
    EXPECT_EQ(Keys(*p), QStringList({TestKey(1), TestKey(2), "-"}));
    EXPECT_TRUE(folder.OffPage().isEmpty());
}

TEST_F(PageTest, DroppingFromThePaneSendsTheFormerPhotoBack) {
    const auto a = folder.Make(1);
    const auto b = folder.Make(2);
    auto p = MakePage(RowTemplate(2, 0));
    p->AddPhoto(a, BoxX(0), 5);
    a->SetRatio(0.5f);
    p->AddPhoto(b, BoxX(0), 5);
    EXPECT_EQ(folder.OffPage(), QStringList({TestKey(1)}));
    EXPECT_EQ(a->GetPage(), nullptr);
    EXPECT_FLOAT_EQ(a->ratio(), 1.0f); // reset on its way back
    EXPECT_EQ(b->GetPage(), p);
}

TEST_F(PageTest, DroppingFromAnotherPageSwapsAcrossPages) {
    const auto a = folder.Make(1);
    const auto b = folder.Make(2);
    auto pageA = MakePage(RowTemplate(3, 0));
    auto pageB = MakePage(RowTemplate(2, 0));
    pageA->AddPhoto(a, BoxX(2), 5);
    pageB->AddPhoto(b, BoxX(1), 5);
    QSignalSpy changesA(pageA.get(), &Page::changed);
    QSignalSpy changesB(pageB.get(), &Page::changed);
    pageB->AddPhoto(a, BoxX(1), 5);
    EXPECT_EQ(Keys(*pageA), QStringList({"-", "-", TestKey(2)}));
    EXPECT_EQ(Keys(*pageB), QStringList({"-", TestKey(1)}));
    EXPECT_EQ(b->GetPage(), pageA);
    EXPECT_EQ(b->PhotoBox(), pageA->Template()->PhotoBox(2));
    EXPECT_EQ(changesA.count(), 1);
    EXPECT_EQ(changesB.count(), 1);
    EXPECT_TRUE(folder.OffPage().isEmpty()); // nothing went to the pane
}

TEST_F(PageTest, PhotoWithAStalePageCountsAsComingFromThePane) {
    const auto a = folder.Make(1);
    const auto b = folder.Make(2);
    auto other = MakePage(RowTemplate(1, 0));
    a->SetPage(other); // claims a page that does not hold it
    auto p = MakePage(RowTemplate(1, 0));
    p->AddPhoto(b, BoxX(0), 5);
    p->AddPhoto(a, BoxX(0), 5);
    EXPECT_EQ(folder.OffPage(), QStringList({TestKey(2)})); // b is not lost
    EXPECT_EQ(b->GetPage(), nullptr);
}

TEST_F(PageTest, ReplaceAndRemovePhoto) {
    const auto a = folder.Make(1);
    const auto b = folder.Make(2);
    auto p = MakePage(RowTemplate(2, 0));
    p->AddPhoto(a, BoxX(1), 5);
    QSignalSpy changes(p.get(), &Page::changed);
    EXPECT_FALSE(p->Replace(b, nullptr));
    EXPECT_EQ(changes.count(), 0);
    EXPECT_TRUE(p->Replace(a, b));
    EXPECT_EQ(Keys(*p), QStringList({"-", TestKey(2)}));
    EXPECT_EQ(b->GetPage(), p);
    EXPECT_EQ(changes.count(), 1);
    p->RemovePhoto(b);
    EXPECT_EQ(Keys(*p), QStringList({"-", "-"}));
    EXPECT_EQ(changes.count(), 2);
    EXPECT_EQ(b->GetPage(), p); // RemovePhoto leaves the photo alone
}

TEST_F(PageTest, FindsBoxesByPointAndPhoto) {
    auto p = MakePage(TestTemplate("Photo[0,0,100,100,0]Photo[50,50,100,100,0]"
                                   "Text[0,0,10,10,0]"));
    EXPECT_EQ(p->FindPhotoBoxIndex(75, 75), 1); // the highest-numbered box wins
    EXPECT_EQ(p->FindPhotoBoxIndex(10, 10), 0);
    EXPECT_EQ(p->FindPhotoBoxIndex(100, 150), 1); // edges count
    EXPECT_EQ(p->FindPhotoBoxIndex(151, 10), -1);
    EXPECT_EQ(p->FindTextBoxIndex(10, 10), 0);
    EXPECT_EQ(p->FindTextBoxIndex(11, 10), -1);
}

TEST_F(PageTest, FullEmptyAndTooSmall) {
    auto p = MakePage(RowTemplate(2, 1));
    EXPECT_FALSE(p->IsPageFull());
    EXPECT_TRUE(p->IsEmptyPage());
    p->AddPhoto(folder.Make(1), BoxX(0), 5);
    EXPECT_FALSE(p->IsEmptyPage());
    EXPECT_FALSE(p->HasImageTooSmall()); // 2000 px over 10 mm
    p->AddPhoto(folder.Make(2, 50, 50), BoxX(1), 5);
    EXPECT_TRUE(p->IsPageFull());
    EXPECT_TRUE(p->HasImageTooSmall()); // 5 px per mm
    EXPECT_TRUE(MakePage(RowTemplate(0, 1))->IsPageFull());
}

TEST_F(PageTest, TemplateWithoutTextBoxesKeepsOneEntry) {
    auto p = MakePage(RowTemplate(1, 0));
    EXPECT_EQ(p->TextEntryCount(), 1);
    EXPECT_EQ(p->PhotoEntryCount(), 1);
    p->SetText(0, "kept but not shown");
    EXPECT_TRUE(p->IsEmptyPage()); // only the template's boxes count
    EXPECT_THROW(p->SetText(1, "x"), LumbraError);
    EXPECT_THROW(p->Photo(1), LumbraError);
    EXPECT_EQ(MakePage(RowTemplate(0, 0))->Serialize(), "Image{}Text{}bgImage()");
}

TEST_F(PageTest, BackgroundEvents) {
    auto p = MakePage(RowTemplate(1, 1));
    QSignalSpy changes(p.get(), &Page::changed);
    p->ChangeBackground("sea");
    p->ChangeBackground("sea");
    EXPECT_EQ(changes.count(), 1);
    p->SetBackground("sea");
    EXPECT_EQ(changes.count(), 2);
    p->TextChanged();
    EXPECT_EQ(changes.count(), 3);
}

TEST_F(PageTest, DeleteReturnsPhotosQuietly) {
    auto p = WithTwoPhotos(3, 0, 2);
    const auto a = p->Photo(0);
    QSignalSpy changes(p.get(), &Page::changed);
    p->Delete();
    EXPECT_EQ(folder.OffPage(), QStringList({TestKey(1), TestKey(2)}));
    EXPECT_EQ(changes.count(), 0);
    EXPECT_EQ(p->Template(), nullptr);
    EXPECT_EQ(a->GetPage(), nullptr);
}
