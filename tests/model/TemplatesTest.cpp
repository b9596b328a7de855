#include "model/Templates.h"
#include "base/Constants.h"
#include "base/LumbraError.h"

#include <gtest/gtest.h>

namespace {

// The catalogue in the order of its text: template no. n is entry n - 1.
const char* const Catalogue[] = {
    "Text[30,20,230,170,0]",
    "Text[30,15,230,25,0]Text[30,50,230,140,0]",
    "Text[20,20,80,170,0]Text[110,20,160,170,0]",
    "Photo[20,20,90,60,0]Text[120,20,160,170,0]",
    "Photo[0,15,289,150,0]Text[60,170,170,30,0]",
    "Photo[40,15,210,150,0]Text[60,175,170,25,0]",
    "Photo[130,0,140,208,0]Text[10,20,110,168,0]",
    "Photo[20,20,249,168,0]Text[25,168,240,20,0]",
    "Photo[55,0,180,208,0]",
    "Photo[35,0,220,208,0]Text[40,183,210,20,0]",
    "Photo[0,0,289,208,0]Text[30,180,230,25,0]",
    "Photo[0,0,160,208,0]Photo[150,10,125,150,0]Text[170,170,100,25,0]",
    "Photo[15,10,210,150,0]Photo[210,105,65,90,0]Text[30,170,150,25,0]",
    "Photo[20,15,170,115,0]Photo[129,108,140,85,0]Text[20,145,90,50,0]Text[200,20,80,60,0]",
    "Photo[145,0,144,208,0]Photo[0,20,155,115,0]Text[15,150,110,40,0]",
    "Photo[0,0,141,208,0]Photo[148,0,141,208,0]Text[5,183,130,20,0]Text[153,183,130,20,0]",
    "Photo[0,10,220,180,0]Photo[190,20,99,160,0]Text[5,170,180,20,0]",
    "Photo[45,0,200,102,0]Photo[45,106,200,102,0]",
    "Photo[20,20,120,170,0]Photo[146,20,120,170,0]",
    "Photo[20,16,66,64,0]Photo[20,82,66,64,0]Photo[88,16,180,176,0]Text[20,157,60,35,0]",
    "Photo[0,0,103,150,0]Photo[93,29,103,150,0]Photo[186,58,103,150,0]Text[10,165,80,30,0]Text[200,"
    "15,80,30,0]",
    "Photo[0,30,90,130,0]Photo[199,30,90,130,0]Photo[80,8,130,130,0]Text[10,170,80,30,0]Text[100,"
    "170,90,30,0]Text[199,170,80,30,0]",
    "Photo[0,0,110,100,0]Photo[179,108,110,100,0]Photo[95,42,99,120,0]Text[125,12,150,20,0]Text[15,"
    "177,150,20,0]",
    "Photo[0,0,90,80,0]Photo[0,82,90,126,0]Photo[92,20,197,140,0]Text[110,170,160,25,0]",
    "Photo[0,0,130,80,0]Photo[0,128,130,80,0]Photo[120,44,169,120,0]Text[140,180,140,25,0]",
    "Photo[18,0,160,208,0]Photo[180,0,90,103,0]Photo[180,105,90,103,0]Text[20,183,155,20,0]",
    "Photo[35,70,219,138,0]Photo[0,0,120,80,0]Photo[169,0,120,80,0]",
    "Photo[18,0,80,75,0]Photo[18,77,80,75,0]Photo[104,0,166,102,0]Photo[104,106,166,102,0]Text[18,"
    "160,80,45,0]",
    "Photo[10,10,150,105,0]Photo[75,100,90,108,0]Photo[140,120,125,80,0]Photo[150,20,120,85,0]Text["
    "10,135,55,60,0]",
    "Photo[10,8,90,60,0]Photo[110,92,165,107,0]Photo[10,72,90,90,0]Photo[110,15,135,90,0]Text[10,"
    "170,90,25,0]",
    "Photo[5,5,105,195,0]Photo[196,5,88,165,0]Photo[113,5,80,90,0]Photo[113,98,80,105,0]Text[200,"
    "173,80,30,0]",
    "Photo[0,30,90,130,0]Photo[199,30,90,130,0]Photo[80,8,130,90,0]Photo[80,110,130,90,0]",
    "Photo[0,20,105,75,0]Photo[184,20,105,75,0]Photo[92,10,105,75,0]Photo[55,100,180,100,0]",
    "Photo[15,0,140,208,0]Photo[165,10,110,68,0]Photo[165,130,110,68,0]Photo[143,70,110,68,0]Text["
    "20,183,130,20,0]",
    "Photo[18,0,170,103,0]Photo[190,0,80,103,0]Photo[18,105,80,103,0]Photo[100,105,170,103,0]",
    "Photo[0,0,145,103,0]Photo[147,0,70,70,0]Photo[219,0,70,70,0]Photo[0,105,145,103,0]Photo[147,"
    "72,142,100,0]Text[155,180,120,25,0]",
    "Photo[0,10,95,70,0]Photo[97,10,95,70,0]Photo[194,10,95,70,0]Photo[20,83,160,100,0]Photo[170,"
    "100,100,100,0]Text[20,188,145,15,0]",
    "Photo[13,0,85,150,0]Photo[101,0,87,90,0]Photo[191,0,85,90,0]Photo[101,92,87,116,0]Photo[191,"
    "92,85,116,0]Text[13,160,80,35,0]",
    "Photo[20,16,80,60,0]Photo[105,16,80,60,0]Photo[190,16,80,60,0]Photo[20,80,80,60,0]Photo[105,"
    "80,165,110,0]Text[20,145,80,45,0]",
    "Photo[0,0,70,103,0]Photo[0,105,70,103,0]Photo[74,18,141,172,0]Photo[219,0,70,103,0]Photo[219,"
    "105,70,103,0]Text[77,175,135,15,0]",
    "Photo[0,0,110,70,0]Photo[179,0,110,70,0]Photo[0,138,110,70,0]Photo[179,138,110,70,0]Photo[70,"
    "54,150,100,0]",
    "Photo[13,0,130,90,0]Photo[146,0,130,90,0]Photo[13,92,85,116,0]Photo[101,92,87,116,0]Photo[191,"
    "92,85,116,0]",
    "Photo[10,8,90,60,0]Photo[110,92,165,107,0]Photo[10,71,90,60,0]Photo[10,134,90,60,0]Photo[110,"
    "15,135,90,0]",
    "Photo[20,16,80,60,0]Photo[105,16,80,110,0]Photo[190,16,80,60,0]Photo[20,80,80,60,0]Photo[105,"
    "130,80,60,0]Photo[190,80,80,110,0]Text[20,150,75,40,0]",
    "Photo[0,0,145,158,0]Photo[147,0,70,60,0]Photo[219,0,70,60,0]Photo[147,62,70,60,0]Photo[219,62,"
    "70,60,0]Photo[147,124,142,84,0]Text[15,165,120,25,0]",
    "Photo[0,0,80,103,0]Photo[0,105,80,103,0]Photo[85,14,119,85,0]Photo[85,109,119,85,0]Photo[209,"
    "0,80,68,0]Photo[209,70,80,68,0]Text[215,145,60,50,0]",
    "Photo[0,10,73,50,0]Photo[74,10,70,50,0]Photo[145,10,70,50,0]Photo[216,10,73,50,0]Photo[15,70,"
    "120,130,0]Photo[125,78,140,80,0]Text[145,170,120,25,0]",
    "Photo[0,0,80,60,0]Photo[70,10,80,60,0]Photo[140,20,80,60,0]Photo[209,30,80,60,0]Photo[25,80,"
    "90,120,0]Photo[110,95,155,95,0]",
    "Photo[0,0,70,103,0]Photo[72,0,70,103,0]Photo[144,0,145,103,0]Photo[0,105,142,103,0]Photo[144,"
    "105,70,103,0]Photo[216,105,73,103,0]",
    "Photo[0,0,60,68,0]Photo[62,0,60,68,0]Photo[0,70,60,68,0]Photo[62,70,60,68,0]Photo[0,140,122,"
    "68,0]Photo[132,9,145,190,0]",
    "Photo[0,0,135,208,0]Photo[130,9,85,50,0]Photo[130,79,85,50,0]Photo[130,149,85,50,0]Photo[209,"
    "44,80,50,0]Photo[209,114,80,50,0]Text[5,183,120,20,0]",
    "Photo[0,0,70,70,0]Photo[72,0,70,103,0]Photo[144,0,145,103,0]Photo[0,72,70,70,0]Photo[72,105,"
    "70,103,0]Photo[144,105,70,103,0]Photo[216,105,73,103,0]Text[10,150,55,45,0]",
    "Photo[0,0,95,68,0]Photo[97,0,95,68,0]Photo[194,0,95,68,0]Photo[0,70,95,68,0]Photo[97,70,95,"
    "100,0]Photo[194,70,95,100,0]Photo[0,140,95,68,0]Text[105,180,170,20,0]",
    "Photo[10,10,60,60,0]Photo[85,10,60,60,0]Photo[22,65,105,108,0]Photo[162,10,105,65,0]Photo[144,"
    "78,60,60,0]Photo[219,78,60,60,0]Photo[162,133,105,65,0]Text[22,178,105,20,0]",
    "Photo[0,0,80,68,0]Photo[0,70,80,78,0]Photo[85,14,119,85,0]Photo[85,109,119,85,0]Photo[209,0,"
    "80,68,0]Photo[209,70,80,68,0]Photo[209,140,80,68,0]Text[10,160,70,35,0]",
    "Photo[10,8,80,70,0]Photo[83,14,80,70,0]Photo[156,20,80,70,0]Photo[24,120,70,80,0]Photo[86,108,"
    "70,80,0]Photo[148,96,70,80,0]Photo[209,78,70,80,0]Text[160,180,115,20,0]",
    "Photo[0,10,73,50,0]Photo[74,10,70,50,0]Photo[145,10,70,50,0]Photo[216,10,73,50,0]Photo[8,70,"
    "165,130,0]Photo[178,70,55,80,0]Photo[226,120,55,80,0]",
    "Photo[0,10,73,50,0]Photo[74,10,70,50,0]Photo[145,10,70,50,0]Photo[216,10,73,50,0]Photo[10,70,"
    "85,130,0]Photo[102,70,85,130,0]Photo[194,70,85,130,0]",
    "Photo[0,0,80,103,0]Photo[0,105,80,103,0]Photo[85,14,119,85,0]Photo[85,109,119,85,0]Photo[209,"
    "0,80,68,0]Photo[209,70,80,68,0]Photo[209,140,80,68,0]",
    "Photo[0,0,70,90,0]Photo[72,0,70,90,0]Photo[144,0,70,90,0]Photo[216,0,73,90,0]Photo[0,104,70,"
    "90,0]Photo[72,104,70,90,0]Photo[144,104,70,90,0]Photo[216,104,73,90,0]Text[5,92,60,10,0]Text["
    "77,92,60,10,0]Text[149,92,60,10,0]Text[221,92,60,10,0]Text[5,196,60,10,0]Text[77,196,60,10,0]"
    "Text[149,196,60,10,0]Text[221,196,60,10,0]",
    "Photo[0,0,70,70,0]Photo[72,0,70,103,0]Photo[144,0,70,103,0]Photo[216,0,73,103,0]Photo[0,72,70,"
    "70,0]Photo[72,105,70,103,0]Photo[144,105,70,103,0]Photo[216,105,73,103,0]Text[10,150,55,45,0]",
    "Photo[0,0,95,68,0]Photo[97,0,95,68,0]Photo[194,0,95,68,0]Photo[0,70,95,68,0]Photo[97,70,95,68,"
    "0]Photo[194,70,95,68,0]Photo[0,140,95,68,0]Photo[194,140,95,68,0]Text[105,150,80,45,0]",
    "Photo[0,0,95,68,0]Photo[97,0,95,68,0]Photo[194,0,95,68,0]Photo[0,70,95,68,0]Photo[97,70,95,68,"
    "0]Photo[194,70,95,68,0]Photo[0,140,95,68,0]Photo[97,140,95,68,0]Photo[194,140,95,68,0]",
    "Photo[10,10,60,60,0]Photo[85,10,60,60,0]Photo[22,65,105,65,0]Photo[22,133,105,65,0]Photo[162,"
    "10,105,65,0]Photo[144,78,60,60,0]Photo[219,78,60,60,0]Photo[162,133,105,65,0]",
    "Photo[0,0,70,103,0]Photo[72,0,70,103,0]Photo[144,0,70,103,0]Photo[216,0,73,103,0]Photo[0,105,"
    "70,103,0]Photo[72,105,70,103,0]Photo[144,105,70,103,0]Photo[216,105,73,103,0]Text[5,92,60,10,"
    "0]Text[77,92,60,10,0]Text[149,92,60,10,0]Text[221,92,60,10,0]Text[5,196,60,10,0]Text[77,196,"
    "60,10,0]Text[149,196,60,10,0]Text[221,196,60,10,0]",
    "Photo[0,0,80,68,0]Photo[0,70,80,68,0]Photo[0,140,80,68,0]Photo[85,14,119,85,0]Photo[85,109,"
    "119,85,0]Photo[209,0,80,68,0]Photo[209,70,80,68,0]Photo[209,140,80,68,0]"};
constexpr int kCatalogueSize = int(std::size(Catalogue));

int GroupOf(const QString& serialized) {
    return std::min(int(serialized.count(QStringLiteral("Photo["))), Templates::kHighestGroup);
}

QStringList SerializedGroup(const Templates& catalogue, int group) {
    QStringList forms;
    for (const auto& item : catalogue.GroupTemplates(group))
        forms << item->Serialize();
    return forms;
}

const char* const Minimal = "+Page-289,208,4,2,6,3,8.5039,8.5039,5.52,5.52\n+Cover-289,208\n"
                            "+DefaultTemplate-Photo[0, 0, 289, 208, 0]\n";

TEST(TemplatesTest, CarriesThePageGeometry) {
    const Templates catalogue;
    EXPECT_FLOAT_EQ(catalogue.PageWidth(), 289);
    EXPECT_FLOAT_EQ(catalogue.PageHeight(), 208);
    EXPECT_FLOAT_EQ(catalogue.CoverWidth(), 289);
    EXPECT_FLOAT_EQ(catalogue.CoverHeight(), 208);
    EXPECT_FLOAT_EQ(catalogue.GetXBorder(), 4);
    EXPECT_FLOAT_EQ(catalogue.GetYBorder(), 2);
    EXPECT_FLOAT_EQ(catalogue.GetXCut(), 6);
    EXPECT_FLOAT_EQ(catalogue.GetYCut(), 3);
    EXPECT_FLOAT_EQ(catalogue.GetXRatio(), 8.5039f);
    EXPECT_FLOAT_EQ(catalogue.GetYRatio(), 8.5039f);
    EXPECT_FLOAT_EQ(catalogue.GetMinXRatio(), 5.52f);
    EXPECT_FLOAT_EQ(catalogue.GetMinYRatio(), float(Templates::kStockMinRatio));
    EXPECT_EQ(catalogue.GetCount(), 8);
}

TEST(TemplatesTest, GroupsHoldTheCatalogueNewestFirst) {
    const Templates catalogue;
    for (int group = 0; group <= catalogue.GetCount(); ++group) {
        QStringList expected;
        for (int i = kCatalogueSize - 1; i >= 0; --i)
            if (GroupOf(QString::fromLatin1(Catalogue[i])) == group)
                expected << QString::fromLatin1(Catalogue[i]);
        EXPECT_EQ(SerializedGroup(catalogue, group), expected) << "group " << group;
    }
    const int sizes[] = {3, 8, 8, 8, 8, 8, 8, 8, 7};
    for (int group = 0; group <= 8; ++group)
        EXPECT_EQ(catalogue.GroupTemplates(group).size(), size_t(sizes[group])) << group;
    // Group 1 runs from no. 11 down to no. 4, group 0 from no. 3 down to no. 1.
    const QStringList one = SerializedGroup(catalogue, 1);
    EXPECT_EQ(one.front(), QString::fromLatin1(Catalogue[10]));
    EXPECT_EQ(one.back(), QString::fromLatin1(Catalogue[3]));
    EXPECT_EQ(SerializedGroup(catalogue, 0),
              QStringList({Catalogue[2], Catalogue[1], Catalogue[0]}));
    EXPECT_EQ(catalogue.GroupTemplates(8).front()->Serialize(), QString::fromLatin1(Catalogue[65]));
}

TEST(TemplatesTest, DefaultTemplateIsNumberElevenAndSharedWithItsGroup) {
    const Templates catalogue;
    const auto& item = catalogue.GetDefaultTemplate();
    ASSERT_TRUE(item);
    EXPECT_EQ(item->Serialize(), QStringLiteral("Photo[0,0,289,208,0]Text[30,180,230,25,0]"));
    EXPECT_EQ(catalogue.GroupTemplates(1).front(), item);
}

TEST(TemplatesTest, GroupsOutsideZeroToEightAreRefused) {
    const Templates catalogue;
    EXPECT_THROW(catalogue.GroupTemplates(-1), LumbraError);
    EXPECT_THROW(catalogue.GroupTemplates(9), LumbraError);
    EXPECT_NO_THROW(catalogue.GroupTemplates(8));
}

TEST(TemplatesTest, EveryTemplateRoundTripsThroughItsTextForm) {
    const Templates catalogue;
    int seen = 0;
    for (int group = 0; group <= 8; ++group) {
        for (const auto& item : catalogue.GroupTemplates(group)) {
            ++seen;
            const auto rebuilt = Template::FromDefinition(item->Serialize());
            ASSERT_EQ(rebuilt->PhotoBoxCount(), item->PhotoBoxCount());
            ASSERT_EQ(rebuilt->TextBoxCount(), item->TextBoxCount());
            for (int i = 0; i < item->PhotoBoxCount() + item->TextBoxCount(); ++i) {
                const bool photo = i < item->PhotoBoxCount();
                const int at = photo ? i : i - item->PhotoBoxCount();
                const auto& a = photo ? item->PhotoBox(at) : item->TextBox(at);
                const auto& b = photo ? rebuilt->PhotoBox(at) : rebuilt->TextBox(at);
                EXPECT_EQ(a->X(), b->X());
                EXPECT_EQ(a->Y(), b->Y());
                EXPECT_EQ(a->width(), b->width());
                EXPECT_EQ(a->height(), b->height());
                EXPECT_EQ(a->BoxType(), b->BoxType());
            }
            // The catalogue keeps its own text, line breaks included.
            EXPECT_EQ(Template::FromDefinition(item->GetInitLine())->Serialize(),
                      item->Serialize());
        }
    }
    EXPECT_EQ(seen, 66);
}

TEST(TemplatesTest, CatalogueTextToleratesItsOwnStyle) {
    const QByteArray text =
        QByteArray("\n\n+ Page - 289, 208,4,2,6,3,8.5039,8.5039,5.52,5.52 \n\n") +
        "+Cover-289,208\n+no dash in this piece\n+Unknown-Photo[1,1,1,1,0]\n" +
        "+template-Photo[2,2,2,2,0]\n" +
        "+DefaultTemplate-Photo[0, 0, 289, 208, 0],\nText[30, 180, 230, 25, 0] \n\n" +
        "+Template-Photo[1, 2, 3, 4, 0],\n";
    const Templates catalogue(text, nullptr);
    EXPECT_FLOAT_EQ(catalogue.PageWidth(), 289);
    EXPECT_FLOAT_EQ(catalogue.GetMinYRatio(), 5.52f);
    EXPECT_EQ(SerializedGroup(catalogue, 1),
              QStringList({"Photo[1,2,3,4,0]", "Photo[0,0,289,208,0]Text[30,180,230,25,0]"}));
    EXPECT_EQ(catalogue.GetDefaultTemplate()->GetInitLine(),
              QStringLiteral("Photo[0, 0, 289, 208, 0],\nText[30, 180, 230, 25, 0] \n\n"));
    for (int group : {0, 2, 8})
        EXPECT_TRUE(catalogue.GroupTemplates(group).empty());
}

TEST(TemplatesTest, MalformedCatalogueFailsConstruction) {
    const QByteArray minimal(Minimal);
    EXPECT_NO_THROW(Templates(minimal, nullptr));
    QByteArray shortPage = minimal;
    shortPage.replace(",5.52,5.52", ",5.52");
    EXPECT_THROW(Templates(shortPage, nullptr), LumbraError);
    QByteArray badPage = minimal;
    badPage.replace("8.5039,8.5039", "8.5039,x");
    EXPECT_THROW(Templates(badPage, nullptr), LumbraError);
    QByteArray shortCover = minimal;
    shortCover.replace("+Cover-289,208", "+Cover-289");
    EXPECT_THROW(Templates(shortCover, nullptr), LumbraError);
    EXPECT_THROW(Templates(minimal + "+Template-Photo[1,2,3]", nullptr), LumbraError);
    QByteArray noDefault = minimal;
    noDefault.replace("DefaultTemplate", "Template");
    EXPECT_THROW(Templates(noDefault, nullptr), LumbraError);
    EXPECT_THROW(Templates(QByteArray("+DefaultTemplate-Photo[0,0,1,1,0]"), nullptr), LumbraError);
}

TEST(TemplatesTest, GroupNamesComeFromTheLanguageStrings) {
    Constants strings;
    strings.ApplyLanguageLine(QStringLiteral("cTemplateSelectorNoPhotos=No photos"));
    strings.ApplyLanguageLine(QStringLiteral("cTemplateSelectorPhotos=photos"));
    strings.ApplyLanguageLine(QStringLiteral("cTemplateSelectorMorePhotos=More photos"));
    const Templates catalogue(QByteArray(Minimal), &strings);
    EXPECT_EQ(catalogue.GetName(0), QStringLiteral("No photos"));
    EXPECT_EQ(catalogue.GetName(3), QStringLiteral("3 photos"));
    EXPECT_EQ(catalogue.GetName(5), QStringLiteral("5 photos"));
    EXPECT_EQ(catalogue.GetName(8), QStringLiteral("More photos"));
    EXPECT_THROW(catalogue.GetName(9), LumbraError);
}

TEST(TemplatesTest, ScreenPixelsOfHugePagesStopAtTheInt16Limits) {
    EXPECT_EQ(Templates::ScreenPixels(8669, 96), 32765); // 32764.72
    EXPECT_EQ(Templates::ScreenPixels(1e300, 96), 32767);
    EXPECT_EQ(Templates::ScreenPixels(-1e300, 96), -32768);
    EXPECT_EQ(Templates::ScreenPixels(1e308, 96), 32767); // beyond double: infinity
    const Templates huge("+Page-1e300,1e308,4,2,6,3,8.5,8.5,5.52,5.52\n"
                         "+DefaultTemplate-Photo[0,0,289,208,0]\n",
                         nullptr);
    EXPECT_EQ(huge.PageWidthPixel(), 32767);
    EXPECT_EQ(huge.PageHeightPixel(), 32767);
}

TEST(TemplatesTest, ScreenPixelsRoundHalvesToEven) {
    EXPECT_EQ(Templates::ScreenPixels(289, 96), 1092);
    EXPECT_EQ(Templates::ScreenPixels(208, 96), 786);
    EXPECT_EQ(Templates::ScreenPixels(289, 120), 1365);
    EXPECT_EQ(Templates::ScreenPixels(0.5, 25.4), 0);
    EXPECT_EQ(Templates::ScreenPixels(2.5, 25.4), 2);
    EXPECT_EQ(Templates::ScreenPixels(0.7, 127), 4); // 3.5
    EXPECT_EQ(Templates::ScreenPixels(1.5, 127), 8); // 7.5
    EXPECT_EQ(Templates::ScreenPixels(0.9, 127), 4); // 4.5
}

} // namespace
