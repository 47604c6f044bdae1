#include "engine/calculation/Object.hpp"

#include "engine/calculation/UnitChoice.hpp"

using namespace calc;

namespace {

// Library-part families, by exact name.
constexpr const char* kMeasurementParts[] = {"Telvorm RX", "Telvorm 27 RX"};
constexpr const char* kWallFinishParts[] = {"Wandafwerking RX"};
constexpr const char* kCeilingFloorParts[] = {"Plafondafwerking RX", "Vloerafwerking RX"};

constexpr const char* kRevealNames[] = {"QELM uitbekleding dagkanten", "QELM wandbepleistering dagkanten"};
constexpr const char* kCeilingFloorNames[] = {"QELM interieurafwerking - plafond",
                                              "QELM interieurafwerking - vloer"};

constexpr const char* kProfileCodes[] = {"30.13."};
constexpr const char* kProfilePrefixes[] = {"30.12.", "30.14."};
constexpr const char* kTypeWeightPrefixes[] = {"27.3", "27.4", "27.51.", "27.6", "27.7", "27.8"};
constexpr const char* kPropertyWeightPrefixes[] = {"27.6", "27.7", "27.8"};

bool IsOneOf(const Article& article, Texts names) {
    return std::any_of(names.begin(), names.end(), [&](const char* n) { return article.libPartName == n; });
}
bool IsMeasurementPart(const Article& article) {
    return IsOneOf(article, kMeasurementParts);
}
bool IsWallFinish(const Article& article) {
    return IsOneOf(article, kWallFinishParts);
}
bool IsCeilingOrFloorFinish(const Article& article) {
    return IsOneOf(article, kCeilingFloorParts);
}

double Par(const Article& article, const char* name) {
    return ParameterValue(article, name);
}

double ProfileProduct(const Article& article) {
    return Par(article, "rm_ProfileHeight") * Par(article, "rm_StructalLength") *
           Par(article, "rm_ProfileWidth");
}

std::optional<double> MepLength(Article& article) {
    if (!Main::HasParameter(article.guid, "MEP_StraightLength")) {
        return std::nullopt;
    }
    return Par(article, "MEP_StraightLength");
}

// Only the first measurement part computes a roof construction's volume itself.
std::optional<double> RoofConstructionVolume(Article& article) {
    if (article.libPartName == "Telvorm RX") {
        return Par(article, "QELM_Volume");
    }
    const double volume = ProfileProduct(article);
    return volume == 0.0 ? Main::GetBaseVolume(article.guid) : volume;
}

std::optional<double> TimberGridVolume(Article& article) {
    if (article.libPartName == "Telvorm RX") {
        return Par(article, "QELM_Volume");
    }
    double volume = article.volume;
    const double divisor = Par(article, "hohruw");
    if (divisor != 0.0) {
        volume = Par(article, "BB") * Par(article, "BH") * Par(article, "B") / divisor;
    }
    return volume == 0.0 ? Main::GetBaseVolume(article.guid) : volume;
}

constexpr UnitChoice kChoices[] = {
    {"m - lengte mep object", ChoiceField::Length, "m", MepLength},
    {"m - parameter a", ChoiceField::Length, "m", Parameter<"A">},
    {"m - parameter b", ChoiceField::Length, "m", Parameter<"B">},
    {"m - parameter zzyzx", ChoiceField::Length, "m", Parameter<"ZZYZX">},
    {"m2 - oppervlakte", ChoiceField::Surface, "m2", UserProperty<"Oppervlakte object">},
    {"m2 - property oppervlakte object", ChoiceField::Surface, "m2", UserProperty<"Oppervlakte object">},
    {"m3 - dakconstructie", ChoiceField::Volume, "m3", RoofConstructionVolume},
    {"m3 - object houten roostering", ChoiceField::Volume, "m3", TimberGridVolume},
    {"m3 - property volume object", ChoiceField::Volume, "m3", UserProperty<"Volume object">},
    kPiecesChoice,
    {"dm2 - oppervlakte", ChoiceField::Surface, "dm2", Parameter<"QELM_Oppervlakte">},
    {"dm3 - volume", ChoiceField::Volume, "dm3", Parameter<"QELM_Volume">},
    kWeightChoice,
    {"kw - property vermogen verwarmingselement", ChoiceField::Kw, "kw",
     UserProperty<"Vermogen verwarmingselement">},
};

// Wall finishes: the whole (type 5), the skirting (53.4), the reveals, or else the wainscot.
double WallFinishLength(const Article& article) {
    if (article.qelmType == QelmType::kOwnClassification) {
        return Par(article, "A");
    }
    if (article.Starts("53.4")) {
        return Par(article, "LengtePlint");
    }
    if (NameMatchesAny(article, kRevealNames)) {
        return Par(article, "LengteNegge");
    }
    return Par(article, "LengtePlint");
}

double WallFinishSurface(const Article& article) {
    if (article.qelmType == QelmType::kOwnClassification) {
        return Par(article, "AlgemeenOppervlakte");
    }
    if (article.Starts("53.4")) {
        return -1.0;
    }
    if (NameMatchesAny(article, kRevealNames)) {
        return Par(article, "OppervlakNegge");
    }
    return Par(article, "AlgemeenOppervlakteLamb") + Par(article, "OppervlakNeggeLamb");
}

double WallFinishVolume(const Article& article) {
    if (article.qelmType == QelmType::kOwnClassification) {
        return Par(article, "AlgemeenVolume");
    }
    if (article.Starts("53.4")) {
        return -1.0;
    }
    if (NameMatchesAny(article, kRevealNames)) {
        return Par(article, "VolumeNegge");
    }
    return Par(article, "AlgemeenVolumeLamb") + Par(article, "VolumeNeggeLamb");
}

double WeightProperty(Article& article) {
    const double weight = Property(article, "Gewicht materiaal");
    Calculation::GetSpecificWeightProperty(article);
    return weight;
}

} // namespace

bool Object::EvaluateUserCalculation(Article& article, GS::UniString choice) {
    return ApplyUnitChoice(kChoices, article, choice);
}

void Object::GetExtraInfo1(Article& article) {
    article.extraInfo1 = Main::GetParameterString(article.guid, "stCurrentProfile");
}

double Object::GetLengthProperty(Article& article) {
    if (IsMeasurementPart(article)) {
        return Par(article, "QELM_Lengte");
    }
    if (Main::HasParameter(article.guid, "MEP_StraightLength")) {
        return Par(article, "MEP_StraightLength");
    }
    if (IsWallFinish(article)) {
        return WallFinishLength(article);
    }
    if (IsCeilingOrFloorFinish(article)) {
        return Par(article, "AlgemeenPerimeter");
    }
    const double a = Par(article, "A");
    return a != 0.0 ? a : Par(article, "ZZYZX");
}

double Object::GetSurfaceProperty(Article& article) {
    if (IsMeasurementPart(article)) {
        return Par(article, "QELM_Oppervlakte");
    }
    if (IsWallFinish(article)) {
        return WallFinishSurface(article);
    }
    if (IsCeilingOrFloorFinish(article)) {
        if (article.qelmType == QelmType::kOwnClassification || NameMatchesAny(article, kCeilingFloorNames)) {
            return Par(article, "AlgemeenOppervlakte");
        }
        return -1.0;
    }
    return Main::GetBaseSurface(article.guid);
}

double Object::GetVolumeProperty(Article& article) {
    if (IsMeasurementPart(article)) {
        return Par(article, "QELM_Volume");
    }
    if (IsWallFinish(article)) {
        return WallFinishVolume(article);
    }
    if (IsCeilingOrFloorFinish(article)) {
        return article.qelmType == QelmType::kOwnClassification ? Par(article, "VolumeSchil1") : -1.0;
    }
    if (EqualsAny(article, kProfileCodes) || StartsAny(article, kProfilePrefixes)) {
        const double volume = ProfileProduct(article);
        return volume == 0.0 ? Property(article, "Volume object") : volume;
    }
    return -1.0;
}

Int32 Object::GetPiecesProperty(Article& article) {
    article.size1 = -1.0;
    article.size2 = -1.0;
    article.size3 = -1.0;
    article.size4 = -1.0;
    return IsMeasurementPart(article) ? TruncateToInt32(Par(article, "QELM_Aantal")) : 1;
}

double Object::GetWeightProperty(Article& article) {
    if (IsMeasurementPart(article)) {
        return Par(article, "QELM_GewichtKG");
    }
    if (article.qelmType == QelmType::kOwnClassification) {
        return StartsAny(article, kTypeWeightPrefixes) ? WeightProperty(article) : -1.0;
    }
    if (article.qelmType == QelmType::kProperty) {
        return StartsAny(article, kPropertyWeightPrefixes) ? WeightProperty(article) : -1.0;
    }
    return -1.0;
}

double Object::GetTonProperty(Article& article) {
    return IsMeasurementPart(article) ? Par(article, "QELM_GewichtTon") : Property(article, "Grondverzet");
}

double Object::GetKwProperty(Article& article) {
    return Property(article, "Vermogen verwarmingselement");
}

double Object::GetDm2Property(Article& article) {
    return IsMeasurementPart(article) ? Par(article, "QELM_Oppervlakte") : -1.0;
}

double Object::GetDm3Property(Article& article) {
    return IsMeasurementPart(article) ? Par(article, "QELM_Volume") : -1.0;
}
