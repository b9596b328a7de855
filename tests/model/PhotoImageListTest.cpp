#include "model/PhotoImage.h"
#include "model/PhotoImageList.h"
#include "base/LumbraError.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::shared_ptr<PhotoImage> Photo(const QString& key) {
    auto photo = std::make_shared<PhotoImage>();
    photo->CopyName(QStringLiteral("1A") + key);
    photo->SetKey(QStringLiteral("/tmp/book/"), key);
    return photo;
}

QStringList KeysFromFront(const PhotoImageList& list) {
    QStringList keys;
    for (auto node = list.First(); node; node = node->NextNode)
        keys << node->item()->GetKey();
    return keys;
}

QStringList KeysFromBack(const PhotoImageList& list) {
    std::shared_ptr<PhotoImageNode> last = list.First();
    while (last && last->NextNode)
        last = last->NextNode;
    QStringList keys;
    for (auto node = last; node; node = node->PreviousNode.lock())
        keys << node->item()->GetKey();
    return keys;
}

struct ListOfThree : ::testing::Test {
    void SetUp() override {
        for (const char* key : {"a", "b", "c"})
            list.Add(Photo(QString::fromLatin1(key)));
    }
    PhotoImageList list;
};

} // namespace

TEST_F(ListOfThree, KeepsInsertionOrderBothWays) {
    EXPECT_EQ(list.GetSize(), 3);
    EXPECT_EQ(KeysFromFront(list), (QStringList{"a", "b", "c"}));
    EXPECT_EQ(KeysFromBack(list), (QStringList{"c", "b", "a"}));
    EXPECT_FALSE(list.First()->PreviousNode.lock());
}

TEST_F(ListOfThree, FindIsExactAndReturnsTheNode) {
    auto node = list.Find(QStringLiteral("b"));
    ASSERT_TRUE(node);
    EXPECT_EQ(node->item()->GetKey(), QStringLiteral("b"));
    EXPECT_FALSE(list.Find(QStringLiteral("B")));
    EXPECT_FALSE(list.Find(QStringLiteral("d")));
    EXPECT_FALSE(PhotoImageList().Find(QStringLiteral("a")));
}

TEST_F(ListOfThree, RemovingFrontMiddleAndEndRelinks) {
    auto front = list.Find(QStringLiteral("a"));
    list.RemoveNode(front);
    EXPECT_FALSE(front);
    EXPECT_EQ(KeysFromFront(list), (QStringList{"b", "c"}));
    EXPECT_FALSE(list.First()->PreviousNode.lock());

    list.Add(Photo(QStringLiteral("d")));
    auto end = list.Find(QStringLiteral("d"));
    list.RemoveNode(end);
    EXPECT_EQ(KeysFromBack(list), (QStringList{"c", "b"}));
    EXPECT_FALSE(list.Find(QStringLiteral("c"))->NextNode);

    list.Remove(*list.Find(QStringLiteral("b"))->item());
    EXPECT_EQ(KeysFromFront(list), (QStringList{"c"}));
    EXPECT_EQ(list.GetSize(), 1);

    // Appending after removals links to the right end.
    list.Add(Photo(QStringLiteral("e")));
    EXPECT_EQ(KeysFromBack(list), (QStringList{"e", "c"}));
}

TEST_F(ListOfThree, RemovingAnUnknownPhotoChangesNothing) {
    list.Remove(*Photo(QStringLiteral("x")));
    list.Remove(*Photo(QStringLiteral("A")));
    EXPECT_EQ(KeysFromFront(list), (QStringList{"a", "b", "c"}));
    EXPECT_EQ(list.GetSize(), 3);
}

TEST_F(ListOfThree, ForeignOrLinkedNodesAreRefusedUntouched) {
    auto foreign = std::make_shared<PhotoImageNode>(Photo(QStringLiteral("a")));
    EXPECT_THROW(list.RemoveNode(foreign), LumbraError);
    EXPECT_TRUE(foreign);
    auto middle = list.Find(QStringLiteral("b"));
    EXPECT_THROW(list.AddNode(middle), LumbraError);
    EXPECT_THROW(list.AddNode(list.First()), LumbraError);
    EXPECT_THROW(list.AddNode(nullptr), LumbraError);
    EXPECT_EQ(KeysFromFront(list), (QStringList{"a", "b", "c"}));
    EXPECT_EQ(list.GetSize(), 3);
}

TEST(PhotoImageList, RemovingTheOnlyNodeEmptiesIt) {
    PhotoImageList list;
    list.Add(Photo(QStringLiteral("only")));
    auto node = list.First();
    list.RemoveNode(node);
    EXPECT_FALSE(list.First());
    EXPECT_EQ(list.GetSize(), 0);
    std::shared_ptr<PhotoImageNode> none;
    EXPECT_THROW(list.RemoveNode(none), LumbraError);
    list.Add(Photo(QStringLiteral("again")));
    EXPECT_EQ(KeysFromFront(list), QStringList{"again"});
}

TEST(PhotoImageList, FullListRefusesWithoutLinking) {
    PhotoImageList list;
    auto photo = Photo(QStringLiteral("same"));
    for (int i = 0; i < 32767; ++i)
        list.Add(photo);
    EXPECT_EQ(list.GetSize(), 32767);
    auto extra = std::make_shared<PhotoImageNode>(Photo(QStringLiteral("extra")));
    EXPECT_THROW(list.AddNode(extra), LumbraError);
    EXPECT_FALSE(extra->PreviousNode.lock());
    EXPECT_FALSE(list.Find(QStringLiteral("extra")));
    // Destroying a long list must not recurse through the chain.
}
