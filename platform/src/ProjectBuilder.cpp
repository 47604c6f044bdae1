#include "hostplatform/ProjectBuilder.hpp"

#include "RecordText.hpp"
#include "hostplatform/Host.hpp"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <stdexcept>

namespace hostplatform {

namespace {

// A builder call that does not fit the element is a mistake in the test, not a situation to model.
[[noreturn]] void Fail(const char* what) {
    throw std::invalid_argument(std::string("ProjectBuilder: ") + what);
}

void Require(bool condition, const char* what) {
    if (!condition)
        Fail(what);
}

API_Variant Real(double value) {
    API_Variant variant;
    variant.type = API_PropertyRealValueType;
    variant.doubleValue = value;
    return variant;
}

API_Variant Text(const GS::UniString& text) {
    API_Variant variant;
    variant.type = API_PropertyStringValueType;
    variant.uniStringValue = text;
    return variant;
}

API_PropertyValue SingleValue(const API_Variant& variant) {
    API_PropertyValue value;
    value.singleVariant.variant = variant;
    return value;
}

// Replaces the element's value of that definition, or adds one.
void SetProperty(Element& element, const API_Guid& definition, const API_PropertyValue& value, bool visible) {
    auto found = std::find_if(element.properties.begin(), element.properties.end(),
                              [&](const ElementProperty& p) { return p.definition == definition; });
    if (found == element.properties.end())
        found =
            element.properties.insert(element.properties.end(), ElementProperty{definition, visible, value});
    found->visible = visible;
    found->value = value;
}

API_ShellBaseType& PlatePart(API_Element& record) {
    switch (record.header.type.typeID) {
    case API_RoofID:
        return record.roof.shellBase;
    case API_ShellID:
        return record.shell.shellBase;
    default:
        Fail("PlateBasic, PlateComposite and PlateProfile need a slab, roof or shell");
    }
}

// Slabs and the shell base of roofs and shells carry the same structure members; `set` gets the one of
// the record.
template <typename Set> void SetPlate(API_Element& record, Set set) {
    if (record.header.type.typeID == API_SlabID)
        set(record.slab);
    else
        set(PlatePart(record));
}

} // namespace

// ---- ElementRef: identity and placement ----

API_Guid ElementRef::guid() const {
    return record().header.guid;
}
Element& ElementRef::element() const {
    return builder_->project().elements[index_];
}
API_Element& ElementRef::record() const {
    return element().record;
}

ElementRef& ElementRef::Id(const GS::UniString& elementID) {
    element().elementID = elementID;
    record().header.hasMemo = true;
    return *this;
}

ElementRef& ElementRef::NoMemo() {
    record().header.hasMemo = false;
    return *this;
}

ElementRef& ElementRef::Layer(API_AttributeIndex layer) {
    record().header.layer = layer;
    return *this;
}

ElementRef& ElementRef::Story(short floorInd) {
    record().header.floorInd = floorInd;
    return *this;
}

ElementRef& ElementRef::LibPart(Int32 libInd) {
    API_Element& r = record();
    switch (r.header.type.typeID) {
    case API_WindowID:
    case API_DoorID:
        r.window.openingBase.libInd = libInd;
        break;
    case API_SkylightID:
        r.skylight.openingBase.libInd = libInd;
        break;
    case API_ObjectID:
    case API_LampID:
        r.object.libInd = libInd;
        break;
    default:
        Fail("LibPart needs a window, door, skylight, object or lamp");
    }
    return *this;
}

ElementRef& ElementRef::Owner(const API_Guid& owner) {
    API_Element& r = record();
    switch (r.header.type.typeID) {
    case API_WindowID:
    case API_DoorID:
        r.window.owner = owner;
        break;
    case API_SkylightID:
        r.skylight.owner = owner;
        break;
    case API_OpeningID:
        r.opening.owner = owner;
        break;
    default:
        Fail("Owner needs a window, door, skylight or opening");
    }
    return *this;
}

// ---- ElementRef: structure ----

ElementRef& ElementRef::WallBasic(API_AttributeIndex material, double thicknessStart, double thicknessEnd) {
    Require(record().header.type.typeID == API_WallID, "WallBasic needs a wall");
    API_WallType& wall = record().wall;
    wall.modelElemStructureType = API_BasicStructure;
    wall.buildingMaterial = material;
    wall.thickness = thicknessStart;
    wall.thickness1 = thicknessEnd;
    return *this;
}

ElementRef& ElementRef::WallComposite(API_AttributeIndex composite, double thickness) {
    Require(record().header.type.typeID == API_WallID, "WallComposite needs a wall");
    API_WallType& wall = record().wall;
    wall.modelElemStructureType = API_CompositeStructure;
    wall.composite = composite;
    wall.thickness = thickness;
    wall.thickness1 = thickness;
    return *this;
}

ElementRef& ElementRef::WallProfile(API_AttributeIndex composite) {
    Require(record().header.type.typeID == API_WallID, "WallProfile needs a wall");
    API_WallType& wall = record().wall;
    wall.modelElemStructureType = API_ProfileStructure;
    wall.profileAttr = composite;
    return *this;
}

ElementRef& ElementRef::PlateBasic(API_AttributeIndex material, double thickness) {
    SetPlate(record(), [&](auto& plate) {
        plate.modelElemStructureType = API_BasicStructure;
        plate.buildingMaterial = material;
        plate.thickness = thickness;
    });
    return *this;
}

ElementRef& ElementRef::PlateComposite(API_AttributeIndex composite, double thickness) {
    SetPlate(record(), [&](auto& plate) {
        plate.modelElemStructureType = API_CompositeStructure;
        plate.composite = composite;
        plate.thickness = thickness;
    });
    return *this;
}

ElementRef& ElementRef::PlateProfile() {
    SetPlate(record(), [](auto& plate) { plate.modelElemStructureType = API_ProfileStructure; });
    return *this;
}

ElementRef& ElementRef::Segment(API_ModelElemStructureType structure, API_AttributeIndex material,
                                bool round) {
    API_Element& r = record();
    const API_ElemTypeID type = r.header.type.typeID;
    Require(type == API_BeamID || type == API_ColumnID, "Segment needs a beam or a column");
    API_AssemblySegmentData segment{};
    segment.modelElemStructureType = structure;
    segment.buildingMaterial = material;
    segment.profileAttr = structure == API_ProfileStructure ? material : 0;
    segment.circleBased = round;
    element().segments.push_back(segment);
    const auto count = static_cast<UInt32>(element().segments.size());
    if (type == API_BeamID) {
        r.beam.nSegments = count;
        r.beam.modelElemStructureType = element().segments.front().modelElemStructureType;
    } else {
        r.column.nSegments = count;
    }
    return *this;
}

ElementRef& ElementRef::Opening(API_OpeningLimitType limit, API_OpeningDirection direction,
                                API_OpeningBasePolygonType polygon, double width, double height) {
    Require(record().header.type.typeID == API_OpeningID, "Opening needs an opening");
    API_OpeningType& opening = record().opening;
    opening.limitType = limit;
    opening.direction = direction;
    opening.basePolygonType = polygon;
    opening.width = width;
    opening.height = height;
    return *this;
}

ElementRef& ElementRef::Zone(const GS::UniString& name, const GS::UniString& number) {
    Require(record().header.type.typeID == API_ZoneID, "Zone needs a zone");
    API_ZoneType& zone = record().zone;
    detail::CopyToUStr(name, zone.roomName, std::size(zone.roomName));
    detail::CopyToUStr(number, zone.roomNoStr, std::size(zone.roomNoStr));
    return *this;
}

// ---- ElementRef: quantities and parameters ----

ElementRef& ElementRef::Quantity(Int32 number, double value) {
    Require(number >= 0 && number < API_QuantityValueCount, "quantity value number out of range");
    element().quantities.push_back(QuantityValue{number, value});
    return *this;
}

ElementRef& ElementRef::QuantityInteger(Int32 number, Int32 half, Int32 value) {
    Require(number >= 0 && number < API_QuantityValueCount, "quantity value number out of range");
    Require(half == 0 || half == 1, "the half of a quantity value is 0 or 1");
    element().quantityIntegers.push_back(hostplatform::QuantityInteger{number, half, value});
    return *this;
}

ElementRef& ElementRef::CompositeRow(API_AttributeIndex material, double volume, double projectedArea,
                                     double thickness) {
    element().composites.push_back(API_CompositeQuantity{material, 0, thickness, volume, projectedArea, 0.0});
    return *this;
}

ElementRef& ElementRef::Parameter(const char* name, double value) {
    element().parameters.push_back(hostplatform::Parameter{name, false, false, value, GS::UniString()});
    return *this;
}

ElementRef& ElementRef::TextParameter(const char* name, const GS::UniString& value) {
    element().parameters.push_back(hostplatform::Parameter{name, false, true, 0.0, value});
    return *this;
}

ElementRef& ElementRef::ArrayParameter(const char* name) {
    element().parameters.push_back(hostplatform::Parameter{name, true, false, 0.0, GS::UniString()});
    return *this;
}

// ---- ElementRef: properties, classifications, relations ----

ElementRef& ElementRef::Property(const GS::UniString& name, double value) {
    const API_Guid definition = builder_->PropertyNamed(
        name, API_PropertyRealValueType, API_PropertySingleCollectionType, API_PropertyCustomDefinitionType);
    SetProperty(element(), definition, SingleValue(Real(value)), true);
    return *this;
}

ElementRef& ElementRef::Property(const GS::UniString& name, const GS::UniString& text) {
    const API_Guid definition =
        builder_->PropertyNamed(name, API_PropertyStringValueType, API_PropertySingleCollectionType,
                                API_PropertyCustomDefinitionType);
    SetProperty(element(), definition, SingleValue(Text(text)), true);
    return *this;
}

ElementRef& ElementRef::ListProperty(const GS::UniString& name, std::initializer_list<GS::UniString> texts) {
    const API_Guid definition = builder_->PropertyNamed(
        name, API_PropertyStringValueType, API_PropertyListCollectionType, API_PropertyCustomDefinitionType);
    API_PropertyValue value;
    for (const GS::UniString& text : texts)
        value.listVariant.variants.Push(Text(text));
    SetProperty(element(), definition, value, true);
    return *this;
}

ElementRef& ElementRef::BuiltInProperty(const GS::UniString& name, double value) {
    const API_Guid definition =
        builder_->PropertyNamed(name, API_PropertyRealValueType, API_PropertySingleCollectionType,
                                API_PropertyStaticBuiltInDefinitionType);
    SetProperty(element(), definition, SingleValue(Real(value)), true);
    return *this;
}

ElementRef& ElementRef::PropertyOf(const API_Guid& definition, double value, bool visible) {
    SetProperty(element(), definition, SingleValue(Real(value)), visible);
    return *this;
}

ElementRef& ElementRef::PropertyOf(const API_Guid& definition, const GS::UniString& text, bool visible) {
    SetProperty(element(), definition, SingleValue(Text(text)), visible);
    return *this;
}

ElementRef& ElementRef::Classify(const API_Guid& system, const API_Guid& item, bool visible) {
    element().classifications.push_back(ClassificationRef{system, item, visible});
    return *this;
}

ElementRef& ElementRef::CollidesWith(const API_Guid& other) {
    element().collisions.push_back(other);
    return *this;
}

ElementRef& ElementRef::IfcGlobalId(const GS::UniString& globalId) {
    element().ifcGlobalId = globalId;
    return *this;
}

// ---- ProjectBuilder ----

ProjectBuilder::ProjectBuilder() = default;

API_Guid ProjectBuilder::NewGuid() {
    // "51454C4D-0000-0000-0000-" and the counter: readable in failure messages, never null.
    API_Guid guid;
    guid.time_low = 0x51454C4D;
    UInt64 counter = nextGuid_++;
    for (int i = 5; i >= 0; --i, counter >>= 8)
        guid.node[i] = static_cast<UInt8>(counter & 0xFF);
    return guid;
}

API_Guid ProjectBuilder::AddSystem(const GS::UniString& name) {
    ClassificationSystem system;
    system.system.guid = NewGuid();
    system.system.name = name;
    project_.classificationSystems.push_back(system);
    return system.system.guid;
}

API_Guid ProjectBuilder::AddItem(const API_Guid& system, const API_Guid& parent, const GS::UniString& id,
                                 const GS::UniString& name, const GS::UniString& description) {
    auto owner = std::find_if(project_.classificationSystems.begin(), project_.classificationSystems.end(),
                              [&](const ClassificationSystem& s) { return s.system.guid == system; });
    Require(owner != project_.classificationSystems.end(), "AddItem: unknown classification system");
    Require(parent == APINULLGuid || project_.classificationItems.count(parent) > 0,
            "AddItem: unknown parent");
    ClassificationItem item;
    item.item.guid = NewGuid();
    item.item.id = id;
    item.item.name = name;
    item.item.description = description;
    if (parent == APINULLGuid)
        owner->rootItems.push_back(item.item.guid);
    else
        project_.classificationItems[parent].children.push_back(item.item.guid);
    project_.classificationItems.emplace(item.item.guid, item);
    return item.item.guid;
}

API_AttributeIndex ProjectBuilder::AddLayer(const GS::UniString& name) {
    const auto index = static_cast<API_AttributeIndex>(project_.layers.size() + 1);
    project_.layers[index] = hostplatform::Layer{name};
    return index;
}

API_AttributeIndex ProjectBuilder::AddBuildingMaterial(const GS::UniString& name, const GS::UniString& id,
                                                       const GS::UniString& description) {
    const auto index = static_cast<API_AttributeIndex>(project_.buildingMaterials.size() + 1);
    project_.buildingMaterials[index] = BuildingMaterial{name, id, description, {}};
    return index;
}

API_AttributeIndex ProjectBuilder::AddComposite(const GS::UniString& name,
                                                std::initializer_list<API_CWallComponent> skins) {
    const auto index = static_cast<API_AttributeIndex>(project_.composites.size() + 1);
    project_.composites[index] = Composite{name, skins};
    return index;
}

void ProjectBuilder::ClassifyMaterial(API_AttributeIndex material, const API_Guid& system,
                                      const API_Guid& item, bool visible) {
    const auto found = project_.buildingMaterials.find(material);
    Require(found != project_.buildingMaterials.end(), "ClassifyMaterial: unknown building material");
    found->second.classifications.push_back(ClassificationRef{system, item, visible});
}

Int32 ProjectBuilder::AddLibPart(API_LibTypeID type, const GS::UniString& name) {
    const auto index = static_cast<Int32>(project_.libParts.size() + 1);
    project_.libParts[index] = hostplatform::LibPart{type, name};
    return index;
}

void ProjectBuilder::AddStory(short index, const GS::UniString& name, double level) {
    auto& stories = project_.stories;
    const auto at =
        std::find_if(stories.begin(), stories.end(), [&](const auto& s) { return s.index >= index; });
    Require(at == stories.end() || at->index != index, "AddStory: story index already taken");
    stories.insert(at, hostplatform::Story{index, name, level});
}

API_Guid ProjectBuilder::DefineProperty(const GS::UniString& name, API_VariantType valueType,
                                        API_PropertyCollectionType collection,
                                        API_PropertyDefinitionType definitionType) {
    PropertyDefinition definition;
    definition.guid = NewGuid();
    definition.name = name;
    definition.definitionType = definitionType;
    definition.collectionType = collection;
    definition.valueType = valueType;
    project_.propertyDefinitions.push_back(definition);
    return definition.guid;
}

API_Guid ProjectBuilder::PropertyNamed(const GS::UniString& name, API_VariantType valueType,
                                       API_PropertyCollectionType collection,
                                       API_PropertyDefinitionType definitionType) {
    for (const PropertyDefinition& definition : project_.propertyDefinitions)
        if (definition.name == name && definition.valueType == valueType &&
            definition.collectionType == collection && definition.definitionType == definitionType)
            return definition.guid;
    return DefineProperty(name, valueType, collection, definitionType);
}

void ProjectBuilder::SetProjectNotes(const API_ProjectNoteInfo& notes) {
    project_.notes = notes;
}

void ProjectBuilder::AddAutotext(const GS::UniString& key, const GS::UniString& value) {
    project_.autotexts.push_back({key, key, value});
}

ElementRef ProjectBuilder::AddElement(API_ElemTypeID type) {
    Element element;
    element.record.header.type = API_ElemType(type);
    element.record.header.guid = NewGuid();
    element.record.header.hasMemo = true;
    const size_t index = project_.elements.size();
    Require(project_.AddElement(std::move(element)), "AddElement: guid already taken");
    return ElementRef(*this, index);
}

void ProjectBuilder::Select(std::initializer_list<API_Guid> guids) {
    project_.selection.clear();
    for (const API_Guid& guid : guids) {
        API_Neig neig(guid);
        if (const Element* element = project_.FindElement(guid))
            neig.neigID = APINeigOfElemType(element->record.header.type.typeID);
        project_.selection.push_back(neig);
    }
}

void ProjectBuilder::Install() const {
    SetProject(project_);
}

} // namespace hostplatform
