// Element properties of the stand-in host.
#include "ACAPinc.hpp"
#include "hostplatform/Faults.hpp"
#include "hostplatform/Host.hpp"
#include "hostplatform/HostCalls.hpp"

#include <algorithm>

using hostplatform::Faults;
using hostplatform::HostCalls;

namespace {

bool PassesFilter(const hostplatform::PropertyDefinition& definition, API_PropertyDefinitionFilter filter) {
    switch (filter) {
    case API_PropertyDefinitionFilter_UserDefined:
        return definition.definitionType == API_PropertyCustomDefinitionType;
    case API_PropertyDefinitionFilter_BuiltIn:
        return definition.definitionType == API_PropertyStaticBuiltInDefinitionType;
    default:
        return true;
    }
}

API_PropertyDefinition ToApi(const hostplatform::PropertyDefinition& definition) {
    API_PropertyDefinition result;
    result.guid = definition.guid;
    result.definitionType = definition.definitionType;
    result.name = definition.name;
    result.collectionType = definition.collectionType;
    result.valueType = definition.valueType;
    return result;
}

const hostplatform::ElementProperty* FindProperty(const hostplatform::Element& element,
                                                  const API_Guid& definition) {
    const auto found = std::find_if(element.properties.begin(), element.properties.end(),
                                    [&](const auto& property) { return property.definition == definition; });
    return found == element.properties.end() ? nullptr : &*found;
}

GS::UniString VariantText(const API_Variant& variant) {
    switch (variant.type) {
    case API_PropertyIntegerValueType:
        return GS::UniString::Printf("%d", variant.intValue);
    case API_PropertyRealValueType:
        return GS::ValueToUniString(variant.doubleValue);
    case API_PropertyStringValueType:
        return variant.uniStringValue;
    case API_PropertyBooleanValueType:
        return variant.boolValue ? "true" : "false";
    case API_PropertyGuidValueType:
        return APIGuidToString(variant.guidValue);
    default:
        return GS::UniString();
    }
}

GS::UniString ListText(const GS::Array<API_Variant>& variants) {
    GS::UniString text;
    for (UInt32 i = 0; i < variants.GetSize(); ++i) {
        if (i > 0)
            text += "; ";
        text += VariantText(variants[i]);
    }
    return text;
}

} // namespace

GSErrCode ACAPI_Element_GetPropertyDefinitions(const API_Guid& elemGuid, API_PropertyDefinitionFilter filter,
                                               GS::Array<API_PropertyDefinition>& definitions) {
    const HostCalls::Call counted(__func__);
    if (const auto fault = Faults::Check(__func__, elemGuid))
        return *fault;
    if (filter < API_PropertyDefinitionFilter_UserDefined || filter > API_PropertyDefinitionFilter_All)
        return APIERR_BADPARS;
    const hostplatform::Project& project = hostplatform::CurrentProject();
    const hostplatform::Element* element = project.FindElement(elemGuid);
    if (element == nullptr)
        return APIERR_BADID;
    definitions.Clear();
    for (const hostplatform::ElementProperty& property : element->properties) {
        const hostplatform::PropertyDefinition* definition =
            project.FindPropertyDefinition(property.definition);
        if (definition == nullptr || !PassesFilter(*definition, filter))
            continue;
        const bool listed = std::any_of(definitions.begin(), definitions.end(),
                                        [&](const auto& d) { return d.guid == definition->guid; });
        if (!listed)
            definitions.Push(ToApi(*definition));
    }
    return NoError;
}

bool ACAPI_Element_IsPropertyDefinitionVisible(const API_Guid& elemGuid,
                                               const API_Guid& propertyDefinitionGuid) {
    const HostCalls::Call counted(__func__);
    if (Faults::Check(__func__, elemGuid) || Faults::Check(__func__, propertyDefinitionGuid))
        return false;
    const hostplatform::Element* element = hostplatform::CurrentProject().FindElement(elemGuid);
    const hostplatform::ElementProperty* property =
        element == nullptr ? nullptr : FindProperty(*element, propertyDefinitionGuid);
    return property != nullptr && property->visible;
}

GSErrCode ACAPI_Element_GetPropertyValuesByGuid(const API_Guid& elemGuid,
                                                const GS::Array<API_Guid>& propertyDefinitions,
                                                GS::Array<API_Property>& properties) {
    const HostCalls::Call counted(__func__);
    if (const auto fault = Faults::Check(__func__, elemGuid))
        return *fault;
    for (const API_Guid& definition : propertyDefinitions)
        if (const auto fault = Faults::Check(__func__, definition))
            return *fault;
    const hostplatform::Project& project = hostplatform::CurrentProject();
    const hostplatform::Element* element = project.FindElement(elemGuid);
    if (element == nullptr)
        return APIERR_BADID;
    for (const API_Guid& definition : propertyDefinitions)
        if (project.FindPropertyDefinition(definition) == nullptr)
            return APIERR_BADID;

    properties.Clear();
    const UInt32 answered = Faults::AnswerLimit(__func__).value_or(propertyDefinitions.GetSize());
    for (const API_Guid& definition : propertyDefinitions) {
        if (properties.GetSize() == answered)
            break;
        API_Property property;
        property.definition = ToApi(*project.FindPropertyDefinition(definition));
        if (const hostplatform::ElementProperty* own = FindProperty(*element, definition)) {
            property.status = API_Property_HasValue;
            property.value = own->value;
        } else {
            property.status = API_Property_NotAvailable;
        }
        properties.Push(property);
    }
    return NoError;
}

GSErrCode ACAPI_Property_GetPropertyValueString(const API_Property& property, GS::UniString* propertyValue) {
    const HostCalls::Call counted(__func__);
    if (const auto fault = Faults::Check(__func__, property.definition.guid))
        return *fault;
    if (propertyValue == nullptr)
        return APIERR_BADPARS;
    propertyValue->Clear();
    if (property.status == API_Property_NotAvailable ||
        property.value.variantStatus != API_VariantStatusNormal)
        return NoError;
    switch (property.definition.collectionType) {
    case API_PropertySingleCollectionType:
    case API_PropertySingleChoiceEnumerationCollectionType:
        *propertyValue = VariantText(property.value.singleVariant.variant);
        break;
    case API_PropertyListCollectionType:
    case API_PropertyMultipleChoiceEnumerationCollectionType:
        *propertyValue = ListText(property.value.listVariant.variants);
        break;
    default:
        break;
    }
    return NoError;
}
