// The stand-in host's in-memory project: what the add-on interface answers from. Plain data, filled by
// the project-file loader or by ProjectBuilder.
#pragma once

#include "ACAPinc.hpp"
#include "hostplatform/Faults.hpp"
#include "hostplatform/GuidIndex.hpp"

#include <array>
#include <map>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace hostplatform {

// One library-part parameter of an element, in the list order the host keeps.
struct Parameter {
    std::string name;
    bool isArray = false;
    bool isText = false;
    double real = 0.0;
    GS::UniString text;
};

// A property definition known to the project (user-defined or built-in).
struct PropertyDefinition {
    API_Guid guid;
    GS::UniString name;
    GS::UniString groupName;
    API_PropertyDefinitionType definitionType = API_PropertyCustomDefinitionType;
    API_PropertyCollectionType collectionType = API_PropertySingleCollectionType;
    API_VariantType valueType = API_PropertyRealValueType;
};

// A property of one element: its definition applies to the element, visible or not, with a value.
struct ElementProperty {
    API_Guid definition;
    bool visible = true;
    API_PropertyValue value;
};

struct ClassificationRef {
    API_Guid system;
    API_Guid item;
    bool visible = true;
};

struct ClassificationItem {
    API_ClassificationItem item;
    std::vector<API_Guid> children;
};

struct ClassificationSystem {
    API_ClassificationSystem system;
    std::vector<API_Guid> rootItems;
};

// A quantity value set for an element; the host writes only the values it has.
struct QuantityValue {
    Int32 number = 0;
    double value = 0.0;
};
// A 32-bit integer written into one half of a quantity value.
struct QuantityInteger {
    Int32 number = 0;
    Int32 half = 1;
    Int32 value = 0;
};

struct Element {
    API_Element record; // header (type, guid, story, layer, memo flag) and the per-type part
    GS::UniString elementID;
    std::vector<Parameter> parameters;
    std::vector<API_AssemblySegmentData> segments; // beams and columns
    std::vector<QuantityValue> quantities;
    std::vector<QuantityInteger> quantityIntegers;
    std::vector<API_CompositeQuantity> composites;
    std::vector<ElementProperty> properties;
    std::vector<ClassificationRef> classifications;
    std::vector<API_Guid> collisions; // elements this one collides with (zones of slabs and meshes)
    GS::UniString ifcGlobalId;
};

struct Layer {
    GS::UniString name;
};
struct Composite {
    GS::UniString name;
    std::vector<API_CWallComponent> skins;
};
struct BuildingMaterial {
    GS::UniString name;
    GS::UniString id;
    GS::UniString description;
    std::vector<ClassificationRef> classifications;
};
struct LibPart {
    API_LibTypeID typeID = APILib_ObjectID;
    GS::UniString name;
};
struct Story {
    short index = 0;
    GS::UniString name;
    double level = 0.0;
};

struct Project {
    std::vector<Element> elements; // in creation order: the order of element lists
    GuidIndex elementIndex;

    std::vector<PropertyDefinition> propertyDefinitions;
    std::vector<ClassificationSystem> classificationSystems;
    std::unordered_map<API_Guid, ClassificationItem> classificationItems;

    std::map<API_AttributeIndex, Layer> layers;
    std::map<API_AttributeIndex, Composite> composites;
    std::map<API_AttributeIndex, BuildingMaterial> buildingMaterials;
    std::map<Int32, LibPart> libParts;
    std::vector<Story> stories; // ordered by index, consecutive

    API_ProjectNoteInfo notes{};
    std::vector<std::array<GS::UniString, 3>> autotexts; // first, key, value

    std::vector<API_Neig> selection;

    // Host faults that SetProject injects, on top of any a test set before.
    std::vector<InjectedFault> faults;
    std::optional<Int32> cancelAfter; // see Faults::CancelAfter

    Element* FindElement(const API_Guid& guid);
    const Element* FindElement(const API_Guid& guid) const;
    // Looked up through an index that follows additions to propertyDefinitions by itself.
    const PropertyDefinition* FindPropertyDefinition(const API_Guid& guid) const;
    // Adds an element and indexes it; false when its guid is already taken.
    bool AddElement(Element element);
    // The guids of the elements of one type, in creation order. Follows additions by itself; the type
    // of an element must not change once added.
    const std::vector<API_Guid>& ElementsOfType(API_ElemTypeID type) const;
    // Makes every collision mutual: an element collides with each element that lists it.
    void MakeCollisionsMutual();

  private:
    mutable std::unordered_map<API_ElemTypeID, std::vector<API_Guid>> typeIndex_;
    mutable size_t indexedElements_ = 0;
    mutable std::unordered_map<API_Guid, size_t> definitionIndex_;
    mutable size_t indexedDefinitions_ = 0;
};

} // namespace hostplatform
