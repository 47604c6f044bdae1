#include "engine/calculation/UnitChoice.hpp"

#include <cmath>
#include <limits>

namespace calc {

namespace {

void Write(Article& article, ChoiceField field, double value) {
    switch (field) {
    case ChoiceField::Length:
        article.length = value;
        break;
    case ChoiceField::Surface:
        article.surface = value;
        break;
    case ChoiceField::Volume:
        article.volume = value;
        break;
    case ChoiceField::Pieces:
        article.pieces = TruncateToInt32(value);
        break;
    case ChoiceField::Weight:
        article.weight = value;
        break;
    case ChoiceField::Kw:
        article.kw = value;
        break;
    case ChoiceField::Risers:
        article.risers = TruncateToInt32(value);
        break;
    case ChoiceField::UnitOnly:
        break;
    }
}

} // namespace

bool ApplyUnitChoice(std::span<const UnitChoice> table, Article& article, const GS::UniString& choice) {
    for (const UnitChoice& row : table) {
        if (!(choice == row.choice)) {
            continue;
        }
        if (row.value != nullptr) {
            if (const std::optional<double> value = row.value(article)) {
                Write(article, row.field, *value);
            }
        }
        article.unit = row.unit;
        if (row.after != nullptr) {
            row.after(article);
        }
        return true;
    }
    return false;
}

bool EqualsAny(const Article& article, Texts codes) {
    return std::any_of(codes.begin(), codes.end(), [&](const char* code) { return article.Equals(code); });
}

bool StartsAny(const Article& article, Texts prefixes) {
    return std::any_of(prefixes.begin(), prefixes.end(),
                       [&](const char* prefix) { return article.Starts(prefix); });
}

bool NameMatchesAny(const Article& article, Texts propertyNames) {
    return std::any_of(propertyNames.begin(), propertyNames.end(),
                       [&](const char* name) { return article.propertynameMatches(name); });
}

double Property(const Article& article, const char* name) {
    return Main::GetUserDefinedProperty(article.guid, name);
}

double ParameterValue(const Article& article, const char* name) {
    return Main::GetParameterDouble(article.guid, name);
}

double SkinVolumeElse(const Article& article, Int32 n) {
    return article.skinIndex >= 0 ? Calculation::SkinVolume(article) : Calculation::Value(n);
}

double SkinAreaElse(const Article& article, Int32 n) {
    return article.skinIndex >= 0 ? Calculation::SkinProjectedArea(article) : Calculation::Value(n);
}

Int32 TruncateToInt32(double value) {
    if (std::isnan(value)) {
        return -1;
    }
    constexpr double lowest = std::numeric_limits<Int32>::min();
    constexpr double highest = std::numeric_limits<Int32>::max();
    return static_cast<Int32>(std::trunc(std::clamp(value, lowest, highest)));
}

} // namespace calc
