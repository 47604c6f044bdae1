#include "engine/host/Main.hpp"

#include "engine/host/HostReads.hpp"
#include "engine/host/HostRecords.hpp"

#include <array>
#include <cmath>

// Constant-initialised, so both exist before any other global of the add-on is built.
constinit GS::UniString Main::usFilterText;
constinit bool Main::bOnlySelectedElements = false;

namespace {

// The host selection kind of element types 1 to 45, indexed by type number - 1.
constexpr std::array<API_NeigID, 45> kNeigOfElemType = {
    APINeigOfElemType(API_WallID),
    APINeigOfElemType(API_ColumnID),
    APINeigOfElemType(API_BeamID),
    APINeigOfElemType(API_WindowID),
    APINeigOfElemType(API_DoorID),
    APINeigOfElemType(API_ObjectID),
    APINeigOfElemType(API_LampID),
    APINeigOfElemType(API_SlabID),
    APINeigOfElemType(API_RoofID),
    APINeigOfElemType(API_MeshID),
    APINeigOfElemType(API_DimensionID),
    APINeigOfElemType(API_RadialDimensionID),
    APINeigOfElemType(API_LevelDimensionID),
    APINeigOfElemType(API_AngleDimensionID),
    APINeigOfElemType(API_TextID),
    APINeigOfElemType(API_LabelID),
    APINeigOfElemType(API_ZoneID),
    APINeigOfElemType(API_HatchID),
    APINeigOfElemType(API_LineID),
    APINeigOfElemType(API_PolyLineID),
    APINeigOfElemType(API_ArcID),
    APINeigOfElemType(API_CircleID),
    APINeigOfElemType(API_SplineID),
    APINeigOfElemType(API_HotspotID),
    APINeigOfElemType(API_CutPlaneID),
    APINeigOfElemType(API_CameraID),
    APINeigOfElemType(API_CamSetID),
    APINeigOfElemType(API_GroupID),
    APINeigOfElemType(API_SectElemID),
    APINeigOfElemType(API_DrawingID),
    APINeigOfElemType(API_PictureID),
    APINeigOfElemType(API_DetailID),
    APINeigOfElemType(API_ElevationID),
    APINeigOfElemType(API_InteriorElevationID),
    APINeigOfElemType(API_WorksheetID),
    APINeigOfElemType(API_HotlinkID),
    APINeigOfElemType(API_CurtainWallID),
    APINeigOfElemType(API_CurtainWallSegmentID),
    APINeigOfElemType(API_CurtainWallFrameID),
    APINeigOfElemType(API_CurtainWallPanelID),
    APINeigOfElemType(API_CurtainWallJunctionID),
    APINeigOfElemType(API_CurtainWallAccessoryID),
    APINeigOfElemType(API_ShellID),
    APINeigOfElemType(API_SkylightID),
    APINeigOfElemType(API_MorphID),
};
static_assert(kNeigOfElemType.back() == APINeigOfElemType(45));

} // namespace

// ---- Elements and selection ----

bool Main::GetElement(API_Guid guid, API_Element& element) {
    const auto record = hostaccess::ReadElement(guid);
    element = record ? *record : API_Element{};
    element.header.guid = guid;
    return static_cast<bool>(record);
}

bool Main::SelectElements(const GS::Array<API_Guid>& guids) {
    GS::Array<API_Neig> neigs;
    neigs.Reserve(guids.GetSize());
    for (const API_Guid& guid : guids)
        neigs.Push(API_Neig(guid));
    return ACAPI_Selection_Select(neigs, true) == NoError;
}

double Main::Round(double x, int n) {
    double factor = 1.0;
    for (int i = 0; i < n; ++i)
        factor *= 10.0;
    const double scaled = x * factor + 0.5;
    // Converting a value outside the 64-bit range (or NaN) would be undefined.
    if (!(std::fabs(scaled) < 9.2e18))
        return x;
    return static_cast<double>(static_cast<Int64>(scaled)) / factor;
}

GS::UniString Main::GetElementID(const API_Element& element) {
    switch (element.header.type.typeID) {
    case API_OpeningID: {
        GS::UniString id("Opening");
        API_Element owner;
        if (GetElement(element.opening.owner, owner))
            id += " / " + GetElementID(owner.header);
        return id;
    }
    case API_StairID:
    case API_RailingID:
        return GetElementID(element.header);
    default:
        return element.header.hasMemo ? GetElementID(element.header) : GS::UniString();
    }
}

GS::UniString Main::GetElementID(const API_Elem_Head& header) {
    const auto memo = hostaccess::ReadMemo(header.guid);
    if (!memo || memo->elemInfoString == nullptr)
        return GS::UniString();
    GS::UniString id = *memo->elemInfoString;
    id.Trim();
    return id;
}

GS::UniString Main::GetStoryName(const API_Element& element) {
    const auto table = hostaccess::ReadStories();
    if (!table)
        return GS::UniString();

    const int entry = element.header.floorInd - table->firstStory;
    if (entry < 0 || static_cast<std::size_t>(entry) >= table->names.GetSize())
        return GS::UniString();
    GS::UniString name = table->names[static_cast<GS::UIndex>(entry)];
    if (name.IsEmpty())
        name = GS::UniString::Printf("%d. Story", static_cast<int>(element.header.floorInd));
    return name;
}

bool Main::GetLibPart(const API_Element& element, API_LibPart& libPart) {
    libPart = API_LibPart{};
    switch (element.header.type.typeID) {
    case API_WindowID:
        libPart.typeID = APILib_WindowID;
        libPart.index = element.window.openingBase.libInd;
        break;
    case API_DoorID:
        libPart.typeID = APILib_DoorID;
        libPart.index = element.door.openingBase.libInd;
        break;
    case API_ObjectID:
        libPart.typeID = APILib_ObjectID;
        libPart.index = element.object.libInd;
        break;
    default:
        return true;
    }
    if (libPart.index == 0)
        return true;
    const auto record = hostaccess::ReadLibPart(libPart.typeID, libPart.index);
    if (!record)
        return false;
    libPart = *record;
    return true;
}

GS::UniString Main::GetLibPartName(API_Guid guid) {
    API_Element element;
    API_LibPart libPart;
    if (!GetElement(guid, element) || !GetLibPart(element, libPart))
        return GS::UniString();
    return hostaccess::FieldText(libPart.docu_UName);
}

API_NeigID Main::Elem_To_NeigID(API_ElemTypeID type) {
    if (type < 1 || type > static_cast<API_ElemTypeID>(kNeigOfElemType.size()))
        return APINeig_None;
    return kNeigOfElemType[static_cast<std::size_t>(type - 1)];
}
