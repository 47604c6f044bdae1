#include "engine/host/HostReads.hpp"
#include "engine/host/Main.hpp"

bool Main::GetElementProperty(const API_Element& element, const GS::UniString& name,
                              API_PropertyDefinitionFilter filter, API_Property& property) {
    const API_Guid& elemGuid = element.header.guid;
    const auto definitions = hostaccess::ReadDefinitions(elemGuid, filter);
    if (!definitions)
        return false;

    const API_PropertyDefinition* taken = nullptr;
    for (const API_PropertyDefinition& definition : *definitions) {
        if (StringsMatch(definition.name, name) &&
            hostaccess::IsDefinitionVisible(elemGuid, definition.guid)) {
            taken = &definition;
            break;
        }
    }
    // Without a definition to ask for, the values request would answer nothing.
    if (taken == nullptr)
        return false;
    const auto read = hostaccess::ReadValue(elemGuid, taken->guid);
    if (!read)
        return false;
    property = *read;
    return true;
}

double Main::GetProperty(const API_Guid& guid, const GS::UniString& name,
                         API_PropertyDefinitionFilter filter) {
    API_Element element;
    API_Property property;
    if (!GetElement(guid, element) || !GetElementProperty(element, name, filter, property))
        return -1.0;
    return ToDouble(property);
}

double Main::GetUserDefinedProperty(const API_Guid& guid, const GS::UniString& name) {
    return GetProperty(guid, name, API_PropertyDefinitionFilter_UserDefined);
}

double Main::GetUserDefinedProperty(const API_Element& element, const GS::UniString& name) {
    API_Property property;
    if (!GetElementProperty(element, name, API_PropertyDefinitionFilter_UserDefined, property))
        return -1.0;
    return ToDouble(property);
}

double Main::GetBuiltInProperty(const API_Guid& guid, const GS::UniString& name) {
    return GetProperty(guid, name, API_PropertyDefinitionFilter_BuiltIn);
}

double Main::ToDouble(const API_Property& property) {
    if (property.definition.collectionType != API_PropertySingleCollectionType)
        return 0.0;
    return property.value.singleVariant.variant.doubleValue;
}

GS::UniString Main::GetUserDefinedPropertyString(API_Element element, const GS::UniString& name) {
    API_Property property;
    if (!GetElementProperty(element, name, API_PropertyDefinitionFilter_UserDefined, property))
        return GS::UniString();
    const auto text = hostaccess::ReadValueText(element.header.guid, property);
    return text ? *text : GS::UniString();
}

GS::UniString Main::GetUserDefinedPropertyString(API_Guid guid, const GS::UniString& name) {
    API_Element element;
    if (!GetElement(guid, element))
        return GS::UniString();
    return GetUserDefinedPropertyString(element, name);
}

bool Main::StringsMatch(GS::UniString a, GS::UniString b) {
    a = a.ToLowerCase();
    b = b.ToLowerCase();
    a.ReplaceAll(" ", "");
    b.ReplaceAll(" ", "");
    return a == b;
}

bool Main::StartsWith(GS::UniString text, GS::UniString prefix) {
    if (text.GetLength() < prefix.GetLength())
        return false;
    return text.ToLowerCase().BeginsWith(prefix.ToLowerCase());
}

GS::UniString Main::ToString(const API_Variant& variant) {
    switch (variant.type) {
    case API_PropertyUndefinedValueType:
        return "Undefined Value";
    case API_PropertyIntegerValueType:
        return GS::ValueToUniString(variant.intValue);
    case API_PropertyRealValueType:
        return GS::ValueToUniString(variant.doubleValue);
    case API_PropertyStringValueType:
        return variant.uniStringValue;
    case API_PropertyBooleanValueType:
        return GS::ValueToUniString(static_cast<Int32>(variant.boolValue ? 1 : 0));
    case API_PropertyGuidValueType:
        return APIGuid2GSGuid(variant.guidValue).ToUniString();
    default:
        return "Invalid Value";
    }
}

GS::UniString Main::ToString(const API_Property& property) {
    GS::UniString text;
    switch (property.definition.collectionType) {
    case API_PropertySingleCollectionType:
    case API_PropertySingleChoiceEnumerationCollectionType:
        text = ToString(property.value.singleVariant.variant);
        break;
    case API_PropertyListCollectionType:
    case API_PropertyMultipleChoiceEnumerationCollectionType: {
        text = "[";
        const GS::Array<API_Variant>& values = property.value.listVariant.variants;
        for (GS::UIndex i = 0; i < values.GetSize(); ++i) {
            if (i > 0)
                text += ", ";
            text += ToString(values[i]);
        }
        text += "]";
        break;
    }
    default:
        break;
    }
    text.Trim();
    return text;
}
