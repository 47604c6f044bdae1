#include "ElementLoader.hpp"

#include <algorithm>
#include <limits>
#include <set>
#include <type_traits>
#include <unordered_set>

namespace hostplatform::projectfile {

namespace {

constexpr Int32 kInt32Min = std::numeric_limits<Int32>::min();
constexpr Int32 kInt32Max = std::numeric_limits<Int32>::max();

// A quantity value number written as an object key: decimal digits naming 0..63.
Int32 QuantityNumber(const std::string& key, const Node& place) {
    const bool digits = !key.empty() && key.size() <= 3 &&
                        std::all_of(key.begin(), key.end(), [](char ch) { return ch >= '0' && ch <= '9'; });
    if (!digits)
        place.Fail("the key " + Quote(key) + " is no quantity value number (0.." +
                   std::to_string(API_QuantityValueCount - 1) + ")");
    const Int32 number = std::stoi(key);
    if (number >= API_QuantityValueCount)
        place.Fail("quantity value number " + key + " is out of range (0.." +
                   std::to_string(API_QuantityValueCount - 1) + ")");
    return number;
}

API_Variant ReadVariant(const Node& node, API_VariantType type) {
    API_Variant variant;
    variant.type = type;
    switch (type) {
    case API_PropertyIntegerValueType:
        variant.intValue = static_cast<Int32>(node.Integer(kInt32Min, kInt32Max));
        break;
    case API_PropertyRealValueType:
        variant.doubleValue = node.Number();
        break;
    case API_PropertyStringValueType:
        variant.uniStringValue = Uni(node.Text());
        break;
    case API_PropertyBooleanValueType:
        variant.boolValue = node.Boolean();
        break;
    default:
        variant.guidValue = ReadGuid(node);
        break;
    }
    return variant;
}

// A value as the definition says: one value, or an array for list and multiple-choice collections;
// null for a property whose value is empty.
API_PropertyValue ReadPropertyValue(const Node& node, const PropertyDefinition& definition) {
    API_PropertyValue value;
    if (node.IsNull()) {
        value.variantStatus = API_VariantStatusNull;
        return value;
    }
    const bool many = definition.collectionType == API_PropertyListCollectionType ||
                      definition.collectionType == API_PropertyMultipleChoiceEnumerationCollectionType;
    if (!many) {
        if (node.IsArray())
            node.Fail("the definition holds one value, not a list");
        value.singleVariant.variant = ReadVariant(node, definition.valueType);
        return value;
    }
    if (!node.IsArray())
        node.Fail(std::string("expected an array for a list of values, found ") + TypeInWords(node.Value()));
    for (const Node& entry : node.Elements())
        value.listVariant.variants.Push(ReadVariant(entry, definition.valueType));
    return value;
}

} // namespace

void ReadParameters(const Node& list, Element& element) {
    constexpr size_t kNameCapacity = std::extent_v<decltype(API_AddParType::name)>;
    constexpr size_t kTextCapacity = sizeof(API_AddParType{}.value.uStr) / sizeof(GS::uchar_t);
    for (const Node& entry : list.Elements()) {
        entry.Expect({"name", "value", "array"}, "a parameter");
        Parameter parameter;
        parameter.name = entry.At("name").FixedBytes(kNameCapacity);
        if (entry.Has("array")) {
            if (entry.Has("value"))
                entry.At("value").Fail("an array parameter has no simple value");
            if (!entry.At("array").Boolean())
                entry.At("array").Fail("leave \"array\" out for a simple value");
            parameter.isArray = true;
        } else {
            const Node value = entry.At("value");
            if (value.IsText()) {
                parameter.isText = true;
                parameter.text = Uni(value.FixedUnits(kTextCapacity));
            } else if (value.Value().is_boolean()) {
                parameter.real = value.Boolean() ? 1.0 : 0.0;
            } else {
                parameter.real = value.Number();
            }
        }
        element.parameters.push_back(std::move(parameter));
    }
}

void ReadQuantities(const Node& values, Element& element) {
    std::set<Int32> seen;
    for (const auto& [key, value] : values.Members()) {
        const Int32 number = QuantityNumber(key, value);
        if (!seen.insert(number).second)
            value.Fail("quantity value " + std::to_string(number) + " is given twice");
        element.quantities.push_back(QuantityValue{number, value.Number()});
    }
}

void ReadQuantityIntegers(const Node& list, Element& element) {
    for (const Node& entry : list.Elements()) {
        entry.Expect({"number", "half", "value"}, "a quantity integer");
        QuantityInteger integer;
        integer.number = static_cast<Int32>(entry.At("number").Integer(0, API_QuantityValueCount - 1));
        integer.half = static_cast<Int32>(entry.At("half").Integer(0, 1));
        integer.value = static_cast<Int32>(entry.At("value").Integer(kInt32Min, kInt32Max));
        for (const QuantityValue& value : element.quantities)
            if (value.number == integer.number)
                entry.At("number").Fail("quantity value " + std::to_string(integer.number) +
                                        " is also given as a number in \"quantities\"");
        for (const QuantityInteger& earlier : element.quantityIntegers)
            if (earlier.number == integer.number && earlier.half == integer.half)
                entry.Fail("this half of quantity value " + std::to_string(integer.number) +
                           " is given twice");
        element.quantityIntegers.push_back(integer);
    }
}

void ReadCompositeRows(const Node& list, Element& element, const LoadContext& context) {
    for (const Node& entry : list.Elements()) {
        entry.Expect({"material", "volume", "projectedArea", "thickness"}, "a composite row");
        API_CompositeQuantity row{};
        row.buildMatIndices = context.materials.Resolve(entry.At("material"));
        row.volumes = entry.At("volume").Number();
        row.projectedArea = entry.At("projectedArea").Number();
        row.thickness = entry.NumberOr("thickness", 0.0);
        element.composites.push_back(row);
    }
}

void ReadProperties(const Node& values, Element& element, const LoadContext& context) {
    std::unordered_set<API_Guid> definitions;
    for (const auto& [reference, value] : values.Members()) {
        const Json referenceText = reference;
        ElementProperty property;
        property.definition = context.propertyDefinitions.Resolve(Node(referenceText, value.Pointer()));
        if (!definitions.insert(property.definition).second)
            value.Fail("a second value for the same property definition");
        const PropertyDefinition* definition = context.project.FindPropertyDefinition(property.definition);
        if (value.IsObject()) {
            value.Expect({"value", "visible"}, "a property value");
            property.value = ReadPropertyValue(value.At("value"), *definition);
            property.visible = value.BooleanOr("visible", true);
        } else {
            property.value = ReadPropertyValue(value, *definition);
        }
        element.properties.push_back(std::move(property));
    }
}

GS::UniString ReadIfcGlobalId(const Node& node) {
    static constexpr std::string_view kAlphabet =
        "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz_$";
    const std::string text = node.Text();
    const bool wellFormed = text.size() == 22 && text[0] >= '0' && text[0] <= '3' &&
                            text.find_first_not_of(kAlphabet) == std::string::npos;
    if (!wellFormed)
        node.Fail(Quote(text) +
                  " is no IFC GlobalId (22 characters of 0-9, A-Z, a-z, _ and $, the first 0-3)");
    return Uni(text);
}

} // namespace hostplatform::projectfile
