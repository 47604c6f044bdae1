#include "CalculatorFixture.hpp"

#include "engine/calculation/Lamp.hpp"
#include "engine/calculation/Object.hpp"

namespace {

using hostplatform::ElementRef;

class ObjectTest : public CalculatorTest {
  protected:
    // A measurement part: its first three parameters multiply to the base volume 6.0.
    ElementRef AddMeasurementPart() {
        return builder.AddElement(API_ObjectID)
            .Parameter("A", 1.0)
            .Parameter("B", 2.0)
            .Parameter("ZZYZX", 3.0)
            .Parameter("QELM_Lengte", 4.0)
            .Parameter("QELM_Oppervlakte", 5.0)
            .Parameter("QELM_Volume", 0.75)
            .Parameter("QELM_Aantal", 2.9)
            .Parameter("QELM_GewichtKG", 120.0)
            .Parameter("QELM_GewichtTon", 0.12);
    }
    Article LoadPart(ElementRef element, const char* libPartName, const char* code = "") {
        Article article = Load(element, code);
        article.libPartName = libPartName;
        return article;
    }
};

TEST_F(ObjectTest, MeasurementPartsAnswerEveryGetterFromTheirOwnParameters) {
    for (const char* name : {"Telvorm RX", "Telvorm 27 RX"}) {
        Article article = LoadPart(AddMeasurementPart(), name);
        article.size1 = 1.0;
        EXPECT_EQ(Object::GetLengthProperty(article), 4.0) << name;
        EXPECT_EQ(Object::GetSurfaceProperty(article), 5.0) << name;
        EXPECT_EQ(Object::GetVolumeProperty(article), 0.75) << name;
        EXPECT_EQ(Object::GetPiecesProperty(article), 2) << name; // 2.9 truncated
        EXPECT_EQ(article.size1, -1.0) << name;
        EXPECT_EQ(Object::GetWeightProperty(article), 120.0) << name;
        EXPECT_EQ(Object::GetTonProperty(article), 0.12) << name;
        EXPECT_EQ(Object::GetDm2Property(article), 5.0) << name;
        EXPECT_EQ(Object::GetDm3Property(article), 0.75) << name;
    }
}

TEST_F(ObjectTest, VolumeChoicesKnowOnlyTheFirstMeasurementPart) {
    const ElementRef part = AddMeasurementPart();
    Article first = LoadPart(part, "Telvorm RX");
    EXPECT_TRUE(Object::EvaluateUserCalculation(first, "m3 - dakconstructie"));
    EXPECT_EQ(first.volume, 0.75);
    first.volume = -1.0;
    EXPECT_TRUE(Object::EvaluateUserCalculation(first, "m3 - object houten roostering"));
    EXPECT_EQ(first.volume, 0.75);

    // The second measurement part is any other object here: no profile, so the base volume; no
    // "hohruw", so the volume stays as it was.
    Article second = LoadPart(part, "Telvorm 27 RX");
    EXPECT_TRUE(Object::EvaluateUserCalculation(second, "m3 - dakconstructie"));
    EXPECT_EQ(second.volume, 6.0);
    second.volume = -1.0;
    EXPECT_TRUE(Object::EvaluateUserCalculation(second, "m3 - object houten roostering"));
    EXPECT_EQ(second.volume, -1.0);
    EXPECT_EQ(second.unit, "m3");
    second.volume = 0.0;
    Object::EvaluateUserCalculation(second, "m3 - object houten roostering");
    EXPECT_EQ(second.volume, 6.0);
}

TEST_F(ObjectTest, TimberGridAndProfileVolumes) {
    const ElementRef grid = builder.AddElement(API_ObjectID)
                                .Parameter("BB", 0.5)
                                .Parameter("BH", 0.2)
                                .Parameter("B", 3.0)
                                .Parameter("hohruw", 0.6);
    Article article = LoadPart(grid, "Balkenlaag RX");
    Object::EvaluateUserCalculation(article, "m3 - object houten roostering");
    EXPECT_DOUBLE_EQ(article.volume, 0.5);

    const ElementRef profile = builder.AddElement(API_ObjectID)
                                   .Parameter("rm_ProfileHeight", 0.2)
                                   .Parameter("rm_StructalLength", 4.0)
                                   .Parameter("rm_ProfileWidth", 0.1);
    Article roof = LoadPart(profile, "Profiel");
    Object::EvaluateUserCalculation(roof, "m3 - dakconstructie");
    EXPECT_DOUBLE_EQ(roof.volume, 0.08);
    Article code = LoadPart(profile, "Profiel", "30.13.");
    EXPECT_DOUBLE_EQ(Object::GetVolumeProperty(code), 0.08);
}

TEST_F(ObjectTest, ProfileCodeWithZeroProductTakesVolumeProperty) {
    Article with =
        LoadPart(builder.AddElement(API_ObjectID).Property("Volume object", 0.4), "X", "30.12.10.");
    EXPECT_EQ(Object::GetVolumeProperty(with), 0.4);
    Article without = LoadPart(builder.AddElement(API_ObjectID), "X", "30.12.10.");
    EXPECT_EQ(Object::GetVolumeProperty(without), -1.0);
    Article other = LoadPart(builder.AddElement(API_ObjectID), "Balkenlaag RX", "30.13.10.");
    EXPECT_EQ(Object::GetVolumeProperty(other), -1.0);
}

TEST_F(ObjectTest, MissingParametersCountZeroMissingPropertiesMinusOne) {
    Article article = LoadPart(builder.AddElement(API_ObjectID), "Stoel");
    EXPECT_EQ(Object::GetLengthProperty(article), 0.0);
    EXPECT_EQ(Object::GetSurfaceProperty(article), 0.0);
    EXPECT_EQ(Object::GetKwProperty(article), -1.0);
    EXPECT_EQ(Object::GetTonProperty(article), -1.0);
    EXPECT_EQ(Object::GetDm2Property(article), -1.0);
    EXPECT_EQ(Object::GetDm3Property(article), -1.0);
    EXPECT_TRUE(Object::EvaluateUserCalculation(article, "m - parameter a"));
    EXPECT_EQ(article.length, 0.0);
    EXPECT_TRUE(Object::EvaluateUserCalculation(article, "m2 - oppervlakte"));
    EXPECT_EQ(article.surface, -1.0);
    article.length = 2.5;
    EXPECT_TRUE(Object::EvaluateUserCalculation(article, "m - lengte mep object"));
    EXPECT_EQ(article.length, 2.5); // no such parameter: the length stays
}

TEST_F(ObjectTest, LengthOfOrdinaryAndMepObjects) {
    Article zzyzx =
        LoadPart(builder.AddElement(API_ObjectID).Parameter("A", 0.0).Parameter("ZZYZX", 2.2), "X");
    EXPECT_EQ(Object::GetLengthProperty(zzyzx), 2.2);
    Article a = LoadPart(builder.AddElement(API_ObjectID).Parameter("A", 1.2).Parameter("ZZYZX", 2.2), "X");
    EXPECT_EQ(Object::GetLengthProperty(a), 1.2);
    Article mep =
        LoadPart(builder.AddElement(API_ObjectID).Parameter("MEP_StraightLength", 0.0), "Wandafwerking RX");
    EXPECT_EQ(Object::GetLengthProperty(mep), 0.0); // the MEP length comes before the wall finish
}

TEST_F(ObjectTest, WallFinishByTypeCodeAndPropertyName) {
    const ElementRef finish = builder.AddElement(API_ObjectID)
                                  .Parameter("A", 6.0)
                                  .Parameter("LengtePlint", 5.0)
                                  .Parameter("LengteNegge", 1.5)
                                  .Parameter("AlgemeenOppervlakte", 15.0)
                                  .Parameter("OppervlakNegge", 0.5)
                                  .Parameter("AlgemeenOppervlakteLamb", 3.0)
                                  .Parameter("OppervlakNeggeLamb", 0.25)
                                  .Parameter("AlgemeenVolume", 0.3)
                                  .Parameter("VolumeNegge", 0.01)
                                  .Parameter("AlgemeenVolumeLamb", 0.06)
                                  .Parameter("VolumeNeggeLamb", 0.005);
    Article skirting = LoadPart(finish, "Wandafwerking RX", "53.41.");
    skirting.qelmType = 4;
    EXPECT_EQ(Object::GetLengthProperty(skirting), 5.0);
    EXPECT_EQ(Object::GetSurfaceProperty(skirting), -1.0);
    EXPECT_EQ(Object::GetVolumeProperty(skirting), -1.0);

    Article whole = LoadPart(finish, "Wandafwerking RX", "53.41.");
    whole.qelmType = 5;
    EXPECT_EQ(Object::GetLengthProperty(whole), 6.0);
    EXPECT_EQ(Object::GetSurfaceProperty(whole), 15.0);
    EXPECT_EQ(Object::GetVolumeProperty(whole), 0.3);

    Article reveal = LoadPart(finish, "Wandafwerking RX", "80.10.");
    reveal.qelmType = 4;
    reveal.propertyName = "QELM wandbepleistering dagkanten";
    EXPECT_EQ(Object::GetLengthProperty(reveal), 1.5);
    EXPECT_EQ(Object::GetSurfaceProperty(reveal), 0.5);
    EXPECT_EQ(Object::GetVolumeProperty(reveal), 0.01);

    Article wainscot = LoadPart(finish, "Wandafwerking RX", "80.10.");
    wainscot.qelmType = 4;
    EXPECT_EQ(Object::GetLengthProperty(wainscot), 5.0);
    EXPECT_EQ(Object::GetSurfaceProperty(wainscot), 3.25);
    EXPECT_DOUBLE_EQ(Object::GetVolumeProperty(wainscot), 0.065);
}

TEST_F(ObjectTest, CeilingFinishHasAreaThroughItsPropertyButNoVolume) {
    const ElementRef finish = builder.AddElement(API_ObjectID)
                                  .Parameter("AlgemeenPerimeter", 14.0)
                                  .Parameter("AlgemeenOppervlakte", 12.0)
                                  .Parameter("VolumeSchil1", 0.2);
    Article byProperty = LoadPart(finish, "Plafondafwerking RX", "50.10.");
    byProperty.qelmType = 4;
    byProperty.propertyName = "QELM interieurafwerking - plafond";
    EXPECT_EQ(Object::GetLengthProperty(byProperty), 14.0);
    EXPECT_EQ(Object::GetSurfaceProperty(byProperty), 12.0);
    EXPECT_EQ(Object::GetVolumeProperty(byProperty), -1.0);

    Article classified = LoadPart(finish, "Vloerafwerking RX", "50.10.");
    classified.qelmType = 5;
    EXPECT_EQ(Object::GetVolumeProperty(classified), 0.2);
    classified.qelmType = 3;
    EXPECT_EQ(Object::GetSurfaceProperty(classified), -1.0);
}

TEST_F(ObjectTest, WeightByQelmTypeAndCode) {
    const ElementRef steel = builder.AddElement(API_ObjectID)
                                 .Property("Gewicht materiaal", 45.0)
                                 .Property("Handelsgewicht (kg/m)", 12.4);
    auto weight = [&](short qelmType, const char* code) {
        Article article = LoadPart(steel, "Ligger", code);
        article.qelmType = qelmType;
        const double result = Object::GetWeightProperty(article);
        return std::make_pair(result, article.extraInfo2);
    };
    EXPECT_EQ(weight(5, "27.30.10."), std::make_pair(45.0, GS::UniString(" 12 kg/m")));
    EXPECT_EQ(weight(4, "27.30.10.").first, -1.0);
    EXPECT_EQ(weight(4, "27.30.10.").second, "");
    EXPECT_EQ(weight(4, "27.61.").first, 45.0);
    EXPECT_EQ(weight(3, "27.61.").first, -1.0);
    EXPECT_EQ(weight(5, "27.12.").first, -1.0);
}

TEST_F(ObjectTest, ChoicesOfDecimetreKilowattAndProfileText) {
    const ElementRef part = AddMeasurementPart()
                                .Property("Vermogen verwarmingselement", 1.8)
                                .TextParameter("stCurrentProfile", "IPE 180");
    Article article = LoadPart(part, "Stoel");
    EXPECT_TRUE(Object::EvaluateUserCalculation(article, "dm2 - oppervlakte"));
    EXPECT_EQ(article.surface, 5.0);
    EXPECT_EQ(article.unit, "dm2");
    EXPECT_TRUE(Object::EvaluateUserCalculation(article, "dm3 - volume"));
    EXPECT_EQ(article.volume, 0.75);
    EXPECT_TRUE(Object::EvaluateUserCalculation(article, "kw - property vermogen verwarmingselement"));
    EXPECT_EQ(article.kw, 1.8);
    EXPECT_EQ(article.unit, "kw");
    EXPECT_TRUE(Object::EvaluateUserCalculation(article, "m - parameter zzyzx"));
    EXPECT_EQ(article.length, 3.0);
    EXPECT_FALSE(Object::EvaluateUserCalculation(article, "ton - property grondverzet"));
    Object::GetExtraInfo1(article);
    EXPECT_EQ(article.extraInfo1, "IPE 180");
}

TEST_F(ObjectTest, LampCountsPiecesOnly) {
    Article lamp = Load(builder.AddElement(API_LampID));
    EXPECT_EQ(Lamp::GetPiecesProperty(lamp), 1);
    EXPECT_FALSE(Lamp::EvaluateUserCalculation(lamp, "m - middenas"));
    EXPECT_EQ(lamp.unit, "");
    EXPECT_TRUE(Lamp::EvaluateUserCalculation(lamp, "st - stuks"));
    EXPECT_EQ(lamp.pieces, 1);
    EXPECT_EQ(lamp.unit, "st");
}

} // namespace
