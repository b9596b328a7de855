#include "model/PhotoImageList.h"
#include "base/LumbraError.h"
#include "model/PhotoImage.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {

std::shared_ptr<PhotoImage> Photo(const QString& key, const QString& stamp = QStringLiteral("1A")) {
    auto photo = std::make_shared<PhotoImage>();
    photo->CopyName(stamp + key);
    photo->SetKey(QStringLiteral("/tmp/book/"), key);
    return photo;
}

QStringList Keys(const PhotoImageList& list) {
    QStringList keys;
    for (const auto& photo : list)
        keys << photo->GetKey();
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

TEST_F(ListOfThree, KeepsInsertionOrder) {
    EXPECT_EQ(list.GetSize(), 3);
    EXPECT_EQ(Keys(list), (QStringList{"a", "b", "c"}));
}

TEST_F(ListOfThree, FindIsExactAndReturnsThePhoto) {
    const auto photo = list.Find(QStringLiteral("b"));
    ASSERT_TRUE(photo);
    EXPECT_EQ(photo->GetKey(), QStringLiteral("b"));
    EXPECT_FALSE(list.Find(QStringLiteral("B")));
    EXPECT_FALSE(list.Find(QStringLiteral("d")));
    EXPECT_FALSE(PhotoImageList().Find(QStringLiteral("a")));
}

TEST_F(ListOfThree, RemovingFrontMiddleAndEndKeepsTheOrder) {
    list.Remove(list.Find(QStringLiteral("a")));
    EXPECT_EQ(Keys(list), (QStringList{"b", "c"}));

    list.Add(Photo(QStringLiteral("d")));
    list.Remove(*list.Find(QStringLiteral("d")));
    EXPECT_EQ(Keys(list), (QStringList{"b", "c"}));

    list.Remove(*list.Find(QStringLiteral("b")));
    EXPECT_EQ(Keys(list), (QStringList{"c"}));
    EXPECT_EQ(list.GetSize(), 1);

    list.Add(Photo(QStringLiteral("e")));
    EXPECT_EQ(Keys(list), (QStringList{"c", "e"}));
}

TEST_F(ListOfThree, RemovingAnUnknownPhotoChangesNothing) {
    list.Remove(*Photo(QStringLiteral("x")));
    list.Remove(*Photo(QStringLiteral("A")));
    list.Remove(std::shared_ptr<PhotoImage>());
    EXPECT_EQ(Keys(list), (QStringList{"a", "b", "c"}));
    EXPECT_EQ(list.GetSize(), 3);
}

TEST_F(ListOfThree, FindAndRemoveTakeTheFirstPhotoOfAKey) {
    list.Add(Photo(QStringLiteral("a"), QStringLiteral("2B")));
    EXPECT_EQ(list.Find(QStringLiteral("a"))->GetName(), QStringLiteral("1Aa"));
    list.Remove(*Photo(QStringLiteral("a"), QStringLiteral("3C"))); // by key, not by name
    EXPECT_EQ(Keys(list), (QStringList{"b", "c", "a"}));
    EXPECT_EQ(list.Find(QStringLiteral("a"))->GetName(), QStringLiteral("2Ba"));
}

TEST_F(ListOfThree, AnEmptyPhotoIsRefused) {
    EXPECT_THROW(list.Add(nullptr), LumbraError);
    EXPECT_EQ(list.GetSize(), 3);
}

TEST(PhotoImageList, FullListRefusesWithoutAdding) {
    PhotoImageList list;
    auto photo = Photo(QStringLiteral("same"));
    for (int i = 0; i < 32767; ++i)
        list.Add(photo);
    EXPECT_EQ(list.GetSize(), 32767);
    EXPECT_THROW(list.Add(Photo(QStringLiteral("extra"))), LumbraError);
    EXPECT_EQ(list.GetSize(), 32767);
    EXPECT_FALSE(list.Find(QStringLiteral("extra")));
}
