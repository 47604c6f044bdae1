// The stand-in host's guid conversions and its IFC interface.
#include "../support/HostFixture.hpp"
#include "ACAPinc.hpp"
#include "IFCAPI.hpp"
#include "hostplatform/Faults.hpp"
#include "hostplatform/Host.hpp"
#include "hostplatform/ProjectBuilder.hpp"

#include <gtest/gtest.h>

using namespace hostplatform;

namespace {

class PlatformIfc : public HostTest {
  protected:
    // An element of the current project with the guid of that text.
    static API_Guid AddWallWithGuid(const char* text) {
        GS::Guid guid;
        EXPECT_EQ(guid.ConvertFromString(text), NoError);
        Element wall;
        wall.record.header.type = API_WallID;
        wall.record.header.guid = GSGuid2APIGuid(guid);
        EXPECT_TRUE(CurrentProject().AddElement(wall));
        return wall.record.header.guid;
    }

    static IFCAPI::Result<GS::UniString> GlobalId(const API_Guid& element) {
        auto accessor = IFCAPI::v1::ObjectAccessor::GetObjectAccessor(ACAPI_GetToken());
        EXPECT_TRUE(accessor.IsOk());
        API_Elem_Head head;
        head.guid = element;
        auto id = accessor.Unwrap().CreateElementObjectID(head);
        if (id.IsErr())
            return id.UnwrapErr();
        return accessor.Unwrap().GetGlobalId(id.Unwrap());
    }
};

} // namespace

TEST_F(PlatformIfc, GuidRecordFieldsReadInTheOrderOfTheText) {
    API_Guid guid;
    guid.time_low = 0x01234567;
    guid.time_mid = 0x89AB;
    guid.time_hi_and_version = 0xCDEF;
    guid.clock_seq_hi_and_reserved = 0x01;
    guid.clock_seq_low = 0x23;
    const UInt8 node[6] = {0x45, 0x67, 0x89, 0xAB, 0xCD, 0xEF};
    std::copy(std::begin(node), std::end(node), guid.node);

    EXPECT_EQ(APIGuidToString(guid), "01234567-89AB-CDEF-0123-456789ABCDEF");
    EXPECT_EQ(GSGuid2APIGuid(APIGuid2GSGuid(guid)), guid);
    EXPECT_TRUE(APIGuid2GSGuid(APINULLGuid).IsNull());
}

TEST_F(PlatformIfc, GlobalIdIsTheCompressedGuidUnlessTheElementHasItsOwn) {
    // 0x01 gives "01"; 0x234567 is 6-bit groups 8, 52, 21, 39 = "8qLd"; and so on per three bytes.
    const API_Guid plain = AddWallWithGuid("01234567-89AB-CDEF-0123-456789ABCDEF");
    const API_Guid allOnes = AddWallWithGuid("FFFFFFFF-FFFF-FFFF-FFFF-FFFFFFFFFFFF");
    const API_Guid own = AddWallWithGuid("00000000-0000-0000-0000-000000000001");
    CurrentProject().FindElement(own)->ifcGlobalId = "2n8TBVvQX0Hh3dGsbWJm1u";

    EXPECT_EQ(GlobalId(plain).Unwrap(), "018qLdYQlDxm4ZHMU9gytl");
    EXPECT_EQ(GlobalId(allOnes).Unwrap(), "3$$$$$$$$$$$$$$$$$$$$$");
    EXPECT_EQ(GlobalId(own).Unwrap(), "2n8TBVvQX0Hh3dGsbWJm1u");
}

TEST_F(PlatformIfc, FailuresComeBackAsErrors) {
    EXPECT_TRUE(IFCAPI::v1::ObjectAccessor::GetObjectAccessor(0).IsErr());
    ProjectBuilder b;
    const API_Guid wall = b.AddElement(API_WallID);
    const API_Guid other = b.AddElement(API_WallID);
    b.Install();

    const auto missing = GlobalId(b.NewGuid());
    ASSERT_TRUE(missing.IsErr());
    EXPECT_EQ(missing.UnwrapErr().code, APIERR_BADID);
    EXPECT_THROW(missing.Unwrap(), std::logic_error);

    Faults::FailCallFor("IFCAPI_CreateElementObjectID", wall, APIERR_BADELEMENT);
    EXPECT_EQ(GlobalId(wall).UnwrapErr().code, APIERR_BADELEMENT);
    EXPECT_TRUE(GlobalId(other).IsOk());
    Faults::FailCall("IFCAPI_GetGlobalId");
    EXPECT_EQ(GlobalId(other).UnwrapErr().code, APIERR_GENERAL);
    EXPECT_EQ(GlobalId(b.project().elements[0].record.header.guid).UnwrapErr().code, APIERR_BADELEMENT);
}
