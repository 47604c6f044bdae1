#include "engine/calculation/ProfileWeight.hpp"

namespace calc {

double ProfileWeight(Article& article, Texts steelPrefixes, Texts steelCodes) {
    if (!StartsAny(article, steelPrefixes) && !EqualsAny(article, steelCodes)) {
        return -1.0;
    }
    Calculation::GetSpecificWeightProperty(article);
    if (article.skinIndex < 0) {
        return Property(article, "Gewicht materiaal");
    }
    // -1.0 times a volume would be a small negative weight that the totals add.
    const double specificWeight = Property(article, "Soortelijk gewicht (kg/m3)");
    if (specificWeight < 0.0 || !Calculation::HasSkinRow(article)) {
        return -1.0;
    }
    return specificWeight * Calculation::SkinVolume(article);
}

void ProfileTypeText(Article& article) {
    article.extraInfo1 = Main::GetUserDefinedPropertyString(article.guid, "Type profiel");
}

} // namespace calc
