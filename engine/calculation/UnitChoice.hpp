// Shared machinery of the calculator classes: the unit-choice table that every EvaluateUserCalculation
// walks, value sources for its rows, code and property-name list tests, and the skin-or-element reads.
// Everything works on one article and the quantities of its element already fetched into Calculation.
#pragma once

#include "engine/Article.hpp"
#include "engine/calculation/Calculation.hpp"
#include "engine/host/Main.hpp"

#include <algorithm>
#include <cstddef>
#include <optional>
#include <span>

namespace calc {

// The article field a unit choice writes.
enum class ChoiceField { Length, Surface, Volume, Pieces, Weight, Kw, Risers, UnitOnly };

// The value of a choice; std::nullopt leaves the field as it was (the unit is still written).
using ChoiceValue = std::optional<double> (*)(Article&);

// One row of a calculator's unit-choice table. The choice text is lower case with single spaces.
struct UnitChoice {
    const char* choice;
    ChoiceField field;
    const char* unit;
    ChoiceValue value;
    void (*after)(Article&) = nullptr; // runs once field and unit are written
};

// Walks the table from the top; the first row equal to the choice writes its field and the unit, runs its
// after-step and gives true. No equal row: false, the article unchanged.
bool ApplyUnitChoice(std::span<const UnitChoice> table, Article& article, const GS::UniString& choice);

// A text usable as a template argument, so a table row can name a property or parameter.
template <std::size_t N> struct Name {
    char text[N];
    constexpr Name(const char (&s)[N]) { std::copy_n(s, N, text); } // NOLINT: implicit on purpose
};

// Row value sources.
template <Int32 N> std::optional<double> QuantityValue(Article&) {
    return Calculation::Value(N);
}
template <Name P> std::optional<double> UserProperty(Article& article) {
    return Main::GetUserDefinedProperty(article.guid, P.text);
}
template <Name P> std::optional<double> Parameter(Article& article) {
    return Main::GetParameterDouble(article.guid, P.text);
}
template <int C> std::optional<double> Constant(Article&) {
    return C;
}

// The "kg - property gewicht materiaal" after-step of the classes that show the specific weight.
inline void SpecificWeightText(Article& article) {
    Calculation::GetSpecificWeightProperty(article);
}

// The three choices that recur in most classes and always behave alike.
inline constexpr UnitChoice kPiecesChoice{"st - stuks", ChoiceField::Pieces, "st", Constant<1>};
inline constexpr UnitChoice kWeightChoice{"kg - property gewicht materiaal", ChoiceField::Weight, "kg",
                                          UserProperty<"Gewicht materiaal">};
// The weight choice of the classes that also show the specific weight.
inline constexpr UnitChoice kWeightChoiceWithSpecificWeight{
    "kg - property gewicht materiaal", ChoiceField::Weight, "kg", UserProperty<"Gewicht materiaal">,
    SpecificWeightText};
inline constexpr UnitChoice kTonChoice{"ton - property grondverzet", ChoiceField::Weight, "ton",
                                       UserProperty<"Grondverzet">};

using Texts = std::span<const char* const>;

// Article::Equals / Article::Starts / Article::propertynameMatches against any of the texts.
bool EqualsAny(const Article& article, Texts codes);
bool StartsAny(const Article& article, Texts prefixes);
bool NameMatchesAny(const Article& article, Texts propertyNames);

// The user-defined property of the article's element as a number; -1.0 when the element lacks it.
double Property(const Article& article, const char* name);
double ParameterValue(const Article& article, const char* name);

// The skin row's value when skinIndex is 0 or more (-1.0 when that row does not exist), else
// quantity value n of the whole element.
double SkinVolumeElse(const Article& article, Int32 n);
double SkinAreaElse(const Article& article, Int32 n);

// Truncation toward zero into 32 bits; NaN gives -1 (not measured), values beyond the range clamp.
Int32 TruncateToInt32(double value);

} // namespace calc
