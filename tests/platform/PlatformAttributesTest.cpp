// The stand-in host's attributes, library parts, stories, project notes and autotexts.
#include "../support/HostFixture.hpp"
#include "ACAPinc.hpp"
#include "hostplatform/Host.hpp"
#include "hostplatform/Memory.hpp"
#include "hostplatform/ProjectBuilder.hpp"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

using namespace hostplatform;

namespace {

class PlatformAttributes : public HostTest {
  protected:
    ProjectBuilder b;
};

GSErrCode GetAttribute(API_AttrTypeID type, API_AttributeIndex index, API_Attribute& attribute) {
    attribute = API_Attribute();
    attribute.header.typeID = type;
    attribute.header.index = index;
    return ACAPI_Attribute_Get(&attribute);
}

std::string Utf8(const GS::uchar_t* text) {
    return GS::UniString(text).ToUtf8();
}

} // namespace

TEST_F(PlatformAttributes, AttributesAreReadByTypeAndIndex) {
    const auto layer = b.AddLayer("21 Buitenwanden");
    const auto brick = b.AddBuildingMaterial("Baksteen", "20.13.10.", "gevelsteen");
    const auto composite = b.AddComposite("Spouwmuur", {{brick, 0.1, 0}, {brick, 0.09, 0}, {brick, 0.1, 0}});
    b.Install();

    API_Attribute attribute;
    ASSERT_EQ(GetAttribute(API_LayerID, layer, attribute), NoError);
    EXPECT_EQ(attribute.header.name, "21 Buitenwanden");
    ASSERT_EQ(GetAttribute(API_CompWallID, composite, attribute), NoError);
    EXPECT_EQ(attribute.header.name, "Spouwmuur");
    EXPECT_EQ(attribute.compWall.nComps, 3);
    ASSERT_EQ(GetAttribute(API_BuildingMaterialID, brick, attribute), NoError);
    EXPECT_EQ(attribute.header.name, "Baksteen");
    EXPECT_EQ(attribute.buildingMaterial.id, "20.13.10.");
    EXPECT_EQ(attribute.buildingMaterial.description, "gevelsteen");

    EXPECT_EQ(GetAttribute(API_LayerID, layer + 1, attribute), APIERR_BADINDEX);
    EXPECT_EQ(GetAttribute(API_LayerID, 0, attribute), APIERR_BADINDEX);
    EXPECT_EQ(GetAttribute(API_PenID, layer, attribute), APIERR_BADINDEX);
    EXPECT_EQ(ACAPI_Attribute_Get(nullptr), APIERR_BADPARS);
}

TEST_F(PlatformAttributes, CompositeSkinsComeInAHandleThatDisposeReleases) {
    const auto brick = b.AddBuildingMaterial("Baksteen", "BK", "");
    const auto insulation = b.AddBuildingMaterial("PIR", "PIR", "");
    const auto composite = b.AddComposite("Spouwmuur", {{brick, 0.1, 0}, {insulation, 0.12, 1}});
    const auto layer = b.AddLayer("Wanden");
    b.Install();
    const Int64 handles = LiveHandleCount();
    const Int64 memos = LiveMemoCount();

    API_AttributeDefExt defs;
    ASSERT_EQ(ACAPI_Attribute_GetDefExt(API_CompWallID, composite, &defs), NoError);
    ASSERT_NE(defs.cwall_compItems, nullptr);
    const GSSize size = BMGetHandleSize(reinterpret_cast<GSHandle>(defs.cwall_compItems));
    ASSERT_EQ(size / GSSize(sizeof(API_CWallComponent)), 2);
    EXPECT_EQ((*defs.cwall_compItems)[1].buildingMaterial, insulation);
    EXPECT_DOUBLE_EQ((*defs.cwall_compItems)[1].fillThick, 0.12);
    EXPECT_EQ(LiveMemoCount(), memos + 1);
    ASSERT_EQ(ACAPI_DisposeAttrDefsHdlsExt(&defs), NoError);
    EXPECT_EQ(defs.cwall_compItems, nullptr);
    EXPECT_EQ(LiveHandleCount(), handles);
    EXPECT_EQ(LiveMemoCount(), memos);

    ASSERT_EQ(ACAPI_Attribute_GetDefExt(API_LayerID, layer, &defs), NoError);
    EXPECT_EQ(defs.cwall_compItems, nullptr);
    EXPECT_EQ(ACAPI_Attribute_GetDefExt(API_CompWallID, composite + 1, &defs), APIERR_BADINDEX);
}

TEST_F(PlatformAttributes, LibraryPartsByIndex) {
    const Int32 door = b.AddLibPart(APILib_DoorID, "Deur 1v 23");
    b.Install();

    API_LibPart part;
    std::memset(static_cast<void*>(&part), 0, sizeof part);
    part.index = door;
    ASSERT_EQ(ACAPI_LibraryPart_Get(&part), NoError);
    EXPECT_EQ(part.typeID, APILib_DoorID);
    EXPECT_EQ(Utf8(part.docu_UName), "Deur 1v 23");
    part.index = door + 1;
    EXPECT_EQ(ACAPI_LibraryPart_Get(&part), APIERR_BADINDEX);
}

TEST_F(PlatformAttributes, StoryTableIsAHandleInIndexOrder) {
    b.AddStory(1, "Verdieping 1", 3.0);
    b.AddStory(-1, "Kelder", -3.0);
    b.AddStory(0, "");
    b.Install();
    const Int64 handles = LiveHandleCount();

    API_StoryInfo info;
    ASSERT_EQ(ACAPI_ProjectSetting_GetStorySettings(&info), NoError);
    EXPECT_EQ(info.firstStory, -1);
    EXPECT_EQ(info.lastStory, 1);
    ASSERT_EQ(BMGetHandleSize(reinterpret_cast<GSHandle>(info.data)) / GSSize(sizeof(API_StoryType)), 3);
    const API_StoryType* stories = *info.data;
    EXPECT_EQ(stories[0].index, -1);
    EXPECT_EQ(Utf8(stories[0].uName), "Kelder");
    EXPECT_EQ(Utf8(stories[1].uName), "");
    EXPECT_EQ(Utf8(stories[2].uName), "Verdieping 1");
    EXPECT_DOUBLE_EQ(stories[2].level, 3.0);
    BMKillHandle(reinterpret_cast<GSHandle*>(&info.data));
    EXPECT_EQ(LiveHandleCount(), handles);
    EXPECT_THROW(b.AddStory(0, "Dubbel"), std::invalid_argument);
}

TEST_F(PlatformAttributes, AProjectWithoutStoriesHasOneUnnamedStory) {
    API_StoryInfo info;
    ASSERT_EQ(ACAPI_ProjectSetting_GetStorySettings(&info), NoError);
    EXPECT_EQ(info.firstStory, 0);
    EXPECT_EQ(info.lastStory, 0);
    ASSERT_NE(info.data, nullptr);
    EXPECT_EQ(Utf8((*info.data)[0].uName), "");
    BMKillHandle(reinterpret_cast<GSHandle*>(&info.data));
}

TEST_F(PlatformAttributes, ProjectNotesAndAutotexts) {
    API_ProjectNoteInfo notes;
    std::memset(&notes, 0, sizeof notes);
    std::strcpy(notes.client, "Familie Peeters");
    std::strcpy(notes.notes, "Nieuwbouw");
    b.SetProjectNotes(notes);
    b.AddAutotext("PROJECTNUMBER", "2024-017");
    b.AddAutotext("SHORTDATE", "12/03/2024");
    b.Install();

    API_ProjectNoteInfo read;
    std::memset(&read, 'x', sizeof read);
    ASSERT_EQ(ACAPI_ProjectSetting_GetProjectNotes(&read), NoError);
    EXPECT_STREQ(read.client, "Familie Peeters");
    EXPECT_STREQ(read.notes, "Nieuwbouw");
    EXPECT_STREQ(read.architect, "");

    GS::Array<GS::Array<GS::UniString>> rows{{"stale"}};
    ASSERT_EQ(ACAPI_AutoText_GetAutoTexts(&rows, APIAutoText_All), NoError);
    ASSERT_EQ(rows.GetSize(), 2u);
    ASSERT_EQ(rows[1].GetSize(), 3u);
    EXPECT_EQ(rows[1][1], "SHORTDATE");
    EXPECT_EQ(rows[1][2], "12/03/2024");
}
