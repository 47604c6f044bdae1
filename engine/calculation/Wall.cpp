#include "engine/calculation/Wall.hpp"

#include "engine/calculation/UnitChoice.hpp"

using namespace calc;

namespace {

constexpr Int32 kVolume = 0;
constexpr Int32 kHeight = 20;
constexpr Int32 kAxisLength = 25;
constexpr Int32 kInsideSurface = 26;
constexpr Int32 kReferenceLength = 42;

constexpr const char* kMiddleSurface = "Oppervlakte middenas";

std::optional<double> SkinAreaOnly(Article& article) {
    if (article.skinIndex < 0) {
        return std::nullopt;
    }
    return Calculation::SkinProjectedArea(article);
}

std::optional<double> SkinVolumeOrWhole(Article& article) {
    return SkinVolumeElse(article, kVolume);
}

constexpr UnitChoice kChoices[] = {
    {"m - middenas", ChoiceField::Length, "m", QuantityValue<kAxisLength>},
    {"m - zijde referentielijn", ChoiceField::Length, "m", QuantityValue<kReferenceLength>},
    {"m - binnenkant", ChoiceField::Length, "m", UserProperty<"Lengte muur binnenzijde">},
    {"m - buitenkant", ChoiceField::Length, "m", UserProperty<"Lengte muur buitenzijde">},
    {"m2 - middenas", ChoiceField::Surface, "m2", UserProperty<"Oppervlakte middenas">},
    {"m2 - projectie oppervlakte composiet", ChoiceField::Surface, "m2", SkinAreaOnly},
    {"m2 - oppervlakte binnenkant wand", ChoiceField::Surface, "m2", QuantityValue<kInsideSurface>},
    {"m3 - volume element", ChoiceField::Volume, "m3", QuantityValue<kVolume>},
    {"m3 - volume skin", ChoiceField::Volume, "m3", SkinVolumeOrWhole},
    kPiecesChoice,
    kWeightChoiceWithSpecificWeight,
    kTonChoice,
};

constexpr const char* kAxisCodes[] = {"11.13.20.", "20.13.", "28.34."};
constexpr const char* kAxisPrefixes[] = {"51.52.", "55.", "91."};
constexpr const char* kReferencePrefixes[] = {"20.61.", "53.4", "53.7", "56.61."};

constexpr const char* kMiddleSurfaceCodes[] = {"03.41.", "03.53.20.", "37.41.10.", "40.87.20."};
constexpr const char* kInsideFinishPrefixes[] = {"80.", "81.", "82."};

constexpr const char* kWholeVolumeCodes[] = {"14.11.22.", "11.13.70.", "23.31."};
constexpr const char* kWholeVolumePrefixes[] = {"11.2", "11.3", "12.1"};

void StoreSizes(Article& article) {
    article.size1 = Calculation::Value(kAxisLength);
    article.size3 = Calculation::Value(kHeight);
    article.size4 = article.thickness;
}

// The skin's projected area, or the middle-axis surface of the whole wall.
double SkinAreaOrMiddleSurface(const Article& article) {
    return article.skinIndex >= 0 ? Calculation::SkinProjectedArea(article)
                                  : Property(article, kMiddleSurface);
}

double SurfaceByQelmType(const Article& article) {
    switch (article.qelmType) {
    case QelmType::kWallLayer: // measured as a thickness-prefix code, not left without a surface
    case QelmType::kThicknessPrefix:
        return SkinAreaOrMiddleSurface(article);
    case QelmType::kMaterialCode:
        if (EqualsAny(article, kMiddleSurfaceCodes) || article.Starts("11.")) {
            return Property(article, kMiddleSurface);
        }
        if (article.Starts("22.") && article.wallType != WallTypeComplexProfile) {
            return Property(article, "Oppervlakte gevelmetselwerk");
        }
        return SkinAreaOrMiddleSurface(article);
    case QelmType::kProperty:
        return StartsAny(article, kInsideFinishPrefixes) ? Property(article, "Oppervlakte binnenafwerking")
                                                         : -1.0;
    case QelmType::kOwnClassification:
        return Property(article, kMiddleSurface);
    default:
        return -1.0;
    }
}

} // namespace

bool Wall::EvaluateUserCalculation(Article& article, GS::UniString choice) {
    return ApplyUnitChoice(kChoices, article, choice);
}

double Wall::GetLengthProperty(Article& article) {
    if (EqualsAny(article, kAxisCodes) || StartsAny(article, kAxisPrefixes)) {
        return Calculation::Value(kAxisLength);
    }
    if (StartsAny(article, kReferencePrefixes)) {
        return Calculation::Value(kReferenceLength);
    }
    if (article.Starts("80.")) {
        return Property(article, "Lengte muur binnenzijde");
    }
    if (article.Starts("82.")) {
        return Property(article, "Lengte muur buitenzijde");
    }
    return Calculation::Value(kAxisLength);
}

double Wall::GetSurfaceProperty(Article& article) {
    StoreSizes(article);
    if (article.propertynameMatches("QELM zichtbeton")) {
        return Property(article, kMiddleSurface);
    }
    if (article.propertynameMatches("QELM scheren van hagen en beplantingsmassieven")) {
        // Both faces of the hedge: a missing middle-axis surface must not shrink the area by 2.
        const double middle = Property(article, kMiddleSurface);
        return middle < 0.0 ? -1.0 : Calculation::Value(kInsideSurface) + 2.0 * middle;
    }
    return SurfaceByQelmType(article);
}

double Wall::GetVolumeProperty(Article& article) {
    StoreSizes(article);
    if (EqualsAny(article, kWholeVolumeCodes) || StartsAny(article, kWholeVolumePrefixes)) {
        return Calculation::Value(kVolume);
    }
    return SkinVolumeElse(article, kVolume);
}

Int32 Wall::GetPiecesProperty(Article&) {
    return 1;
}
