// Element records of the stand-in host: the header, one part per element type, memos and
// library-part parameters. API_Element is trivially copyable: a value-initialised record is the
// host's "filled with zero bytes".
#pragma once

#include "API/Types.hpp"
#include "GS/Array.hpp"
#include "GS/UniString.hpp"

#include <cstring>
#include <type_traits>

struct API_Elem_Head {
    API_ElemType type;
    API_Guid guid;
    short floorInd = 0;
    API_AttributeIndex layer = 0;
    bool hasMemo = false;
};

// Walls: structure kind, material or composite or profile, thicknesses at both ends.
struct API_WallType {
    API_ModelElemStructureType modelElemStructureType;
    API_AttributeIndex buildingMaterial;
    API_AttributeIndex composite;
    API_AttributeIndex profileAttr;
    double thickness;  // at the start
    double thickness1; // at the end
    double height;
};

struct API_SlabType {
    API_ModelElemStructureType modelElemStructureType;
    API_AttributeIndex buildingMaterial;
    API_AttributeIndex composite;
    double thickness;
};

// The part that roofs and shells share.
struct API_ShellBaseType {
    API_ModelElemStructureType modelElemStructureType;
    API_AttributeIndex buildingMaterial;
    API_AttributeIndex composite;
    double thickness;
};
struct API_RoofType {
    API_ShellBaseType shellBase;
};
struct API_ShellType {
    API_ShellBaseType shellBase;
};

struct API_BeamType {
    API_ModelElemStructureType modelElemStructureType;
    UInt32 nSegments;
};
struct API_ColumnType {
    UInt32 nSegments;
};

struct API_OpeningBaseType {
    Int32 libInd; // library-part index, 0 for none
};

// Windows and doors sit in an owner wall.
struct API_WindowType {
    API_OpeningBaseType openingBase;
    API_Guid owner;
    double revealDepthFromSide;
};
using API_DoorType = API_WindowType;

struct API_SkylightType {
    API_OpeningBaseType openingBase;
    API_Guid owner;
};

struct API_ObjectType {
    Int32 libInd;
};
using API_LampType = API_ObjectType;

// Openings: how the opening's extrusion sits in its owner wall or slab.
using API_OpeningLimitType = Int32;
enum : API_OpeningLimitType {
    APIOpeningLimit_Infinite = 0,
    APIOpeningLimit_Finite = 1,
    APIOpeningLimit_HalfInfinite = 2
};
using API_OpeningDirection = Int32;
enum : API_OpeningDirection { APIOpeningDirection_Vertical = 0, APIOpeningDirection_Horizontal = 1 };
using API_OpeningBasePolygonType = Int32;
enum : API_OpeningBasePolygonType {
    APIOpeningBasePolygon_Rectangular = 0,
    APIOpeningBasePolygon_Circular = 1,
    APIOpeningBasePolygon_Custom = 2
};
struct API_OpeningType {
    API_Guid owner;
    API_OpeningLimitType limitType;
    API_OpeningDirection direction;
    API_OpeningBasePolygonType basePolygonType;
    double width;
    double height;
};

// Stairs: whether the stair carries a second classification, and the element that gives it.
struct API_StairType {
    bool hasSecondClassification;
    API_Guid classificationSource;
};

struct API_ZoneType {
    GS::uchar_t roomName[256];
    GS::uchar_t roomNoStr[256];
};

struct API_Element {
    API_Elem_Head header;
    union {
        API_WallType wall;
        API_SlabType slab;
        API_RoofType roof;
        API_ShellType shell;
        API_BeamType beam;
        API_ColumnType column;
        API_WindowType window;
        API_DoorType door;
        API_SkylightType skylight;
        API_ObjectType object;
        API_LampType lamp;
        API_OpeningType opening;
        API_StairType stair;
        API_ZoneType zone;
    };
    API_Element() { std::memset(static_cast<void*>(this), 0, sizeof(*this)); }
};
static_assert(std::is_trivially_copyable_v<API_Element>);

// Library-part parameters: fixed-size records in a handle; count = handle size / record size.
using API_AddParID = Int32;
enum : API_AddParID {
    APIParT_Integer = 1,
    APIParT_Length = 2,
    APIParT_RealNum = 3,
    APIParT_Boolean = 4,
    APIParT_CString = 5
};
struct API_AddParType {
    char name[32];
    API_AddParID typeID;
    short typeMod; // 0 simple value, non-zero array
    union {
        double real;
        GS::uchar_t uStr[256];
    } value;
};

// Segments of beams and columns.
struct API_AssemblySegmentData {
    API_ModelElemStructureType modelElemStructureType;
    API_AttributeIndex buildingMaterial;
    API_AttributeIndex profileAttr;
    bool circleBased; // round section
    double nominalWidth;
    double nominalHeight;
};
struct API_BeamSegmentType {
    API_AssemblySegmentData assemblySegmentData;
};
struct API_ColumnSegmentType {
    API_AssemblySegmentData assemblySegmentData;
};

// Memo masks.
constexpr UInt64 APIMemoMask_AddPars = 4;
constexpr UInt64 APIMemoMask_ElemInfoString = 0x0000000000000100;
constexpr UInt64 APIMemoMask_BeamSegment = UInt64(1) << 57;
constexpr UInt64 APIMemoMask_ColumnSegment = UInt64(1) << 58;
constexpr UInt64 APIMemoMask_All = 0x3FFFFFFFBFFFFFFF;

// What ACAPI_Element_GetMemo hands out; released with ACAPI_DisposeElemMemoHdls.
struct API_ElementMemo {
    API_AddParType** params = nullptr;
    GS::UniString* elemInfoString = nullptr;
    API_BeamSegmentType* beamSegments = nullptr;
    API_ColumnSegmentType* columnSegments = nullptr;
};
