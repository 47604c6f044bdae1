#include "engine/Articles.hpp"

#include "../support/AddOnFixture.hpp"

#include "hostplatform/Faults.hpp"
#include "hostplatform/Host.hpp"
#include "hostplatform/ProjectBuilder.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using hostplatform::Faults;
using hostplatform::ProjectBuilder;

namespace {

std::string Utf8(const GS::UniString& text) {
    return text.ToUtf8();
}

class ResolutionTest : public AddOnTest {
  protected:
    void SetUp() override {
        AddOnTest::SetUp();
        AddGroup("Onbekend", "");
    }

    static void AddGroup(const char* code, const char* name) {
        ArticleGroup group;
        group.number = static_cast<short>(Articles::allArticlesGroups.GetSize());
        group.code = code;
        group.name = name;
        Articles::allArticlesGroups.Push(group);
    }

    static std::vector<std::string> Codes(const GS::Array<Article>& articles) {
        std::vector<std::string> codes;
        for (const Article& article : articles)
            codes.push_back(Utf8(article.code));
        return codes;
    }
};

// ---- Own classification of an element and of a building material ----

TEST_F(ResolutionTest, ElementClassificationTakesTheFirstVisibleItemOfTheQelmSystem) {
    AddGroup("20.13.", "Gevelmetselwerk");
    AddGroup("22.21.", "Binnenmuren");
    ProjectBuilder b;
    const API_Guid other = b.AddSystem("NL-SfB");
    const API_Guid otherItem = b.AddItem(other, APINULLGuid, "21.1", "Buitenwanden");
    const API_Guid lowerQelm = b.AddSystem("qelm");
    const API_Guid lowerItem = b.AddItem(lowerQelm, APINULLGuid, "20.13.", "Metselwerk");
    const API_Guid qelm = b.AddSystem("QELM");
    const API_Guid hidden = b.AddItem(qelm, APINULLGuid, "20.13.", "Gevelmetselwerk");
    const API_Guid shown = b.AddItem(qelm, APINULLGuid, "22.21.", "Binnenmuren");
    const API_Guid wall = b.AddElement(API_WallID)
                              .Classify(other, otherItem)
                              .Classify(lowerQelm, lowerItem)
                              .Classify(qelm, hidden, false)
                              .Classify(qelm, shown);
    const API_Guid onlyLower = b.AddElement(API_WallID).Classify(lowerQelm, lowerItem);
    b.Install();

    API_Guid guid = wall;
    GS::UniString code;
    short groupIndex = -1;
    GS::UniString message = "before";
    ASSERT_TRUE(Articles::GetQELM_Classification(guid, code, groupIndex, message));
    EXPECT_EQ(Utf8(code), "22.21.");
    EXPECT_EQ(groupIndex, 2);
    EXPECT_EQ(Utf8(message), "");

    API_Element element;
    element.header.guid = wall;
    code.Clear();
    ASSERT_TRUE(Articles::GetQELM_Classification(element, code, groupIndex, message));
    EXPECT_EQ(Utf8(code), "22.21.");

    guid = onlyLower;
    code = "unchanged";
    groupIndex = -1;
    message = "unchanged";
    EXPECT_FALSE(Articles::GetQELM_Classification(guid, code, groupIndex, message));
    EXPECT_EQ(Utf8(code), "unchanged");
    EXPECT_EQ(groupIndex, -1);
    EXPECT_EQ(Utf8(message), "unchanged");
}

TEST_F(ResolutionTest, ElementClassificationWithoutGroupIsFoundWithTheNotFoundText) {
    ProjectBuilder b;
    const API_Guid qelm = b.AddSystem("QELM");
    API_Guid wall = b.AddElement(API_WallID).Classify(qelm, b.AddItem(qelm, APINULLGuid, "99.01.", "Nieuw"));
    b.Install();

    GS::UniString code;
    short groupIndex = -1;
    GS::UniString message;
    ASSERT_TRUE(Articles::GetQELM_Classification(wall, code, groupIndex, message));
    EXPECT_EQ(groupIndex, 0);
    EXPECT_EQ(Utf8(message), "Classificatie niet gevonden in de QELM lijst: 99.01.");
}

TEST_F(ResolutionTest, ElementClassificationPassesOverPairsTheHostCannotRead) {
    ProjectBuilder b;
    const API_Guid broken = b.AddSystem("QELM");
    const API_Guid brokenItem = b.AddItem(broken, APINULLGuid, "10.10.", "Eerste");
    const API_Guid qelm = b.AddSystem("QELM");
    const API_Guid unreadable = b.AddItem(qelm, APINULLGuid, "10.20.", "Tweede");
    const API_Guid good = b.AddItem(qelm, APINULLGuid, "10.30.", "Derde");
    API_Guid wall =
        b.AddElement(API_WallID).Classify(broken, brokenItem).Classify(qelm, unreadable).Classify(qelm, good);
    b.Install();
    Faults::FailCallFor("ACAPI_Classification_GetClassificationSystem", broken);
    Faults::FailCallFor("ACAPI_Classification_GetClassificationItem", unreadable);

    GS::UniString code;
    short groupIndex = -1;
    GS::UniString message;
    ASSERT_TRUE(Articles::GetQELM_Classification(wall, code, groupIndex, message));
    EXPECT_EQ(Utf8(code), "10.30.");

    Faults::FailCall("ACAPI_Element_GetClassificationItems");
    code = "unchanged";
    EXPECT_FALSE(Articles::GetQELM_Classification(wall, code, groupIndex, message));
    EXPECT_EQ(Utf8(code), "unchanged");
}

TEST_F(ResolutionTest, BuildingMaterialClassificationIsTypeThree) {
    AddGroup("20.13.10.", "Gevelsteen");
    ProjectBuilder b;
    const API_Guid qelm = b.AddSystem("QELM");
    const API_Guid hidden = b.AddItem(qelm, APINULLGuid, "20.13.05.", "Metselwerk");
    const API_Guid shown = b.AddItem(qelm, APINULLGuid, "20.13.10.", "Gevelsteen");
    const API_AttributeIndex brick = b.AddBuildingMaterial("Baksteen", "BS-01", "gevelsteen");
    const API_AttributeIndex plain = b.AddBuildingMaterial("Beton", "BE-01", "beton");
    b.ClassifyMaterial(brick, qelm, hidden, false);
    b.ClassifyMaterial(brick, qelm, shown);
    b.Install();

    API_Attribute material{};
    material.header.typeID = API_BuildingMaterialID;
    material.header.index = brick;
    Article article;
    ASSERT_TRUE(Articles::GetQELM_Classification(material, article));
    EXPECT_EQ(Utf8(article.code), "20.13.10.");
    EXPECT_EQ(article.groupIndex, 1);
    EXPECT_EQ(Utf8(article.message), "");
    EXPECT_EQ(article.qelmType, 3);

    Article untouched;
    material.header.index = plain;
    EXPECT_FALSE(Articles::GetQELM_Classification(material, untouched));
    EXPECT_EQ(untouched.qelmType, 0);
    EXPECT_EQ(Utf8(untouched.message), "Geen classificatie toegekend");

    Faults::FailCall("ACAPI_Attribute_GetClassificationItems");
    material.header.index = brick;
    Article failed;
    EXPECT_FALSE(Articles::GetQELM_Classification(material, failed));
    EXPECT_EQ(Utf8(failed.code), "");
}

// ---- Groups by number and by prefix ----

TEST_F(ResolutionTest, ClassificationIndexAndGroupsByPrefix) {
    AddGroup("20.13.", "a");
    AddGroup("22.21.", "b");
    AddGroup("20.13.", "c");
    AddGroup("20.14.", "d");

    GS::UniString message = "stale";
    EXPECT_EQ(Articles::GetClassificationIndex("20.13.", message), 1);
    EXPECT_EQ(Utf8(message), "");
    EXPECT_EQ(Articles::GetClassificationIndex("20.13", message), 0);
    EXPECT_EQ(Utf8(message), "Classificatie niet gevonden in de QELM lijst: 20.13");
    EXPECT_EQ(Articles::GetClassificationIndex("Onbekend", message), 0);
    EXPECT_EQ(Utf8(message), "");

    GS::Array<short> indices;
    indices.Push(42);
    Articles::GetArticleGroupsStartingWith("20.1", indices);
    EXPECT_EQ(std::vector<short>(indices.begin(), indices.end()), (std::vector<short>{1, 3, 4}));
    Articles::GetArticleGroupsStartingWith("", indices);
    EXPECT_EQ(std::vector<short>(indices.begin(), indices.end()), (std::vector<short>{0, 1, 2, 3, 4}));
    Articles::GetArticleGroupsStartingWith("30.", indices);
    EXPECT_TRUE(indices.IsEmpty());

    // As many groups again with other codes: the look-ups answer from the new list.
    Articles::allArticlesGroups.Clear();
    for (const char* code : {"Onbekend", "20.14.", "20.13.", "22.21.", "20.13."})
        AddGroup(code, "");
    EXPECT_EQ(Articles::GetClassificationIndex("20.13.", message), 2);
    EXPECT_EQ(Articles::GetClassificationIndex("22.21.", message), 3);
    Articles::GetArticleGroupsStartingWith("20.1", indices);
    EXPECT_EQ(std::vector<short>(indices.begin(), indices.end()), (std::vector<short>{1, 2, 4}));
}

// ---- Type-2 pattern and rule tables ----

TEST_F(ResolutionTest, TypeTwoPatternMatchesTheWholeCode) {
    const struct {
        const char* code;
        bool matches;
    } cases[] = {
        {"20.13.xx.", true},       {"20.13.1x.", true},   {"20.13.xx.10.", false},
        {"20.13.XX.", false},      {"20.13.", false},     {"20.13.x1.", false},
        {"20.13.xx", false},       {" 20.13.xx.", false}, {"2a.13.xx.", false},
        {"20.13.xx. isol", false}, {"", false},
    };
    for (const auto& c : cases) {
        Article article;
        article.code = c.code;
        EXPECT_EQ(Articles::CompliesToType2Expression(article), c.matches) << c.code;
    }
}

TEST_F(ResolutionTest, RuleTableTestWithAndWithoutTheDemandForAnX) {
    GS::Array<ClassificationCondition> conditions;
    conditions.Push(ClassificationCondition("33.23.", ""));
    conditions.Push(ClassificationCondition("", "40.10.01."));
    const GS::Array<ClassificationCondition> none;

    Article article;
    article.code = "33.23.10.";
    EXPECT_FALSE(Articles::CompliesToClassification(article, conditions, true));
    EXPECT_TRUE(Articles::CompliesToClassification(article, conditions, false));
    EXPECT_FALSE(Articles::CompliesToClassification(article, none, false));
    article.code = "33.23.xx.";
    EXPECT_TRUE(Articles::CompliesToClassification(article, conditions, true));
    EXPECT_FALSE(Articles::CompliesToClassification(article, none, true));
    article.code = "40.10.01.";
    EXPECT_TRUE(Articles::CompliesToClassification(article, conditions, false));
    article.code = "40.10.01.5";
    EXPECT_FALSE(Articles::CompliesToClassification(article, conditions, false));
}

// ---- Thickness match of a type-2 code ----

class Type2PropertiesTest : public ResolutionTest {
  protected:
    static Article Material(const char* thicknessCm, const char* thicknessMm) {
        Article article;
        article.code = "33.23.xx. dakisolatie";
        article.materialId = article.code;
        article.thicknessCm = thicknessCm;
        article.thicknessMm = thicknessMm;
        article.qelmType = 2;
        return article;
    }
};

TEST_F(Type2PropertiesTest, FirstGroupUnderThePrefixWhoseNameEndsWithTheThicknessWins) {
    AddGroup("34.10.01.", "Andere isolatie 12 cm");
    AddGroup("33.23.10.", "Dakisolatie dikte 112 cm");
    AddGroup("33.23.11.", "  Dakisolatie dikte 12 CM ");
    AddGroup("33.23.12.", "isolatie 10/12 cm");
    AddGroup("33.23.13.", "isolatie 120 mm");

    Article article = Material("12", "120");
    Articles::SetType2Properties(article, false);
    EXPECT_EQ(Utf8(article.code), "33.23.11.");
    EXPECT_EQ(article.groupIndex, 3);
    EXPECT_EQ(Utf8(article.message), "");

    Articles::allArticlesGroups.Delete(3);
    for (GS::UIndex i = 0; i < Articles::allArticlesGroups.GetSize(); ++i)
        Articles::allArticlesGroups[i].number = static_cast<short>(i);
    article = Material("12", "120");
    Articles::SetType2Properties(article, false);
    EXPECT_EQ(Utf8(article.code), "33.23.12.");
    EXPECT_EQ(article.groupIndex, 3);

    article = Material("12", "120");
    Articles::SetType2Properties(article, true);
    EXPECT_EQ(Utf8(article.code), "33.23.13.");
    EXPECT_EQ(article.groupIndex, 4);
}

TEST_F(Type2PropertiesTest, ThicknessMissKeepsCodeAndGroup) {
    AddGroup("33.23.10.", "Dakisolatie dikte 112 cm");
    AddGroup("33.23.11.", "Dakisolatie 12 mm");

    Article article = Material("12", "120");
    article.groupIndex = 7;
    Articles::SetType2Properties(article, false);
    EXPECT_EQ(Utf8(article.code), "33.23.xx. dakisolatie");
    EXPECT_EQ(article.groupIndex, 7);
    EXPECT_EQ(Utf8(article.message), "Geen classificatie met juiste dikte gevonden");
}

// ---- Numbers from QELM properties ----

TEST_F(ResolutionTest, QelmPropertyTextsYieldTheirNumbers) {
    AddGroup("20.13.05.", "Gevelmetselwerk");
    AddGroup("22.21.", "Binnenmuren");
    const std::vector<std::string> both = {"20.13.05.", "22.21."};
    const struct {
        const char* text;
        std::vector<std::string> codes;
    } cases[] = {
        {"[20.13.05. Gevelmetselwerk]; [22.21. Binnenmuren]", both},
        {"20.13.05. Metselwerk, 22.21. Binnenmuren", both},
        {"20.13.05. Metselwerk, grijs; 22.21. Binnenmuren", both},
        {"20.1 Grondwerk", {"20.1"}},
        {"20.13.", {}},
        {"20-13. Metselwerk", {}},
        {" 20.13.05. Metselwerk", {}},
        {"", {}},
        {"[]", {}},
    };
    for (const auto& c : cases) {
        hostplatform::ResetHost();
        ProjectBuilder b;
        API_Element element;
        element.header.guid = b.AddElement(API_ObjectID).Property("QELM Materiaal", GS::UniString(c.text));
        b.Install();

        GS::Array<Article> articles;
        Articles::GetArticlesFromQELM_Properties(element, articles);
        EXPECT_EQ(Codes(articles), c.codes) << c.text;
        for (const Article& article : articles) {
            EXPECT_EQ(article.qelmType, 4);
            EXPECT_EQ(Utf8(article.propertyName), "QELM Materiaal");
        }
        if (c.codes == both) {
            EXPECT_EQ(articles[0].groupIndex, 1);
            EXPECT_EQ(articles[1].groupIndex, 2);
            EXPECT_EQ(Utf8(articles[1].message), "");
        }
    }
}

TEST_F(ResolutionTest, OnlyVisibleQelmPropertiesCountEachUnderItsOwnName) {
    ProjectBuilder b;
    const API_Guid hiddenDefinition = b.DefineProperty("QELM Verborgen", API_PropertyStringValueType);
    API_Element element;
    element.header.guid = b.AddElement(API_ObjectID)
                              .Property("qelm afwerking", GS::UniString("40.10. Pleister"))
                              .Property("QELMX", GS::UniString("40.20. Tegels"))
                              .Property("Materiaal", GS::UniString("40.30. Verf"))
                              .PropertyOf(hiddenDefinition, GS::UniString("40.40. Hout"), false)
                              .Property("QELM Vloer", GS::UniString("40.50. Parket"));
    b.Install();

    GS::Array<Article> articles;
    Articles::GetArticlesFromQELM_Properties(element, articles);
    ASSERT_EQ(Codes(articles), (std::vector<std::string>{"40.10.", "40.50."}));
    EXPECT_EQ(Utf8(articles[0].propertyName), "qelm afwerking");
    EXPECT_EQ(Utf8(articles[1].propertyName), "QELM Vloer");
    EXPECT_EQ(articles[1].groupIndex, 0);
    EXPECT_EQ(Utf8(articles[1].message), "Classificatie niet gevonden in de QELM lijst: 40.50.");
}

TEST_F(ResolutionTest, QelmPropertiesAddNothingWhenTheHostFails) {
    ProjectBuilder b;
    API_Element element;
    element.header.guid =
        b.AddElement(API_ObjectID).Property("QELM Materiaal", GS::UniString("20.13.05. Metselwerk"));
    b.Install();

    for (const char* call : {"ACAPI_Element_GetPropertyDefinitions", "ACAPI_Element_GetPropertyValuesByGuid",
                             "ACAPI_Property_GetPropertyValueString"}) {
        Faults::Clear();
        Faults::FailCall(call);
        GS::Array<Article> articles;
        Articles::GetArticlesFromQELM_Properties(element, articles);
        EXPECT_TRUE(articles.IsEmpty()) << call;
    }
}

// ---- Article of the element's own classification ----

TEST_F(ResolutionTest, OwnClassificationArticleOnlyForElementsTheBuildersLeaveAlone) {
    AddGroup("20.13.", "Gevelmetselwerk");
    ProjectBuilder b;
    const API_Guid qelm = b.AddSystem("QELM");
    const API_Guid item = b.AddItem(qelm, APINULLGuid, "20.13.", "Gevelmetselwerk");
    API_Element slab;
    slab.header.guid = b.AddElement(API_SlabID).Classify(qelm, item);
    slab.header.type = API_SlabID;
    API_Element wall;
    wall.header.guid = b.AddElement(API_WallID).Classify(qelm, item);
    wall.header.type = API_WallID;
    API_Element object;
    object.header.guid = b.AddElement(API_ObjectID).Classify(qelm, item);
    object.header.type = API_ObjectID;
    API_Element plainObject;
    plainObject.header.guid = b.AddElement(API_ObjectID);
    plainObject.header.type = API_ObjectID;
    b.Install();

    GS::Array<Article> articles;
    Articles::GetArticlesFromQELM_Classification(slab, false, articles);
    EXPECT_TRUE(articles.IsEmpty());
    Articles::GetArticlesFromQELM_Classification(plainObject, false, articles);
    EXPECT_TRUE(articles.IsEmpty());

    Articles::GetArticlesFromQELM_Classification(slab, true, articles);
    ASSERT_EQ(articles.GetSize(), 1u);
    EXPECT_EQ(Utf8(articles[0].code), "20.13.");
    EXPECT_EQ(articles[0].groupIndex, 1);
    EXPECT_EQ(Utf8(articles[0].message), "");
    EXPECT_EQ(articles[0].qelmType, 5);

    articles.Clear();
    Articles::GetArticlesFromQELM_Classification(object, false, articles);
    EXPECT_EQ(articles.GetSize(), 1u);

    GS::Array<Article> skins;
    skins.Push(Article());
    skins[0].qelmType = 3;
    Articles::GetArticlesFromQELM_Classification(wall, true, skins);
    EXPECT_EQ(skins.GetSize(), 1u);
}

} // namespace
