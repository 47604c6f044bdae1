#include "SyntheticProject.hpp"

#include "hostplatform/Host.hpp"

#include <array>
#include <map>
#include <string>
#include <vector>

namespace synthetic {

namespace {

using hostplatform::ElementRef;
using hostplatform::ProjectBuilder;

struct Chapter {
    const char* code;
    const char* name;
    const char* unit;
    const char* word; // material word in the item names
};

constexpr Chapter kChapters[] = {
    {"11", "Grondwerk", "m3", "grond"},
    {"13", "Funderingen", "m3", "beton"},
    {"20", "Metselwerk", "m2", "kalkzandsteen"},
    {"21", "Gevelafwerking", "m2", "gevelsteen"},
    {"22", "Binnenmuren", "m2", "snelbouw"},
    {"23", "Betonwerken", "m3", "beton"},
    {"27", "Riolering", "m", "pvc"},
    {"30", "Buitenschrijnwerk", "st", "raam"},
    {"33", "Dakisolatie", "m2", "isolatie"},
    {"35", "Dakbedekking", "m2", "bitumen"},
    {"40", "Vloeren", "m2", "chape"},
    {"51", "Binnenschrijnwerk", "st", "deur"},
    {"60", "Trappen", "st", "trap"},
    {"80", "Schilderwerk", "m2", "verf"},
    {"90", "Inrichting", "st", "meubel"},
};
constexpr int kSections[] = {10, 13, 20, 21, 30, 31, 40, 41, 50, 51};
// Thickness in centimetres of the items 10 to 19 of a section, and of composite skins.
constexpr int kThicknessCm[] = {5, 9, 10, 12, 14, 15, 19, 20, 24, 30};

std::string Code(const char* chapter, int section, int item) {
    std::string code = std::string(chapter) + "." + std::to_string(section) + ".";
    return item < 0 ? code : code + std::to_string(item) + ".";
}

using ItemsByCode = std::map<std::string, API_Guid>;

void AddTree(ProjectBuilder& b, const API_Guid& qelm, ItemsByCode& items) {
    for (const Chapter& chapter : kChapters) {
        const std::string topCode = std::string(chapter.code) + ".";
        const API_Guid top = b.AddItem(qelm, APINULLGuid, topCode.c_str(), chapter.name);
        items[topCode] = top;
        for (int section : kSections) {
            const std::string middleCode = Code(chapter.code, section, -1);
            const std::string middleName = std::string(chapter.name) + " " + std::to_string(section);
            const API_Guid middle = b.AddItem(qelm, top, middleCode.c_str(), middleName.c_str());
            items[middleCode] = middle;
            for (int k = 0; k < 10; ++k) {
                const std::string name = std::string(chapter.name) + " " + chapter.word + " dikte " +
                                         std::to_string(kThicknessCm[k]) + " cm";
                const std::string description =
                    std::string(chapter.unit) + (k % 3 == 0 ? "\n\n12,50" : "") + (k == 9 ? "\nexport" : "");
                const std::string code = Code(chapter.code, section, 10 + k);
                items[code] = b.AddItem(qelm, middle, code.c_str(), name.c_str(), description.c_str());
            }
        }
    }
}

// Attributes and the item guids that elements are classified with.
struct Library {
    API_Guid qelm{};
    ItemsByCode items;
    std::vector<API_AttributeIndex> materials;
    std::vector<API_AttributeIndex> composites;
    std::vector<API_AttributeIndex> layers;
    API_AttributeIndex structuralMaterial = 0;
    std::vector<API_Guid> objectItems, windowItems, doorItems, stairItems, wallItems;
    Int32 chair = 0, table = 0, rail = 0, label = 0, window = 0, hole = 0, door = 0, doorHole = 0, lamp = 0;
};

void AddMaterials(ProjectBuilder& b, Library& lib) {
    const char* const classifiedChapters[] = {"20", "21", "22", "23", "33", "35", "40", "80"};
    for (int i = 0; i < 32; ++i) {
        const char* chapter = classifiedChapters[i % 8];
        const std::string code = Code(chapter, kSections[i % 10], 10 + (i * 3) % 10);
        const API_AttributeIndex material = b.AddBuildingMaterial("Materiaal", "eigen", "materiaal");
        b.ClassifyMaterial(material, lib.qelm, lib.items.at(code));
        lib.materials.push_back(material);
    }
    for (const char* id : {"20.13.1x.", "33.21.1x.", "21.20.1x.", "20.13.1x.", "33.21.1x.", "21.20.1x."})
        lib.materials.push_back(b.AddBuildingMaterial("Type 2", id, "type twee"));
    for (const char* id : {"22.20.14.", "23.10.12.", "22.30.15.", "13.10.19."})
        lib.materials.push_back(b.AddBuildingMaterial("Type 3", id, "type drie"));
    for (int i = 0; i < 4; ++i)
        lib.materials.push_back(b.AddBuildingMaterial("Laag", "20.xx.xx.", "Kalkzandsteen"));
    for (int i = 0; i < 2; ++i)
        lib.materials.push_back(b.AddBuildingMaterial("Onbekend", "onbekend materiaal", "iets"));
    lib.structuralMaterial = lib.materials[3];

    for (int c = 0; c < 24; ++c) {
        const int skins = 2 + c % 3;
        std::vector<API_CWallComponent> components;
        for (int s = 0; s < skins; ++s) {
            const size_t material = static_cast<size_t>(c * 7 + s * 11) % lib.materials.size();
            components.push_back({lib.materials[material], kThicknessCm[(c + s * 3) % 10] / 100.0, 0});
        }
        switch (skins) {
        case 2:
            lib.composites.push_back(b.AddComposite("Composiet", {components[0], components[1]}));
            break;
        case 3:
            lib.composites.push_back(
                b.AddComposite("Composiet", {components[0], components[1], components[2]}));
            break;
        default:
            lib.composites.push_back(
                b.AddComposite("Composiet", {components[0], components[1], components[2], components[3]}));
            break;
        }
    }
}

void AddLibrary(ProjectBuilder& b, Library& lib) {
    AddMaterials(b, lib);
    for (const char* name : {"21 Buitenwanden", "22 WS Binnenwanden", "22 C Binnenwanden",
                             "22 NC Binnenwanden", "23 Vloeren", "24 Daken", "25 Structuur", "30 Schrijnwerk",
                             "40 Meubilair", "50 Zones", "A Hulplijnen", "Aslijnen"})
        lib.layers.push_back(b.AddLayer(name));
    for (int k = 0; k < 5; ++k) {
        lib.objectItems.push_back(lib.items.at(Code("90", kSections[k], 10 + k)));
        lib.windowItems.push_back(lib.items.at(Code("30", kSections[k], 12 + k)));
        lib.doorItems.push_back(lib.items.at(Code("51", kSections[k], 11 + k)));
        lib.stairItems.push_back(lib.items.at(Code("60", kSections[k], 10 + k)));
        lib.wallItems.push_back(lib.items.at(Code("21", kSections[k], 14)));
    }
    lib.chair = b.AddLibPart(APILib_ObjectID, "Stoel");
    lib.table = b.AddLibPart(APILib_ObjectID, "Tafel");
    lib.rail = b.AddLibPart(APILib_ObjectID, "Built-in Rail");
    lib.label = b.AddLibPart(APILib_ObjectID, "Label algemeen");
    lib.window = b.AddLibPart(APILib_WindowID, "Raam");
    lib.hole = b.AddLibPart(APILib_WindowID, "R ronde opening");
    lib.door = b.AddLibPart(APILib_DoorID, "Deur");
    lib.doorHole = b.AddLibPart(APILib_DoorID, "D rondboog opening");
    lib.lamp = b.AddLibPart(APILib_LampID, "Lamp");
    for (short story = 0; story < 5; ++story)
        b.AddStory(story, ("Verdieping " + std::to_string(story)).c_str(), 3.0 * story);
}

enum class Kind {
    CompositeWall,
    BasicWall,
    Slab,
    Roof,
    Beam,
    Column,
    Window,
    Door,
    Object,
    Zone,
    Stair,
    Lamp,
    Other
};

// Elements per 100, in the order of the kinds above.
constexpr std::array<int, 13> kShare = {22, 10, 8, 3, 5, 5, 10, 8, 15, 4, 2, 3, 5};

Kind KindOf(int i) {
    int slot = (i * 37) % 100;
    for (size_t k = 0; k < kShare.size(); ++k) {
        if (slot < kShare[k])
            return static_cast<Kind>(k);
        slot -= kShare[k];
    }
    return Kind::Other;
}

// State carried from element to element: the latest wall (owner of windows and doors), zone and object.
struct Cursor {
    int index = 0;
    int count = 0;
    API_Guid wall{}, zone{}, object{};
};

std::string IdOf(const char* prefix, const Cursor& at) {
    return std::string(prefix) + std::to_string((static_cast<long long>(at.index) * 7919) % at.count);
}

void AddQuantities(ElementRef& element, int i) {
    for (Int32 n = 0; n < 8; ++n)
        element.Quantity(n, 0.5 + (i + n) % 7);
}

void AddWall(ProjectBuilder& b, const Library& lib, Cursor& at, bool composite) {
    const int i = at.index;
    ElementRef wall = b.AddElement(API_WallID).Id(IdOf("W-", at).c_str()).Story(static_cast<short>(i % 5));
    wall.Layer(lib.layers[static_cast<size_t>(i % 4)]);
    if (composite) {
        const API_AttributeIndex attr = lib.composites[static_cast<size_t>(i) % lib.composites.size()];
        wall.WallComposite(attr, 0.3);
        for (int s = 0; s < 2 + static_cast<int>(attr % 3); ++s)
            wall.CompositeRow(lib.materials[0], 1.2, 8.0);
    } else {
        wall.WallBasic(lib.materials[static_cast<size_t>(i) % lib.materials.size()], 0.14, 0.14);
    }
    AddQuantities(wall, i);
    for (Int32 n : {20, 25, 26, 42})
        wall.Quantity(n, 2.7 + i % 5);
    if (i % 19 == 0)
        wall.Classify(lib.qelm, lib.wallItems[static_cast<size_t>(i % 5)]);
    if (i % 10 == 0)
        wall.Property("Meeteenheid wand", "m2 - middenas").Property("Oppervlakte middenas", 8.1);
    at.wall = wall.guid();
}

void AddPlate(ProjectBuilder& b, const Library& lib, Cursor& at, API_ElemTypeID type) {
    const int i = at.index;
    ElementRef plate = b.AddElement(type).Id(IdOf(type == API_SlabID ? "V-" : "D-", at).c_str());
    plate.Story(static_cast<short>(i % 5)).Layer(lib.layers[type == API_SlabID ? 4 : 5]);
    if (i % 2 == 0) {
        plate.PlateComposite(lib.composites[static_cast<size_t>(i) % lib.composites.size()], 0.3);
        plate.CompositeRow(lib.materials[1], 2.0, 20.0).CompositeRow(lib.materials[2], 1.0, 20.0);
    } else {
        plate.PlateBasic(lib.materials[static_cast<size_t>(i) % lib.materials.size()], 0.2);
    }
    AddQuantities(plate, i);
    if (type == API_SlabID && i % 5 == 0 && at.zone != API_Guid{})
        plate.CollidesWith(at.zone);
}

void AddSection(ProjectBuilder& b, const Library& lib, Cursor& at, API_ElemTypeID type) {
    ElementRef section = b.AddElement(type).Id(IdOf(type == API_BeamID ? "B-" : "K-", at).c_str());
    section.Layer(lib.layers[6]).Segment(API_BasicStructure, lib.structuralMaterial);
    AddQuantities(section, at.index);
}

void AddOpening(ProjectBuilder& b, const Library& lib, Cursor& at, API_ElemTypeID type) {
    const int i = at.index;
    const bool excluded = i % 5 == 0;
    ElementRef opening = b.AddElement(type).Id(IdOf(type == API_WindowID ? "R-" : "DR-", at).c_str());
    opening.Layer(lib.layers[7]).Owner(at.wall);
    AddQuantities(opening, i);
    if (type == API_WindowID)
        opening.LibPart(excluded ? lib.hole : lib.window);
    else
        opening.LibPart(excluded ? lib.doorHole : lib.door);
    if (!excluded) {
        const auto& items = type == API_WindowID ? lib.windowItems : lib.doorItems;
        opening.Classify(lib.qelm, items[static_cast<size_t>(i % 5)]);
    }
}

void AddObject(ProjectBuilder& b, const Library& lib, Cursor& at) {
    const int i = at.index;
    const Int32 parts[] = {lib.chair, lib.table, lib.chair, lib.rail, lib.table, lib.label, lib.chair};
    ElementRef object = b.AddElement(API_ObjectID).Id(IdOf("O-", at).c_str()).Layer(lib.layers[8]);
    object.LibPart(parts[i % 7]).Parameter("A", 0.5).Parameter("B", 0.6).Parameter("ZZYZX", 0.9);
    AddQuantities(object, i);
    if (i % 10 != 0)
        object.Classify(lib.qelm, lib.objectItems[static_cast<size_t>(i % 5)]);
    if (i % 20 == 1)
        object.Property("QELM extra", "90.10.12. Meubel, 90.13.13. Kast");
    if (i % 4 == 0)
        object.Property("Zone naam", "Living").Property("Zone nummer", "0.01");
    at.object = object.guid();
}

void AddOther(ProjectBuilder& b, const Library& lib, Cursor& at, Kind kind) {
    const int i = at.index;
    switch (kind) {
    case Kind::Zone: {
        ElementRef zone = b.AddElement(API_ZoneID).Id(IdOf("Z-", at).c_str()).Layer(lib.layers[9]);
        zone.Zone("Ruimte", std::to_string(i).c_str());
        at.zone = zone.guid();
        break;
    }
    case Kind::Stair: {
        ElementRef stair = b.AddElement(API_StairID).Id(IdOf("T-", at).c_str()).Layer(lib.layers[6]);
        stair.Classify(lib.qelm, lib.stairItems[static_cast<size_t>(i % 5)]);
        stair.record().stair.hasSecondClassification = at.object != API_Guid{};
        stair.record().stair.classificationSource = at.object;
        AddQuantities(stair, i);
        break;
    }
    case Kind::Lamp: {
        ElementRef lamp = b.AddElement(API_LampID).Id(IdOf("L-", at).c_str()).Layer(lib.layers[8]);
        lamp.LibPart(lib.lamp).Classify(lib.qelm, lib.objectItems[1]);
        break;
    }
    default: {
        const API_ElemTypeID types[] = {API_MeshID, API_RailingID, API_CurtainWallID, API_MorphID,
                                        API_SkylightID};
        ElementRef other = b.AddElement(types[i % 5]).Id(IdOf("X-", at).c_str());
        other.Layer(lib.layers[static_cast<size_t>(i % 12)]);
        AddQuantities(other, i);
        break;
    }
    }
}

void AddElement(ProjectBuilder& b, const Library& lib, Cursor& at) {
    const Kind kind = KindOf(at.index);
    switch (kind) {
    case Kind::CompositeWall:
    case Kind::BasicWall:
        AddWall(b, lib, at, kind == Kind::CompositeWall);
        break;
    case Kind::Slab:
        AddPlate(b, lib, at, API_SlabID);
        break;
    case Kind::Roof:
        AddPlate(b, lib, at, at.index % 3 == 0 ? API_ShellID : API_RoofID);
        break;
    case Kind::Beam:
        AddSection(b, lib, at, API_BeamID);
        break;
    case Kind::Column:
        AddSection(b, lib, at, API_ColumnID);
        break;
    case Kind::Window:
    case Kind::Door:
        if (at.wall == API_Guid{})
            AddWall(b, lib, at, false);
        else
            AddOpening(b, lib, at, kind == Kind::Window ? API_WindowID : API_DoorID);
        break;
    case Kind::Object:
        AddObject(b, lib, at);
        break;
    default:
        AddOther(b, lib, at, kind);
        break;
    }
}

} // namespace

ProjectSummary Build(ProjectBuilder& builder, int elements) {
    ProjectSummary summary;
    Library lib;
    lib.qelm = builder.AddSystem("QELM");
    AddTree(builder, lib.qelm, lib.items);
    summary.items = static_cast<int>(lib.items.size());
    AddLibrary(builder, lib);

    Cursor at;
    at.count = elements;
    for (at.index = 0; at.index < elements; ++at.index)
        AddElement(builder, lib, at);
    summary.elements = elements;
    return summary;
}

void Install(int elements) {
    hostplatform::ResetHost();
    ProjectBuilder builder;
    Build(builder, elements);
    builder.Install();
}

} // namespace synthetic
