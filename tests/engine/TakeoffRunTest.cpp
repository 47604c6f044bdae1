// The take-off run as the palette starts it: reading the model, collecting the elements, evaluating
// them under the process window, and what each kind of element leaves in the groups.
#include "TakeoffFixture.hpp"

#include "engine/Classification.hpp"

#include "hostplatform/Memory.hpp"

using hostplatform::Faults;

namespace {

using Ids = std::vector<std::string>;

TEST_F(TakeoffTest, ProcessWindowOpensAndClosesAroundTheElements) {
    Item("40.10.", "st");
    EXPECT_FALSE(TakeOff());
    const hostplatform::ProcessWindowState& empty = hostplatform::ProcessWindow();
    EXPECT_EQ(empty.title, "Informatie ophalen");
    EXPECT_EQ(empty.subtitle, "0 elementen");
    EXPECT_EQ(empty.opened, 1);
    EXPECT_EQ(empty.closed, 1);
    EXPECT_FALSE(empty.open);
    EXPECT_EQ(empty.phaseCalls, 1);
    EXPECT_EQ(empty.cancelChecks, 0);
    EXPECT_EQ(Articles::articleCount, 0);
    EXPECT_EQ(Articles::reportCount, 0);
    ASSERT_EQ(Articles::allArticlesGroups.GetSize(), 2u);
    EXPECT_TRUE(Reports().IsEmpty());

    for (const char* id : {"L-1", "L-2", "L-3"})
        b.AddElement(API_LampID).Id(id);
    EXPECT_FALSE(TakeOff());
    const hostplatform::ProcessWindowState& window = hostplatform::ProcessWindow();
    EXPECT_EQ(window.subtitle, "3 elementen");
    EXPECT_EQ(window.phaseMax, 3);
    EXPECT_EQ(window.phaseCalls, 4);
    EXPECT_EQ(window.lastMax, 2);
    EXPECT_EQ(window.cancelChecks, 3);
    EXPECT_EQ(window.closed, 2);
    EXPECT_EQ(Articles::reportCount, 3);
}

TEST_F(TakeoffTest, MissingQelmSystemKeepsTheLastResult) {
    hostplatform::ProjectBuilder other;
    other.AddSystem("qelm");
    other.AddElement(API_LampID);
    other.Install();
    ArticleGroup kept;
    kept.code = "kept";
    Articles::allArticlesGroups.Push(kept);
    vAllElementGuids.Push(API_Guid{7});

    EXPECT_FALSE(Articles::ReadElementsFromModel(false));
    ASSERT_EQ(Articles::allArticlesGroups.GetSize(), 1u);
    EXPECT_EQ(Utf8(Articles::allArticlesGroups[0].code), "kept");
    ASSERT_EQ(vAllElementGuids.GetSize(), 1u);
    EXPECT_EQ(vAllElementGuids[0], API_Guid{7});
}

TEST_F(TakeoffTest, GroupsCopyTheItemsAfterGroupZero) {
    Item("20.", "m2\nexport\n12,50\nnota", "Ruwbouw");
    Item("20.13.", "dm2");
    b.Install();
    ASSERT_TRUE(Articles::ReadElementsFromModel(false));

    const auto& groups = Articles::allArticlesGroups;
    ASSERT_EQ(groups.GetSize(), 3u);
    EXPECT_EQ(groups[0].number, 0);
    EXPECT_EQ(Utf8(groups[0].code), "Onbekend");
    EXPECT_EQ(Utf8(groups[0].flags), "");
    EXPECT_EQ(groups[1].number, 1);
    EXPECT_EQ(Utf8(groups[1].code), "20.");
    EXPECT_EQ(Utf8(groups[1].name), "Ruwbouw");
    EXPECT_EQ(Utf8(groups[1].note), "nota");
    EXPECT_EQ(Utf8(groups[1].flags), "|m2|export|");
    EXPECT_EQ(Utf8(groups[1].line2), "export");
    EXPECT_DOUBLE_EQ(groups[1].unitPrice, 12.5);
    EXPECT_EQ(Utf8(groups[1].measurementUnit), "m2");
    EXPECT_EQ(groups[2].number, 2);
    EXPECT_EQ(Utf8(groups[2].measurementUnit), "m2");
}

TEST_F(TakeoffTest, SecondTakeOffFilesIntoTheGroupsOfItsOwnItems) {
    Item("40.10.", "st");
    Item("27.10.", "m");
    b.AddElement(API_LampID).Id("L-1").Property("QELM lamp", "40.10. Lamp");
    EXPECT_FALSE(TakeOff());
    ASSERT_EQ(GroupOf("40.10."), 1);

    hostplatform::ProjectBuilder changed;
    const API_Guid system = changed.AddSystem("QELM");
    changed.AddItem(system, APINULLGuid, "27.10.", "Afvoer", "m");
    changed.AddItem(system, APINULLGuid, "40.10.", "Lamp", "st");
    changed.AddElement(API_LampID).Id("L-2").Property("QELM lamp", "40.10. Lamp");
    changed.Install();
    ClearResult();
    ASSERT_TRUE(Articles::ReadElementsFromModel(false));
    const UInt64 generation = ArticleGroup::Generation();
    EXPECT_FALSE(Articles::EvaluateElements());

    EXPECT_EQ(GroupOf("40.10."), 2);
    EXPECT_EQ(ElementIDs(ArticlesOf("40.10.")), (Ids{"L-2"}));
    EXPECT_TRUE(ArticlesOf("27.10.").IsEmpty());
    EXPECT_EQ(ArticleGroup::Generation(), generation)
        << "no group is made or copied while elements are filed";
}

TEST_F(TakeoffTest, ItemsBeyondTheSixteenBitGroupNumbersAreNotMadeIntoGroups) {
    Classifications::Items.Clear();
    Classifications::Items.SetSize(32770);
    Articles::CreateAllArticleGroups();
    Classifications::Items.Clear();

    ASSERT_EQ(Articles::allArticlesGroups.GetSize(), 32768u);
    EXPECT_EQ(Articles::allArticlesGroups.GetLast().number, 32767);
}

TEST_F(TakeoffTest, WholeModelIsCollectedInTypeOrder) {
    const API_Guid lamp = b.AddElement(API_LampID);
    const API_Guid zone = b.AddElement(API_ZoneID);
    b.AddElement(API_TextID);
    const API_Guid slab = b.AddElement(API_SlabID);
    const API_Guid wall = b.AddElement(API_WallID);
    const API_Guid stair = b.AddElement(API_StairID);
    b.Install();
    ASSERT_TRUE(Articles::ReadElementsFromModel(false));

    const std::vector<API_Guid> expected{wall, slab, stair, zone, lamp};
    EXPECT_EQ(vAllElementGuids.AsVector(), expected);
    EXPECT_EQ(m_vElementtypeTypes.GetSize(), 18u);
}

TEST_F(TakeoffTest, SelectionKeepsDuplicatesAndDropsForeignTypes) {
    const API_Guid first = b.AddElement(API_LampID).Id("L-1");
    const API_Guid second = b.AddElement(API_LampID).Id("L-2");
    const API_Guid text = b.AddElement(API_TextID);
    const API_Guid label = b.AddElement(API_LabelID);
    const Int64 handlesBefore = hostplatform::LiveHandleCount();

    b.Select({text, label});
    EXPECT_FALSE(TakeOff(true));
    EXPECT_TRUE(vAllElementGuids.IsEmpty());
    EXPECT_TRUE(Reports().IsEmpty());

    b.Select({});
    EXPECT_FALSE(TakeOff(true));
    EXPECT_TRUE(vAllElementGuids.IsEmpty());

    b.Select({first, text, first, second});
    EXPECT_FALSE(TakeOff(true));
    const std::vector<API_Guid> expected{first, first, second};
    EXPECT_EQ(vAllElementGuids.AsVector(), expected);
    EXPECT_EQ(ElementIDs(Reports()), (Ids{"L-1", "L-1", "L-2"}));
    EXPECT_EQ(hostplatform::LiveHandleCount(), handlesBefore) << "the marquee handle was not released";
}

TEST_F(TakeoffTest, ElementWithoutArticlesIsOneReportLine) {
    b.AddStory(1, "Gelijkvloers");
    const API_AttributeIndex layer = b.AddLayer("  40 Verlichting ");
    b.AddElement(API_LampID).Id("L-01").Layer(layer).Story(1);
    EXPECT_FALSE(TakeOff());

    ASSERT_EQ(Reports().GetSize(), 1u);
    const Article& report = Reports()[0];
    EXPECT_EQ(Utf8(report.message), "Geen classificatie toegekend");
    EXPECT_EQ(Utf8(report.code), "Onbekend");
    EXPECT_EQ(report.groupIndex, 0);
    EXPECT_EQ(Utf8(report.typeName), "Lamp");
    EXPECT_EQ(Utf8(report.elementID), "L-01");
    EXPECT_EQ(Utf8(report.layerName), "40 Verlichting");
    EXPECT_EQ(report.storyIndex, 1);
    EXPECT_EQ(Utf8(report.storyName), "Gelijkvloers");
    EXPECT_EQ(Articles::reportCount, 1);
    EXPECT_EQ(Articles::articleCount, 0);
}

TEST_F(TakeoffTest, ExcludedLayersAndUnreadableElementsLeaveNoTrace) {
    for (const char* name : {"A Wanden", " Aslijnen ", "99 oud", "B", "ASLIJNEN", "a Wanden"})
        b.AddElement(API_LampID).Id(name).Layer(b.AddLayer(name));
    const API_AttributeIndex unreadable = b.AddLayer("A Onleesbaar");
    b.AddElement(API_LampID).Id("no layer").Layer(unreadable);
    const API_Guid unread = b.AddElement(API_LampID).Id("unread");
    Faults::FailCallForIndex("ACAPI_Attribute_Get", unreadable);
    Faults::FailCallFor("ACAPI_Element_Get", unread);

    EXPECT_FALSE(TakeOff());
    EXPECT_EQ(ElementIDs(Reports()), (Ids{"B", "a Wanden", "no layer"}));
    EXPECT_EQ(Utf8(Reports()[1].layerName), "a Wanden");
    EXPECT_EQ(Utf8(Reports()[2].layerName), "");
    EXPECT_EQ(Articles::reportCount, 3);
}

TEST_F(TakeoffTest, ExcludedObjectsGiveNothing) {
    const API_Guid item = Item("30.10.", "st");
    const Int32 rail = b.AddLibPart(APILib_ObjectID, "BUILT-IN RAIL");
    const Int32 chair = b.AddLibPart(APILib_ObjectID, "Stoel");
    b.AddElement(API_ObjectID).Id("O-1").LibPart(rail).Classify(qelm, item);
    b.AddElement(API_ObjectID).Id("O-2").LibPart(rail);
    b.AddElement(API_ObjectID).Id("O-3").LibPart(chair).Classify(qelm, item);
    EXPECT_FALSE(TakeOff());

    EXPECT_EQ(ElementIDs(ArticlesOf("30.10.")), (Ids{"O-3"}));
    EXPECT_EQ(Utf8(ArticlesOf("30.10.")[0].libPartName), "Stoel");
    EXPECT_EQ(ArticlesOf("30.10.")[0].pieces, 1);
    EXPECT_TRUE(Reports().IsEmpty());
}

TEST_F(TakeoffTest, ExcludedWindowsAndDoorsKeepOnlyTheirFiledArticles) {
    const API_Guid item = Item("30.20.", "st");
    const Int32 hole = b.AddLibPart(APILib_WindowID, "R ronde opening");
    const Int32 window = b.AddLibPart(APILib_WindowID, "Raam");
    const Int32 doorHole = b.AddLibPart(APILib_DoorID, "D rondboog opening");
    const Int32 doorNameOnWindow = b.AddLibPart(APILib_WindowID, "D rondboog opening");
    b.AddElement(API_WindowID)
        .Id("R-1")
        .LibPart(hole)
        .Classify(qelm, item)
        .Property("QELM extra", "99.99. X");
    b.AddElement(API_WindowID)
        .Id("R-2")
        .LibPart(window)
        .Classify(qelm, item)
        .Property("QELM extra", "99.99. X");
    b.AddElement(API_DoorID).Id("D-1").LibPart(doorHole);
    b.AddElement(API_WindowID).Id("R-3").LibPart(doorNameOnWindow);
    EXPECT_FALSE(TakeOff());

    EXPECT_EQ(ElementIDs(ArticlesOf("30.20.")), (Ids{"R-1", "R-2"}));
    EXPECT_EQ(ElementIDs(Reports()), (Ids{"R-2", "R-3"}));
    EXPECT_EQ(Utf8(Reports()[0].message), "Classificatie niet gevonden in de QELM lijst: 99.99.");
    EXPECT_EQ(Utf8(Reports()[0].libPartName), "Raam");
}

TEST_F(TakeoffTest, SilencingCodesDropTheElementsReportLines) {
    Item("27.10.", "m");
    Item("40.10.", "st");
    b.AddElement(API_LampID).Id("L-1").Property("QELM afvoer", "27.10. Afvoer, 99.99. Onbekend");
    b.AddElement(API_LampID).Id("L-2").Property("QELM afvoer", "40.10. Lamp, 99.99. Onbekend");
    b.AddElement(API_LampID).Id("L-3").Property("QELM afvoer", "27.15. Geen groep");
    EXPECT_FALSE(TakeOff());

    EXPECT_EQ(ElementIDs(ArticlesOf("27.10.")), (Ids{"L-1"}));
    EXPECT_EQ(ElementIDs(ArticlesOf("40.10.")), (Ids{"L-2"}));
    EXPECT_EQ(ElementIDs(Reports()), (Ids{"L-2"}));
    EXPECT_EQ(Articles::articleCount, 2);
    EXPECT_EQ(Articles::reportCount, 1);
}

TEST_F(TakeoffTest, ElementsOwnClassificationReplacesItsSkins) {
    const API_Guid own = Item("21.10.", "m2");
    Item("22.21.", "m2");
    const API_AttributeIndex brick = b.AddBuildingMaterial("Baksteen", "b", "baksteen");
    b.ClassifyMaterial(brick, qelm, Item("20.13.10.", "m2"));
    const API_AttributeIndex insulation = b.AddBuildingMaterial("Isolatie", "i", "isolatie");
    b.ClassifyMaterial(insulation, qelm, Item("33.22.10.", "m2"));
    const API_AttributeIndex composite = b.AddComposite("Spouw", {{brick, 0.09, 0}, {insulation, 0.12, 0}});
    const API_AttributeIndex layer = b.AddLayer("21 Buitenwanden");
    b.AddElement(API_WallID)
        .Id("W-1")
        .Layer(layer)
        .WallComposite(composite, 0.21)
        .Classify(qelm, own)
        .Property("QELM extra", "22.21. Binnenmuur");
    b.AddElement(API_WallID)
        .Id("W-2")
        .Layer(layer)
        .WallComposite(composite, 0.21)
        .CompositeRow(brick, 0.9, 10.0)
        .CompositeRow(insulation, 1.2, 10.0);
    EXPECT_FALSE(TakeOff());

    ASSERT_EQ(ArticlesOf("21.10.").GetSize(), 1u);
    const Article& whole = ArticlesOf("21.10.")[0];
    EXPECT_EQ(Utf8(whole.elementID), "W-1");
    EXPECT_EQ(whole.qelmType, 5);
    EXPECT_EQ(whole.skinIndex, -1);
    EXPECT_EQ(ArticlesOf("22.21.")[0].qelmType, 4);

    ASSERT_EQ(ElementIDs(ArticlesOf("20.13.10.")), (Ids{"W-2"}));
    ASSERT_EQ(ElementIDs(ArticlesOf("33.22.10.")), (Ids{"W-2"}));
    const Article& skin = ArticlesOf("33.22.10.")[0];
    EXPECT_EQ(skin.skinIndex, 1);
    EXPECT_EQ(skin.compositeCount, 2);
    EXPECT_EQ(Utf8(skin.typeName), "Wall");
    EXPECT_EQ(Utf8(skin.layerName), "21 Buitenwanden");
    EXPECT_TRUE(skin.surfaceFlag);
    EXPECT_FALSE(skin.volumeFlag);
    EXPECT_EQ(Utf8(skin.unit), "m2");
    EXPECT_TRUE(Reports().IsEmpty());
    EXPECT_EQ(Articles::articleCount, 4);
}

TEST_F(TakeoffTest, FailedQuantityReadMeasuresNothingAndIsReported) {
    const API_Guid first = Item("30.01.", "m");
    const API_Guid second = Item("30.02.", "m");
    b.AddElement(API_WallID).Id("W-1").Classify(qelm, first).Quantity(25, 10.0);
    const API_Guid unread = b.AddElement(API_WallID).Id("W-2").Classify(qelm, second).Quantity(25, 20.0);
    b.AddElement(API_WallID).Id("W-3").Classify(qelm, first).Quantity(25, 30.0).Quantity(20, 2.5);
    // Its article code forbids every report line of the element.
    const API_Guid skipped = b.AddElement(API_WallID).Id("W-4").Classify(qelm, Item("27.11.", "m"));
    Faults::FailCallFor("ACAPI_Element_GetQuantities", unread);
    Faults::FailCallFor("ACAPI_Element_GetQuantities", skipped);
    EXPECT_FALSE(TakeOff());

    ASSERT_EQ(ElementIDs(ArticlesOf("30.01.")), (Ids{"W-1", "W-3"}));
    EXPECT_EQ(ArticlesOf("30.01.")[0].length, 10.0);
    EXPECT_EQ(ArticlesOf("30.01.")[1].length, 30.0);
    ASSERT_EQ(ArticlesOf("30.02.").GetSize(), 1u);
    const Article& unmeasured = ArticlesOf("30.02.")[0];
    EXPECT_EQ(Utf8(unmeasured.unit), "m");
    EXPECT_EQ(unmeasured.length, -1.0);
    EXPECT_EQ(unmeasured.size1, -1.0);
    EXPECT_EQ(ElementIDs(ArticlesOf("27.11.")), (Ids{"W-4"}));
    ASSERT_EQ(Reports().GetSize(), 1u);
    EXPECT_EQ(Utf8(Reports()[0].elementID), "W-2");
    EXPECT_EQ(Utf8(Reports()[0].message), "Hoeveelheden niet leesbaar");
}

TEST_F(TakeoffTest, StairGetsTheSecondClassificationOfItsSource) {
    const API_Guid stairItem = Item("60.10.", "trede");
    const API_Guid sourceItem = Item("60.20.", "st");
    const API_Guid source = b.AddElement(API_ObjectID).Id("O-1").Classify(qelm, sourceItem);
    auto second = b.AddElement(API_StairID).Id("T-1").Classify(qelm, stairItem);
    second.record().stair.hasSecondClassification = true;
    second.record().stair.classificationSource = source;
    auto flagOff = b.AddElement(API_StairID).Id("T-2").Classify(qelm, stairItem);
    flagOff.record().stair.classificationSource = source;
    auto dangling = b.AddElement(API_StairID).Id("T-3").Classify(qelm, stairItem);
    dangling.record().stair.hasSecondClassification = true;
    dangling.record().stair.classificationSource = API_Guid{0xDEAD};
    EXPECT_FALSE(TakeOff());

    EXPECT_EQ(ElementIDs(ArticlesOf("60.10.")), (Ids{"T-1", "T-2", "T-3"}));
    EXPECT_EQ(ElementIDs(ArticlesOf("60.20.")), (Ids{"O-1", "T-1"}));
    EXPECT_EQ(ArticlesOf("60.20.")[1].qelmType, 5);
    EXPECT_EQ(Utf8(ArticlesOf("60.20.")[1].typeName), "Stair");
    EXPECT_TRUE(Reports().IsEmpty());
}

TEST_F(TakeoffTest, FirstArticleSetsTheUnitAndLaterOtherUnitsAreReported) {
    const API_Guid item = Item("21.10.", "m2\nlijn twee");
    const API_AttributeIndex brick = b.AddBuildingMaterial("Baksteen", "b", "baksteen");
    b.AddElement(API_WallID).Id("W-1").WallBasic(brick, 0.2, 0.2).Classify(qelm, item);
    b.AddElement(API_WallID).Id("W-2").WallBasic(brick, 0.2, 0.2).Classify(qelm, item);
    b.AddElement(API_WallID)
        .Id("W-3")
        .WallBasic(brick, 0.2, 0.2)
        .Classify(qelm, item)
        .Property("Meeteenheid wand", "M - Middenas");
    EXPECT_FALSE(TakeOff());

    const ArticleGroup& group = Articles::allArticlesGroups[GroupOf("21.10.")];
    EXPECT_EQ(Utf8(group.measurementUnit), "m2");
    EXPECT_EQ(Utf8(group.line2), "m2");
    ASSERT_EQ(ElementIDs(group.articleList), (Ids{"W-1", "W-2"}));
    EXPECT_EQ(Utf8(group.articleList[0].groupLine1), "m2");
    EXPECT_EQ(Utf8(group.articleList[0].groupLine2), "lijn twee");
    EXPECT_EQ(Utf8(group.articleList[1].groupLine2), "m2");

    ASSERT_EQ(ElementIDs(Reports()), (Ids{"W-3"}));
    EXPECT_EQ(Utf8(Reports()[0].message), "Meerdere eenheden gevonden (m2 en m)");
    EXPECT_EQ(Utf8(Reports()[0].code), "21.10.");
    EXPECT_EQ(Reports()[0].groupIndex, 0);
    EXPECT_EQ(Articles::articleCount, 2);
    EXPECT_EQ(Articles::reportCount, 1);
}

TEST_F(TakeoffTest, GroupsAreInLowerCasedElementIdOrderAndReportsInFilingOrder) {
    const API_Guid item = Item("40.10.", "st");
    std::vector<API_Guid> guids;
    for (const char* id : {"b", "A", "a", "B", "b"})
        guids.push_back(b.AddElement(API_LampID).Id(id).Classify(qelm, item));
    for (const char* id : {"z", "Y", "x"})
        b.AddElement(API_LampID).Id(id);
    EXPECT_FALSE(TakeOff());

    const GS::Array<Article>& filed = ArticlesOf("40.10.");
    EXPECT_EQ(ElementIDs(filed), (Ids{"A", "a", "b", "B", "b"}));
    ASSERT_EQ(filed.GetSize(), 5u);
    const std::vector<API_Guid> order{filed[0].guid, filed[1].guid, filed[2].guid, filed[3].guid,
                                      filed[4].guid};
    EXPECT_EQ(order, (std::vector<API_Guid>{guids[1], guids[2], guids[0], guids[3], guids[4]}));
    EXPECT_EQ(ElementIDs(Reports()), (Ids{"z", "Y", "x"}));
}

// The order of the specified filing: each article inserted before the first one whose lower-cased
// element ID is greater.
std::vector<API_Guid> SortedInsertOrder(const std::vector<std::pair<GS::UniString, API_Guid>>& filed) {
    std::vector<std::pair<GS::UniString, API_Guid>> list;
    for (const auto& [id, guid] : filed) {
        const GS::UniString key = id.ToLowerCase();
        auto at = list.begin();
        while (at != list.end() && !(at->first.ToLowerCase() > key))
            ++at;
        list.insert(at, {id, guid});
    }
    std::vector<API_Guid> guids;
    for (const auto& entry : list)
        guids.push_back(entry.second);
    return guids;
}

TEST_F(TakeoffTest, FilingOrderEqualsTheSortedInsertOnManyEqualAndCaseDifferentIds) {
    const API_Guid item = Item("40.10.", "st");
    const char* const ids[] = {"a", "A", "b", "B", "ab", "Ab", "aB", "", "é", "É", "e", "W-10", "w-2", "W-1"};
    std::vector<std::pair<GS::UniString, API_Guid>> filed;
    UInt32 state = 12345;
    for (int i = 0; i < 300; ++i) {
        state = state * 1103515245u + 12345u;
        const char* id = ids[(state >> 16) % std::size(ids)];
        filed.emplace_back(id, b.AddElement(API_LampID).Id(id).Classify(qelm, item).guid());
    }
    EXPECT_FALSE(TakeOff());

    std::vector<API_Guid> order;
    for (const Article& article : ArticlesOf("40.10."))
        order.push_back(article.guid);
    EXPECT_EQ(order, SortedInsertOrder(filed));
}

TEST_F(TakeoffTest, CancelLeavesNothing) {
    const API_Guid item = Item("40.10.", "st");
    for (int i = 0; i < 5; ++i)
        b.AddElement(API_LampID).Id("L").Classify(qelm, item);
    b.AddElement(API_LampID).Id("report");
    Faults::CancelAfter(3);
    EXPECT_TRUE(TakeOff());

    EXPECT_TRUE(Articles::allArticlesGroups.IsEmpty());
    EXPECT_EQ(Articles::articleCount, 0);
    EXPECT_EQ(Articles::reportCount, 0);
    EXPECT_EQ(hostplatform::ProcessWindow().cancelChecks, 3);
    EXPECT_EQ(hostplatform::ProcessWindow().closed, 1);
    EXPECT_FALSE(hostplatform::ProcessWindow().open);
}

} // namespace
