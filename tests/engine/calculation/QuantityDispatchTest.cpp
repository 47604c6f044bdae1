#include "CalculatorFixture.hpp"

#include "engine/calculation/UnitChoice.hpp"
#include "hostplatform/Faults.hpp"

#include <limits>

namespace {

using hostplatform::ElementRef;
using hostplatform::Faults;

using QuantityDispatchTest = CalculatorTest;

ElementRef AddWall(hostplatform::ProjectBuilder& builder) {
    return builder.AddElement(API_WallID).Quantity(0, 6.0).Quantity(25, 10.0).Quantity(26, 27.0);
}

TEST_F(QuantityDispatchTest, UnitChoiceIsCleanedAndWins) {
    const ElementRef wall =
        AddWall(builder).Property("Meeteenheid wand", GS::UniString("  M  -  Middenas  "));
    Article article = Load(wall, "20.10.", {&Article::surfaceFlag, &Article::volumeFlag});
    article.extraInfo1 = "Undefined Value";
    article.CalculatePropertyValues(true);
    EXPECT_EQ(article.length, 10.0);
    EXPECT_EQ(article.unit, "m");
    EXPECT_EQ(article.surface, -1.0);
    EXPECT_EQ(article.volume, -1.0);
    EXPECT_EQ(article.extraInfo1, "Undefined Value"); // untouched by route 1
}

TEST_F(QuantityDispatchTest, UnknownChoiceFallsBackToTheFlags) {
    const ElementRef wall = AddWall(builder).Property("Meeteenheid wand", GS::UniString("m - onbekend"));
    Article article = Load(wall, "20.10.", {&Article::volumeFlag});
    EXPECT_FALSE(article.CalculateUserPropertyValues());
    article.CalculatePropertyValues(true);
    EXPECT_EQ(article.volume, 6.0);
    EXPECT_EQ(article.unit, "m3");
}

TEST_F(QuantityDispatchTest, EmptyOrMissingChoiceReturnsFalse) {
    Article missing = Load(AddWall(builder));
    EXPECT_FALSE(missing.CalculateUserPropertyValues());
    Article blank = Load(AddWall(builder).Property("Meeteenheid wand", GS::UniString("   ")));
    EXPECT_FALSE(blank.CalculateUserPropertyValues());
    EXPECT_EQ(blank.unit, "");
}

TEST_F(QuantityDispatchTest, TypesWithoutUnitPropertyAlwaysUseTheFlags) {
    const ElementRef lamp =
        builder.AddElement(API_LampID).Property("Meeteenheid lamp", GS::UniString("st - stuks"));
    Article article = Load(lamp, "70.10.", {&Article::lengthFlag});
    EXPECT_FALSE(article.CalculateUserPropertyValues());
    article.CalculatePropertyValues(true);
    EXPECT_EQ(article.unit, "m");
    EXPECT_EQ(article.length, -1.0);
    EXPECT_EQ(article.pieces, -1);
}

TEST_F(QuantityDispatchTest, LastFlagDecidesTheUnitAndEveryFlagIsMeasured) {
    Article article = Load(AddWall(builder), "20.10.", {&Article::lengthFlag, &Article::surfaceFlag});
    article.qelmType = 5;
    article.CalculatePropertyValues(true);
    EXPECT_EQ(article.unit, "m2");
    EXPECT_EQ(article.length, 10.0);
    EXPECT_EQ(article.surface, -1.0); // no "Oppervlakte middenas": not measured
}

TEST_F(QuantityDispatchTest, FailedReadRestoresEachSizeTakenFromTheRecord) {
    const ElementRef wall = AddWall(builder);
    Article article = Load(wall, "20.10.", {&Article::surfaceFlag});
    hostplatform::Faults::FailCall("ACAPI_Element_GetQuantities");
    ASSERT_FALSE(Calculation::GetElementParameters(wall.record()));
    article.size1 = 1.0;
    article.size2 = 2.0;
    article.size3 = 3.0;
    article.size4 = 4.0;
    article.thickness = 0.25;
    article.CalculatePropertyValues(true); // the surface getter writes size1, size3 and size4
    EXPECT_EQ(article.size1, 1.0);
    EXPECT_EQ(article.size2, 2.0);
    EXPECT_EQ(article.size3, 3.0);
    EXPECT_EQ(article.size4, 0.25); // the article's own thickness, not the record's
}

TEST_F(QuantityDispatchTest, TonOverwritesKilograms) {
    const ElementRef slab =
        builder.AddElement(API_SlabID).Property("Gewicht materiaal", 900.0).Property("Grondverzet", 3.0);
    Article article = Load(slab, "20.10.", {&Article::weightFlag, &Article::tonFlag});
    article.CalculatePropertyValues(true);
    EXPECT_EQ(article.weight, 3.0);
    EXPECT_EQ(article.unit, "ton");

    // A beam has no ton getter: the kilograms stay under the unit "ton".
    const ElementRef beam = builder.AddElement(API_BeamID).Property("Gewicht materiaal", 150.0);
    Article steel = Load(beam, "27.12.", {&Article::weightFlag, &Article::tonFlag});
    steel.CalculatePropertyValues(true);
    EXPECT_EQ(steel.weight, 150.0);
    EXPECT_EQ(steel.unit, "ton");
}

TEST_F(QuantityDispatchTest, DecimetreFlagsOverwriteAndRisersAreCounted) {
    const ElementRef part = builder.AddElement(API_ObjectID).Parameter("QELM_Oppervlakte", 250.0);
    Article article = Load(part, "60.10.", {&Article::surfaceFlag, &Article::dm2Flag});
    article.libPartName = "Telvorm 27 RX";
    article.CalculatePropertyValues(true);
    EXPECT_EQ(article.surface, 250.0);
    EXPECT_EQ(article.unit, "dm2");

    Article stair = Load(builder.AddElement(API_StairID).Property("Aantal treden per trap", 16.0), "53.10.",
                         {&Article::riserFlag});
    stair.CalculatePropertyValues(true);
    EXPECT_EQ(stair.risers, 16);
    EXPECT_EQ(stair.unit, "trede");
}

TEST_F(QuantityDispatchTest, CurtainWallFlagsGiveZeroAndChoiceGivesValue) {
    const ElementRef plain = builder.AddElement(API_CurtainWallID).Quantity(15, 42.0);
    Article flagged = Load(plain, "24.10.", {&Article::surfaceFlag});
    flagged.CalculatePropertyValues(true);
    EXPECT_EQ(flagged.surface, 0.0);

    const ElementRef chosen = builder.AddElement(API_CurtainWallID)
                                  .Quantity(15, 42.0)
                                  .Property("Meeteenheid vliesgevel", GS::UniString("m2 - oppervlakte"));
    Article article = Load(chosen, "24.10.", {&Article::surfaceFlag});
    article.CalculatePropertyValues(true);
    EXPECT_EQ(article.surface, 42.0);
}

TEST_F(QuantityDispatchTest, ProfileTextUndefinedValueIsCleared) {
    const ElementRef column =
        builder.AddElement(API_ColumnID).Property("Type profiel", GS::UniString("Undefined Value"));
    Article article = Load(column, "20.10.", {&Article::pieceFlag});
    article.CalculatePropertyValues(true);
    EXPECT_EQ(article.extraInfo1, "");
    EXPECT_EQ(article.pieces, 1);

    const ElementRef beam = builder.AddElement(API_BeamID).Property("Type profiel", GS::UniString("IPE 200"));
    Article named = Load(beam, "20.10.");
    named.CalculatePropertyValues(true);
    EXPECT_EQ(named.extraInfo1, "IPE 200");

    Article wall = Load(AddWall(builder));
    wall.extraInfo1 = "Undefined Value";
    wall.CalculatePropertyValues(true);
    EXPECT_EQ(wall.extraInfo1, "");
}

TEST_F(QuantityDispatchTest, EveryTypeTakesItsChoiceProperty) {
    const struct {
        API_ElemTypeID type;
        const char* property;
        const char* choice;
    } cases[] = {
        {API_WallID, "Meeteenheid wand", "st - stuks"},
        {API_ColumnID, "Meeteenheid kolom", "st - stuks"},
        {API_BeamID, "Meeteenheid balk", "st - stuks"},
        {API_ObjectID, "Meeteenheid object", "st - stuks"},
        {API_SlabID, "Meeteenheid vloer", "st - stuks"},
        {API_RoofID, "Meeteenheid dak", "st - stuks"},
        {API_MeshID, "Meeteenheid mesh", "st - stuks"},
        {API_CurtainWallID, "Meeteenheid vliesgevel", "st - stuks"},
        {API_ShellID, "Meeteenheid shell", "st - stuks"},
        {API_SkylightID, "Meeteenheid daklicht", "st - stuks"},
        {API_MorphID, "Meeteenheid morph", "st - stuks"},
        {API_StairID, "Meeteenheid trap", "st - stuks"},
        {API_RailingID, "Meeteenheid reling", "st - stuks"},
    };
    for (const auto& c : cases) {
        const ElementRef element = builder.AddElement(c.type).Property(c.property, GS::UniString(c.choice));
        Article article = Load(element, "99.10.", {&Article::lengthFlag});
        EXPECT_TRUE(article.CalculateUserPropertyValues()) << c.property;
        EXPECT_EQ(article.pieces, 1) << c.property;
        EXPECT_EQ(article.unit, "st") << c.property;
    }
}

TEST_F(QuantityDispatchTest, TypeWithoutCalculatorStillNamesTheUnit) {
    Article article = Load(builder.AddElement(API_WallID), "20.10.", {&Article::kwFlag});
    article.elemType = API_TextID;
    article.CalculatePropertyValues(true);
    EXPECT_EQ(article.unit, "kw");
    EXPECT_EQ(article.kw, -1.0);
}

// With the element's quantity read failed, what a getter or unit choice takes from a property or parameter
// stands, sizes included, whatever else it read; what it takes from the record is not measured.
TEST_F(QuantityDispatchTest, FailedQuantityReadKeepsWhatPropertiesAndParametersGive) {
    Faults::FailCall("ACAPI_Element_GetQuantities");
    const auto measure = [this](ElementRef element, bool Article::*flag, const char* propertyName) {
        builder.Install();
        EXPECT_FALSE(Calculation::GetElementParameters(element.record()));
        Article article;
        article.guid = element.guid();
        article.elemType = element.record().header.type.typeID;
        article.code = "13.20."; // the slab's perimeter code; no other row's rule looks at it
        article.qelmType = QelmType::kProperty;
        article.propertyName = propertyName;
        if (flag != nullptr)
            article.*flag = true;
        article.CalculatePropertyValues(true);
        return article;
    };
    const struct {
        API_ElemTypeID type;
        const char* given; // a property, or a parameter for the window
        double value;
        bool Article::*flag;
        const char* propertyName;
        double Article::*stands;
        double Article::*fromRecord; // nullptr: the row reads nothing else
    } cases[] = {
        {API_WallID, "Oppervlakte middenas", 12.5, &Article::surfaceFlag, "QELM zichtbeton",
         &Article::surface, &Article::size1},
        {API_SlabID, "Omtrek vloer zonder openingen", 40.0, &Article::lengthFlag, "", &Article::length,
         nullptr},
        {API_RoofID, "Dikte dak", 0.25, &Article::volumeFlag, "", &Article::size4, &Article::volume},
        {API_ShellID, "Dikte dak", 0.15, &Article::volumeFlag, "", &Article::size4, &Article::volume},
        {API_BeamID, "Breedte balk", 0.2, &Article::volumeFlag, "", &Article::size2, &Article::volume},
        {API_ColumnID, "Dikte kolom", 0.3, &Article::volumeFlag, "", &Article::size4, &Article::volume},
        {API_DoorID, "Tussendorpel binnendeur", 0.9, &Article::surfaceFlag, "QELM tussendorpel binnendeur",
         &Article::surface, &Article::size2},
        {API_WindowID, "gs_sill_width", 0.2, &Article::volumeFlag, "QELM raam - en deurdorpels",
         &Article::size4, &Article::volume},
        {API_ZoneID, "Oppervlakte wanden + plafond", 55.0, &Article::surfaceFlag, "QELM binnenschilderwerken",
         &Article::surface, nullptr},
        {API_MeshID, "Gewicht materiaal", 80.0, &Article::weightFlag, "", &Article::weight, nullptr},
        {API_MorphID, "Grondverzet", 3.0, &Article::tonFlag, "", &Article::weight, nullptr},
        {API_RailingID, "Lengte reling", 12.0, &Article::lengthFlag, "", &Article::length, nullptr},
        {API_ObjectID, "Vermogen verwarmingselement", 2.5, &Article::kwFlag, "", &Article::kw, nullptr},
    };
    for (const auto& c : cases) {
        ElementRef element = builder.AddElement(c.type).Quantity(0, 9.0).Quantity(25, 10.0);
        if (c.type == API_WindowID)
            element.Parameter(c.given, c.value);
        else
            element.Property(c.given, c.value);
        const Article article = measure(element, c.flag, c.propertyName);
        EXPECT_EQ(article.*c.stands, c.value) << c.given;
        if (c.fromRecord != nullptr) {
            EXPECT_EQ(article.*c.fromRecord, -1.0) << c.given;
        }
    }

    const ElementRef wall = builder.AddElement(API_WallID)
                                .Property("Oppervlakte middenas", 12.5)
                                .Property("Meeteenheid wand", GS::UniString("m2 - middenas"));
    EXPECT_EQ(measure(wall, nullptr, "").surface, 12.5);
    const ElementRef stair = builder.AddElement(API_StairID).Property("Aantal treden per trap", 16.0);
    EXPECT_EQ(measure(stair, &Article::riserFlag, "").risers, 16);
}

TEST(UnitChoiceTest, TruncationTowardZeroWithinRange) {
    EXPECT_EQ(calc::TruncateToInt32(2.9), 2);
    EXPECT_EQ(calc::TruncateToInt32(-1.0), -1);
    EXPECT_EQ(calc::TruncateToInt32(-2.7), -2);
    EXPECT_EQ(calc::TruncateToInt32(1e12), std::numeric_limits<Int32>::max());
    EXPECT_EQ(calc::TruncateToInt32(-1e12), std::numeric_limits<Int32>::min());
    EXPECT_EQ(calc::TruncateToInt32(std::numeric_limits<double>::quiet_NaN()), -1);
}

} // namespace
