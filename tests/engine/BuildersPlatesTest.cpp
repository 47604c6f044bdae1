// Builders of slabs, roofs and shells, the skin article they share, and the skeleton test.
#include "BuildersFixture.hpp"

#include <vector>

using hostplatform::Faults;

namespace {

constexpr API_ElemTypeID PlateTypes[] = {API_SlabID, API_RoofID, API_ShellID};

class PlateBuildersTest : public BuildersTest {
  protected:
    static void Build(const API_Element& element, bool skeleton, GS::Array<Article>& list) {
        switch (element.header.type.typeID) {
        case API_SlabID:
            Articles::GetArticlesFromSlab(element, skeleton, list);
            break;
        case API_RoofID:
            Articles::GetArticlesFromRoof(element, skeleton, list);
            break;
        default:
            Articles::GetArticlesFromShell(element, skeleton, list);
            break;
        }
    }

    // The article of a basic slab of that material ID, 0.12 m thick.
    Article BasicSlabSkin(const char* materialId) {
        const API_AttributeIndex material = b.AddBuildingMaterial("Materiaal", materialId, "Omschrijving");
        const API_Guid slab = b.AddElement(API_SlabID).PlateBasic(material, 0.12);
        b.Install();
        GS::Array<Article> list;
        Articles::GetArticlesFromSlab(Read(slab), false, list);
        EXPECT_EQ(list.GetSize(), 1u);
        return list.IsEmpty() ? Article() : list[0];
    }
};

TEST_F(PlateBuildersTest, EveryPlateTypeFollowsStructureKindAndSkeletonFlag) {
    const API_AttributeIndex material = b.AddBuildingMaterial("Beton", "22.21.", "beton");
    const API_AttributeIndex composite = b.AddComposite("Vloer", {{material, 0.05, 0}, {material, 0.2, 0}});
    for (API_ElemTypeID type : PlateTypes) {
        const API_Guid basic = b.AddElement(type).PlateBasic(material, 0.2);
        const API_Guid layered = b.AddElement(type).PlateComposite(composite, 0.25);
        const API_Guid profiled = b.AddElement(type).PlateProfile().CompositeRow(material, 1.0, 1.0);
        b.Install();
        for (bool skeleton : {false, true}) {
            GS::Array<Article> list;
            Build(Read(basic), skeleton, list);
            ASSERT_EQ(list.GetSize(), 1u) << type;
            EXPECT_EQ(list[0].wallType, WallTypeBasic);
            EXPECT_EQ(list[0].skinIndex, -1);
            EXPECT_DOUBLE_EQ(list[0].thickness, 0.2);

            list.Clear();
            Build(Read(layered), skeleton, list);
            EXPECT_EQ(list.GetSize(), skeleton ? 0u : 2u) << type;
            for (short i = 0; i < static_cast<short>(list.GetSize()); ++i) {
                EXPECT_EQ(list[i].wallType, WallTypeComposite);
                EXPECT_EQ(list[i].skinIndex, i);
            }
            if (list.GetSize() == 2) {
                EXPECT_EQ(Utf8(list[0].thicknessCm), "5");
            }

            list.Clear();
            Build(Read(profiled), skeleton, list);
            EXPECT_TRUE(list.IsEmpty()) << type;
        }
    }
}

TEST_F(PlateBuildersTest, SkinArticleWantsAnXForTypeTwoAndElseTheTypeThreeTable) {
    const short isolation = AddGroup("33.23.12.", "Dakisolatie dikte 12 cm");
    const short concrete = AddGroup("22.21.", "Beton");
    const ResolutionRow<const char*> rows[] = {
        {"33.23.xx.", 2, "33.23.12.", isolation, ""},
        {"33.23.xx. isolatie", 2, "33.23.12.", isolation, ""},
        {"22.21.", 3, "22.21.", concrete, ""},
        // In the type-2 table, but without an "x" a skin does not take that road.
        {"12.21.10.", -1, "12.21.10.", 0, "Element is geen type 2 of 3"},
        {" PM ", -1, "pm", 0, "Element is geen type 2 of 3"},
    };
    ExpectResolutions(rows, [&](const char* materialId) { return BasicSlabSkin(materialId); });
}

TEST_F(PlateBuildersTest, ClassifiedSkinKeepsItsRowEvenWhenTheMaterialCannotBeRead) {
    const short group = AddGroup("22.21.", "Beton");
    const API_AttributeIndex filler = b.AddBuildingMaterial("Opvulling", "22.21.", "opvulling");
    const API_AttributeIndex material = ClassifiedMaterial("22.21.");
    const API_AttributeIndex composite = b.AddComposite("Vloer", {{filler, 0.05, 0}, {material, 0.2, 0}});
    const API_Guid slab = b.AddElement(API_SlabID).PlateComposite(composite, 0.25);
    b.Install();
    Faults::FailCallForIndex("ACAPI_Attribute_Get", material);

    Articles::GetArticlesFromSlabComposites(Read(slab), articles);

    ASSERT_EQ(articles.GetSize(), 2u);
    const Article& skin = articles[1];
    EXPECT_EQ(skin.skinIndex, 1);
    EXPECT_EQ(skin.qelmType, 3);
    EXPECT_EQ(Utf8(skin.code), "22.21.");
    EXPECT_EQ(skin.groupIndex, group);
    EXPECT_EQ(Utf8(skin.materialId), "");
}

TEST_F(PlateBuildersTest, UnreadableCompositeOfAPlateAddsNothing) {
    const API_AttributeIndex material = b.AddBuildingMaterial("Beton", "22.21.", "beton");
    b.AddComposite("Eerste", {{material, 0.1, 0}});
    const API_AttributeIndex composite = b.AddComposite("Tweede", {{material, 0.1, 0}});
    const API_Guid roof = b.AddElement(API_RoofID).PlateComposite(composite, 0.1);
    b.Install();

    Faults::FailCallForIndex("ACAPI_Attribute_GetDefExt", composite);
    Articles::GetArticlesFromRoof(Read(roof), false, articles);
    Faults::Clear();
    Faults::FailCallForIndex("ACAPI_Attribute_Get", composite);
    Articles::GetArticlesFromRoof(Read(roof), false, articles);
    EXPECT_TRUE(articles.IsEmpty());
}

// ---- Skeleton test ----

TEST_F(PlateBuildersTest, SkeletonTestReadsTheCodeOfCompositeElements) {
    AddGroup("51.21.", "Vloerplaten", "|m2|");
    AddGroup("51.22.", "Kanaalplaten", "|m3|");
    struct Row {
        const char* code;
        bool skeleton;
    };
    const Row rows[] = {
        {"03.11.", true},       {"03.2", true},    {"20.13.10.", true}, {"26.21.10.", true},
        {"26.21.22.01.", true}, {"26.31.", true},  {"36.", true},       {"28.10.", true},
        {"51.21.", true},       {"51.22.", false}, {"51.99.", false},   {"26.21.11.", false},
        {"20.1", false},        {"03.3", false},
    };
    const API_AttributeIndex composite = b.AddComposite("Samengesteld", {});
    for (const Row& row : rows) {
        const API_Guid item = b.AddItem(qelm, APINULLGuid, row.code, "Item");
        std::vector<API_Guid> elements = {
            b.AddElement(API_WallID).WallComposite(composite, 0.2).Classify(qelm, item),
            b.AddElement(API_SlabID).PlateComposite(composite, 0.2).Classify(qelm, item),
            b.AddElement(API_RoofID).PlateComposite(composite, 0.2).Classify(qelm, item),
            b.AddElement(API_ShellID).PlateComposite(composite, 0.2).Classify(qelm, item),
        };
        b.Install();
        for (const API_Guid& guid : elements) {
            API_Element element = Read(guid);
            EXPECT_EQ(Articles::IsSkeletonBuild(element), row.skeleton) << row.code;
        }
    }
}

TEST_F(PlateBuildersTest, SkeletonTestOfOtherStructuresAndTypes) {
    const API_AttributeIndex material = b.AddBuildingMaterial("Beton", "22.21.", "beton");
    const API_AttributeIndex composite = b.AddComposite("Samengesteld", {});
    const API_Guid item = b.AddItem(qelm, APINULLGuid, "28.10.", "Skelet");
    const API_Guid profileWall = b.AddElement(API_WallID).WallProfile(1);
    const API_Guid basicWall = b.AddElement(API_WallID).WallBasic(material, 0.2, 0.2).Classify(qelm, item);
    const API_Guid profileSlab = b.AddElement(API_SlabID).PlateProfile().Classify(qelm, item);
    const API_Guid unclassified = b.AddElement(API_SlabID).PlateComposite(composite, 0.2);
    const API_Guid beam =
        b.AddElement(API_BeamID).Segment(API_CompositeStructure, material).Classify(qelm, item);
    b.Install();

    API_Element element = Read(profileWall);
    EXPECT_TRUE(Articles::IsSkeletonBuild(element));
    for (const API_Guid& guid : {basicWall, profileSlab, unclassified, beam}) {
        element = Read(guid);
        EXPECT_FALSE(Articles::IsSkeletonBuild(element));
    }
}

} // namespace
