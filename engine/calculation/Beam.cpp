#include "engine/calculation/Beam.hpp"

#include "engine/calculation/ProfileWeight.hpp"
#include "engine/calculation/UnitChoice.hpp"

using namespace calc;

namespace {

constexpr Int32 kBottom = 3;
constexpr Int32 kTop = 4;
constexpr Int32 kVolume = 13;
constexpr Int32 kSecondVolume = 14;

constexpr const char* kLength = "Lengte balk of hoogte kolom";

constexpr UnitChoice kChoices[] = {
    {"m - middenas", ChoiceField::Length, "m", UserProperty<"Lengte balk of hoogte kolom">},
    {"m2 - middenas", ChoiceField::Surface, "m2", UserProperty<"Oppervlakte middenas">},
    {"m2 - onderkant", ChoiceField::Surface, "m2", QuantityValue<kBottom>},
    {"m2 - bovenkant", ChoiceField::Surface, "m2", QuantityValue<kTop>},
    {"m3 - volume", ChoiceField::Volume, "m3", QuantityValue<kVolume>},
    kPiecesChoice,
    kWeightChoiceWithSpecificWeight,
    kTonChoice,
};

constexpr const char* kBottomSurfaceCodes[] = {"23.11.", "23.21."};
constexpr const char* kSecondVolumePrefixes[] = {"03.", "26."};
constexpr const char* kSecondVolumeCodes[] = {"23.11.", "23.12.", "23.31."};
constexpr const char* kWeightPrefixes[] = {"27.1", "27.4", "27.51.", "27.6", "27.7", "27.8", "28.2"};
constexpr const char* kWeightCodes[] = {"26.42.", "37.11.10."};

void StoreSizes(Article& article) {
    article.size1 = Property(article, kLength);
    article.size3 = Property(article, "Hoogte balk");
    article.size2 = Property(article, "Breedte balk");
}

} // namespace

bool Beam::EvaluateUserCalculation(Article& article, GS::UniString choice) {
    return ApplyUnitChoice(kChoices, article, choice);
}

void Beam::GetExtraInfo1(Article& article) {
    ProfileTypeText(article);
}

double Beam::GetLengthProperty(Article& article) {
    return Property(article, kLength);
}

double Beam::GetSurfaceProperty(Article& article, bool) {
    StoreSizes(article);
    if (article.propertynameMatches("QELM zicht beton") || EqualsAny(article, kBottomSurfaceCodes)) {
        return Calculation::Value(kBottom);
    }
    return article.skinIndex >= 0 ? Calculation::SkinProjectedArea(article)
                                  : Property(article, "Oppervlakte middenas");
}

double Beam::GetVolumeProperty(Article& article) {
    StoreSizes(article);
    if (article.skinIndex >= 0) {
        return Calculation::SkinVolume(article);
    }
    if (StartsAny(article, kSecondVolumePrefixes) || EqualsAny(article, kSecondVolumeCodes)) {
        return Calculation::Value(kSecondVolume);
    }
    return Calculation::Value(kVolume);
}

Int32 Beam::GetPiecesProperty(Article&) {
    return 1;
}

double Beam::GetWeightProperty(Article& article) {
    return ProfileWeight(article, kWeightPrefixes, kWeightCodes);
}
