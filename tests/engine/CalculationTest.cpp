#include "engine/calculation/Calculation.hpp"

#include "../support/AddOnFixture.hpp"

#include "hostplatform/Faults.hpp"
#include "hostplatform/Host.hpp"
#include "hostplatform/ProjectBuilder.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>

using hostplatform::Faults;
using hostplatform::ProjectBuilder;

namespace {

class CalculationTest : public AddOnTest {
  protected:
    static API_Element ElementOf(const API_Guid& guid) {
        API_Element element;
        element.header.guid = guid;
        return element;
    }
    static Article SkinArticle(short skinIndex) {
        Article article;
        article.skinIndex = skinIndex;
        return article;
    }
};

TEST_F(CalculationTest, OneRequestFillsTheClearedBuffers) {
    ProjectBuilder b;
    const API_Guid first = b.AddElement(API_StairID)
                               .Quantity(0, 1.5)
                               .Quantity(20, 2.5)
                               .QuantityInteger(5, 1, 7)
                               .CompositeRow(1, 0.30, 3.0)
                               .CompositeRow(2, 0.12, 1.2);
    const API_Guid second = b.AddElement(API_StairID).Quantity(0, 4.0);
    b.Install();

    ASSERT_TRUE(Calculation::GetElementParameters(ElementOf(first)));
    EXPECT_EQ(Calculation::quantities.elements, &Calculation::quantity);
    EXPECT_EQ(Calculation::quantities.composites, &Calculation::composites);
    EXPECT_EQ(Calculation::quantities.elemPartQuantities, &Calculation::elemPartQuantities);
    EXPECT_EQ(Calculation::quantities.elemPartComposites, &Calculation::elemPartComposites);
    EXPECT_EQ(Calculation::params.minOpeningSize, 1e-7);
    for (char byte : Calculation::params.reserved)
        EXPECT_EQ(byte, 0);
    EXPECT_EQ(Calculation::Value(0), 1.5);
    EXPECT_EQ(Calculation::Value(20), 2.5);
    EXPECT_EQ(Calculation::IntegerInSecondHalf(5), 7);
    ASSERT_EQ(Calculation::composites.GetSize(), 2u);
    EXPECT_EQ(Calculation::SkinVolume(SkinArticle(1)), 0.12);
    EXPECT_EQ(Calculation::SkinProjectedArea(SkinArticle(0)), 3.0);

    ASSERT_TRUE(Calculation::GetElementParameters(ElementOf(second)));
    EXPECT_EQ(Calculation::Value(0), 4.0);
    EXPECT_EQ(Calculation::Value(20), 0.0);
    EXPECT_EQ(Calculation::IntegerInSecondHalf(5), 0);
    EXPECT_TRUE(Calculation::composites.IsEmpty());
}

TEST_F(CalculationTest, HostFailureLeavesAnUnreadRecord) {
    ProjectBuilder b;
    const API_Guid wall = b.AddElement(API_WallID).Quantity(0, 9.0).CompositeRow(1, 0.2, 2.0);
    b.Install();
    ASSERT_TRUE(Calculation::GetElementParameters(ElementOf(wall)));
    ASSERT_EQ(Calculation::composites.GetSize(), 1u);

    Faults::FailCall("ACAPI_Element_GetQuantities");
    EXPECT_FALSE(Calculation::GetElementParameters(ElementOf(wall)));
    EXPECT_TRUE(Calculation::composites.IsEmpty());
    EXPECT_TRUE(Calculation::elemPartQuantities.IsEmpty());
    EXPECT_TRUE(Calculation::elemPartComposites.IsEmpty());
    EXPECT_TRUE(std::isnan(Calculation::Value(0)));
    EXPECT_TRUE(std::isnan(Calculation::SkinVolume(SkinArticle(0))));
    EXPECT_EQ(Calculation::IntegerInSecondHalf(0), -1);

    Faults::Clear();
    EXPECT_FALSE(Calculation::GetElementParameters(ElementOf(b.NewGuid())));
}

TEST_F(CalculationTest, SkinRowsOutsideTheTableGiveMinusOne) {
    ProjectBuilder b;
    const API_Guid wall = b.AddElement(API_WallID).CompositeRow(1, 0.2, 2.0).CompositeRow(1, 0.1, 1.0);
    b.Install();
    ASSERT_TRUE(Calculation::GetElementParameters(ElementOf(wall)));

    for (short skinIndex : {-1, 2, 300}) {
        EXPECT_FALSE(Calculation::HasSkinRow(SkinArticle(skinIndex))) << skinIndex;
        EXPECT_EQ(Calculation::SkinVolume(SkinArticle(skinIndex)), -1.0) << skinIndex;
        EXPECT_EQ(Calculation::SkinProjectedArea(SkinArticle(skinIndex)), -1.0) << skinIndex;
    }
    EXPECT_TRUE(Calculation::HasSkinRow(SkinArticle(1)));
}

TEST_F(CalculationTest, SpecificWeightText) {
    const struct {
        std::optional<double> tradeWeight;
        std::optional<double> specificWeight;
        const char* expected;
    } cases[] = {
        {12.4, std::nullopt, " 12 kg/m"},    {0.0, 7850.0, "7850 kg/m3"},
        {0.0, std::nullopt, "unchanged"},    {-3.0, 7850.0, "unchanged"},
        {std::nullopt, 7850.0, "unchanged"},
    };
    for (const auto& c : cases) {
        hostplatform::ResetHost();
        ProjectBuilder b;
        hostplatform::ElementRef beam = b.AddElement(API_BeamID);
        if (c.tradeWeight)
            beam.Property("Handelsgewicht (kg/m)", *c.tradeWeight);
        if (c.specificWeight)
            beam.Property("Soortelijk gewicht (kg/m3)", *c.specificWeight);
        b.Install();

        Article article;
        article.guid = beam.guid();
        article.extraInfo2 = "unchanged";
        Calculation::GetSpecificWeightProperty(article);
        EXPECT_EQ(article.extraInfo2.ToUtf8(), c.expected) << c.expected;
    }
}

} // namespace
