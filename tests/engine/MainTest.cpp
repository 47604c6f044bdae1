#include "engine/host/Main.hpp"

#include "../support/AddOnFixture.hpp"

#include "ACAPinc.hpp"
#include "hostplatform/Faults.hpp"
#include "hostplatform/ProjectBuilder.hpp"

#include <cmath>
#include <limits>

using hostplatform::Faults;
using hostplatform::ProjectBuilder;

namespace {

// ---- Pure helpers ----

TEST(MainRoundTest, TruncatesAfterAddingAHalf) {
    struct Case {
        double x;
        int n;
        double expected;
    };
    const Case cases[] = {
        {1.25, 1, 1.3}, {-1.25, 1, -1.2}, {-1.26, 1, -1.2}, {-1.24, 1, -1.1}, {2.6, 0, 3.0},
        {2.6, -2, 3.0}, {2.4, 0, 2.0},    {0.0, 3, 0.0},    {5.5, 1, 5.5},    {123.456, 2, 123.46},
    };
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(Main::Round(c.x, c.n), c.expected) << c.x << " to " << c.n << " decimals";
}

TEST(MainRoundTest, LeavesValuesBeyondTheIntegerRangeUnchanged) {
    EXPECT_DOUBLE_EQ(Main::Round(1e300, 2), 1e300);
    EXPECT_DOUBLE_EQ(Main::Round(-1e19, 0), -1e19);
    EXPECT_TRUE(std::isnan(Main::Round(std::numeric_limits<double>::quiet_NaN(), 1)));
}

TEST(MainTextTest, StringsMatchIgnoresCaseAndSpacesButNotTabs) {
    EXPECT_TRUE(Main::StringsMatch("Zone Naam", "zonenaam"));
    EXPECT_TRUE(Main::StringsMatch(" ZONE  naam ", "zone naam"));
    EXPECT_TRUE(Main::StringsMatch("ÉÉN Ö", "één ö"));
    EXPECT_FALSE(Main::StringsMatch("Zone\tnaam", "Zone naam"));
    EXPECT_FALSE(Main::StringsMatch("Zone naam", "Zone nummer"));
}

TEST(MainTextTest, StartsWithIgnoresCaseAndRefusesShorterText) {
    EXPECT_TRUE(Main::StartsWith("20.13.10.", "20.13."));
    EXPECT_TRUE(Main::StartsWith("QELM Wand", "qelm"));
    EXPECT_FALSE(Main::StartsWith("20.", "20.13."));
    EXPECT_FALSE(Main::StartsWith("21.13.", "20."));
    EXPECT_TRUE(Main::StartsWith("", ""));
}

API_Variant Variant(API_VariantType type) {
    API_Variant variant;
    variant.type = type;
    return variant;
}

TEST(MainTextTest, ToStringOfEachVariantType) {
    API_Variant integer = Variant(API_PropertyIntegerValueType);
    integer.intValue = -42;
    API_Variant real = Variant(API_PropertyRealValueType);
    real.doubleValue = 2.5;
    API_Variant text = Variant(API_PropertyStringValueType);
    text.uniStringValue = "baksteen";
    API_Variant boolean = Variant(API_PropertyBooleanValueType);
    boolean.boolValue = true;
    API_Variant guid = Variant(API_PropertyGuidValueType);
    guid.guidValue.time_low = 0x01020304;
    guid.guidValue.node[5] = 0xAB;

    EXPECT_EQ(Main::ToString(Variant(API_PropertyUndefinedValueType)), "Undefined Value");
    EXPECT_EQ(Main::ToString(integer), "-42");
    EXPECT_EQ(Main::ToString(real), "2.5");
    EXPECT_EQ(Main::ToString(text), "baksteen");
    EXPECT_EQ(Main::ToString(boolean), "1");
    EXPECT_EQ(Main::ToString(guid), "01020304-0000-0000-0000-0000000000AB");
    EXPECT_EQ(Main::ToString(Variant(9)), "Invalid Value");
}

TEST(MainTextTest, ToStringOfSingleListAndUnknownCollections) {
    API_Property property;
    property.definition.collectionType = API_PropertySingleChoiceEnumerationCollectionType;
    property.value.singleVariant.variant = Variant(API_PropertyStringValueType);
    property.value.singleVariant.variant.uniStringValue = "  m2 - oppervlakte ";
    EXPECT_EQ(Main::ToString(property), "m2 - oppervlakte");

    property.definition.collectionType = API_PropertyListCollectionType;
    API_Variant one = Variant(API_PropertyIntegerValueType);
    one.intValue = 1;
    property.value.listVariant.variants = {one, Variant(API_PropertyUndefinedValueType)};
    EXPECT_EQ(Main::ToString(property), "[1, Undefined Value]");
    property.value.listVariant.variants.Clear();
    EXPECT_EQ(Main::ToString(property), "[]");

    property.definition.collectionType = API_PropertyUndefinedCollectionType;
    EXPECT_EQ(Main::ToString(property), "");
}

TEST(MainSelectionKindTest, CoversTypesOneToFortyFiveOnly) {
    for (API_ElemTypeID type = API_WallID; type <= API_MorphID; ++type)
        EXPECT_EQ(Main::Elem_To_NeigID(type), APINeigOfElemType(type)) << "type " << type;
    for (const API_ElemTypeID type : std::initializer_list<API_ElemTypeID>{
             API_ZombieElemID, API_ChangeMarkerID, API_StairID, API_OpeningID, -1})
        EXPECT_EQ(Main::Elem_To_NeigID(type), APINeig_None) << "type " << type;
}

// ---- Properties by name ----

class MainPropertyTest : public AddOnTest {};

TEST_F(MainPropertyTest, FirstVisibleDefinitionOfTheNameIsRead) {
    ProjectBuilder b;
    const API_Guid first = b.DefineProperty("Dikte");
    const API_Guid second = b.DefineProperty("dikte ");
    const API_Guid hiddenFirst =
        b.AddElement(API_WallID).Id("W-1").PropertyOf(first, 1.0, false).PropertyOf(second, 2.0);
    const API_Guid bothVisible =
        b.AddElement(API_WallID).Id("W-2").PropertyOf(first, 3.0).PropertyOf(second, 4.0);
    b.Install();

    EXPECT_DOUBLE_EQ(Main::GetUserDefinedProperty(hiddenFirst, "DIKTE"), 2.0);
    EXPECT_DOUBLE_EQ(Main::GetUserDefinedProperty(bothVisible, "Dik te"), 3.0);
}

TEST_F(MainPropertyTest, ListValuedMissingAndUnreadableAreToldApart) {
    ProjectBuilder b;
    const API_Guid wall = b.AddElement(API_WallID)
                              .Id("W-1")
                              .Property("Gewicht materiaal", 7.5)
                              .Property("Nul", 0.0)
                              .ListProperty("Kleuren", {"rood", "wit"});
    b.Install();

    EXPECT_DOUBLE_EQ(Main::GetUserDefinedProperty(wall, "gewichtmateriaal"), 7.5);
    EXPECT_DOUBLE_EQ(Main::GetUserDefinedProperty(wall, "Nul"), 0.0);
    EXPECT_DOUBLE_EQ(Main::GetUserDefinedProperty(wall, "Kleuren"), 0.0);
    EXPECT_DOUBLE_EQ(Main::GetUserDefinedProperty(wall, "Ontbreekt"), -1.0);
    EXPECT_DOUBLE_EQ(Main::GetUserDefinedProperty(b.NewGuid(), "Gewicht materiaal"), -1.0);

    Faults::FailCallFor("ACAPI_Element_Get", wall);
    EXPECT_DOUBLE_EQ(Main::GetUserDefinedProperty(wall, "Gewicht materiaal"), -1.0);
    Faults::Clear();
    Faults::AnswerAtMost("ACAPI_Element_GetPropertyValuesByGuid", 0);
    EXPECT_DOUBLE_EQ(Main::GetUserDefinedProperty(wall, "Gewicht materiaal"), -1.0) << "no value answered";
}

TEST_F(MainPropertyTest, FilterKeepsBuiltInAndUserDefinedApart) {
    ProjectBuilder b;
    const API_Guid wall = b.AddElement(API_WallID).BuiltInProperty("Volume", 3.0).Property("Volume", 5.0);
    const API_Guid slab = b.AddElement(API_SlabID).BuiltInProperty("Oppervlakte", 9.0);
    b.Install();

    EXPECT_DOUBLE_EQ(Main::GetBuiltInProperty(wall, "Volume"), 3.0);
    EXPECT_DOUBLE_EQ(Main::GetUserDefinedProperty(wall, "Volume"), 5.0);
    EXPECT_DOUBLE_EQ(Main::GetUserDefinedProperty(slab, "Oppervlakte"), -1.0);
    EXPECT_DOUBLE_EQ(Main::GetProperty(slab, "Oppervlakte", API_PropertyDefinitionFilter_All), 9.0);

    API_Element element;
    ASSERT_TRUE(Main::GetElement(wall, element));
    EXPECT_DOUBLE_EQ(Main::GetUserDefinedProperty(element, "volume"), 5.0);
    EXPECT_DOUBLE_EQ(Main::GetUserDefinedProperty(element, "Oppervlakte"), -1.0);
}

TEST_F(MainPropertyTest, HostFailuresLeaveTheCallersRecordAlone) {
    ProjectBuilder b;
    const API_Guid definition = b.DefineProperty("Dikte");
    const API_Guid wall = b.AddElement(API_WallID).PropertyOf(definition, 0.3);
    b.Install();
    API_Element element;
    ASSERT_TRUE(Main::GetElement(wall, element));

    for (const char* call : {"ACAPI_Element_GetPropertyDefinitions", "ACAPI_Element_GetPropertyValuesByGuid",
                             "ACAPI_Element_IsPropertyDefinitionVisible"}) {
        hostplatform::Faults::Clear();
        Faults::FailCall(call);
        API_Property property;
        property.definition.name = "untouched";
        EXPECT_FALSE(
            Main::GetElementProperty(element, "Dikte", API_PropertyDefinitionFilter_UserDefined, property))
            << call;
        EXPECT_EQ(property.definition.name, "untouched") << call;
        EXPECT_DOUBLE_EQ(Main::GetUserDefinedProperty(wall, "Dikte"), -1.0) << call;
    }
}

TEST_F(MainPropertyTest, PropertyStringIsTheHostsTextOrEmpty) {
    ProjectBuilder b;
    const API_Guid wall =
        b.AddElement(API_WallID).Property("Meeteenheid wand", "M2 - Oppervlakte").Property("Dikte", 2.5);
    b.Install();

    EXPECT_EQ(Main::GetUserDefinedPropertyString(wall, "meeteenheid wand"), "M2 - Oppervlakte");
    EXPECT_EQ(Main::GetUserDefinedPropertyString(wall, "Dikte"), "2.5");
    EXPECT_EQ(Main::GetUserDefinedPropertyString(wall, "Ontbreekt"), "");
    EXPECT_EQ(Main::GetUserDefinedPropertyString(b.NewGuid(), "Dikte"), "");

    Faults::FailCall("ACAPI_Property_GetPropertyValueString");
    EXPECT_EQ(Main::GetUserDefinedPropertyString(wall, "Dikte"), "");
}

// ---- Element IDs ----

class MainElementIdTest : public AddOnTest {};

GS::UniString IdOf(const API_Guid& guid) {
    API_Element element;
    EXPECT_TRUE(Main::GetElement(guid, element));
    return Main::GetElementID(element);
}

TEST_F(MainElementIdTest, OpeningIsNamedAfterItsOwner) {
    ProjectBuilder b;
    const API_Guid wall = b.AddElement(API_WallID).Id("W-01");
    const API_Guid opening = b.AddElement(API_OpeningID).Owner(wall);
    const API_Guid orphan = b.AddElement(API_OpeningID).Owner(b.NewGuid());
    b.Install();

    EXPECT_EQ(IdOf(opening), "Opening / W-01");
    EXPECT_EQ(IdOf(orphan), "Opening");
    Faults::FailCallFor("ACAPI_Element_Get", wall);
    EXPECT_EQ(IdOf(opening), "Opening");
}

TEST_F(MainElementIdTest, MemoFlagDecidesExceptForStairsAndRailings) {
    ProjectBuilder b;
    const API_Guid wall = b.AddElement(API_WallID).Id("  W-02\t");
    const API_Guid bare = b.AddElement(API_WallID).NoMemo();
    const API_Guid stair = b.AddElement(API_StairID).Id("TR-1");
    const API_Guid railing = b.AddElement(API_RailingID).Id("RL-1");
    b.Install();

    EXPECT_EQ(IdOf(wall), "W-02");
    EXPECT_EQ(IdOf(bare), "");

    // Records whose header denies a memo the host still has: only stairs and railings ask anyway.
    for (const auto& [guid, expected] :
         {std::pair{wall, ""}, std::pair{stair, "TR-1"}, std::pair{railing, "RL-1"}}) {
        API_Element element;
        ASSERT_TRUE(Main::GetElement(guid, element));
        element.header.hasMemo = false;
        EXPECT_EQ(Main::GetElementID(element), expected);
    }

    Faults::FailCallFor("ACAPI_Element_GetMemo", wall);
    EXPECT_EQ(IdOf(wall), "");
}

// ---- Stories, library parts, selection ----

class MainProjectTest : public AddOnTest {};

TEST_F(MainProjectTest, StoryNames) {
    ProjectBuilder b;
    b.AddStory(-1, "Kelder");
    b.AddStory(0, "Gelijkvloers");
    b.AddStory(1, "Verdieping");
    b.AddStory(2, "Zolder");
    b.AddStory(3, "");
    const API_Guid cellar = b.AddElement(API_WallID).Story(-1);
    const API_Guid unnamed = b.AddElement(API_WallID).Story(3);
    const API_Guid above = b.AddElement(API_WallID).Story(4);
    const API_Guid below = b.AddElement(API_WallID).Story(-2);
    b.Install();

    API_Element element;
    const auto storyOf = [&](const API_Guid& guid) {
        EXPECT_TRUE(Main::GetElement(guid, element));
        return Main::GetStoryName(element);
    };
    EXPECT_EQ(storyOf(cellar), "Kelder");
    EXPECT_EQ(storyOf(unnamed), "3. Story");
    EXPECT_EQ(storyOf(above), "");
    EXPECT_EQ(storyOf(below), "");
    Faults::FailCall("ACAPI_ProjectSetting_GetStorySettings");
    EXPECT_EQ(storyOf(cellar), "");
}

TEST_F(MainProjectTest, LibraryPartNames) {
    ProjectBuilder b;
    const Int32 window = b.AddLibPart(APILib_WindowID, "Raam 2V");
    const Int32 door = b.AddLibPart(APILib_DoorID, "Deur 1V");
    const Int32 object = b.AddLibPart(APILib_ObjectID, "Kast");
    const Int32 lamp = b.AddLibPart(APILib_LampID, "Spot");
    const API_Guid windowElem = b.AddElement(API_WindowID).LibPart(window);
    const API_Guid doorElem = b.AddElement(API_DoorID).LibPart(door);
    const API_Guid objectElem = b.AddElement(API_ObjectID).LibPart(object);
    const API_Guid lampElem = b.AddElement(API_LampID).LibPart(lamp);
    const API_Guid noPart = b.AddElement(API_WindowID).LibPart(0);
    const API_Guid wall = b.AddElement(API_WallID);
    b.Install();

    EXPECT_EQ(Main::GetLibPartName(windowElem), "Raam 2V");
    EXPECT_EQ(Main::GetLibPartName(doorElem), "Deur 1V");
    EXPECT_EQ(Main::GetLibPartName(objectElem), "Kast");
    EXPECT_EQ(Main::GetLibPartName(lampElem), "");
    EXPECT_EQ(Main::GetLibPartName(noPart), "");
    EXPECT_EQ(Main::GetLibPartName(wall), "");
    EXPECT_EQ(Main::GetLibPartName(b.NewGuid()), "");

    API_Element element;
    API_LibPart libPart;
    ASSERT_TRUE(Main::GetElement(doorElem, element));
    ASSERT_TRUE(Main::GetLibPart(element, libPart));
    EXPECT_EQ(libPart.typeID, APILib_DoorID);
    EXPECT_EQ(libPart.index, door);

    Faults::FailCallForIndex("ACAPI_LibraryPart_Get", door);
    EXPECT_FALSE(Main::GetLibPart(element, libPart));
    EXPECT_EQ(Main::GetLibPartName(doorElem), "");
    EXPECT_EQ(Main::GetLibPartName(windowElem), "Raam 2V");
}

TEST_F(MainProjectTest, SelectElementsAddsToTheSelectionInOrder) {
    ProjectBuilder b;
    const API_Guid a = b.AddElement(API_WallID);
    const API_Guid c = b.AddElement(API_SlabID);
    const API_Guid d = b.AddElement(API_ZoneID);
    b.Select({a});
    b.Install();

    EXPECT_TRUE(Main::SelectElements({d, c}));
    const std::vector<API_Neig>& selection = hostplatform::CurrentProject().selection;
    ASSERT_EQ(selection.size(), 3u);
    EXPECT_EQ(selection[0].guid, a);
    EXPECT_EQ(selection[1].guid, d);
    EXPECT_EQ(selection[2].guid, c);

    Faults::FailCall("ACAPI_Selection_Select");
    EXPECT_FALSE(Main::SelectElements({a}));
}

} // namespace
