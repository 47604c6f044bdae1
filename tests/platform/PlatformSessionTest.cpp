// The stand-in host's session: selection, process window, fault injection, registrations, alerts.
#include "../support/HostFixture.hpp"
#include "ACAPinc.hpp"
#include "DG.hpp"
#include "hostplatform/Faults.hpp"
#include "hostplatform/Host.hpp"
#include "hostplatform/Memory.hpp"
#include "hostplatform/ProjectBuilder.hpp"

#include <gtest/gtest.h>

#include <vector>

using namespace hostplatform;

namespace {

class PlatformSession : public HostTest {
  protected:
    void TearDown() override {
        SetProcessObserver(nullptr);
        SetPrintAlerts(false);
        HostTest::TearDown();
    }
    ProjectBuilder b;
};

std::vector<API_Guid> Selection() {
    API_SelectionInfo info;
    GS::Array<API_Neig> neigs;
    EXPECT_EQ(ACAPI_Selection_Get(&info, &neigs, true), NoError);
    BMKillHandle(&info.marquee.coords);
    std::vector<API_Guid> guids;
    for (const API_Neig& neig : neigs)
        guids.push_back(neig.guid);
    return guids;
}

GS::Array<API_Neig> Neigs(std::initializer_list<API_Guid> guids) {
    GS::Array<API_Neig> neigs;
    for (const API_Guid& guid : guids)
        neigs.Push(API_Neig(guid));
    return neigs;
}

GSErrCode ReadElement(const API_Guid& guid) {
    API_Element element;
    element.header.guid = guid;
    return ACAPI_Element_Get(&element);
}

std::vector<API_MenuParams> menuCalls;
GSErrCode RecordMenu(const API_MenuParams* params) {
    menuCalls.push_back(*params);
    return NoError;
}

std::vector<std::pair<API_NotifyEventID, Int32>> eventCalls;
GSErrCode RecordEvent(API_NotifyEventID event, Int32 param) {
    eventCalls.emplace_back(event, param);
    return APIERR_CANCEL;
}

GSErrCode PaletteCallBack(Int32, API_PaletteMessageID, Int64) {
    return NoError;
}

} // namespace

TEST_F(PlatformSession, SelectionInfoAndNeigsDescribeTheSelection) {
    const API_Guid wall = b.AddElement(API_WallID);
    const API_Guid zone = b.AddElement(API_ZoneID);
    b.Install();
    const Int64 handles = LiveHandleCount();

    API_SelectionInfo info;
    GS::Array<API_Neig> neigs{API_Neig(wall)};
    ASSERT_EQ(ACAPI_Selection_Get(&info, &neigs, true), NoError);
    EXPECT_EQ(info.typeID, API_SelEmpty);
    EXPECT_EQ(info.sel_nElem, 0);
    EXPECT_TRUE(neigs.IsEmpty());
    ASSERT_NE(info.marquee.coords, nullptr); // a real handle even without a marquee
    EXPECT_EQ(LiveHandleCount(), handles + 1);
    BMKillHandle(&info.marquee.coords);
    EXPECT_EQ(LiveHandleCount(), handles);

    ASSERT_EQ(ACAPI_Selection_Select(Neigs({zone, wall}), false), NoError);
    ASSERT_EQ(ACAPI_Selection_Get(&info, &neigs, true), NoError);
    BMKillHandle(&info.marquee.coords);
    EXPECT_EQ(info.typeID, API_SelElems);
    EXPECT_EQ(info.sel_nElem, 2);
    ASSERT_EQ(neigs.GetSize(), 2u);
    EXPECT_EQ(neigs[0].guid, zone);
    EXPECT_EQ(neigs[0].neigID, APINeigOfElemType(API_ZoneID));
    EXPECT_EQ(neigs[1].neigID, APINeigOfElemType(API_WallID));
}

TEST_F(PlatformSession, SelectAddsReplacesAndRefusesUnknownElements) {
    const API_Guid a = b.AddElement(API_WallID);
    const API_Guid c = b.AddElement(API_SlabID);
    const API_Guid d = b.AddElement(API_BeamID);
    b.Select({d});
    b.Install();

    ASSERT_EQ(ACAPI_Selection_Select(Neigs({a}), true), NoError);
    EXPECT_EQ(Selection(), (std::vector<API_Guid>{d, a}));
    ASSERT_EQ(ACAPI_Selection_Select(Neigs({c, a}), true), NoError);
    EXPECT_EQ(Selection(), (std::vector<API_Guid>{d, a, c}));
    ASSERT_EQ(ACAPI_Selection_Select(Neigs({c}), false), NoError);
    EXPECT_EQ(Selection(), (std::vector<API_Guid>{c}));

    EXPECT_EQ(ACAPI_Selection_Select(Neigs({a, b.NewGuid()}), false), APIERR_BADID);
    EXPECT_EQ(Selection(), (std::vector<API_Guid>{c}));
    ASSERT_EQ(ACAPI_Selection_DeselectAll(), NoError);
    EXPECT_TRUE(Selection().empty());

    ASSERT_EQ(ACAPI_View_ZoomToElements({a, c}), NoError);
    EXPECT_EQ(LastZoom(), (std::vector<API_Guid>{a, c}));
}

TEST_F(PlatformSession, ProcessWindowCountsWhatTheAddOnAsks) {
    int notifications = 0;
    SetProcessObserver([&](const ProcessWindowState&) { ++notifications; });
    const GS::UniString title("Informatie ophalen");
    const GS::UniString subtitle("3 elementen");
    Int32 phases = 1;
    ASSERT_EQ(ACAPI_ProcessWindow_InitProcessWindow(&title, &phases), NoError);
    for (Int32 max : {3, 0, 1, 2})
        ASSERT_EQ(ACAPI_ProcessWindow_SetNextProcessPhase(&subtitle, &max), NoError);
    EXPECT_FALSE(ACAPI_ProcessWindow_IsProcessCanceled());
    EXPECT_FALSE(ACAPI_ProcessWindow_IsProcessCanceled());
    const ProcessWindowState& window = ProcessWindow();
    EXPECT_TRUE(window.open);
    ASSERT_EQ(ACAPI_ProcessWindow_CloseProcessWindow(), NoError);

    EXPECT_FALSE(window.open);
    EXPECT_EQ(window.title, "Informatie ophalen");
    EXPECT_EQ(window.subtitle, "3 elementen");
    EXPECT_EQ(window.phaseCalls, 4);
    EXPECT_EQ(window.phaseMax, 3);
    EXPECT_EQ(window.lastMax, 2);
    EXPECT_EQ(window.cancelChecks, 2);
    EXPECT_EQ(window.opened, 1);
    EXPECT_EQ(window.closed, 1);
    EXPECT_EQ(notifications, 8);

    ASSERT_EQ(ACAPI_ProcessWindow_InitProcessWindow(&title), NoError);
    EXPECT_EQ(window.opened, 2);
    EXPECT_EQ(window.closed, 1);
    EXPECT_EQ(window.phaseCalls, 0);
    EXPECT_EQ(window.cancelChecks, 0);
    EXPECT_EQ(ACAPI_ProcessWindow_CloseProcessWindow(), NoError);
}

TEST_F(PlatformSession, CancelAfterCountsChecksFromWhenItIsSet) {
    EXPECT_FALSE(ACAPI_ProcessWindow_IsProcessCanceled());
    Faults::CancelAfter(3);
    std::vector<bool> answers;
    for (int i = 0; i < 4; ++i)
        answers.push_back(ACAPI_ProcessWindow_IsProcessCanceled());
    EXPECT_EQ(answers, (std::vector<bool>{false, false, true, true}));

    Faults::CancelAfter(1);
    EXPECT_TRUE(ACAPI_ProcessWindow_IsProcessCanceled());
    Faults::Clear();
    EXPECT_FALSE(ACAPI_ProcessWindow_IsProcessCanceled());
}

TEST_F(PlatformSession, FaultsFailACallForAllArgumentsOneGuidOrOneIndex) {
    const API_Guid a = b.AddElement(API_WallID);
    const API_Guid c = b.AddElement(API_WallID);
    const auto first = b.AddLayer("Eerste");
    const auto second = b.AddLayer("Tweede");
    const API_Guid definition = b.DefineProperty("Dikte");
    b.AddElement(API_WallID).PropertyOf(definition, 0.3);
    b.Install();
    const API_Guid withProperty = b.project().elements.back().record.header.guid;

    Faults::FailCall("ACAPI_Element_Get", APIERR_CANCEL);
    EXPECT_EQ(ReadElement(a), APIERR_CANCEL);
    EXPECT_EQ(ReadElement(c), APIERR_CANCEL);
    EXPECT_EQ(ReadElement(b.NewGuid()), APIERR_CANCEL); // the fault comes before the lookup
    Faults::Clear();

    Faults::FailCallFor("ACAPI_Element_Get", c);
    EXPECT_EQ(ReadElement(a), NoError);
    EXPECT_EQ(ReadElement(c), APIERR_GENERAL);
    Faults::FailCallsFor("ACAPI_Element_Get", a, 2);
    EXPECT_EQ(ReadElement(a), APIERR_GENERAL);
    EXPECT_EQ(ReadElement(a), APIERR_GENERAL);
    EXPECT_EQ(ReadElement(a), NoError);
    Faults::FailCallFor("ACAPI_Element_IsPropertyDefinitionVisible", definition);
    EXPECT_FALSE(ACAPI_Element_IsPropertyDefinitionVisible(withProperty, definition));

    Faults::FailCallForIndex("ACAPI_Attribute_Get", second, APIERR_BADINDEX);
    API_Attribute attribute;
    attribute.header.typeID = API_LayerID;
    attribute.header.index = first;
    EXPECT_EQ(ACAPI_Attribute_Get(&attribute), NoError);
    attribute.header.index = second;
    EXPECT_EQ(ACAPI_Attribute_Get(&attribute), APIERR_BADINDEX);

    GS::Array<API_Guid> list;
    Faults::FailCall("ACAPI_Element_GetElemList");
    EXPECT_EQ(ACAPI_Element_GetElemList(API_WallID, &list), APIERR_GENERAL);

    Faults::Clear();
    EXPECT_EQ(ReadElement(c), NoError);
    EXPECT_TRUE(ACAPI_Element_IsPropertyDefinitionVisible(withProperty, definition));
    EXPECT_EQ(ACAPI_Attribute_Get(&attribute), NoError);
    EXPECT_EQ(ACAPI_Element_GetElemList(API_WallID, &list), NoError);
}

TEST_F(PlatformSession, MenusEventsResourcesAndPalettes) {
    menuCalls.clear();
    eventCalls.clear();
    ASSERT_EQ(ACAPI_MenuItem_RegisterMenu(32503, 32504, MenuCode_Tools, MenuFlag_Default), NoError);
    EXPECT_EQ(ACAPI_MenuItem_InstallMenuHandler(32500, RecordMenu), APIERR_BADID);
    EXPECT_EQ(InvokeMenu(32503, 1), APIERR_BADID); // registered, but no handler yet
    ASSERT_EQ(ACAPI_MenuItem_InstallMenuHandler(32503, RecordMenu), NoError);
    ASSERT_EQ(InvokeMenu(32503, 1), NoError);
    ASSERT_EQ(menuCalls.size(), 1u);
    EXPECT_EQ(menuCalls[0].menuResID, 32503);
    EXPECT_EQ(menuCalls[0].itemIndex, 1);

    ASSERT_EQ(ACAPI_ProjectOperation_CatchProjectEvent(APINotify_Quit | APINotify_Close, RecordEvent),
              NoError);
    EXPECT_EQ(ProjectEventMask(), APINotify_Quit | APINotify_Close);
    EXPECT_EQ(SendProjectEvent(APINotify_Open), NoError);
    EXPECT_EQ(SendProjectEvent(APINotify_Quit, 7), APIERR_CANCEL);
    ASSERT_EQ(eventCalls.size(), 1u);
    EXPECT_EQ(eventCalls[0], std::make_pair(API_NotifyEventID(APINotify_Quit), Int32(7)));

    ResourceStrings()[{32000, 1}] = "Telvorm";
    GS::UniString text("stale");
    EXPECT_TRUE(ACAPI_Resource_GetLocStr(&text, 32000, 1, ACAPI_GetOwnResModule()));
    EXPECT_EQ(text, "Telvorm");
    EXPECT_FALSE(ACAPI_Resource_GetLocStr(&text, 32000, 2, ACAPI_GetOwnResModule()));
    EXPECT_TRUE(text.IsEmpty());

    ASSERT_EQ(ACAPI_RegisterModelessWindow(32600, PaletteCallBack, API_PalEnabled_FloorPlan), NoError);
    EXPECT_EQ(ModelessWindows().at(32600).controlFlags, API_PalEnabled_FloorPlan);
    EXPECT_EQ(ACAPI_UnregisterModelessWindow(32600), NoError);
    EXPECT_EQ(ACAPI_UnregisterModelessWindow(32600), APIERR_BADID);
    EXPECT_NE(ACAPI_GetToken(), 0);

    ResetHost();
    EXPECT_TRUE(Menus().empty());
    EXPECT_EQ(ProjectEventMask(), 0);
    EXPECT_EQ(SendProjectEvent(APINotify_Quit), NoError);
    EXPECT_TRUE(ResourceStrings().empty());
}

TEST_F(PlatformSession, AlertsAreRecordedAndOptionallyPrinted) {
    EXPECT_EQ(DGAlert(DG_ERROR, "Telvorm", "Geen QELM classificatie gevonden", "", "Ok"), 1);
    ASSERT_EQ(Alerts().size(), 1u);
    EXPECT_EQ(Alerts()[0].type, DG_ERROR);
    EXPECT_EQ(Alerts()[0].text, "Geen QELM classificatie gevonden");
    EXPECT_EQ(Alerts()[0].button1, "Ok");

    SetPrintAlerts(true);
    ::testing::internal::CaptureStderr();
    DGAlert(DG_WARNING, "Telvorm", "Bestand opgeslagen: é", "tweede", "Ok");
    EXPECT_EQ(::testing::internal::GetCapturedStderr(),
              "[alert] Telvorm: Bestand opgeslagen: é | tweede [Ok]\n");

    ResetHost();
    EXPECT_TRUE(Alerts().empty());
}

TEST_F(PlatformSession, ResetHostStartsAFreshSession) {
    const API_Guid wall = b.AddElement(API_WallID);
    b.Select({wall});
    b.Install();
    Faults::FailCall("ACAPI_Element_Get");
    ACAPI_View_ZoomToElements({wall});
    ACAPI_ProcessWindow_InitProcessWindow();

    ResetHost();
    EXPECT_TRUE(CurrentProject().elements.empty());
    EXPECT_TRUE(CurrentProject().selection.empty());
    EXPECT_TRUE(LastZoom().empty());
    EXPECT_EQ(ProcessWindow().opened, 0);
    b.Install();
    EXPECT_EQ(ReadElement(wall), NoError);
}
