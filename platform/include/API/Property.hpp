// Property records of the stand-in host.
#pragma once

#include "API/Types.hpp"
#include "GS/Array.hpp"
#include "GS/UniString.hpp"

using API_VariantType = Int32;
enum : API_VariantType {
    API_PropertyUndefinedValueType = 0,
    API_PropertyIntegerValueType = 1,
    API_PropertyRealValueType = 2,
    API_PropertyStringValueType = 3,
    API_PropertyBooleanValueType = 4,
    API_PropertyGuidValueType = 5
};

struct API_Variant {
    API_VariantType type = API_PropertyUndefinedValueType;
    Int32 intValue = 0;
    double doubleValue = 0.0;
    bool boolValue = false;
    GS::UniString uniStringValue;
    API_Guid guidValue;
};

struct API_SingleVariant {
    API_Variant variant;
};
struct API_ListVariant {
    GS::Array<API_Variant> variants;
};

using API_VariantStatus = Int32;
enum : API_VariantStatus {
    API_VariantStatusNull = 0,
    API_VariantStatusUserUndefined = 1,
    API_VariantStatusNormal = 2
};

struct API_PropertyValue {
    API_VariantStatus variantStatus = API_VariantStatusNormal;
    API_SingleVariant singleVariant;
    API_ListVariant listVariant;
};

using API_PropertyCollectionType = Int32;
enum : API_PropertyCollectionType {
    API_PropertyUndefinedCollectionType = 0,
    API_PropertySingleCollectionType = 1,
    API_PropertyListCollectionType = 2,
    API_PropertySingleChoiceEnumerationCollectionType = 3,
    API_PropertyMultipleChoiceEnumerationCollectionType = 4
};

using API_PropertyDefinitionType = Int32;
enum : API_PropertyDefinitionType {
    API_PropertyCustomDefinitionType = 0,
    API_PropertyStaticBuiltInDefinitionType = 1
};

using API_PropertyDefinitionFilter = Int32;
enum : API_PropertyDefinitionFilter {
    API_PropertyDefinitionFilter_UserDefined = 0,
    API_PropertyDefinitionFilter_BuiltIn = 1,
    API_PropertyDefinitionFilter_All = 2
};

struct API_PropertyDefinition {
    API_Guid guid;
    API_Guid groupGuid;
    API_PropertyDefinitionType definitionType = API_PropertyCustomDefinitionType;
    GS::UniString name;
    GS::UniString description;
    API_PropertyCollectionType collectionType = API_PropertySingleCollectionType;
    API_VariantType valueType = API_PropertyRealValueType;
    API_PropertyValue defaultValue;
};

using API_PropertyValueStatus = Int32;
enum : API_PropertyValueStatus {
    API_Property_NotAvailable = 0,
    API_Property_HasValue = 1,
    API_Property_NotEvaluated = 2
};

struct API_Property {
    API_PropertyDefinition definition;
    API_PropertyValueStatus status = API_Property_HasValue;
    bool isDefault = false;
    API_PropertyValue value;
};
