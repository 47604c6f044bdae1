// The stand-in host's call counter.
#include "../support/HostFixture.hpp"
#include "ACAPinc.hpp"
#include "IFCAPI.hpp"
#include "hostplatform/Host.hpp"
#include "hostplatform/HostCalls.hpp"
#include "hostplatform/ProjectBuilder.hpp"

#include <gtest/gtest.h>

#include <optional>

using namespace hostplatform;

namespace {

class PlatformHostCalls : public HostTest {
  protected:
    void TearDown() override {
        SetProcessObserver(nullptr);
        HostTest::TearDown();
    }
};

} // namespace

TEST_F(PlatformHostCalls, CountsOuterCallsByNameOnly) {
    ProjectBuilder b;
    const API_Guid wall = b.AddElement(API_WallID);
    b.Install();

    API_Element element{};
    element.header.guid = wall;
    ACAPI_Element_Get(&element);
    ACAPI_Element_Get(&element);
    // The accessor asks for the token itself: that inner call is not the add-on's.
    const auto accessor = IFCAPI::v1::ObjectAccessor::GetObjectAccessor(ACAPI_GetToken());
    ASSERT_TRUE(accessor.IsOk());
    (void)accessor.Unwrap().CreateElementObjectID(element.header);
    {
        const HostCalls::Uncounted user;
        ACAPI_Selection_DeselectAll();
    }

    const HostCalls::Counts expected = {{"ACAPI_Element_Get", 2},
                                        {"ACAPI_GetToken", 1},
                                        {"IFCAPI_CreateElementObjectID", 1},
                                        {"IFCAPI_GetObjectAccessor", 1}};
    EXPECT_EQ(HostCalls::ByName(), expected);
    EXPECT_EQ(HostCalls::Count("ACAPI_Element_Get"), 2u);
    EXPECT_EQ(HostCalls::Count("ACAPI_Selection_DeselectAll"), 0u);
    EXPECT_EQ(HostCalls::Total(), 5u);

    ACAPI_Element_Get(&element); // counting goes on after the uncounted scope
    EXPECT_EQ(HostCalls::Total(), 6u);
    ResetHost();
    EXPECT_EQ(HostCalls::Total(), 0u);
    EXPECT_TRUE(HostCalls::ByName().empty());
}

TEST_F(PlatformHostCalls, TallyOfAProcessWindowHoldsItsOpeningAndClosing) {
    std::optional<HostCalls::Tally> tally;
    HostCalls::Counts inWindow;
    SetProcessObserver([&](const ProcessWindowState& window) {
        if (window.open && !tally)
            tally.emplace();
        else if (!window.open)
            inWindow = tally->ByName();
    });
    ACAPI_GetToken(); // before the window
    const GS::UniString title("Berekenen");
    ACAPI_ProcessWindow_InitProcessWindow(&title);
    ACAPI_ProcessWindow_IsProcessCanceled();
    ACAPI_ProcessWindow_IsProcessCanceled();
    ACAPI_ProcessWindow_CloseProcessWindow();

    const HostCalls::Counts expected = {{"ACAPI_ProcessWindow_CloseProcessWindow", 1},
                                        {"ACAPI_ProcessWindow_InitProcessWindow", 1},
                                        {"ACAPI_ProcessWindow_IsProcessCanceled", 2}};
    EXPECT_EQ(inWindow, expected);
    EXPECT_EQ(tally->Total(), 4u);
    HostCalls::Reset(); // a reset restarts a tally
    ACAPI_GetToken();
    EXPECT_EQ(tally->Total(), 1u);
}
