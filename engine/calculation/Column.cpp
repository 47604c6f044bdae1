#include "engine/calculation/Column.hpp"

#include "engine/calculation/ProfileWeight.hpp"
#include "engine/calculation/UnitChoice.hpp"

using namespace calc;

namespace {

constexpr Int32 kCoreSurface = 0;
constexpr Int32 kVolume = 2;

constexpr const char* kHeight = "Lengte balk of hoogte kolom";

constexpr UnitChoice kChoices[] = {
    kPiecesChoice,
    {"m - hoogte", ChoiceField::Length, "m", UserProperty<"Lengte balk of hoogte kolom">},
    {"m2 - core surface zonder boven- en onderkant", ChoiceField::Surface, "m2", QuantityValue<kCoreSurface>},
    {"m3 - volume", ChoiceField::Volume, "m3", QuantityValue<kVolume>},
    kWeightChoiceWithSpecificWeight,
    kTonChoice,
};

constexpr const char* kWeightPrefixes[] = {"27.3", "27.6", "27.7", "27.8"};
constexpr const char* kWeightCodes[] = {"28.24.40."};

void StoreSizes(Article& article) {
    article.size3 = Property(article, kHeight);
    article.size2 = Property(article, "Breedte kolom");
    article.size4 = Property(article, "Dikte kolom");
}

} // namespace

bool Column::EvaluateUserCalculation(Article& article, GS::UniString choice) {
    return ApplyUnitChoice(kChoices, article, choice);
}

void Column::GetExtraInfo1(Article& article) {
    ProfileTypeText(article);
}

double Column::GetLengthProperty(Article& article) {
    return Property(article, kHeight);
}

double Column::GetSurfaceProperty(Article& article) {
    StoreSizes(article);
    return SkinAreaElse(article, kCoreSurface);
}

double Column::GetVolumeProperty(Article& article) {
    StoreSizes(article);
    return SkinVolumeElse(article, kVolume);
}

Int32 Column::GetPiecesProperty(Article&) {
    return 1;
}

double Column::GetWeightProperty(Article& article) {
    return ProfileWeight(article, kWeightPrefixes, kWeightCodes);
}
