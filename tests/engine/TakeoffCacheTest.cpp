// What the take-off keeps of the host's answers while it runs: a second take-off sees a changed model, and
// a failed read stays the failure of that element or that read only.
#include "TakeoffFixture.hpp"

#include "hostplatform/HostCalls.hpp"

using hostplatform::Faults;
using hostplatform::HostCalls;

namespace {

using Ids = std::vector<std::string>;

// A lamp filed by its "QELM extra" property, in zone 0.01 "Keuken".
void AddZonedLamp(hostplatform::ProjectBuilder& b) {
    b.AddElement(API_LampID)
        .Id("L-1")
        .Property("QELM extra", GS::UniString("40.10. Lamp"))
        .Property("Zone naam", GS::UniString("Keuken"))
        .Property("Zone nummer", GS::UniString("0.01"));
}

TEST_F(TakeoffTest, SecondTakeOffReadsTheChangedModel) {
    const API_Guid first = Item("20.10.", "m2");
    const API_Guid second = Item("20.20.", "m2");
    b.AddStory(0, "Gelijkvloers");
    const API_AttributeIndex layer = b.AddLayer("23 Vloeren");
    const API_AttributeIndex concrete = b.AddBuildingMaterial("Beton", "b", "beton");
    b.ClassifyMaterial(concrete, qelm, first);
    const API_Guid slab = b.AddElement(API_SlabID).Id("V-1").Layer(layer).Story(0).PlateBasic(concrete, 0.2);
    EXPECT_FALSE(TakeOff());
    ASSERT_EQ(ElementIDs(ArticlesOf("20.10.")), (Ids{"V-1"}));

    hostplatform::Project& project = hostplatform::CurrentProject();
    project.buildingMaterials[concrete].classifications[0].item = second;
    project.layers[layer].name = "24 Vloeren";
    project.stories[0].name = "Kelder";
    project.FindElement(slab)->elementID = "V-2";
    ClearResult();
    ASSERT_TRUE(Articles::ReadElementsFromModel(false));
    EXPECT_FALSE(Articles::EvaluateElements());

    EXPECT_TRUE(ArticlesOf("20.10.").IsEmpty());
    ASSERT_EQ(ElementIDs(ArticlesOf("20.20.")), (Ids{"V-2"}));
    EXPECT_EQ(Utf8(ArticlesOf("20.20.")[0].layerName), "24 Vloeren");
    EXPECT_EQ(Utf8(ArticlesOf("20.20.")[0].storyName), "Kelder");
}

TEST_F(TakeoffTest, UnreadablePropertyFailsOnlyItsOwnReads) {
    Item("40.10.", "st");
    AddZonedLamp(b);
    b.AddElement(API_LampID).Id("L-2").Property("QELM extra", GS::UniString("40.10. Lamp"));
    Faults::FailCallFor("ACAPI_Element_GetPropertyValuesByGuid",
                        b.PropertyNamed("Zone nummer", API_PropertyStringValueType,
                                        API_PropertySingleCollectionType, API_PropertyCustomDefinitionType));
    EXPECT_FALSE(TakeOff());

    ASSERT_EQ(ElementIDs(ArticlesOf("40.10.")), (Ids{"L-1", "L-2"}));
    const Article& lamp = ArticlesOf("40.10.")[0];
    ASSERT_EQ(lamp.zoneNames.GetSize(), 1u);
    EXPECT_EQ(Utf8(lamp.zoneNames[0]), "Keuken");
    EXPECT_EQ(Utf8(lamp.zoneNumbers[0]), "");
}

TEST_F(TakeoffTest, ShortPropertyAnswerKeepsOnlyTheValuesAnswered) {
    Item("40.10.", "st");
    AddZonedLamp(b);
    Faults::AnswerAtMost("ACAPI_Element_GetPropertyValuesByGuid", 1);
    EXPECT_FALSE(TakeOff());

    ASSERT_EQ(ElementIDs(ArticlesOf("40.10.")), (Ids{"L-1"}));
    const Article& lamp = ArticlesOf("40.10.")[0];
    ASSERT_EQ(lamp.zoneNames.GetSize(), 1u);
    EXPECT_EQ(Utf8(lamp.zoneNames[0]), "Keuken");
    EXPECT_EQ(Utf8(lamp.zoneNumbers[0]), "0.01");
}

// The host fails while the first slab is evaluated and answers again from the second on.
TEST_F(TakeoffTest, FailedProjectReadIsAskedAgain) {
    Item("20.10.", "m2");
    const API_AttributeIndex layer = b.AddLayer("23 Vloeren");
    const API_AttributeIndex concrete = b.AddBuildingMaterial("Beton", "b", "beton");
    b.ClassifyMaterial(concrete, qelm, b.AddItem(qelm, APINULLGuid, "20.10.", "Vloer"));
    for (const char* id : {"V-1", "V-2"})
        b.AddElement(API_SlabID).Id(id).Layer(layer).PlateBasic(concrete, 0.2);
    Faults::FailCallForIndex("ACAPI_Attribute_Get", layer);
    Faults::FailCallForIndex("ACAPI_Attribute_GetClassificationItems", concrete);
    hostplatform::SetProcessObserver([](const hostplatform::ProcessWindowState& window) {
        if (window.phaseCalls == 3)
            Faults::Clear();
    });
    const bool cancelled = TakeOff();
    hostplatform::SetProcessObserver(nullptr);
    EXPECT_FALSE(cancelled);

    const GS::Array<Article>& filed = ArticlesOf("20.10.");
    ASSERT_EQ(ElementIDs(filed), (Ids{"V-2"}));
    EXPECT_EQ(Utf8(filed[0].layerName), "23 Vloeren");
    ASSERT_EQ(ElementIDs(Reports()), (Ids{"V-1"}));
    EXPECT_EQ(Utf8(Reports()[0].layerName), "");
}

// The skylight reads its roof once more when the first read fails; only that retry costs a call.
TEST_F(TakeoffTest, FailedElementReadIsAskedAgain) {
    Item("40.20.", "m2");
    const API_Guid roof = b.AddElement(API_RoofID).Id("D-1").Property("Dikte dak", 0.25);
    const API_Guid skylight =
        b.AddElement(API_SkylightID)
            .Id("DL-1")
            .Owner(roof)
            .Quantity(0, 1.0)
            .Quantity(1, 1.5)
            .Property("QELM uitbekleding daglichtopeningen", GS::UniString("40.20. Dag"));
    b.Select({skylight});
    const auto elementReads = [this] {
        HostCalls::Reset();
        EXPECT_FALSE(TakeOff(true));
        return HostCalls::Count("ACAPI_Element_Get");
    };
    const std::uint64_t withoutFailure = elementReads();
    Faults::FailCallsFor("ACAPI_Element_Get", roof, 1);
    EXPECT_EQ(elementReads(), withoutFailure + 1);

    ASSERT_EQ(ElementIDs(ArticlesOf("40.20.")), (Ids{"DL-1"}));
    EXPECT_DOUBLE_EQ(ArticlesOf("40.20.")[0].surface, 0.25 * 5.0);
}

} // namespace
