#include "engine/Articles.hpp"

#include "../support/AddOnFixture.hpp"

#include <gtest/gtest.h>

#include <string>

namespace {

// The tables are globals filled by the Articles constructor; every test starts from a fresh fill.
using RuleTablesTest = AddOnTest;

int ExactCount(const GS::Array<ClassificationCondition>& conditions) {
    int exact = 0;
    for (const ClassificationCondition& condition : conditions)
        exact += condition.kind == ClassificationCondition::Exact ? 1 : 0;
    return exact;
}

bool AnyComplies(const GS::Array<ClassificationCondition>& conditions, const char* number) {
    for (const ClassificationCondition& condition : conditions) {
        if (condition.Complies(number))
            return true;
    }
    return false;
}

TEST_F(RuleTablesTest, TablesHoldTheirRowsOnceWhateverTheNumberOfConstructions) {
    Articles again;
    EXPECT_EQ(m_vClassificationsType2.GetSize(), 83u);
    EXPECT_EQ(m_vClassificationsType3.GetSize(), 81u);
    EXPECT_EQ(m_vErrorMessageExclusions.GetSize(), 7u);
    EXPECT_EQ(m_vWindowExclusions.GetSize(), 15u);
    EXPECT_EQ(m_vDoorExclusions.GetSize(), 6u);
    EXPECT_EQ(m_vObjectExclusions.GetSize(), 154u);
    EXPECT_EQ(m_vLayerExclusions.GetSize(), 31u);
    EXPECT_EQ(ExactCount(m_vClassificationsType2), 0);
    EXPECT_EQ(ExactCount(m_vClassificationsType3), 7);
}

TEST_F(RuleTablesTest, TablesKeepTheirOrderAndTexts) {
    EXPECT_EQ(m_vClassificationsType2[0].startsWith.ToUtf8(), "12.21.");
    EXPECT_EQ(m_vClassificationsType2[58].startsWith.ToUtf8(), "52.3");
    EXPECT_EQ(m_vClassificationsType2.GetLast().startsWith.ToUtf8(), "68.14.");
    EXPECT_EQ(m_vClassificationsType3[0].startsWith.ToUtf8(), "03.");
    EXPECT_EQ(m_vClassificationsType3[2].equals.ToUtf8(), "10.31.");
    EXPECT_EQ(m_vClassificationsType3[2].kind, ClassificationCondition::Exact);
    EXPECT_EQ(m_vClassificationsType3[42].equals.ToUtf8(), "43.21.20.");
    EXPECT_EQ(m_vClassificationsType3.GetLast().startsWith.ToUtf8(), "93.4");
    EXPECT_EQ(m_vErrorMessageExclusions[3].ToUtf8(), "27.5");
    EXPECT_EQ(m_vWindowExclusions[13].ToUtf8(), "r nis rechthoekig rx");
    EXPECT_EQ(m_vDoorExclusions.GetLast().ToUtf8(), "d spitsboog opening");
    EXPECT_EQ(m_vLayerExclusions[5].ToUtf8(), "buitenruimte (overdekt en niet-overdekt)");
    EXPECT_EQ(m_vObjectExclusions[0].ToUtf8(), "baluster - metaal gegoten");
    EXPECT_EQ(m_vObjectExclusions[109].ToUtf8(), "composiet of profiel naam ");
    EXPECT_EQ(m_vObjectExclusions.GetLast().ToUtf8(), "simple window opening");
    for (const auto* list : {&m_vErrorMessageExclusions, &m_vWindowExclusions, &m_vDoorExclusions,
                             &m_vObjectExclusions, &m_vLayerExclusions}) {
        for (const GS::UniString& entry : *list)
            EXPECT_EQ(entry, entry.ToLowerCase()) << entry.ToUtf8();
    }
}

TEST_F(RuleTablesTest, TypeListsAnswerTheirNumbers) {
    EXPECT_TRUE(AnyComplies(m_vClassificationsType3, "12.40."));
    EXPECT_FALSE(AnyComplies(m_vClassificationsType3, "12.40.1"));
    EXPECT_TRUE(AnyComplies(m_vClassificationsType3, "12.11."));
    EXPECT_TRUE(AnyComplies(m_vClassificationsType2, "52.31.10."));
    EXPECT_FALSE(AnyComplies(m_vClassificationsType2, "99.1"));
}

TEST_F(RuleTablesTest, LayerPrefixesKeepTheirCaseAndLayerNamesIgnoreIt) {
    const std::pair<const char*, bool> cases[] = {
        {"A Wanden", true},
        {"a Wanden", false},
        {"B Vloeren", true},
        {"Z oud", true},
        {"99 oud", true},
        {"99", false},
        {"AWanden", false},
        {"ASLIJNEN", true},
        {"aslijnen", true},
        {"Aslijnen 2", false},
        {"", false},
        {"21 Buitenwanden", false},
        {"point clouds", true},
        {"Markers - details", true},
    };
    for (const auto& [layer, skipped] : cases)
        EXPECT_EQ(Articles::SkipObject(layer), skipped) << layer;
    EXPECT_TRUE(Articles::IsLayerExcluded("EPB"));
    EXPECT_FALSE(Articles::IsLayerExcluded("A Wanden")) << "the prefixes are SkipObject's own";
}

TEST_F(RuleTablesTest, LibraryPartsAreExcludedOnlyInTheirElementTypesList) {
    struct Case {
        API_ElemTypeID type;
        const char* libPart;
        bool excluded;
    };
    const Case cases[] = {
        {API_ObjectID, "Built-in Rail", true},
        {API_ObjectID, "BUILT-IN RAIL", true},
        {API_ObjectID, "built-in rail", true},
        {API_ObjectID, "Built-in Rail 2", false},
        {API_ObjectID, "composiet of profiel naam ", true},
        {API_ObjectID, "composiet of profiel naam", false},
        {API_WindowID, "D rondboog opening", false},
        {API_DoorID, "D rondboog opening", true},
        {API_WindowID, "R NIS RECHTHOEKIG RX", true},
        {API_LampID, "Built-in Rail", false},
        {API_SlabID, "Built-in Rail", false},
        {API_WallID, "R nis rond", false},
        {API_ObjectID, "", false},
    };
    for (const Case& c : cases) {
        Article article;
        article.elemType = c.type;
        article.libPartName = c.libPart;
        EXPECT_EQ(Articles::IsExcluded(article), c.excluded) << c.type << " " << c.libPart;
    }
}

TEST_F(RuleTablesTest, AddedExclusionsAreStoredInLowerCase) {
    Articles::AddLayerExclusion("Nieuwe LAAG");
    Articles::AddObjectExclusion("Mijn Object");
    EXPECT_TRUE(Articles::SkipObject("nieuwe laag"));
    Article object;
    object.elemType = API_ObjectID;
    object.libPartName = "MIJN OBJECT";
    EXPECT_TRUE(Articles::IsExcluded(object));

    Articles::CreateExclusions();
    EXPECT_FALSE(Articles::SkipObject("nieuwe laag")) << "a fresh fill starts from empty lists";
    EXPECT_EQ(m_vLayerExclusions.GetSize(), 31u);
}

TEST(ClassificationConditionTest, ExactAndBeginsWithRules) {
    const ClassificationCondition exact(GS::UniString(), "12.40");
    EXPECT_EQ(exact.kind, ClassificationCondition::Exact);
    EXPECT_EQ(exact.equals.ToUtf8(), "12.40.");
    EXPECT_TRUE(exact.startsWith.IsEmpty());
    EXPECT_TRUE(exact.Complies("12.40."));
    EXPECT_FALSE(exact.Complies("12.40.1"));
    EXPECT_FALSE(exact.Complies("12.40"));
    EXPECT_EQ(ClassificationCondition(GS::UniString(), "12.40.").equals.ToUtf8(), "12.40.");

    const ClassificationCondition begins("52.3", "ignored");
    EXPECT_EQ(begins.kind, ClassificationCondition::BeginsWith);
    EXPECT_TRUE(begins.equals.IsEmpty());
    EXPECT_TRUE(begins.Complies("52.31."));
    EXPECT_TRUE(begins.Complies("52.3"));
    EXPECT_FALSE(begins.Complies("52."));
    EXPECT_FALSE(begins.Complies("152.3"));

    const ClassificationCondition letters("AB", GS::UniString());
    EXPECT_FALSE(letters.Complies("ab.1")) << "prefixes keep their case";

    for (const ClassificationCondition& empty :
         {ClassificationCondition(), ClassificationCondition(GS::UniString(), GS::UniString())}) {
        EXPECT_EQ(empty.kind, ClassificationCondition::None);
        for (const char* number : {"", ".", "12.40.", "52.3"})
            EXPECT_FALSE(empty.Complies(number)) << number;
    }
}

} // namespace
