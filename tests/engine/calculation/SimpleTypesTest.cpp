#include "CalculatorFixture.hpp"

#include "engine/calculation/CurtainWall.hpp"
#include "engine/calculation/Mesh.hpp"
#include "engine/calculation/Morph.hpp"
#include "engine/calculation/Railing.hpp"
#include "engine/calculation/Stair.hpp"
#include "engine/calculation/Zone.hpp"

namespace {

using hostplatform::ElementRef;

using SimpleTypesTest = CalculatorTest;

TEST_F(SimpleTypesTest, CurtainWallDefaultsAreZeroNotUnmeasured) {
    Article article = Load(builder.AddElement(API_CurtainWallID).Quantity(15, 42.0).Quantity(16, 12.0));
    EXPECT_EQ(CurtainWall::GetLengthProperty(article), 0.0);
    EXPECT_EQ(CurtainWall::GetSurfaceProperty(article), 0.0);
    EXPECT_EQ(CurtainWall::GetWeightProperty(article), 0.0);
    EXPECT_EQ(CurtainWall::GetDm3Property(article), 0.0);
    EXPECT_EQ(CurtainWall::GetPiecesProperty(article), 1);
    EXPECT_EQ(CurtainWall::GetRiserProperty(article), 0);
    EXPECT_TRUE(CurtainWall::EvaluateUserCalculation(article, "m2 - oppervlakte"));
    EXPECT_EQ(article.surface, 42.0);
    EXPECT_TRUE(CurtainWall::EvaluateUserCalculation(article, "m - referentielijn"));
    EXPECT_EQ(article.length, 12.0);
    EXPECT_FALSE(CurtainWall::EvaluateUserCalculation(article, "m3 - volume"));
}

TEST_F(SimpleTypesTest, MeshSurfaceByCodeAndChoices) {
    const ElementRef mesh = builder.AddElement(API_MeshID)
                                .Quantity(1, 110.0)
                                .Quantity(3, 30.0)
                                .Quantity(7, 100.0)
                                .Property("Gewicht materiaal", 5000.0)
                                .Property("Handelsgewicht (kg/m)", 20.0);
    Article grass = Load(mesh, "10.20.");
    EXPECT_EQ(Mesh::GetSurfaceProperty(grass), 100.0);
    Article other = Load(mesh, "90.10.");
    EXPECT_EQ(Mesh::GetSurfaceProperty(other), 110.0);
    EXPECT_EQ(Mesh::GetVolumeProperty(other), 30.0);
    EXPECT_EQ(Mesh::GetLengthProperty(other), 0.0);

    Article choice = Load(mesh);
    EXPECT_TRUE(Mesh::EvaluateUserCalculation(choice, "m2 - bovenkant"));
    EXPECT_EQ(choice.unit, "m2");
    EXPECT_EQ(choice.surface, 110.0);
    EXPECT_TRUE(Mesh::EvaluateUserCalculation(choice, "kg - property gewicht materiaal"));
    EXPECT_EQ(choice.weight, 5000.0);
    EXPECT_EQ(choice.extraInfo2, ""); // only the getter writes the specific-weight text
    EXPECT_EQ(Mesh::GetWeightProperty(choice), 5000.0);
    EXPECT_EQ(choice.extraInfo2, " 20 kg/m");
}

TEST_F(SimpleTypesTest, MorphQuantitiesAndWeightChoice) {
    const ElementRef morph = builder.AddElement(API_MorphID)
                                 .Quantity(0, 14.0)
                                 .Quantity(1, 2.0)
                                 .Quantity(3, 8.0)
                                 .Property("Gewicht materiaal", 300.0)
                                 .Property("Handelsgewicht (kg/m)", 20.0)
                                 .Property("Grondverzet", 1.5);
    Article article = Load(morph);
    EXPECT_EQ(Morph::GetLengthProperty(article), 8.0);
    EXPECT_EQ(Morph::GetSurfaceProperty(article), 14.0);
    EXPECT_EQ(Morph::GetVolumeProperty(article), 2.0);
    EXPECT_EQ(Morph::GetTonProperty(article), 1.5);
    EXPECT_TRUE(Morph::EvaluateUserCalculation(article, "kg - property gewicht materiaal"));
    EXPECT_EQ(article.weight, 300.0);
    EXPECT_EQ(article.unit, "kg");
    EXPECT_EQ(article.extraInfo2, " 20 kg/m");

    // The weight getter writes the note too; without a trade weight, from the specific weight.
    Article dense = Load(builder.AddElement(API_MorphID)
                             .Property("Gewicht materiaal", 300.0)
                             .Property("Handelsgewicht (kg/m)", 0.0)
                             .Property("Soortelijk gewicht (kg/m3)", 600.0));
    EXPECT_EQ(Morph::GetWeightProperty(dense), 300.0);
    EXPECT_EQ(dense.extraInfo2.ToUtf8(), "600 kg/m3");
}

TEST_F(SimpleTypesTest, RailingLength) {
    Article with = Load(builder.AddElement(API_RailingID).Property("Lengte reling", 7.5));
    EXPECT_EQ(Railing::GetLengthProperty(with), 7.5);
    Article without = Load(builder.AddElement(API_RailingID));
    EXPECT_EQ(Railing::GetLengthProperty(without), -1.0);
    EXPECT_TRUE(Railing::EvaluateUserCalculation(without, "m - lengte volgens referentielijn"));
    EXPECT_EQ(without.unit, "m");
    EXPECT_EQ(Railing::GetPiecesProperty(without), 1);
}

TEST_F(SimpleTypesTest, StairPiecesAndRisers) {
    const ElementRef stair = builder.AddElement(API_StairID)
                                 .Quantity(0, 4.5)
                                 .Quantity(1, 1.1)
                                 .QuantityInteger(5, 0, 99)
                                 .QuantityInteger(5, 1, 16)
                                 .Property("Aantal treden per trap", 14.7);
    Article steps = Load(stair, "53.10.");
    EXPECT_EQ(Stair::GetPiecesProperty(steps), 16);
    EXPECT_EQ(Stair::GetRiserProperty(steps), 14);
    EXPECT_EQ(Stair::GetSurfaceProperty(steps), 4.5);
    Article other = Load(stair, "52.10.");
    EXPECT_EQ(Stair::GetPiecesProperty(other), 1);

    Article missing = Load(builder.AddElement(API_StairID));
    EXPECT_EQ(Stair::GetRiserProperty(missing), -1);
}

TEST_F(SimpleTypesTest, StairStepCountChoiceCountsPieces) {
    const ElementRef stair =
        builder.AddElement(API_StairID).Quantity(1, 1.1).Property("Aantal treden per trap", 14.7);
    Article article = Load(stair);
    EXPECT_TRUE(Stair::EvaluateUserCalculation(article, "st - aantal treden"));
    EXPECT_EQ(article.pieces, 14);
    EXPECT_EQ(article.unit, "st");
    EXPECT_EQ(article.risers, -1);
    EXPECT_TRUE(Stair::EvaluateUserCalculation(article, "m3 - volume"));
    EXPECT_EQ(article.volume, 1.1);
}

TEST_F(SimpleTypesTest, ZoneByPropertyName) {
    const ElementRef zone = builder.AddElement(API_ZoneID)
                                .Quantity(0, 20.0)
                                .Quantity(2, 1.0)
                                .Quantity(3, 18.0)
                                .Quantity(5, 60.0)
                                .Quantity(7, 4.0)
                                .Quantity(9, 6.0)
                                .Quantity(15, 52.0)
                                .Property("Oppervlakte wanden + plafond", 75.0);
    auto measure = [&](const char* name) {
        Article article = Load(zone);
        article.propertyName = name;
        return std::make_pair(Zone::GetLengthProperty(article), Zone::GetSurfaceProperty(article));
    };
    EXPECT_EQ(measure("QELM binnenschilderwerken"), std::make_pair(17.0, 75.0));
    EXPECT_EQ(measure("QELM betegeling / keramisch"), std::make_pair(-1.0, 50.0));
    EXPECT_EQ(measure("QELM vloerbekleding"), std::make_pair(-1.0, 20.0));
    Article article = Load(zone);
    EXPECT_EQ(Zone::GetVolumeProperty(article), 52.0);
}

} // namespace
