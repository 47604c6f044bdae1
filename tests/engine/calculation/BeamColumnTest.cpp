#include "CalculatorFixture.hpp"

#include "engine/calculation/Beam.hpp"
#include "engine/calculation/Column.hpp"

namespace {

using hostplatform::ElementRef;

// Each class's choices in their order, with the field, value and unit they give.
struct ChoiceCase {
    const char* choice;
    const char* unit;
    double value;
};

double FieldOfUnit(const Article& article, const GS::UniString& unit) {
    if (unit == "m")
        return article.length;
    if (unit == "m2")
        return article.surface;
    if (unit == "m3")
        return article.volume;
    if (unit == "st")
        return article.pieces;
    return article.weight;
}

class BeamColumnTest : public CalculatorTest {
  protected:
    // Bottom 1.1, top 1.2, volume 0.3, second volume 0.25; two profile rows.
    ElementRef AddBeam() {
        return builder.AddElement(API_BeamID)
            .Quantity(3, 1.1)
            .Quantity(4, 1.2)
            .Quantity(13, 0.3)
            .Quantity(14, 0.25)
            .CompositeRow(1, 0.01, 0.6)
            .CompositeRow(2, 0.02, 0.7)
            .Property("Lengte balk of hoogte kolom", 5.0)
            .Property("Hoogte balk", 0.4)
            .Property("Breedte balk", 0.2)
            .Property("Oppervlakte middenas", 2.0);
    }
    // Core surface 2.4, volume 0.27; two profile rows.
    ElementRef AddColumn() {
        return builder.AddElement(API_ColumnID)
            .Quantity(0, 2.4)
            .Quantity(2, 0.27)
            .CompositeRow(1, 0.05, 0.9)
            .CompositeRow(2, 0.06, 1.0)
            .Property("Lengte balk of hoogte kolom", 3.0)
            .Property("Breedte kolom", 0.3)
            .Property("Dikte kolom", 0.35);
    }
};

TEST_F(BeamColumnTest, BeamChoicesInOrder) {
    const ElementRef beam = AddBeam().Property("Gewicht materiaal", 150.0).Property("Grondverzet", 0.2);
    const ChoiceCase cases[] = {
        {"m - middenas", "m", 5.0},
        {"m2 - middenas", "m2", 2.0},
        {"m2 - onderkant", "m2", 1.1},
        {"m2 - bovenkant", "m2", 1.2},
        {"m3 - volume", "m3", 0.3},
        {"st - stuks", "st", 1.0},
        {"kg - property gewicht materiaal", "kg", 150.0},
        {"ton - property grondverzet", "ton", 0.2},
    };
    for (const ChoiceCase& c : cases) {
        Article article = Load(beam);
        ASSERT_TRUE(Beam::EvaluateUserCalculation(article, c.choice)) << c.choice;
        EXPECT_EQ(article.unit, c.unit) << c.choice;
        EXPECT_EQ(FieldOfUnit(article, c.unit), c.value) << c.choice;
    }
    Article other = Load(beam);
    EXPECT_FALSE(Beam::EvaluateUserCalculation(other, "m - hoogte"));
}

TEST_F(BeamColumnTest, ColumnChoicesInOrder) {
    const ElementRef column = AddColumn().Property("Gewicht materiaal", 80.0);
    const ChoiceCase cases[] = {
        {"st - stuks", "st", 1.0},
        {"m - hoogte", "m", 3.0},
        {"m2 - core surface zonder boven- en onderkant", "m2", 2.4},
        {"m3 - volume", "m3", 0.27},
        {"kg - property gewicht materiaal", "kg", 80.0},
        {"ton - property grondverzet", "ton", -1.0},
    };
    for (const ChoiceCase& c : cases) {
        Article article = Load(column);
        ASSERT_TRUE(Column::EvaluateUserCalculation(article, c.choice)) << c.choice;
        EXPECT_EQ(article.unit, c.unit) << c.choice;
        EXPECT_EQ(FieldOfUnit(article, c.unit), c.value) << c.choice;
    }
    Article other = Load(column);
    EXPECT_FALSE(Column::EvaluateUserCalculation(other, "m - middenas"));
}

TEST_F(BeamColumnTest, BeamWeightOfWholeElementAndOfProfileSkin) {
    const ElementRef beam = AddBeam()
                                .Property("Gewicht materiaal", 150.0)
                                .Property("Handelsgewicht (kg/m)", 0.0)
                                .Property("Soortelijk gewicht (kg/m3)", 7850.0);
    Article whole = Load(beam, "27.12.");
    EXPECT_EQ(Beam::GetWeightProperty(whole), 150.0);
    EXPECT_EQ(whole.extraInfo2, "7850 kg/m3");
    Article skin = Load(beam, "27.12.");
    skin.skinIndex = 1;
    EXPECT_DOUBLE_EQ(Beam::GetWeightProperty(skin), 7850.0 * 0.02);

    Article outside = Load(beam, "20.10.");
    EXPECT_EQ(Beam::GetWeightProperty(outside), -1.0);
    EXPECT_EQ(outside.extraInfo2, "");
    Article listed = Load(beam, "26.42.");
    EXPECT_EQ(Beam::GetWeightProperty(listed), 150.0);
}

TEST_F(BeamColumnTest, SkinWeightWithoutSpecificWeightOrRowIsNotMeasured) {
    Article noProperty = Load(AddBeam(), "27.12.");
    noProperty.skinIndex = 0;
    EXPECT_EQ(Beam::GetWeightProperty(noProperty), -1.0);

    const ElementRef column = AddColumn().Property("Soortelijk gewicht (kg/m3)", 7850.0);
    for (short skin : {short(2), short(99), short(-3)}) {
        Article article = Load(column, "27.30.");
        article.skinIndex = skin;
        const double weight = Column::GetWeightProperty(article);
        EXPECT_EQ(weight, -1.0) << skin; // -3 reads the missing "Gewicht materiaal"
    }
}

TEST_F(BeamColumnTest, BeamSurfaceAndVolume) {
    const ElementRef beam = AddBeam();
    Article zicht = Load(beam, "20.10.");
    zicht.propertyName = "qelm zicht beton";
    zicht.skinIndex = 1;
    EXPECT_EQ(Beam::GetSurfaceProperty(zicht, true), 1.1);
    EXPECT_EQ(zicht.size1, 5.0);
    EXPECT_EQ(zicht.size2, 0.2);
    EXPECT_EQ(zicht.size3, 0.4);

    Article code = Load(beam, "23.21.");
    EXPECT_EQ(Beam::GetSurfaceProperty(code, true), 1.1);
    Article skin = Load(beam, "20.10.");
    skin.skinIndex = 1;
    EXPECT_EQ(Beam::GetSurfaceProperty(skin, true), 0.7);
    Article whole = Load(beam, "20.10.");
    EXPECT_EQ(Beam::GetSurfaceProperty(whole, true), 2.0);

    EXPECT_EQ(Beam::GetVolumeProperty(whole), 0.3);
    Article second = Load(beam, "26.10.");
    EXPECT_EQ(Beam::GetVolumeProperty(second), 0.25);
    Article skinVolume = Load(beam, "26.10.");
    skinVolume.skinIndex = 0;
    EXPECT_EQ(Beam::GetVolumeProperty(skinVolume), 0.01);
    skinVolume.skinIndex = 7;
    EXPECT_EQ(Beam::GetVolumeProperty(skinVolume), -1.0);
}

TEST_F(BeamColumnTest, ColumnSizesSurfaceAndVolume) {
    const ElementRef column = AddColumn();
    Article whole = Load(column, "20.10.");
    EXPECT_EQ(Column::GetVolumeProperty(whole), 0.27);
    EXPECT_EQ(whole.size1, -1.0);
    EXPECT_EQ(whole.size2, 0.3);
    EXPECT_EQ(whole.size3, 3.0);
    EXPECT_EQ(whole.size4, 0.35);
    EXPECT_EQ(Column::GetSurfaceProperty(whole), 2.4);
    EXPECT_EQ(Column::GetLengthProperty(whole), 3.0);

    Article skin = Load(column, "20.10.");
    skin.skinIndex = 1;
    EXPECT_EQ(Column::GetSurfaceProperty(skin), 1.0);
    EXPECT_EQ(Column::GetVolumeProperty(skin), 0.06);
}

TEST_F(BeamColumnTest, ColumnWeightCodeList) {
    const ElementRef column = AddColumn().Property("Gewicht materiaal", 80.0);
    const struct {
        const char* code;
        double weight;
    } cases[] = {{"27.30.", 80.0}, {"27.8", 80.0},   {"28.24.40.", 80.0},
                 {"28.24.", -1.0}, {"27.12.", -1.0}, {"27.4.", -1.0}};
    for (const auto& c : cases) {
        Article article = Load(column, c.code);
        EXPECT_EQ(Column::GetWeightProperty(article), c.weight) << c.code;
    }
}

TEST_F(BeamColumnTest, ProfileTypeText) {
    Article beam = Load(AddBeam().Property("Type profiel", GS::UniString("HEA 200")));
    Beam::GetExtraInfo1(beam);
    EXPECT_EQ(beam.extraInfo1, "HEA 200");
    Article column = Load(AddColumn());
    column.extraInfo1 = "old";
    Column::GetExtraInfo1(column);
    EXPECT_EQ(column.extraInfo1, "");
}

} // namespace
