// Basic records of the stand-in host's add-on interface: guids, element and attribute type numbers,
// error codes.
#pragma once

#include "GS/Types.hpp"

#include <cstring>
#include <functional>

struct API_Guid {
    UInt32 time_low = 0;
    UInt16 time_mid = 0;
    UInt16 time_hi_and_version = 0;
    UInt8 clock_seq_hi_and_reserved = 0;
    UInt8 clock_seq_low = 0;
    UInt8 node[6] = {0, 0, 0, 0, 0, 0};

    friend bool operator==(const API_Guid& a, const API_Guid& b) {
        return std::memcmp(&a, &b, sizeof(API_Guid)) == 0;
    }
    friend bool operator!=(const API_Guid& a, const API_Guid& b) { return !(a == b); }
    friend bool operator<(const API_Guid& a, const API_Guid& b) {
        return std::memcmp(&a, &b, sizeof(API_Guid)) < 0;
    }
};
static_assert(sizeof(API_Guid) == 16);

inline constexpr API_Guid APINULLGuid{};

template <> struct std::hash<API_Guid> {
    size_t operator()(const API_Guid& g) const noexcept {
        UInt64 a, b;
        std::memcpy(&a, &g, 8);
        std::memcpy(&b, reinterpret_cast<const char*>(&g) + 8, 8);
        return std::hash<UInt64>()(a ^ (b * 0x9E3779B97F4A7C15ull));
    }
};

// Element type numbers of the host.
using API_ElemTypeID = Int32;
enum : API_ElemTypeID {
    API_ZombieElemID = 0,
    API_WallID = 1,
    API_ColumnID = 2,
    API_BeamID = 3,
    API_WindowID = 4,
    API_DoorID = 5,
    API_ObjectID = 6,
    API_LampID = 7,
    API_SlabID = 8,
    API_RoofID = 9,
    API_MeshID = 10,
    API_DimensionID = 11,
    API_RadialDimensionID = 12,
    API_LevelDimensionID = 13,
    API_AngleDimensionID = 14,
    API_TextID = 15,
    API_LabelID = 16,
    API_ZoneID = 17,
    API_HatchID = 18,
    API_LineID = 19,
    API_PolyLineID = 20,
    API_ArcID = 21,
    API_CircleID = 22,
    API_SplineID = 23,
    API_HotspotID = 24,
    API_CutPlaneID = 25,
    API_CameraID = 26,
    API_CamSetID = 27,
    API_GroupID = 28,
    API_SectElemID = 29,
    API_DrawingID = 30,
    API_PictureID = 31,
    API_DetailID = 32,
    API_ElevationID = 33,
    API_InteriorElevationID = 34,
    API_WorksheetID = 35,
    API_HotlinkID = 36,
    API_CurtainWallID = 37,
    API_CurtainWallSegmentID = 38,
    API_CurtainWallFrameID = 39,
    API_CurtainWallPanelID = 40,
    API_CurtainWallJunctionID = 41,
    API_CurtainWallAccessoryID = 42,
    API_ShellID = 43,
    API_SkylightID = 44,
    API_MorphID = 45,
    API_ChangeMarkerID = 46,
    API_StairID = 47,
    API_RiserID = 48,
    API_TreadID = 49,
    API_StairStructureID = 50,
    API_RailingID = 51,
    API_OpeningID = 72,
    API_LastElemType = 72
};

using API_ElemVariationID = Int32;
constexpr API_ElemVariationID APIVarId_Generic = 0;

struct API_ElemType {
    API_ElemTypeID typeID = API_ZombieElemID;
    API_ElemVariationID variationID = APIVarId_Generic;
    API_Guid classificationID{};

    API_ElemType() = default;
    API_ElemType(API_ElemTypeID t) : typeID(t) {} // NOLINT: the host converts type numbers implicitly
};

// Attribute type numbers and indices.
using API_AttrTypeID = Int32;
enum : API_AttrTypeID {
    API_ZombieAttrID = 0,
    API_LayerID = 1,
    API_PenID = 2,
    API_LinetypeID = 3,
    API_CompWallID = 4,
    API_FilltypeID = 5,
    API_MaterialID = 6,
    API_CityID = 7,
    API_LayerCombID = 8,
    API_ZoneCatID = 9,
    API_ProfileID = 10,
    API_PenTableID = 11,
    API_BuildingMaterialID = 12,
    API_LastAttributeID = 12
};
using API_AttributeIndex = Int32;

// Model-element structure kinds of walls, slabs, roofs, shells and segments.
using API_ModelElemStructureType = Int32;
enum : API_ModelElemStructureType {
    API_BasicStructure = 0,
    API_CompositeStructure = 1,
    API_ProfileStructure = 2
};

// Error codes: 0 is success; every failure of the stand-in is one of these.
enum : GSErrCode {
    APIERR_GENERAL = -2130313215,
    APIERR_MEMFULL,
    APIERR_BADPARS,
    APIERR_BADID,
    APIERR_BADINDEX,
    APIERR_BADNAME,
    APIERR_DELETED,
    APIERR_NOTMINE,
    APIERR_BADELEMENT,
    APIERR_NOMEMO,
    APIERR_BADPROPERTY,
    APIERR_BADCLASSIFICATION,
    APIERR_CANCEL,
    APIERR_NOPLAN,
    APIERR_BADEVENT,
    APIERR_REFUSEDCMD
};
