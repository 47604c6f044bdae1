#include "CalculatorFixture.hpp"

#include "engine/calculation/Door.hpp"
#include "engine/calculation/Opening.hpp"
#include "engine/calculation/Skylight.hpp"
#include "engine/calculation/Window.hpp"
#include "hostplatform/Faults.hpp"

#include <numbers>

namespace {

using hostplatform::ElementRef;
using hostplatform::Faults;

class HoleTest : public CalculatorTest {
  protected:
    // A door or window of outer 0.9 × 2.1 (area 1.89) and inner 1.0 × 2.2, reveal depth 0.10, in a wall
    // 0.30 thick at both ends; frame 0.07, sill 0.2 wide and 0.05 thick, reveal lining 0.15, board 0.25.
    ElementRef AddInWall(API_ElemTypeID type) {
        const ElementRef wall = builder.AddElement(API_WallID).WallBasic(0, 0.30, 0.30);
        ElementRef hole = builder.AddElement(type)
                              .Owner(wall)
                              .Quantity(0, 0.9)
                              .Quantity(1, 1.0)
                              .Quantity(2, 2.1)
                              .Quantity(3, 2.2)
                              .Quantity(13, 1.89)
                              .Parameter("gs_frame_thk", 0.07)
                              .Parameter("gs_sill_width", 0.2)
                              .Parameter("gs_sill_thk", 0.05)
                              .Parameter("gs_wido_sill", 0.15)
                              .Parameter("gs_board_width", 0.25);
        hole.record().window.revealDepthFromSide = 0.10;
        return hole;
    }
    Article LoadHole(ElementRef hole, short qelmType, const char* propertyName) {
        Article article = Load(hole, "40.10.");
        article.qelmType = qelmType;
        article.propertyName = propertyName;
        return article;
    }
};

TEST_F(HoleTest, DoorInnerRevealArea) {
    Article door = LoadHole(AddInWall(API_DoorID), 4, "QELM binnenschilderwerken");
    EXPECT_NEAR(Door::GetSurfaceProperty(door), 0.13 * 5.4, 1e-12);
    EXPECT_NEAR(door.size4, 0.13, 1e-12);
    EXPECT_EQ(door.size2, 1.0);
    EXPECT_EQ(door.size3, 2.2);

    Article window = LoadHole(AddInWall(API_WindowID), 3, "QELM behangwerken");
    EXPECT_NEAR(Window::GetSurfaceProperty(window), 0.702, 1e-12);
    EXPECT_NEAR(window.size4, 0.13, 1e-12);
}

TEST_F(HoleTest, InnerRevealWithoutReadableWallIsNotMeasured) {
    ElementRef door = AddInWall(API_DoorID);
    door.record().window.owner = builder.NewGuid(); // no such element
    Article article = LoadHole(door, 4, "QELM binnenschilderwerken");
    EXPECT_EQ(Door::GetSurfaceProperty(article), -1.0);
    EXPECT_EQ(article.size4, -1.0);
    EXPECT_EQ(article.size2, 1.0);

    Article retour = LoadHole(door, 4, "QELM retour gevelmetselwerk");
    EXPECT_EQ(Door::GetSurfaceProperty(retour), -1.0);

    // The choice still names its unit.
    Article choice = LoadHole(door, 4, "");
    EXPECT_TRUE(Door::EvaluateUserCalculation(choice, "m2 - uitbekleding dagkant - binnen"));
    EXPECT_EQ(choice.unit, "m2");
    EXPECT_EQ(choice.surface, -1.0);
}

TEST_F(HoleTest, OwnerThatIsNoWallCountsAsUnreadable) {
    const ElementRef slab = builder.AddElement(API_SlabID).PlateBasic(0, 0.2);
    ElementRef window = AddInWall(API_WindowID);
    window.record().window.owner = slab.guid();
    Article article = LoadHole(window, 4, "QELM binnenschilderwerken");
    EXPECT_EQ(Window::GetSurfaceProperty(article), -1.0);
}

TEST_F(HoleTest, DoorSurfaceRulesByPropertyName) {
    const ElementRef door = AddInWall(API_DoorID).Property("Tussendorpel binnendeur", 0.18);
    auto surface = [&](short qelmType, const char* name) {
        Article article = LoadHole(door, qelmType, name);
        return Door::GetSurfaceProperty(article);
    };
    EXPECT_EQ(surface(5, ""), 1.89);
    EXPECT_EQ(surface(4, "QELM tussendorpel binnendeur"), 0.18);
    EXPECT_NEAR(surface(4, "QELM buitenschilderwerken"), (2 * 2.1 + 0.9) * 0.10, 1e-12);
    EXPECT_NEAR(surface(4, "QELM gevelbekleding dagkant ramen/deuren"), (2 * 2.1 + 0.9) * 0.15, 1e-12);
    EXPECT_NEAR(surface(4, "QELM retour gevelmetselwerk"), (2 * 2.1 + 0.9) * 0.10, 1e-12);
    EXPECT_NEAR(surface(4, "QELM iets anders"), 0.9 * 0.2, 1e-12); // the sill
    EXPECT_EQ(surface(3, "QELM buitenschilderwerken"), -1.0);

    Article sill = LoadHole(door, 4, "QELM tussendorpel binnendeur");
    Door::GetSurfaceProperty(sill);
    EXPECT_EQ(sill.size2, 0.9);
    EXPECT_EQ(sill.size4, 0.30);
}

TEST_F(HoleTest, OuterPaintworkLessTheOutsideSill) {
    const ElementRef door = AddInWall(API_DoorID).Parameter("gs_sill_outside", 1.0);
    Article article = LoadHole(door, 4, "QELM buitenschilderwerken");
    EXPECT_NEAR(Door::GetSurfaceProperty(article), (2 * (2.1 - 0.05) + 0.9) * 0.10, 1e-12);
    EXPECT_NEAR(article.size3, 2.2 - 0.05, 1e-12);
    EXPECT_EQ(article.size4, 0.10);
}

TEST_F(HoleTest, WindowSurfaceRulesByPropertyName) {
    const ElementRef window = AddInWall(API_WindowID);
    auto surface = [&](short qelmType, const char* name) {
        Article article = LoadHole(window, qelmType, name);
        return Window::GetSurfaceProperty(article);
    };
    EXPECT_EQ(surface(5, "QELM venstertabletten"), 1.89);
    EXPECT_EQ(surface(3, "QELM zonnewering"), 1.89);
    EXPECT_NEAR(surface(4, "QELM raam - en deurdorpels"), 0.9 * 0.2, 1e-12);
    EXPECT_NEAR(surface(4, "QELM venstertabletten"), 1.0 * 0.25, 1e-12);
    EXPECT_NEAR(surface(4, "QELM uitbekleding dagkanten"), (2 * 2.1 + 0.9) * 0.15, 1e-12);
    EXPECT_EQ(surface(4, "QELM iets anders"), -1.0); // a door would take its sill here
}

TEST_F(HoleTest, LengthsByPropertyName) {
    const ElementRef window = AddInWall(API_WindowID)
                                  .Property("Uitbekleding binnenkant buitenschrijnwerk", 5.3)
                                  .Property("Uitbekleding buitenkant buitenschrijnwerk", 5.1)
                                  .Property("Lengte dorpel", 0.9)
                                  .Property("Lengte ventilatierooster", 0.8);
    const struct {
        const char* name;
        double length;
    } cases[] = {{"QELM uitbekleding binnenkant buitenschrijnwerk", 5.3},
                 {"QELM buitenschilderwerken", 5.1},
                 {"QELM raamdorpels", 0.9},
                 {"QELM ventilatierooster", 0.8},
                 {"QELM venstertabletten", 1.0},
                 {"QELM iets anders", -1.0}};
    for (const auto& c : cases) {
        Article article = LoadHole(window, 4, c.name);
        EXPECT_EQ(Window::GetLengthProperty(article), c.length) << c.name;
    }
    Article door = LoadHole(AddInWall(API_DoorID), 4, "QELM raamdorpels"); // not a door name
    EXPECT_EQ(Door::GetLengthProperty(door), -1.0);
}

TEST_F(HoleTest, SillVolumesAndTheirSizes) {
    Article door = LoadHole(AddInWall(API_DoorID), 4, "QELM binnenschilderwerken");
    EXPECT_EQ(Door::GetVolumeProperty(door), -1.0);
    EXPECT_EQ(door.size2, 0.9);
    EXPECT_EQ(door.size3, 0.05);
    EXPECT_EQ(door.size4, 0.2);
    door.propertyName = "QELM garagepoortdorpels";
    EXPECT_NEAR(Door::GetVolumeProperty(door), 0.9 * 0.2 * 0.05, 1e-12);

    Article window = LoadHole(AddInWall(API_WindowID), 4, "QELM garagepoortdorpels");
    EXPECT_EQ(Window::GetVolumeProperty(window), -1.0);
    EXPECT_EQ(window.size2, -1.0);
    window.propertyName = "QELM raam - en deurdorpels";
    EXPECT_NEAR(Window::GetVolumeProperty(window), 0.9 * 0.2 * 0.05, 1e-12);
    EXPECT_EQ(window.size3, 0.05);
}

TEST_F(HoleTest, DoorAndWindowChoices) {
    Article door = LoadHole(AddInWall(API_DoorID), 0, "");
    EXPECT_TRUE(Door::EvaluateUserCalculation(door, "m - uitbekleding dagkant - buiten minus dorpelhoogte"));
    EXPECT_NEAR(door.length, 2 * (2.1 - 0.2) + 0.9, 1e-12);
    EXPECT_TRUE(Door::EvaluateUserCalculation(door, "m2 - uitbekleding dagkant - buiten minus dorpelhoogte"));
    EXPECT_NEAR(door.surface, (2 * (2.1 - 0.2) + 0.9) * 0.10, 1e-12);
    EXPECT_TRUE(Door::EvaluateUserCalculation(door, "m2 - uitbekleding dagkant - buiten"));
    EXPECT_NEAR(door.surface, 5.1 * 0.15, 1e-12);

    Article window = LoadHole(AddInWall(API_WindowID), 0, "");
    EXPECT_TRUE(Window::EvaluateUserCalculation(window, "m2 - uitbekleding dagkant - buiten"));
    EXPECT_NEAR(window.surface, 5.1 * 0.2, 1e-12); // the window multiplies by the sill width
    EXPECT_TRUE(
        Window::EvaluateUserCalculation(window, "m - uitbekleding dagkant - buiten minus dorpelhoogte"));
    EXPECT_NEAR(window.length, 5.1, 1e-12); // no outside sill
    EXPECT_TRUE(Window::EvaluateUserCalculation(window, "m2 - dagmaat buiten"));
    EXPECT_EQ(window.surface, 1.89);
    EXPECT_FALSE(Window::EvaluateUserCalculation(window, "m2 - dagmaat"));
}

class SkylightTest : public CalculatorTest {
  protected:
    ElementRef AddSkylight(ElementRef roof) {
        return builder.AddElement(API_SkylightID)
            .Owner(roof)
            .Quantity(0, 1.0)
            .Quantity(1, 1.5)
            .Quantity(2, 1.3);
    }
};

TEST_F(SkylightTest, RevealThroughRoofThickness) {
    const ElementRef skylight = AddSkylight(builder.AddElement(API_RoofID).Property("Dikte dak", 0.25));
    Article article = Load(skylight, "40.20.");
    article.qelmType = 4;
    article.propertyName = "QELM uitbekleding daglichtopeningen";
    EXPECT_DOUBLE_EQ(Skylight::GetSurfaceProperty(article), 1.25);
    EXPECT_DOUBLE_EQ(Skylight::GetLengthProperty(article), 5.0);

    Article choice = Load(skylight);
    EXPECT_TRUE(Skylight::EvaluateUserCalculation(choice, "m2 - uitbekleding daglichtopeningen"));
    EXPECT_DOUBLE_EQ(choice.surface, 1.25);
}

TEST_F(SkylightTest, RevealWithoutRoofThickness) {
    const ElementRef skylight = AddSkylight(builder.AddElement(API_RoofID));
    Article article = Load(skylight, "40.20.");
    article.propertyName = "QELM uitbekleding daglichtopeningen";
    EXPECT_EQ(Skylight::GetSurfaceProperty(article), -1.0);
    article.qelmType = 3;
    EXPECT_EQ(Skylight::GetLengthProperty(article), -1.0);

    Article choice = Load(skylight);
    choice.surface = 0.5;
    EXPECT_TRUE(Skylight::EvaluateUserCalculation(choice, "m2 - uitbekleding daglichtopeningen"));
    EXPECT_EQ(choice.surface, 0.5);
    EXPECT_EQ(choice.unit, "m2");
}

TEST_F(SkylightTest, ZeroThicknessOfClassifiedSkylightGivesOpeningArea) {
    const ElementRef skylight = AddSkylight(builder.AddElement(API_RoofID).Property("Dikte dak", 0.0));
    Article article = Load(skylight);
    article.propertyName = "QELM uitbekleding daglichtopeningen";
    article.qelmType = 5;
    EXPECT_EQ(Skylight::GetSurfaceProperty(article), 1.3);
    article.qelmType = 4;
    EXPECT_EQ(Skylight::GetSurfaceProperty(article), 0.0);
}

TEST_F(SkylightTest, UnreadableRoofLeavesSurfaceUnmeasured) {
    const ElementRef roof = builder.AddElement(API_RoofID).Property("Dikte dak", 0.25);
    const ElementRef skylight = AddSkylight(roof);
    Article article = Load(skylight);
    article.propertyName = "QELM uitbekleding daglichtopeningen";
    Faults::FailCallFor("ACAPI_Element_Get", roof.guid());
    EXPECT_EQ(Skylight::GetSurfaceProperty(article), -1.0);
    EXPECT_TRUE(Skylight::EvaluateUserCalculation(article, "m - omtrek"));
    EXPECT_EQ(article.length, 5.0);
}

class OpeningTest : public CalculatorTest {
  protected:
    double VolumeIn(ElementRef owner, API_OpeningBasePolygonType shape, double width, double height) {
        const ElementRef opening =
            builder.AddElement(API_OpeningID)
                .Opening(APIOpeningLimit_Infinite, APIOpeningDirection_Vertical, shape, width, height)
                .Owner(owner);
        Article article = Load(opening);
        return Opening::GetVolumeProperty(article);
    }
};

TEST_F(OpeningTest, VolumeByShapeAndOwner) {
    const ElementRef slab = builder.AddElement(API_SlabID).PlateBasic(0, 0.2);
    const ElementRef wall = builder.AddElement(API_WallID).WallBasic(0, 0.3, 0.4);
    EXPECT_DOUBLE_EQ(VolumeIn(slab, APIOpeningBasePolygon_Rectangular, 1.0, 2.0), 0.4);
    EXPECT_DOUBLE_EQ(VolumeIn(wall, APIOpeningBasePolygon_Circular, 1.0, 5.0), 0.3 * std::numbers::pi / 4);
    // The radius squared before it meets pi: the last bit differs otherwise.
    EXPECT_EQ(VolumeIn(wall, APIOpeningBasePolygon_Circular, 1.56, 5.0), 0.5734034911332091);
    EXPECT_EQ(VolumeIn(wall, APIOpeningBasePolygon_Custom, 1.0, 2.0), -1.0);
    EXPECT_EQ(VolumeIn(builder.AddElement(API_RoofID).PlateBasic(0, 0.2), APIOpeningBasePolygon_Rectangular,
                       1.0, 2.0),
              -1.0);
}

TEST_F(OpeningTest, UnreadableOwnerCountsZeroThickness) {
    const ElementRef slab = builder.AddElement(API_SlabID).PlateBasic(0, 0.2);
    const ElementRef opening = builder.AddElement(API_OpeningID)
                                   .Opening(APIOpeningLimit_Infinite, APIOpeningDirection_Vertical,
                                            APIOpeningBasePolygon_Rectangular, 1.0, 2.0)
                                   .Owner(slab);
    Article article = Load(opening);
    Faults::FailCallFor("ACAPI_Element_Get", slab.guid());
    EXPECT_EQ(Opening::GetVolumeProperty(article), 0.0);
    Faults::FailCallFor("ACAPI_Element_Get", opening.guid());
    EXPECT_EQ(Opening::GetVolumeProperty(article), -1.0);

    EXPECT_TRUE(Opening::EvaluateUserCalculation(article, "m3 - volume"));
    EXPECT_EQ(article.unit, "m3");
    EXPECT_EQ(article.volume, -1.0);
    EXPECT_FALSE(Opening::EvaluateUserCalculation(article, "m2 - oppervlakte"));
}

} // namespace
