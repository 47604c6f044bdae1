#include "CalculatorFixture.hpp"

#include "engine/calculation/Roof.hpp"
#include "engine/calculation/Shell.hpp"
#include "engine/calculation/Slab.hpp"
#include "engine/calculation/Wall.hpp"

namespace {

using hostplatform::ElementRef;

class WallTest : public CalculatorTest {
  protected:
    // A two-skin wall: axis length 10.0, reference-side length 9.5, height 3.0, inside face 27.0,
    // volume 6.0; skin rows (volume, projected area) (2.0, 20.0) and (4.0, 19.0).
    ElementRef AddWall() {
        return builder.AddElement(API_WallID)
            .Quantity(0, 6.0)
            .Quantity(20, 3.0)
            .Quantity(25, 10.0)
            .Quantity(26, 27.0)
            .Quantity(42, 9.5)
            .CompositeRow(1, 2.0, 20.0)
            .CompositeRow(2, 4.0, 19.0);
    }
};

TEST_F(WallTest, LengthFollowsTheArticleCode) {
    const ElementRef wall =
        AddWall().Property("Lengte muur binnenzijde", 8.0).Property("Lengte muur buitenzijde", 8.5);
    const struct {
        const char* code;
        double length;
    } cases[] = {
        {"20.13.", 10.0},   {"11.13.20.", 10.0}, {"51.52.10.", 10.0}, {"91.1.", 10.0},
        {"20.61.10.", 9.5}, {"53.41.", 9.5},     {"56.61.", 9.5},     {"80.10.", 8.0},
        {"82.10.", 8.5},    {"30.10.", 10.0},    {"20.13.10.", 10.0}, // only the exact code "20.13." is
                                                                      // listed, the default gives the same
                                                                      // value
    };
    for (const auto& c : cases) {
        Article article = Load(wall, c.code);
        EXPECT_EQ(Wall::GetLengthProperty(article), c.length) << c.code;
    }
}

TEST_F(WallTest, MissingLengthPropertyIsNotMeasured) {
    Article article = Load(AddWall(), "80.10.");
    EXPECT_EQ(Wall::GetLengthProperty(article), -1.0);
}

TEST_F(WallTest, SurfaceBySkinRowPropertyAndQelmType) {
    const ElementRef wall = AddWall()
                                .Property("Oppervlakte middenas", 25.0)
                                .Property("Oppervlakte gevelmetselwerk", 24.0)
                                .Property("Oppervlakte binnenafwerking", 23.0);
    auto surface = [&](short qelmType, const char* code, short skin, walltype type = WallTypeComposite) {
        Article article = Load(wall, code);
        article.qelmType = qelmType;
        article.skinIndex = skin;
        article.wallType = type;
        return Wall::GetSurfaceProperty(article);
    };
    EXPECT_EQ(surface(2, "20.10.", 1), 19.0);
    EXPECT_EQ(surface(2, "20.10.", -1, WallTypeBasic), 25.0);
    EXPECT_EQ(surface(3, "03.41.", 0), 25.0);
    EXPECT_EQ(surface(3, "11.99.", 0), 25.0);
    EXPECT_EQ(surface(3, "22.10.", 0), 24.0);
    EXPECT_EQ(surface(3, "22.10.", 0, WallTypeComplexProfile), 20.0);
    EXPECT_EQ(surface(3, "30.10.", 1), 19.0);
    EXPECT_EQ(surface(4, "81.10.", 0), 23.0);
    EXPECT_EQ(surface(4, "20.10.", 0), -1.0);
    EXPECT_EQ(surface(5, "20.10.", 0), 25.0);
    // Skins resolved by their layer are measured like type 2.
    EXPECT_EQ(surface(1, "20.32.", 0), 20.0);
    EXPECT_EQ(surface(1, "20.32.", -1, WallTypeBasic), 25.0);
    EXPECT_EQ(surface(0, "20.10.", 0), -1.0);
    EXPECT_EQ(surface(-1, "20.10.", 0), -1.0);
}

TEST_F(WallTest, SurfaceByQelmPropertyName) {
    const ElementRef wall = AddWall().Property("Oppervlakte middenas", 25.0);
    Article article = Load(wall, "40.10.");
    article.qelmType = 4;
    article.propertyName = "QELM Zicht Beton"; // compared without case and spaces
    EXPECT_EQ(Wall::GetSurfaceProperty(article), 25.0);
    article.propertyName = "QELM scheren van hagen en beplantingsmassieven";
    EXPECT_EQ(Wall::GetSurfaceProperty(article), 27.0 + 2 * 25.0);
}

TEST_F(WallTest, HedgeWithoutMiddleSurfaceIsNotMeasured) {
    Article article = Load(AddWall(), "40.10.");
    article.propertyName = "QELM scheren van hagen en beplantingsmassieven";
    EXPECT_EQ(Wall::GetSurfaceProperty(article), -1.0);
}

TEST_F(WallTest, SurfaceAndVolumeStoreSizesEvenWhenNotMeasured) {
    Article article = Load(AddWall(), "20.10.");
    article.qelmType = -1;
    article.SetThickness(0.3);
    EXPECT_EQ(Wall::GetSurfaceProperty(article), -1.0);
    EXPECT_EQ(article.size1, 10.0);
    EXPECT_EQ(article.size3, 3.0);
    EXPECT_EQ(article.size4, 0.3);
    EXPECT_EQ(article.size2, -1.0);

    Article volume = Load(AddWall(), "20.10.");
    volume.thickness = 0.1;
    Wall::GetVolumeProperty(volume);
    EXPECT_EQ(volume.size4, 0.1);
    EXPECT_EQ(volume.size1, 10.0);
}

TEST_F(WallTest, VolumeOfSkinOrWholeWall) {
    const ElementRef wall = AddWall();
    auto volume = [&](const char* code, short skin) {
        Article article = Load(wall, code);
        article.skinIndex = skin;
        return Wall::GetVolumeProperty(article);
    };
    EXPECT_EQ(volume("20.10.", 1), 4.0);
    EXPECT_EQ(volume("20.10.", -1), 6.0);
    EXPECT_EQ(volume("11.21.", 1), 6.0);
    EXPECT_EQ(volume("23.31.", 0), 6.0);
    EXPECT_EQ(volume("23.31.10.", 0), 2.0);
    // A skin without a row, or a negative index other than -1, reads nothing out of bounds.
    EXPECT_EQ(volume("20.10.", 2), -1.0);
    EXPECT_EQ(volume("20.10.", 99), -1.0);
    EXPECT_EQ(volume("20.10.", -7), 6.0);
}

TEST_F(WallTest, UnitChoices) {
    const ElementRef wall = AddWall()
                                .Property("Lengte muur binnenzijde", 8.0)
                                .Property("Oppervlakte middenas", 25.0)
                                .Property("Gewicht materiaal", 1200.0)
                                .Property("Soortelijk gewicht (kg/m3)", 1800.0)
                                .Property("Handelsgewicht (kg/m)", 0.0);
    const struct {
        const char* choice;
        double Article::*field;
        double value;
        const char* unit;
    } cases[] = {
        {"m - middenas", &Article::length, 10.0, "m"},
        {"m - zijde referentielijn", &Article::length, 9.5, "m"},
        {"m - binnenkant", &Article::length, 8.0, "m"},
        {"m - buitenkant", &Article::length, -1.0, "m"},
        {"m2 - middenas", &Article::surface, 25.0, "m2"},
        {"m2 - projectie oppervlakte composiet", &Article::surface, 19.0, "m2"},
        {"m2 - oppervlakte binnenkant wand", &Article::surface, 27.0, "m2"},
        {"m3 - volume element", &Article::volume, 6.0, "m3"},
        {"m3 - volume skin", &Article::volume, 4.0, "m3"},
        {"kg - property gewicht materiaal", &Article::weight, 1200.0, "kg"},
        {"ton - property grondverzet", &Article::weight, -1.0, "ton"},
    };
    for (const auto& c : cases) {
        Article article = Load(wall);
        article.skinIndex = 1;
        article.weight = 0.5; // so a missing property shows as written
        article.length = 0.5;
        EXPECT_TRUE(Wall::EvaluateUserCalculation(article, c.choice)) << c.choice;
        EXPECT_EQ(article.*c.field, c.value) << c.choice;
        EXPECT_EQ(article.unit, c.unit) << c.choice;
    }
    Article pieces = Load(wall);
    EXPECT_TRUE(Wall::EvaluateUserCalculation(pieces, "st - stuks"));
    EXPECT_EQ(pieces.pieces, 1);

    Article weight = Load(wall);
    Wall::EvaluateUserCalculation(weight, "kg - property gewicht materiaal");
    EXPECT_EQ(weight.extraInfo2, "1800 kg/m3");

    Article unknown = Load(wall);
    EXPECT_FALSE(Wall::EvaluateUserCalculation(unknown, "m - middenas "));
    EXPECT_FALSE(Wall::EvaluateUserCalculation(unknown, "m3 - volume"));
    EXPECT_EQ(unknown.unit, "");
    EXPECT_EQ(unknown.volume, -1.0);
}

TEST_F(WallTest, ProjectedCompositeChoiceOnWholeWallKeepsSurface) {
    Article article = Load(AddWall());
    article.surface = 3.5;
    EXPECT_TRUE(Wall::EvaluateUserCalculation(article, "m2 - projectie oppervlakte composiet"));
    EXPECT_EQ(article.unit, "m2");
    EXPECT_EQ(article.surface, 3.5);

    article.skinIndex = 99;
    Wall::EvaluateUserCalculation(article, "m2 - projectie oppervlakte composiet");
    EXPECT_EQ(article.surface, -1.0);
}

class SlabTest : public CalculatorTest {
  protected:
    // Bottom 40.0, top 41.0, volume 8.0, perimeter 26.0; one skin row (3.0, 39.0).
    ElementRef AddSlab() {
        return builder.AddElement(API_SlabID)
            .Quantity(0, 40.0)
            .Quantity(1, 41.0)
            .Quantity(5, 8.0)
            .Quantity(7, 26.0)
            .CompositeRow(1, 3.0, 39.0);
    }
};

TEST_F(SlabTest, LengthByCode) {
    const ElementRef slab = AddSlab().Property("Omtrek vloer zonder openingen", 22.0);
    const struct {
        const char* code;
        double length;
    } cases[] = {{"28.64.", 13.0},    {"13.21.", 22.0},    {"23.52.", 22.0},
                 {"37.32.10.", 22.0}, {"23.52.10.", -1.0}, {"20.10.", -1.0}};
    for (const auto& c : cases) {
        Article article = Load(slab, c.code);
        EXPECT_EQ(Slab::GetLengthProperty(article), c.length) << c.code;
    }
}

TEST_F(SlabTest, SurfaceByPropertyNameCodeAndSkin) {
    const ElementRef slab = AddSlab();
    auto surface = [&](const char* propertyName, const char* code, short skin) {
        Article article = Load(slab, code);
        article.propertyName = propertyName;
        article.skinIndex = skin;
        return Slab::GetSurfaceProperty(article);
    };
    EXPECT_EQ(surface("QELM maaien van grasmatten", "20.10.", 0), 41.0);
    EXPECT_EQ(surface("QELMzichtbeton", "20.10.", 0), 40.0);
    EXPECT_EQ(surface("QELM vloerverwarming", "90.10.", 0), 39.0); // before the code list
    EXPECT_EQ(surface("", "90.10.", 0), 41.0);
    EXPECT_EQ(surface("", "20.10.", 0), 39.0);
    EXPECT_EQ(surface("", "20.10.", -1), 41.0);
    EXPECT_EQ(surface("", "20.10.", 5), -1.0);
}

TEST_F(SlabTest, VolumeWeightAndTon) {
    const ElementRef slab = AddSlab().Property("Gewicht materiaal", 900.0).Property("Grondverzet", 2.5);
    Article article = Load(slab, "20.10.");
    EXPECT_EQ(Slab::GetVolumeProperty(article), 8.0);
    article.skinIndex = 0;
    EXPECT_EQ(Slab::GetVolumeProperty(article), 3.0);
    EXPECT_EQ(Slab::GetWeightProperty(article), 900.0);
    EXPECT_EQ(Slab::GetTonProperty(article), 2.5);
    EXPECT_EQ(Slab::GetPiecesProperty(article), 1);

    Article choice = Load(slab);
    EXPECT_TRUE(Slab::EvaluateUserCalculation(choice, "kg - property gewicht materiaal"));
    EXPECT_EQ(choice.weight, 900.0);
    EXPECT_EQ(choice.extraInfo2, ""); // the slab shows no specific weight
    EXPECT_TRUE(Slab::EvaluateUserCalculation(choice, "m - omtrek"));
    EXPECT_EQ(choice.length, 26.0);
    EXPECT_TRUE(Slab::EvaluateUserCalculation(choice, "m2 - projectie oppervlakte"));
    EXPECT_EQ(choice.surface, 41.0);
}

class RoofTest : public CalculatorTest {
  protected:
    ElementRef AddRoof(double bottom) {
        return builder.AddElement(API_RoofID)
            .Quantity(1, 30.0)
            .Quantity(3, bottom)
            .Quantity(4, 31.0)
            .Quantity(5, 5.0)
            .Quantity(7, 24.0)
            .CompositeRow(1, 1.5, 29.0);
    }
};

TEST_F(RoofTest, CoveringsFallBackOnTheSecondSurfaceBelowTheThreshold) {
    const struct {
        double bottom;
        const char* code;
        double surface;
    } cases[] = {
        {0.0, "34.10.", 31.0},   {0.5, "34.10.", 0.5},     {0.0, "33.23.", 0.0}, {0.5, "33.23.", 0.5},
        {5e-7, "33.32.", 31.0},  {1e-6, "33.32.", 1e-6},   {0.0, "35.1.", 31.0}, {0.0, "51.51.10.", 0.0},
        {0.0, "50.21.11.", 0.0}, {0.0, "33.32.10.", 29.0}, // not a covering: the skin row
    };
    for (const auto& c : cases) {
        Article article = Load(AddRoof(c.bottom), c.code);
        article.skinIndex = 0;
        EXPECT_EQ(Roof::GetSurfaceProperty(article), c.surface) << c.code << " " << c.bottom;
    }
}

TEST_F(RoofTest, OtherCodesTakeTopOrSkin) {
    const ElementRef roof = AddRoof(0.5);
    Article article = Load(roof, "36.51.");
    article.skinIndex = 0;
    article.qelmType = 5;
    EXPECT_EQ(Roof::GetSurfaceProperty(article), 30.0);
    article.qelmType = 3;
    EXPECT_EQ(Roof::GetSurfaceProperty(article), 29.0);
    article.skinIndex = -1;
    EXPECT_EQ(Roof::GetSurfaceProperty(article), 30.0);
}

TEST_F(RoofTest, VolumeStoresThicknessAndLengthIsPerimeter) {
    Article article = Load(AddRoof(0.5).Property("Dikte dak", 0.25), "20.10.");
    EXPECT_EQ(Roof::GetVolumeProperty(article), 5.0);
    EXPECT_EQ(article.size4, 0.25);
    EXPECT_EQ(Roof::GetLengthProperty(article), 24.0);

    Article bare = Load(AddRoof(0.5), "20.10.");
    bare.skinIndex = 0;
    EXPECT_EQ(Roof::GetVolumeProperty(bare), 1.5);
    EXPECT_EQ(bare.size4, -1.0);
}

TEST_F(RoofTest, ShellMeasures) {
    const ElementRef shell = builder.AddElement(API_ShellID)
                                 .Quantity(0, 12.0)
                                 .Quantity(5, 1.2)
                                 .CompositeRow(1, 0.4, 11.0)
                                 .Property("Projectie oppervlakte dak of shell", 10.0)
                                 .Property("Dikte dak", 0.1);
    Article article = Load(shell);
    EXPECT_EQ(Shell::GetLengthProperty(article), 0.0);
    EXPECT_EQ(Shell::GetSurfaceProperty(article), 12.0);
    EXPECT_EQ(Shell::GetVolumeProperty(article), 1.2);
    EXPECT_EQ(article.size4, 0.1);
    article.skinIndex = 0;
    EXPECT_EQ(Shell::GetSurfaceProperty(article), 11.0);
    EXPECT_EQ(Shell::GetVolumeProperty(article), 0.4);

    Article choice = Load(shell);
    EXPECT_TRUE(Shell::EvaluateUserCalculation(choice, "m2 - projectie oppervlakte"));
    EXPECT_EQ(choice.surface, 10.0);
    EXPECT_TRUE(Shell::EvaluateUserCalculation(choice, "m2 - oppervlakte onderkant shell of shellonderdeel"));
    EXPECT_EQ(choice.surface, 12.0);
    EXPECT_FALSE(Shell::EvaluateUserCalculation(choice, "m - omtrek"));
}

} // namespace
