// Attribute records of the stand-in host: layers, composites with their skins, building materials.
#pragma once

#include "API/Types.hpp"
#include "GS/UniString.hpp"

struct API_Attr_Head {
    API_AttrTypeID typeID = API_ZombieAttrID;
    API_AttributeIndex index = 0;
    GS::UniString name;
    API_Guid guid;
};

struct API_LayerType {
    bool hidden = false;
    bool locked = false;
};

struct API_CompWallType {
    short nComps = 0;
};

struct API_BuildingMaterialType {
    GS::UniString id;
    GS::UniString description;
};

// One record for every attribute type; the typeID of the header says which part holds.
struct API_Attribute {
    API_Attr_Head header;
    API_LayerType layer;
    API_CompWallType compWall;
    API_BuildingMaterialType buildingMaterial;
};

// One skin of a composite.
struct API_CWallComponent {
    API_AttributeIndex buildingMaterial;
    double fillThick;
    short flagBits;
};

// Extra definitions of an attribute; released with ACAPI_DisposeAttrDefsHdlsExt.
struct API_AttributeDefExt {
    API_CWallComponent** cwall_compItems = nullptr; // handle of the composite's skins
};
