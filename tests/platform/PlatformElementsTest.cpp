// The stand-in host's element calls: lists, records, memos, quantities, collisions, selection kinds.
#include "../support/HostFixture.hpp"
#include "ACAPinc.hpp"
#include "hostplatform/Host.hpp"
#include "hostplatform/Memory.hpp"
#include "hostplatform/ProjectBuilder.hpp"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

using namespace hostplatform;

namespace {

class PlatformElements : public HostTest {
  protected:
    ProjectBuilder b;
};

API_Element Read(const API_Guid& guid, GSErrCode* error = nullptr) {
    API_Element element;
    element.header.guid = guid;
    const GSErrCode err = ACAPI_Element_Get(&element);
    if (error != nullptr)
        *error = err;
    return element;
}

std::string Utf8(const GS::uchar_t* text) {
    return GS::UniString(text).ToUtf8();
}

} // namespace

TEST_F(PlatformElements, ElementListsKeepCreationOrderPerType) {
    const API_Guid wall1 = b.AddElement(API_WallID);
    b.AddElement(API_SlabID);
    const API_Guid wall2 = b.AddElement(API_WallID);
    b.Install();

    GS::Array<API_Guid> list{APINULLGuid};
    API_ElemType type(API_WallID);
    type.variationID = 7; // ignored
    ASSERT_EQ(ACAPI_Element_GetElemList(type, &list), NoError);
    EXPECT_EQ(list, (GS::Array<API_Guid>{wall1, wall2}));

    ASSERT_EQ(ACAPI_Element_GetElemList(API_ZoneID, &list), NoError);
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_EQ(ACAPI_Element_GetElemList(API_WallID, nullptr), APIERR_BADPARS);
}

TEST_F(PlatformElements, GetAndGetHeaderCopyTheElementByGuid) {
    const auto material = b.AddBuildingMaterial("Baksteen", "20.13.10.", "gevelsteen");
    const API_Guid wall = b.AddElement(API_WallID).Layer(3).Story(2).WallBasic(material, 0.3, 0.2);
    b.Install();

    GSErrCode err = -1;
    const API_Element element = Read(wall, &err);
    ASSERT_EQ(err, NoError);
    EXPECT_EQ(element.header.type.typeID, API_WallID);
    EXPECT_EQ(element.header.layer, 3);
    EXPECT_EQ(element.header.floorInd, 2);
    EXPECT_TRUE(element.header.hasMemo);
    EXPECT_EQ(element.wall.buildingMaterial, material);
    EXPECT_DOUBLE_EQ(element.wall.thickness, 0.3);
    EXPECT_DOUBLE_EQ(element.wall.thickness1, 0.2);

    API_Elem_Head head;
    head.type = API_SlabID; // the guid decides, not the type asked
    head.guid = wall;
    ASSERT_EQ(ACAPI_Element_GetHeader(&head), NoError);
    EXPECT_EQ(head.type.typeID, API_WallID);
    EXPECT_EQ(head.floorInd, 2);
}

TEST_F(PlatformElements, UnknownGuidIsBadIdForEveryCallAboutOneElement) {
    b.AddElement(API_WallID);
    b.Install();
    const API_Guid unknown = b.NewGuid();

    std::vector<std::pair<const char*, std::function<GSErrCode()>>> calls = {
        {"Get",
         [&] {
             GSErrCode err = NoError;
             Read(unknown, &err);
             return err;
         }},
        {"GetHeader",
         [&] {
             API_Elem_Head head;
             head.guid = unknown;
             return ACAPI_Element_GetHeader(&head);
         }},
        {"GetMemo",
         [&] {
             API_ElementMemo memo;
             return ACAPI_Element_GetMemo(unknown, &memo);
         }},
        {"GetQuantities",
         [&] {
             API_ElementQuantity q{};
             API_Quantities out;
             out.elements = &q;
             return ACAPI_Element_GetQuantities(unknown, nullptr, &out, nullptr);
         }},
        {"GetPropertyDefinitions",
         [&] {
             GS::Array<API_PropertyDefinition> defs;
             return ACAPI_Element_GetPropertyDefinitions(unknown, API_PropertyDefinitionFilter_All, defs);
         }},
        {"GetPropertyValuesByGuid",
         [&] {
             GS::Array<API_Property> props;
             return ACAPI_Element_GetPropertyValuesByGuid(unknown, {}, props);
         }},
        {"GetClassificationItems",
         [&] {
             GS::Array<GS::Pair<API_Guid, API_Guid>> pairs;
             return ACAPI_Element_GetClassificationItems(unknown, pairs);
         }},
    };
    EXPECT_EQ(ACAPI_Element_Get(nullptr), APIERR_BADPARS);
    for (const auto& [name, call] : calls)
        EXPECT_EQ(call(), APIERR_BADID) << name;
}

TEST_F(PlatformElements, ElementWithoutMemoAnswersNoMemo) {
    const API_Guid plain = b.AddElement(API_ObjectID).NoMemo();
    const API_Guid withId = b.AddElement(API_ObjectID).NoMemo().Id("OBJ-1"); // an ID brings a memo
    b.Install();

    API_ElementMemo memo;
    EXPECT_EQ(ACAPI_Element_GetMemo(plain, &memo), APIERR_NOMEMO);
    EXPECT_EQ(memo.params, nullptr);
    ASSERT_EQ(ACAPI_Element_GetMemo(withId, &memo), NoError);
    ASSERT_NE(memo.elemInfoString, nullptr);
    EXPECT_EQ(*memo.elemInfoString, "OBJ-1");
    ACAPI_DisposeElemMemoHdls(&memo);
}

TEST_F(PlatformElements, MemoParametersAreFixedRecordsInHostOrder) {
    const std::string longName(40, 'n');
    GS::UniString longText;
    for (int i = 0; i < 300; ++i)
        longText += u'x';
    const API_Guid door = b.AddElement(API_DoorID)
                              .Parameter("A", 0.9)
                              .ArrayParameter("Kozijnen")
                              .TextParameter("Materiaal", "eiken")
                              .Parameter(longName.c_str(), 1.0)
                              .TextParameter("Lang", longText);
    b.Install();

    API_ElementMemo memo;
    ASSERT_EQ(ACAPI_Element_GetMemo(door, &memo, APIMemoMask_AddPars), NoError);
    ASSERT_NE(memo.params, nullptr);
    EXPECT_EQ(memo.elemInfoString, nullptr); // not asked
    const API_AddParType* params = *memo.params;
    ASSERT_EQ(BMGetHandleSize(reinterpret_cast<GSHandle>(memo.params)) / GSSize(sizeof(API_AddParType)), 5);

    EXPECT_STREQ(params[0].name, "A");
    EXPECT_EQ(params[0].typeMod, 0);
    EXPECT_DOUBLE_EQ(params[0].value.real, 0.9);
    EXPECT_STREQ(params[1].name, "Kozijnen");
    EXPECT_NE(params[1].typeMod, 0);
    EXPECT_EQ(params[2].typeMod, 0);
    EXPECT_EQ(Utf8(params[2].value.uStr), "eiken");
    EXPECT_EQ(std::string(params[3].name), std::string(31, 'n'));
    EXPECT_EQ(GS::UniString(params[4].value.uStr).GetLength(), 255u);
    ACAPI_DisposeElemMemoHdls(&memo);
}

TEST_F(PlatformElements, MemoPartsDependOnTheElementType) {
    const API_Guid wall = b.AddElement(API_WallID).Id("W-01");
    const API_Guid beam =
        b.AddElement(API_BeamID).Segment(API_BasicStructure, 4).Segment(API_ProfileStructure, 9, true);
    const API_Guid column = b.AddElement(API_ColumnID).Segment(API_BasicStructure, 5, true);
    const API_Guid lamp = b.AddElement(API_LampID);
    b.Install();

    API_ElementMemo memo;
    ASSERT_EQ(ACAPI_Element_GetMemo(wall, &memo), NoError);
    EXPECT_EQ(memo.params, nullptr);
    EXPECT_EQ(memo.beamSegments, nullptr);
    EXPECT_EQ(*memo.elemInfoString, "W-01");
    ACAPI_DisposeElemMemoHdls(&memo);

    ASSERT_EQ(ACAPI_Element_GetMemo(beam, &memo), NoError);
    ASSERT_NE(memo.beamSegments, nullptr);
    EXPECT_EQ(memo.columnSegments, nullptr);
    EXPECT_EQ(Read(beam).beam.nSegments, 2u);
    EXPECT_EQ(memo.beamSegments[0].assemblySegmentData.buildingMaterial, 4);
    EXPECT_EQ(memo.beamSegments[1].assemblySegmentData.modelElemStructureType, API_ProfileStructure);
    EXPECT_TRUE(memo.beamSegments[1].assemblySegmentData.circleBased);
    ACAPI_DisposeElemMemoHdls(&memo);

    ASSERT_EQ(ACAPI_Element_GetMemo(column, &memo, APIMemoMask_ColumnSegment), NoError);
    ASSERT_NE(memo.columnSegments, nullptr);
    EXPECT_EQ(memo.columnSegments[0].assemblySegmentData.buildingMaterial, 5);
    ACAPI_DisposeElemMemoHdls(&memo);

    ASSERT_EQ(ACAPI_Element_GetMemo(lamp, &memo, APIMemoMask_AddPars), NoError);
    ASSERT_NE(memo.params, nullptr); // a library part without parameters still has a list
    EXPECT_EQ(BMGetHandleSize(reinterpret_cast<GSHandle>(memo.params)), 0);
    ACAPI_DisposeElemMemoHdls(&memo);
}

TEST_F(PlatformElements, DisposingAMemoReleasesEveryPart) {
    const API_Guid window = b.AddElement(API_WindowID).Id("R-1").Parameter("B", 1.2);
    const API_Guid beam = b.AddElement(API_BeamID).Id("B-1").Segment(API_BasicStructure, 1);
    b.Install();
    const Int64 handles = LiveHandleCount();
    const Int64 memos = LiveMemoCount();

    API_ElementMemo windowMemo, beamMemo;
    ASSERT_EQ(ACAPI_Element_GetMemo(window, &windowMemo), NoError);
    ASSERT_EQ(ACAPI_Element_GetMemo(beam, &beamMemo), NoError);
    EXPECT_EQ(LiveMemoCount(), memos + 4); // parameters, two ID texts, segments
    EXPECT_EQ(LiveHandleCount(), handles + 2);

    ACAPI_DisposeElemMemoHdls(&windowMemo);
    ACAPI_DisposeElemMemoHdls(&beamMemo);
    EXPECT_EQ(windowMemo.params, nullptr);
    EXPECT_EQ(windowMemo.elemInfoString, nullptr);
    EXPECT_EQ(beamMemo.beamSegments, nullptr);
    EXPECT_EQ(ACAPI_DisposeElemMemoHdls(&beamMemo), NoError); // a second dispose is harmless
    EXPECT_EQ(LiveMemoCount(), memos);
    EXPECT_EQ(LiveHandleCount(), handles);
}

TEST_F(PlatformElements, QuantitiesWriteOnlyWhatTheElementHas) {
    const API_Guid stair = b.AddElement(API_StairID)
                               .Quantity(0, 12.5)
                               .QuantityInteger(5, 1, 14)
                               .CompositeRow(7, 0.75, 2.5, 0.1)
                               .CompositeRow(8, 0.25, 2.5);
    b.Install();

    API_ElementQuantity quantity;
    std::fill(std::begin(quantity.values), std::end(quantity.values), 7.0);
    GS::Array<API_CompositeQuantity> composites{API_CompositeQuantity{}};
    GS::Array<API_ElemPartQuantity> parts{API_ElemPartQuantity{}};
    GS::Array<API_ElemPartCompositeQuantity> partComposites{API_ElemPartCompositeQuantity{}};
    API_Quantities out;
    out.elements = &quantity;
    out.composites = &composites;
    out.elemPartQuantities = &parts;
    out.elemPartComposites = &partComposites;
    ASSERT_EQ(ACAPI_Element_GetQuantities(stair, nullptr, &out, nullptr), NoError);

    EXPECT_DOUBLE_EQ(quantity.values[0], 12.5);
    EXPECT_DOUBLE_EQ(quantity.values[1], 7.0);
    EXPECT_EQ(quantity.IntegerInValue(5, 1), 14);
    const double seven = 7.0;
    Int32 firstHalf;
    std::memcpy(&firstHalf, &seven, sizeof firstHalf);
    EXPECT_EQ(quantity.IntegerInValue(5, 0), firstHalf);

    ASSERT_EQ(composites.GetSize(), 2u);
    double volume, area;
    std::memcpy(&volume, reinterpret_cast<const char*>(&composites[0]) + 16, sizeof volume);
    std::memcpy(&area, reinterpret_cast<const char*>(&composites[0]) + 24, sizeof area);
    EXPECT_DOUBLE_EQ(volume, 0.75);
    EXPECT_DOUBLE_EQ(area, 2.5);
    EXPECT_EQ(composites[1].buildMatIndices, 8);
    EXPECT_TRUE(parts.IsEmpty());
    EXPECT_TRUE(partComposites.IsEmpty());

    API_Quantities onlyElements;
    onlyElements.elements = &quantity;
    EXPECT_EQ(ACAPI_Element_GetQuantities(stair, nullptr, &onlyElements, nullptr), NoError);
    EXPECT_EQ(ACAPI_Element_GetQuantities(stair, nullptr, nullptr, nullptr), APIERR_BADPARS);
}

TEST_F(PlatformElements, CollisionsFollowTheSecondGroupThenTheFirst) {
    const API_Guid z1 = b.AddElement(API_ZoneID);
    const API_Guid z2 = b.AddElement(API_ZoneID);
    const API_Guid z3 = b.AddElement(API_ZoneID);
    const API_Guid s1 = b.AddElement(API_SlabID).CollidesWith(z2);
    const API_Guid s2 = b.AddElement(API_SlabID);
    b.project().elements[2].collisions.push_back(s1); // z3 lists the slab, not the other way round
    b.project().elements[0].collisions.push_back(s2);
    b.Install();

    GS::Array<GS::Pair<API_Guid, API_Guid>> result{GS::Pair<API_Guid, API_Guid>(z1, z1)};
    const API_Guid unknown = b.NewGuid();
    ASSERT_EQ(ACAPI_Element_GetCollisions({z1, z2, z3, unknown}, {s1, unknown, s2}, result, {}), NoError);
    using P = GS::Pair<API_Guid, API_Guid>;
    EXPECT_EQ(result, (GS::Array<P>{P(z2, s1), P(z3, s1), P(z1, s2)}));
}

TEST_F(PlatformElements, SelectionKindsMapBackToElementTypes) {
    for (API_ElemTypeID type = 1; type <= API_LastElemType; ++type) {
        API_ElemTypeID back = 0;
        ASSERT_EQ(ACAPI_Element_NeigIDToElemType(APINeigOfElemType(type), back), NoError) << type;
        EXPECT_EQ(back, type);
    }
    API_ElemTypeID untouched = 99;
    for (API_NeigID bad :
         {API_NeigID(APINeig_None), APINeigOfElemType(0), APINeigOfElemType(API_LastElemType + 1)})
        EXPECT_EQ(ACAPI_Element_NeigIDToElemType(bad, untouched), APIERR_BADPARS) << bad;
    EXPECT_EQ(untouched, 99);
}

TEST_F(PlatformElements, AProjectRefusesADuplicateGuid) {
    Project project;
    Element element;
    element.record.header.guid = b.NewGuid();
    EXPECT_TRUE(project.AddElement(element));
    EXPECT_FALSE(project.AddElement(element));
    EXPECT_EQ(project.elements.size(), 1u);
    EXPECT_EQ(project.FindElement(element.record.header.guid), &project.elements[0]);
}

TEST_F(PlatformElements, EveryElementIsFoundAtItsPlaceAfterTheIndexGrows) {
    Project project;
    for (int i = 0; i < 1000; ++i) {
        Element element;
        element.record.header.guid = b.NewGuid();
        ASSERT_TRUE(project.AddElement(element));
    }
    for (const Element& element : project.elements) {
        EXPECT_EQ(project.FindElement(element.record.header.guid), &element);
        EXPECT_FALSE(project.AddElement(element));
    }
    EXPECT_EQ(project.FindElement(b.NewGuid()), nullptr);
    EXPECT_EQ(project.elements.size(), 1000u);
}
