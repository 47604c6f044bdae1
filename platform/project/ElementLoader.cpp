#include "ElementLoader.hpp"

#include "hostplatform/ProjectLoader.hpp"

#include <algorithm>
#include <type_traits>
#include <unordered_set>

namespace hostplatform::projectfile {

namespace {

using RecordReader = void (*)(const Node&, Element&, const LoadContext&);

struct ElementKind {
    std::string_view name;
    API_ElemTypeID type;
    std::vector<std::string_view> keys; // the keys of its record part
    RecordReader read;
};

const std::vector<std::string_view> kCommonKeys = {"type",
                                                   "key",
                                                   "guid",
                                                   "id",
                                                   "noMemo",
                                                   "layer",
                                                   "story",
                                                   "parameters",
                                                   "quantities",
                                                   "quantityIntegers",
                                                   "compositeRows",
                                                   "properties",
                                                   "classifications",
                                                   "collisions",
                                                   "ifcGlobalId"};

constexpr Word<API_ModelElemStructureType> kStructures[] = {
    {"basic", API_BasicStructure}, {"composite", API_CompositeStructure}, {"profile", API_ProfileStructure}};
constexpr Word<API_OpeningLimitType> kLimits[] = {{"infinite", APIOpeningLimit_Infinite},
                                                  {"finite", APIOpeningLimit_Finite},
                                                  {"halfInfinite", APIOpeningLimit_HalfInfinite}};
constexpr Word<API_OpeningDirection> kDirections[] = {{"vertical", APIOpeningDirection_Vertical},
                                                      {"horizontal", APIOpeningDirection_Horizontal}};
constexpr Word<API_OpeningBasePolygonType> kPolygons[] = {{"rectangular", APIOpeningBasePolygon_Rectangular},
                                                          {"circular", APIOpeningBasePolygon_Circular},
                                                          {"custom", APIOpeningBasePolygon_Custom}};

// ---- Shared parts of the records ----

const char* TypeName(API_ElemTypeID type);

API_Guid ReadOwner(const Node& element, const LoadContext& c, std::initializer_list<API_ElemTypeID> allowed) {
    const Node reference = element.At("owner");
    const API_Guid owner = c.elements.Resolve(reference);
    const API_ElemTypeID ownerType = c.elementTypes.at(owner);
    if (allowed.size() != 0 && std::find(allowed.begin(), allowed.end(), ownerType) == allowed.end()) {
        std::string names;
        for (const API_ElemTypeID type : allowed)
            names += std::string(names.empty() ? "" : " or ") + TypeName(type);
        reference.Fail(std::string("the owner must be a ") + names + ", not a " + TypeName(ownerType));
    }
    return owner;
}

// A library part of the kind that the element type needs; 0 when the element names none.
Int32 ReadLibPart(const Node& element, const LoadContext& c, API_LibTypeID needed) {
    const auto reference = element.Find("libPart");
    if (!reference)
        return 0;
    const Int32 index = c.libParts.Resolve(*reference);
    const API_LibTypeID type = c.project.libParts.at(index).typeID;
    if (needed != APILib_Unknown && type != needed)
        reference->Fail("the library part is not of the element's kind");
    return index;
}

// Structure, material and composite of walls, slabs, roofs and shells: a basic structure needs its
// material, a composite one its composite.
template <typename Part> void ReadBuildUp(const Node& element, const LoadContext& c, Part& part) {
    part.modelElemStructureType = ReadWord(element.At("structure"), kStructures);
    const bool basic = part.modelElemStructureType == API_BasicStructure;
    const bool composite = part.modelElemStructureType == API_CompositeStructure;
    if (basic || element.Has("material"))
        part.buildingMaterial = c.materials.Resolve(element.At("material"));
    if (composite || element.Has("composite"))
        part.composite = c.composites.Resolve(element.At("composite"));
    part.thickness = element.At("thickness").NonNegative();
}

// ---- One reader per record part ----

void ReadWall(const Node& n, Element& e, const LoadContext& c) {
    ReadBuildUp(n, c, e.record.wall);
    e.record.wall.thickness1 = n.NonNegativeOr("thicknessEnd", e.record.wall.thickness);
    e.record.wall.height = n.NonNegativeOr("height", 0.0);
}

void ReadSlab(const Node& n, Element& e, const LoadContext& c) {
    ReadBuildUp(n, c, e.record.slab);
}

void ReadRoof(const Node& n, Element& e, const LoadContext& c) {
    ReadBuildUp(n, c, e.record.roof.shellBase);
}

void ReadShell(const Node& n, Element& e, const LoadContext& c) {
    ReadBuildUp(n, c, e.record.shell.shellBase);
}

void ReadSegments(const Node& n, Element& e, const LoadContext& c) {
    const auto list = n.At("segments").Elements();
    if (list.empty())
        n.At("segments").Fail("a beam or column has at least one segment");
    for (const Node& entry : list) {
        entry.Expect({"structure", "material", "round", "width", "height"}, "a segment");
        API_AssemblySegmentData segment{};
        segment.modelElemStructureType = ReadWord(entry.At("structure"), kStructures);
        if (segment.modelElemStructureType != API_CompositeStructure || entry.Has("material"))
            segment.buildingMaterial = c.materials.Resolve(entry.At("material"));
        segment.circleBased = entry.BooleanOr("round", false);
        segment.nominalWidth = entry.NonNegativeOr("width", 0.0);
        segment.nominalHeight = entry.NonNegativeOr("height", 0.0);
        e.segments.push_back(segment);
    }
}

void ReadBeam(const Node& n, Element& e, const LoadContext& c) {
    ReadSegments(n, e, c);
    e.record.beam.nSegments = static_cast<UInt32>(e.segments.size());
    e.record.beam.modelElemStructureType =
        n.Has("structure") ? ReadWord(n.At("structure"), kStructures) : API_BasicStructure;
}

void ReadColumn(const Node& n, Element& e, const LoadContext& c) {
    ReadSegments(n, e, c);
    e.record.column.nSegments = static_cast<UInt32>(e.segments.size());
}

void ReadWindowOrDoor(const Node& n, Element& e, const LoadContext& c) {
    const bool door = e.record.header.type.typeID == API_DoorID;
    e.record.window.openingBase.libInd = ReadLibPart(n, c, door ? APILib_DoorID : APILib_WindowID);
    e.record.window.owner = ReadOwner(n, c, {API_WallID});
    e.record.window.revealDepthFromSide = n.NonNegativeOr("revealDepth", 0.0);
}

void ReadSkylight(const Node& n, Element& e, const LoadContext& c) {
    e.record.skylight.openingBase.libInd = ReadLibPart(n, c, APILib_Unknown);
    e.record.skylight.owner = ReadOwner(n, c, {API_RoofID, API_ShellID});
}

void ReadObject(const Node& n, Element& e, const LoadContext& c) {
    e.record.object.libInd = ReadLibPart(n, c, APILib_ObjectID);
}

void ReadLamp(const Node& n, Element& e, const LoadContext& c) {
    e.record.lamp.libInd = ReadLibPart(n, c, APILib_LampID);
}

void ReadOpening(const Node& n, Element& e, const LoadContext& c) {
    API_OpeningType& opening = e.record.opening;
    opening.owner = ReadOwner(n, c, {});
    if (opening.owner == e.record.header.guid)
        n.At("owner").Fail("an opening cannot be its own owner");
    opening.limitType = n.Has("limit") ? ReadWord(n.At("limit"), kLimits) : APIOpeningLimit_Infinite;
    opening.direction = ReadWord(n.At("direction"), kDirections);
    opening.basePolygonType =
        n.Has("polygon") ? ReadWord(n.At("polygon"), kPolygons) : APIOpeningBasePolygon_Rectangular;
    opening.width = n.NonNegativeOr("width", 0.0);
    opening.height = n.NonNegativeOr("height", 0.0);
}

void ReadStair(const Node& n, Element& e, const LoadContext& c) {
    API_StairType& stair = e.record.stair;
    stair.hasSecondClassification = n.BooleanOr("secondClassification", n.Has("classificationSource"));
    if (stair.hasSecondClassification || n.Has("classificationSource"))
        stair.classificationSource = c.elements.Resolve(n.At("classificationSource"));
}

template <size_t N> void CopyUnits(const std::string& utf8, GS::uchar_t (&field)[N]) {
    const GS::UniString text = Uni(utf8); // its length was checked against the field
    std::copy_n(text.ToUStr(), text.GetLength(), field);
    field[text.GetLength()] = 0;
}

void ReadZone(const Node& n, Element& e, const LoadContext&) {
    constexpr size_t kCapacity = std::extent_v<decltype(API_ZoneType::roomName)>;
    if (const auto name = n.Find("name"))
        CopyUnits(name->FixedUnits(kCapacity), e.record.zone.roomName);
    if (const auto number = n.Find("number"))
        CopyUnits(number->FixedUnits(kCapacity), e.record.zone.roomNoStr);
}

void ReadNothing(const Node&, Element&, const LoadContext&) {}

const ElementKind kKinds[] = {
    {"wall",
     API_WallID,
     {"structure", "material", "composite", "thickness", "thicknessEnd", "height"},
     ReadWall},
    {"column", API_ColumnID, {"segments"}, ReadColumn},
    {"beam", API_BeamID, {"structure", "segments"}, ReadBeam},
    {"window", API_WindowID, {"libPart", "owner", "revealDepth"}, ReadWindowOrDoor},
    {"door", API_DoorID, {"libPart", "owner", "revealDepth"}, ReadWindowOrDoor},
    {"object", API_ObjectID, {"libPart"}, ReadObject},
    {"lamp", API_LampID, {"libPart"}, ReadLamp},
    {"slab", API_SlabID, {"structure", "material", "composite", "thickness"}, ReadSlab},
    {"roof", API_RoofID, {"structure", "material", "composite", "thickness"}, ReadRoof},
    {"mesh", API_MeshID, {}, ReadNothing},
    {"zone", API_ZoneID, {"name", "number"}, ReadZone},
    {"curtainWall", API_CurtainWallID, {}, ReadNothing},
    {"shell", API_ShellID, {"structure", "material", "composite", "thickness"}, ReadShell},
    {"skylight", API_SkylightID, {"libPart", "owner"}, ReadSkylight},
    {"morph", API_MorphID, {}, ReadNothing},
    {"stair", API_StairID, {"secondClassification", "classificationSource"}, ReadStair},
    {"railing", API_RailingID, {}, ReadNothing},
    {"opening", API_OpeningID, {"owner", "limit", "direction", "polygon", "width", "height"}, ReadOpening},
};

const char* TypeName(API_ElemTypeID type) {
    for (const ElementKind& kind : kKinds)
        if (kind.type == type)
            return kind.name.data();
    return "element";
}

const ElementKind& FindKind(const Node& element) {
    if (!element.IsObject())
        element.Fail(std::string("expected an object, found ") + TypeInWords(element.Value()));
    const Node type = element.At("type");
    const std::string name = type.Text();
    for (const ElementKind& kind : kKinds)
        if (kind.name == name)
            return kind;
    type.Fail("unknown element type " + Quote(name));
}

// ---- The two passes ----

// First pass: type, guid and key of every element, so that references may point forward.
API_Guid RegisterElement(const Node& n, const ElementKind& kind, LoadContext& c) {
    std::vector<std::string_view> keys = kCommonKeys;
    keys.insert(keys.end(), kind.keys.begin(), kind.keys.end());
    n.Expect(keys, std::string("a ") + std::string(kind.name));
    const API_Guid guid = c.guids.Register(n);
    c.elementTypes.emplace(guid, kind.type);
    const auto key = n.Find("key");
    if (!key) {
        c.elements.AddUnnamed(guid);
        return guid;
    }
    const std::string text = key->Text();
    if (text.empty() || ParseGuidText(text))
        key->Fail("a key must be a non-empty text that is not in guid form");
    if (c.elements.HasName(text))
        key->Fail("duplicate element key " + Quote(text));
    c.elements.Add(text, guid);
    c.elementKeys.push_back({text, guid});
    return guid;
}

short ReadStory(const Node& n, const LoadContext& c) {
    if (const auto story = n.Find("story"))
        return c.ResolveStory(*story);
    if (!c.project.stories.empty() && !c.HasStory(0))
        n.Fail("missing key \"story\" (the element would sit on story 0, which the project does not have)");
    return 0;
}

std::vector<API_Guid> ReadCollisions(const Node& list, const API_Guid& self, const LoadContext& c) {
    std::vector<API_Guid> guids;
    std::unordered_set<API_Guid> listed;
    for (const Node& entry : list.Elements()) {
        const API_Guid other = c.elements.Resolve(entry);
        if (other == self)
            entry.Fail("an element cannot collide with itself");
        if (!listed.insert(other).second)
            entry.Fail("this collision is listed twice");
        guids.push_back(other);
    }
    return guids;
}

Element ReadElement(const Node& n, const ElementKind& kind, const API_Guid& guid, const LoadContext& c) {
    Element element;
    API_Elem_Head& header = element.record.header;
    header.type = API_ElemType(kind.type);
    header.guid = guid;
    header.floorInd = ReadStory(n, c);
    header.layer = n.Has("layer") ? c.layers.Resolve(n.At("layer")) : 0;
    header.hasMemo = !n.BooleanOr("noMemo", false);
    element.elementID = Uni(n.TextOr("id", ""));
    kind.read(n, element, c);
    if (const auto v = n.Find("parameters"))
        ReadParameters(*v, element);
    if (const auto v = n.Find("quantities"))
        ReadQuantities(*v, element);
    if (const auto v = n.Find("quantityIntegers"))
        ReadQuantityIntegers(*v, element);
    if (const auto v = n.Find("compositeRows"))
        ReadCompositeRows(*v, element, c);
    if (const auto v = n.Find("properties"))
        ReadProperties(*v, element, c);
    if (const auto v = n.Find("classifications"))
        element.classifications = c.ReadClassificationRefs(*v);
    if (const auto v = n.Find("collisions"))
        element.collisions = ReadCollisions(*v, guid, c);
    if (const auto v = n.Find("ifcGlobalId"))
        element.ifcGlobalId = ReadIfcGlobalId(*v);
    return element;
}

} // namespace

void ReadElements(const Node& list, LoadContext& context) {
    const std::vector<Node> entries = list.Elements();
    std::vector<const ElementKind*> kinds;
    std::vector<API_Guid> guids;
    for (const Node& entry : entries) {
        kinds.push_back(&FindKind(entry));
        guids.push_back(RegisterElement(entry, *kinds.back(), context));
    }
    context.project.elements.reserve(entries.size());
    for (size_t i = 0; i < entries.size(); ++i)
        context.project.AddElement(ReadElement(entries[i], *kinds[i], guids[i], context));
}

} // namespace hostplatform::projectfile

std::span<const hostplatform::ElementTypeName> hostplatform::ElementTypeNames() {
    static const std::vector<ElementTypeName> names = [] {
        std::vector<ElementTypeName> list;
        for (const projectfile::ElementKind& kind : projectfile::kKinds)
            list.push_back({kind.type, kind.name});
        return list;
    }();
    return names;
}
