#include "engine/calculation/Zone.hpp"

#include "engine/calculation/UnitChoice.hpp"

using namespace calc;

namespace {

constexpr const char* kInnerPainting = "QELM binnenschilderwerken";
constexpr const char* kTiling = "QELM betegeling / keramisch";

} // namespace

double Zone::GetLengthProperty(Article& article) {
    if (article.propertynameMatches(kInnerPainting)) {
        return Calculation::Value(3) - Calculation::Value(2);
    }
    return -1.0;
}

double Zone::GetSurfaceProperty(Article& article) {
    if (article.propertynameMatches(kInnerPainting)) {
        return Property(article, "Oppervlakte wanden + plafond");
    }
    if (article.propertynameMatches(kTiling)) {
        return Calculation::Value(5) - Calculation::Value(9) - Calculation::Value(7);
    }
    return Calculation::Value(0);
}

double Zone::GetVolumeProperty(Article&) {
    return Calculation::Value(15);
}
