#include "model/Template.h"
#include "base/LumbraError.h"

#include <gtest/gtest.h>

namespace {

QString Serialized(const QString& definition) {
    return Template::FromDefinition(definition)->Serialize();
}

TEST(TemplateTest, SeparatorsLineBreaksAndTailsAddNoBox) {
    const QString oneLine =
        QStringLiteral("Photo[0, 0, 70, 90, 0],Photo[72, 0, 70, 90, 0],Text[5, 92, 60, 10, 0]");
    const QString expected =
        QStringLiteral("Photo[0,0,70,90,0]Photo[72,0,70,90,0]Text[5,92,60,10,0]");
    EXPECT_EQ(Serialized(oneLine), expected);
    EXPECT_EQ(Serialized(QStringLiteral("Photo[0, 0, 70, 90, 0],Photo[72, 0, 70, 90, 0],\n"
                                        "Text[5, 92, 60, 10, 0]")),
              expected);
    EXPECT_EQ(Serialized(oneLine + u','), expected);
    EXPECT_EQ(Serialized(oneLine + QStringLiteral(" \n\n")), expected);
    EXPECT_EQ(
        Serialized(QStringLiteral("Photo[0,0,70,90,0]Photo[72,0,70,90,0]  Text[5,92,60,10,0]")),
        expected);
    EXPECT_EQ(Serialized(QString()), QString());
}

TEST(TemplateTest, PhotoBoxesComeFirstAndKeepTheirOrder) {
    const auto made = Template::FromDefinition(
        QStringLiteral("Text[1,1,1,1,0],Photo[2,2,2,2,0],\nText[3,3,3,3,0] Photo[4,4,4,4,0]"));
    ASSERT_EQ(made->PhotoBoxCount(), 2);
    ASSERT_EQ(made->TextBoxCount(), 2);
    EXPECT_FLOAT_EQ(made->PhotoBox(0)->X(), 2);
    EXPECT_FLOAT_EQ(made->PhotoBox(1)->X(), 4);
    EXPECT_FLOAT_EQ(made->TextBox(0)->X(), 1);
    EXPECT_FLOAT_EQ(made->TextBox(1)->X(), 3);
    const QString serialized = made->Serialize();
    EXPECT_EQ(serialized,
              QStringLiteral("Photo[2,2,2,2,0]Photo[4,4,4,4,0]Text[1,1,1,1,0]Text[3,3,3,3,0]"));
    // The serialised form rebuilds the same boxes at the same indices.
    const auto rebuilt = Template::FromDefinition(serialized);
    EXPECT_EQ(rebuilt->GetInitLine(), serialized);
    EXPECT_EQ(rebuilt->Serialize(), serialized);
    EXPECT_FLOAT_EQ(rebuilt->TextBox(1)->X(), 3);
}

TEST(TemplateTest, InitLineKeepsTheDefinitionVerbatim) {
    const QString definition =
        QStringLiteral("Photo[20, 20, 90, 60, 0],\nText[120, 20, 160, 170, 0] \n\n");
    EXPECT_EQ(Template::FromDefinition(definition)->GetInitLine(), definition);
}

TEST(TemplateTest, BadIndicesAndBadEntriesThrow) {
    const auto made =
        Template::FromDefinition(QStringLiteral("Photo[0,0,289,208,0]Text[30,180,230,25,0]"));
    EXPECT_THROW(made->PhotoBox(1), LumbraError);
    EXPECT_THROW(made->PhotoBox(-1), LumbraError);
    EXPECT_THROW(made->TextBox(1), LumbraError);
    EXPECT_THROW(made->Deserialize(QStringLiteral("Photo[1,2,3,4,0]Text[1,2,3]")), LumbraError);
    EXPECT_THROW(made->Deserialize(QStringLiteral("Photo[1,2,3,4,0]ab[1,2,3,4,0]")), LumbraError);
    // A failed read leaves the template as it was.
    EXPECT_EQ(made->Serialize(), QStringLiteral("Photo[0,0,289,208,0]Text[30,180,230,25,0]"));
    EXPECT_EQ(made->GetInitLine(), QStringLiteral("Photo[0,0,289,208,0]Text[30,180,230,25,0]"));
}

} // namespace
