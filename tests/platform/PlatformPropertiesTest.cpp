// The stand-in host's property and classification calls.
#include "../support/HostFixture.hpp"
#include "ACAPinc.hpp"
#include "hostplatform/Faults.hpp"
#include "hostplatform/Host.hpp"
#include "hostplatform/ProjectBuilder.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace hostplatform;

namespace {

class PlatformProperties : public HostTest {
  protected:
    std::vector<std::string> DefinitionNames(const API_Guid& element, API_PropertyDefinitionFilter filter) {
        GS::Array<API_PropertyDefinition> definitions{API_PropertyDefinition()};
        EXPECT_EQ(ACAPI_Element_GetPropertyDefinitions(element, filter, definitions), NoError);
        std::vector<std::string> names;
        for (const API_PropertyDefinition& definition : definitions)
            names.push_back(definition.name.ToUtf8());
        return names;
    }

    ProjectBuilder b;
};

using Names = std::vector<std::string>;
using GuidPair = GS::Pair<API_Guid, API_Guid>;

API_Variant Variant(API_VariantType type) {
    API_Variant variant;
    variant.type = type;
    return variant;
}

API_Property Single(API_PropertyCollectionType collection, const API_Variant& variant) {
    API_Property property;
    property.definition.collectionType = collection;
    property.value.singleVariant.variant = variant;
    return property;
}

std::string ValueText(const API_Property& property) {
    GS::UniString text("stale");
    EXPECT_EQ(ACAPI_Property_GetPropertyValueString(property, &text), NoError);
    return text.ToUtf8();
}

} // namespace

TEST_F(PlatformProperties, DefinitionsFollowTheElementsOrderUnderEachFilter) {
    const API_Guid wall = b.AddElement(API_WallID)
                              .Property("Meeteenheid wand", "m2 - oppervlakte")
                              .BuiltInProperty("Oppervlakte", 12.0)
                              .Property("Handelsgewicht (kg/m)", 12.4);
    const API_Guid bare = b.AddElement(API_WallID);
    b.Install();

    EXPECT_EQ(DefinitionNames(wall, API_PropertyDefinitionFilter_UserDefined),
              (Names{"Meeteenheid wand", "Handelsgewicht (kg/m)"}));
    EXPECT_EQ(DefinitionNames(wall, API_PropertyDefinitionFilter_BuiltIn), (Names{"Oppervlakte"}));
    EXPECT_EQ(DefinitionNames(wall, API_PropertyDefinitionFilter_All),
              (Names{"Meeteenheid wand", "Oppervlakte", "Handelsgewicht (kg/m)"}));
    EXPECT_TRUE(DefinitionNames(bare, API_PropertyDefinitionFilter_All).empty());
}

TEST_F(PlatformProperties, DuplicateAndInvisibleDefinitionsAreListedInTheElementsOrder) {
    const API_Guid first = b.DefineProperty("Dikte");
    const API_Guid second = b.DefineProperty("Dikte");
    const API_Guid hidden = b.DefineProperty("Verborgen");
    const API_Guid slab = b.AddElement(API_SlabID)
                              .PropertyOf(second, 2.0)
                              .PropertyOf(hidden, 1.0, false)
                              .PropertyOf(first, 1.0);
    b.Install();

    GS::Array<API_PropertyDefinition> definitions;
    ASSERT_EQ(ACAPI_Element_GetPropertyDefinitions(slab, API_PropertyDefinitionFilter_All, definitions),
              NoError);
    ASSERT_EQ(definitions.GetSize(), 3u);
    EXPECT_EQ(definitions[0].guid, second);
    EXPECT_EQ(definitions[1].guid, hidden);
    EXPECT_EQ(definitions[2].guid, first);

    EXPECT_TRUE(ACAPI_Element_IsPropertyDefinitionVisible(slab, second));
    EXPECT_FALSE(ACAPI_Element_IsPropertyDefinitionVisible(slab, hidden));
    EXPECT_FALSE(ACAPI_Element_IsPropertyDefinitionVisible(slab, b.NewGuid()));
    EXPECT_FALSE(ACAPI_Element_IsPropertyDefinitionVisible(b.NewGuid(), first));
}

TEST_F(PlatformProperties, ValuesByGuidAnswerEveryRequestedDefinition) {
    const API_Guid lacking = b.DefineProperty("Gewicht materiaal");
    const API_Guid beam = b.AddElement(API_BeamID).Property("Handelsgewicht (kg/m)", 12.4);
    const API_Guid present =
        b.PropertyNamed("Handelsgewicht (kg/m)", API_PropertyRealValueType, API_PropertySingleCollectionType,
                        API_PropertyCustomDefinitionType);
    b.Install();

    GS::Array<API_Property> properties{API_Property()};
    ASSERT_EQ(ACAPI_Element_GetPropertyValuesByGuid(beam, {present, lacking}, properties), NoError);
    ASSERT_EQ(properties.GetSize(), 2u);
    EXPECT_EQ(properties[0].status, API_Property_HasValue);
    EXPECT_EQ(properties[0].definition.name, "Handelsgewicht (kg/m)");
    EXPECT_EQ(properties[0].definition.collectionType, API_PropertySingleCollectionType);
    EXPECT_DOUBLE_EQ(properties[0].value.singleVariant.variant.doubleValue, 12.4);
    EXPECT_EQ(properties[1].status, API_Property_NotAvailable);
    EXPECT_EQ(properties[1].definition.name, "Gewicht materiaal");
    EXPECT_EQ(properties[1].value.singleVariant.variant.type, API_PropertyUndefinedValueType);
    EXPECT_EQ(ValueText(properties[1]), "");

    EXPECT_EQ(ACAPI_Element_GetPropertyValuesByGuid(beam, {present, b.NewGuid()}, properties), APIERR_BADID);

    hostplatform::Faults::AnswerAtMost("ACAPI_Element_GetPropertyValuesByGuid", 1);
    ASSERT_EQ(ACAPI_Element_GetPropertyValuesByGuid(beam, {lacking, present}, properties), NoError);
    ASSERT_EQ(properties.GetSize(), 1u);
    EXPECT_EQ(properties[0].definition.name, "Gewicht materiaal");
}

TEST_F(PlatformProperties, ValueTextsFollowTheHostsRules) {
    API_Variant integer = Variant(API_PropertyIntegerValueType);
    integer.intValue = -42;
    API_Variant real = Variant(API_PropertyRealValueType);
    real.doubleValue = 2.5;
    API_Variant text = Variant(API_PropertyStringValueType);
    text.uniStringValue = "m2 - oppervlakte";
    API_Variant yes = Variant(API_PropertyBooleanValueType);
    yes.boolValue = true;
    API_Variant guid = Variant(API_PropertyGuidValueType);
    guid.guidValue.time_low = 0xABCDEF01;

    EXPECT_EQ(ValueText(Single(API_PropertySingleCollectionType, integer)), "-42");
    EXPECT_EQ(ValueText(Single(API_PropertySingleCollectionType, real)), "2.5");
    EXPECT_EQ(ValueText(Single(API_PropertySingleChoiceEnumerationCollectionType, text)), "m2 - oppervlakte");
    EXPECT_EQ(ValueText(Single(API_PropertySingleCollectionType, yes)), "true");
    EXPECT_EQ(ValueText(Single(API_PropertySingleCollectionType, Variant(API_PropertyBooleanValueType))),
              "false");
    EXPECT_EQ(ValueText(Single(API_PropertySingleCollectionType, guid)),
              "ABCDEF01-0000-0000-0000-000000000000");
    EXPECT_EQ(ValueText(Single(API_PropertySingleCollectionType, Variant(API_PropertyUndefinedValueType))),
              "");

    API_Property choices = Single(API_PropertyMultipleChoiceEnumerationCollectionType, text);
    choices.value.listVariant.variants = {integer, real};
    EXPECT_EQ(ValueText(choices), "-42; 2.5");
    API_Property missing = Single(API_PropertySingleCollectionType, real);
    missing.status = API_Property_NotAvailable;
    EXPECT_EQ(ValueText(missing), "");
    EXPECT_EQ(ACAPI_Property_GetPropertyValueString(missing, nullptr), APIERR_BADPARS);
}

TEST_F(PlatformProperties, AListPropertyReadsAsItsJoinedTexts) {
    const API_Guid zone = b.AddElement(API_ZoneID).ListProperty("Afwerking", {"tegels", "verf", "plint"});
    b.Install();
    GS::Array<API_PropertyDefinition> definitions;
    ASSERT_EQ(
        ACAPI_Element_GetPropertyDefinitions(zone, API_PropertyDefinitionFilter_UserDefined, definitions),
        NoError);
    ASSERT_EQ(definitions.GetSize(), 1u);
    EXPECT_EQ(definitions[0].collectionType, API_PropertyListCollectionType);

    GS::Array<API_Property> properties;
    ASSERT_EQ(ACAPI_Element_GetPropertyValuesByGuid(zone, {definitions[0].guid}, properties), NoError);
    EXPECT_EQ(ValueText(properties[0]), "tegels; verf; plint");
}

TEST_F(PlatformProperties, ClassificationSystemsItemsAndChildren) {
    const API_Guid other = b.AddSystem("NL-SfB");
    const API_Guid qelm = b.AddSystem("QELM");
    const API_Guid root = b.AddItem(qelm, APINULLGuid, "20.", "Metselwerk");
    const API_Guid child = b.AddItem(qelm, root, "20.13.", "Gevelmetselwerk", "m2\n\n12,50");
    b.Install();

    GS::Array<API_ClassificationSystem> systems;
    ASSERT_EQ(ACAPI_Classification_GetClassificationSystems(systems), NoError);
    ASSERT_EQ(systems.GetSize(), 2u);
    EXPECT_EQ(systems[0].guid, other);
    EXPECT_EQ(systems[1].name, "QELM");

    GS::Array<API_ClassificationItem> items;
    ASSERT_EQ(ACAPI_Classification_GetClassificationSystemRootItems(qelm, items), NoError);
    ASSERT_EQ(items.GetSize(), 1u);
    EXPECT_EQ(items[0].id, "20.");
    ASSERT_EQ(ACAPI_Classification_GetClassificationItemChildren(root, items), NoError);
    ASSERT_EQ(items.GetSize(), 1u);
    EXPECT_EQ(items[0].guid, child);
    ASSERT_EQ(ACAPI_Classification_GetClassificationItemChildren(child, items), NoError);
    EXPECT_TRUE(items.IsEmpty());

    API_ClassificationSystem system;
    system.guid = qelm;
    ASSERT_EQ(ACAPI_Classification_GetClassificationSystem(system), NoError);
    EXPECT_EQ(system.name, "QELM");
    API_ClassificationItem item;
    item.guid = child;
    ASSERT_EQ(ACAPI_Classification_GetClassificationItem(item), NoError);
    EXPECT_EQ(item.name, "Gevelmetselwerk");
    EXPECT_EQ(item.description, "m2\n\n12,50");

    const API_Guid unknown = b.NewGuid();
    EXPECT_EQ(ACAPI_Classification_GetClassificationSystemRootItems(unknown, items), APIERR_BADID);
    EXPECT_EQ(ACAPI_Classification_GetClassificationItemChildren(unknown, items), APIERR_BADID);
    system.guid = unknown;
    EXPECT_EQ(ACAPI_Classification_GetClassificationSystem(system), APIERR_BADID);
    item.guid = unknown;
    EXPECT_EQ(ACAPI_Classification_GetClassificationItem(item), APIERR_BADID);
}

TEST_F(PlatformProperties, ClassificationsOfElementsAndBuildingMaterials) {
    const API_Guid qelm = b.AddSystem("QELM");
    const API_Guid shown = b.AddItem(qelm, APINULLGuid, "20.13.", "Gevelmetselwerk");
    const API_Guid hidden = b.AddItem(qelm, APINULLGuid, "27.10.", "Isolatie");
    const API_Guid wall = b.AddElement(API_WallID).Classify(qelm, hidden, false).Classify(qelm, shown);
    const auto brick = b.AddBuildingMaterial("Baksteen", "BK", "gevelsteen");
    b.ClassifyMaterial(brick, qelm, shown);
    const auto layer = b.AddLayer("21 Buitenwanden");
    b.Install();

    GS::Array<GuidPair> pairs;
    ASSERT_EQ(ACAPI_Element_GetClassificationItems(wall, pairs), NoError);
    EXPECT_EQ(pairs, (GS::Array<GuidPair>{GuidPair(qelm, hidden), GuidPair(qelm, shown)}));
    EXPECT_TRUE(ACAPI_Element_IsClassificationItemVisible(wall, shown));
    EXPECT_FALSE(ACAPI_Element_IsClassificationItemVisible(wall, hidden));
    EXPECT_FALSE(ACAPI_Element_IsClassificationItemVisible(wall, qelm));

    API_Attr_Head head;
    head.typeID = API_BuildingMaterialID;
    head.index = brick;
    ASSERT_EQ(ACAPI_Attribute_GetClassificationItems(head, pairs), NoError);
    EXPECT_EQ(pairs, (GS::Array<GuidPair>{GuidPair(qelm, shown)}));
    EXPECT_TRUE(ACAPI_Attribute_IsClassificationItemVisible(head, shown));
    EXPECT_FALSE(ACAPI_Attribute_IsClassificationItemVisible(head, hidden));

    head.index = brick + 1;
    EXPECT_EQ(ACAPI_Attribute_GetClassificationItems(head, pairs), APIERR_BADINDEX);
    head.typeID = API_LayerID;
    head.index = layer;
    ASSERT_EQ(ACAPI_Attribute_GetClassificationItems(head, pairs), NoError);
    EXPECT_TRUE(pairs.IsEmpty());
    EXPECT_FALSE(ACAPI_Attribute_IsClassificationItemVisible(head, shown));
}
