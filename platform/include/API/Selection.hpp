// Selection, view and collision records of the stand-in host.
#pragma once

#include "API/Types.hpp"
#include "GS/Array.hpp"

// Selection kinds: one per element type of the host, APINeig_None for none.
using API_NeigID = Int32;
enum : API_NeigID { APINeig_None = 0 };
constexpr API_NeigID APINeig_FirstElem = 1000;
// The selection kind of an element type number as the stand-in host numbers them.
constexpr API_NeigID APINeigOfElemType(API_ElemTypeID t) {
    return APINeig_FirstElem + t;
}

struct API_Neig {
    API_NeigID neigID = APINeig_None;
    API_Guid guid;
    UInt32 inIndex = 0;
    UInt32 elemPartType = 0;

    API_Neig() = default;
    explicit API_Neig(const API_Guid& g) : guid(g) {}
};

using API_SelTypeID = Int32;
enum : API_SelTypeID { API_SelEmpty = 0, API_SelElems = 1, API_MarqueePoly = 2, API_MarqueeHorBox = 3 };

struct API_Region {
    char** coords = nullptr; // handle of the marquee's points
};

struct API_SelectionInfo {
    API_SelTypeID typeID = API_SelEmpty;
    Int32 sel_nElem = 0;
    Int32 sel_nElemEdit = 0;
    API_Region marquee;
};

using API_SelRelativePosID = Int32;
enum : API_SelRelativePosID { API_Inside = 0, API_InsideEntirely = 1, API_Outside = 2 };

struct API_CollisionDetectionSettings {
    double volumeTolerance = 0.0;
    bool performSurfaceCheck = false;
    double surfaceTolerance = 0.0;
};

// One colliding pair as the host returns them: an element of the first list and one of the second.
struct API_CollisionElem {
    API_Guid collidedElemGuid;
    bool hasBodyCollision = false;
    bool hasClearenceCollision = false;
};
