// The quantity dispatch: routes an article to the calculator class of its element type, by the user's
// unit choice (route 1) or by the measure flags of its group (route 2).
#include "engine/Article.hpp"
#include "engine/calculation/Beam.hpp"
#include "engine/calculation/Column.hpp"
#include "engine/calculation/CurtainWall.hpp"
#include "engine/calculation/Door.hpp"
#include "engine/calculation/Lamp.hpp"
#include "engine/calculation/Mesh.hpp"
#include "engine/calculation/Morph.hpp"
#include "engine/calculation/Object.hpp"
#include "engine/calculation/Opening.hpp"
#include "engine/calculation/Railing.hpp"
#include "engine/calculation/Roof.hpp"
#include "engine/calculation/Shell.hpp"
#include "engine/calculation/Skylight.hpp"
#include "engine/calculation/Slab.hpp"
#include "engine/calculation/Stair.hpp"
#include "engine/calculation/Wall.hpp"
#include "engine/calculation/Window.hpp"
#include "engine/calculation/Zone.hpp"
#include "engine/host/Main.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <iterator>

namespace {

using DoubleGetter = double (*)(Article&);
using SurfaceGetter = double (*)(Article&, bool);
using CountGetter = Int32 (*)(Article&);

// The members of one calculator class; nullptr where the class has none.
struct Calculator {
    API_ElemTypeID type;
    const char* unitProperty; // route 1; nullptr: the type has no unit choice
    bool (*evaluate)(Article&, GS::UniString) = nullptr;
    void (*extraInfo1)(Article&) = nullptr;
    DoubleGetter length = nullptr;
    SurfaceGetter surface = nullptr;
    DoubleGetter volume = nullptr;
    CountGetter pieces = nullptr;
    DoubleGetter weight = nullptr;
    DoubleGetter ton = nullptr;
    DoubleGetter kw = nullptr;
    DoubleGetter dm2 = nullptr;
    DoubleGetter dm3 = nullptr;
    CountGetter risers = nullptr;
};

// Only the beam's surface getter takes the dispatch's flag.
template <DoubleGetter Getter> double WithoutFlag(Article& article, bool) {
    return Getter(article);
}

constexpr Calculator kCalculators[] = {
    {.type = API_WallID,
     .unitProperty = "Meeteenheid wand",
     .evaluate = Wall::EvaluateUserCalculation,
     .length = Wall::GetLengthProperty,
     .surface = WithoutFlag<Wall::GetSurfaceProperty>,
     .volume = Wall::GetVolumeProperty,
     .pieces = Wall::GetPiecesProperty},
    {.type = API_ColumnID,
     .unitProperty = "Meeteenheid kolom",
     .evaluate = Column::EvaluateUserCalculation,
     .extraInfo1 = Column::GetExtraInfo1,
     .length = Column::GetLengthProperty,
     .surface = WithoutFlag<Column::GetSurfaceProperty>,
     .volume = Column::GetVolumeProperty,
     .pieces = Column::GetPiecesProperty,
     .weight = Column::GetWeightProperty},
    {.type = API_BeamID,
     .unitProperty = "Meeteenheid balk",
     .evaluate = Beam::EvaluateUserCalculation,
     .extraInfo1 = Beam::GetExtraInfo1,
     .length = Beam::GetLengthProperty,
     .surface = Beam::GetSurfaceProperty,
     .volume = Beam::GetVolumeProperty,
     .pieces = Beam::GetPiecesProperty,
     .weight = Beam::GetWeightProperty},
    {.type = API_WindowID,
     .unitProperty = nullptr,
     .evaluate = Window::EvaluateUserCalculation,
     .length = Window::GetLengthProperty,
     .surface = WithoutFlag<Window::GetSurfaceProperty>,
     .volume = Window::GetVolumeProperty,
     .pieces = Window::GetPiecesProperty},
    {.type = API_DoorID,
     .unitProperty = nullptr,
     .evaluate = Door::EvaluateUserCalculation,
     .length = Door::GetLengthProperty,
     .surface = WithoutFlag<Door::GetSurfaceProperty>,
     .volume = Door::GetVolumeProperty,
     .pieces = Door::GetPiecesProperty},
    {.type = API_ObjectID,
     .unitProperty = "Meeteenheid object",
     .evaluate = Object::EvaluateUserCalculation,
     .extraInfo1 = Object::GetExtraInfo1,
     .length = Object::GetLengthProperty,
     .surface = WithoutFlag<Object::GetSurfaceProperty>,
     .volume = Object::GetVolumeProperty,
     .pieces = Object::GetPiecesProperty,
     .weight = Object::GetWeightProperty,
     .ton = Object::GetTonProperty,
     .kw = Object::GetKwProperty,
     .dm2 = Object::GetDm2Property,
     .dm3 = Object::GetDm3Property},
    {.type = API_LampID,
     .unitProperty = nullptr,
     .evaluate = Lamp::EvaluateUserCalculation,
     .pieces = Lamp::GetPiecesProperty},
    {.type = API_SlabID,
     .unitProperty = "Meeteenheid vloer",
     .evaluate = Slab::EvaluateUserCalculation,
     .length = Slab::GetLengthProperty,
     .surface = WithoutFlag<Slab::GetSurfaceProperty>,
     .volume = Slab::GetVolumeProperty,
     .pieces = Slab::GetPiecesProperty,
     .weight = Slab::GetWeightProperty,
     .ton = Slab::GetTonProperty},
    {.type = API_RoofID,
     .unitProperty = "Meeteenheid dak",
     .evaluate = Roof::EvaluateUserCalculation,
     .length = Roof::GetLengthProperty,
     .surface = WithoutFlag<Roof::GetSurfaceProperty>,
     .volume = Roof::GetVolumeProperty,
     .pieces = Roof::GetPiecesProperty},
    {.type = API_MeshID,
     .unitProperty = "Meeteenheid mesh",
     .evaluate = Mesh::EvaluateUserCalculation,
     .length = Mesh::GetLengthProperty,
     .surface = WithoutFlag<Mesh::GetSurfaceProperty>,
     .volume = Mesh::GetVolumeProperty,
     .weight = Mesh::GetWeightProperty,
     .ton = Mesh::GetTonProperty},
    {.type = API_ZoneID,
     .unitProperty = nullptr,
     .length = Zone::GetLengthProperty,
     .surface = WithoutFlag<Zone::GetSurfaceProperty>,
     .volume = Zone::GetVolumeProperty},
    {.type = API_CurtainWallID,
     .unitProperty = "Meeteenheid vliesgevel",
     .evaluate = CurtainWall::EvaluateUserCalculation,
     .length = CurtainWall::GetLengthProperty,
     .surface = WithoutFlag<CurtainWall::GetSurfaceProperty>,
     .volume = CurtainWall::GetVolumeProperty,
     .pieces = CurtainWall::GetPiecesProperty,
     .weight = CurtainWall::GetWeightProperty,
     .ton = CurtainWall::GetTonProperty,
     .kw = CurtainWall::GetKwProperty,
     .dm2 = CurtainWall::GetDm2Property,
     .dm3 = CurtainWall::GetDm3Property,
     .risers = CurtainWall::GetRiserProperty},
    {.type = API_ShellID,
     .unitProperty = "Meeteenheid shell",
     .evaluate = Shell::EvaluateUserCalculation,
     .length = Shell::GetLengthProperty,
     .surface = WithoutFlag<Shell::GetSurfaceProperty>,
     .volume = Shell::GetVolumeProperty,
     .pieces = Shell::GetPiecesProperty},
    {.type = API_SkylightID,
     .unitProperty = "Meeteenheid daklicht",
     .evaluate = Skylight::EvaluateUserCalculation,
     .length = Skylight::GetLengthProperty,
     .surface = WithoutFlag<Skylight::GetSurfaceProperty>,
     .pieces = Skylight::GetPiecesProperty},
    {.type = API_MorphID,
     .unitProperty = "Meeteenheid morph",
     .evaluate = Morph::EvaluateUserCalculation,
     .length = Morph::GetLengthProperty,
     .surface = WithoutFlag<Morph::GetSurfaceProperty>,
     .volume = Morph::GetVolumeProperty,
     .pieces = Morph::GetPiecesProperty,
     .weight = Morph::GetWeightProperty,
     .ton = Morph::GetTonProperty},
    {.type = API_StairID,
     .unitProperty = "Meeteenheid trap",
     .evaluate = Stair::EvaluateUserCalculation,
     .surface = WithoutFlag<Stair::GetSurfaceProperty>,
     .pieces = Stair::GetPiecesProperty,
     .risers = Stair::GetRiserProperty},
    {.type = API_RailingID,
     .unitProperty = "Meeteenheid reling",
     .evaluate = Railing::EvaluateUserCalculation,
     .length = Railing::GetLengthProperty,
     .pieces = Railing::GetPiecesProperty},
    {.type = API_OpeningID,
     .unitProperty = nullptr,
     .evaluate = Opening::EvaluateUserCalculation,
     .volume = Opening::GetVolumeProperty},
};

const Calculator* FindCalculator(API_ElemTypeID type) {
    const auto* const found = std::find_if(std::begin(kCalculators), std::end(kCalculators),
                                           [type](const Calculator& c) { return c.type == type; });
    return found == std::end(kCalculators) ? nullptr : &*found;
}

double Call(DoubleGetter getter, Article& article, bool) {
    return getter(article);
}
double Call(SurfaceGetter getter, Article& article, bool fromProperties) {
    return getter(article, fromProperties);
}
Int32 Call(CountGetter getter, Article& article, bool) {
    return getter(article);
}

// Stores the calculator's getter result in the article field, when the class has that getter.
template <auto Calculator::*Getter, auto Article::*Field>
void Measure(const Calculator& calculator, Article& article, bool fromProperties) {
    if (const auto getter = calculator.*Getter) {
        article.*Field = Call(getter, article, fromProperties);
    }
}

struct MeasureFlag {
    bool Article::*flag;
    const char* unit;
    void (*measure)(const Calculator&, Article&, bool);
};

// In this order: the last set flag decides the unit; "ton", "dm2" and "dm3" overwrite the field that
// "kg", "m2" and "m3" filled.
constexpr MeasureFlag kMeasureFlags[] = {
    {&Article::lengthFlag, "m", Measure<&Calculator::length, &Article::length>},
    {&Article::surfaceFlag, "m2", Measure<&Calculator::surface, &Article::surface>},
    {&Article::volumeFlag, "m3", Measure<&Calculator::volume, &Article::volume>},
    {&Article::pieceFlag, "st", Measure<&Calculator::pieces, &Article::pieces>},
    {&Article::weightFlag, "kg", Measure<&Calculator::weight, &Article::weight>},
    {&Article::tonFlag, "ton", Measure<&Calculator::ton, &Article::weight>},
    {&Article::kwFlag, "kw", Measure<&Calculator::kw, &Article::kw>},
    {&Article::dm2Flag, "dm2", Measure<&Calculator::dm2, &Article::surface>},
    {&Article::dm3Flag, "dm3", Measure<&Calculator::dm3, &Article::volume>},
    {&Article::riserFlag, "trede", Measure<&Calculator::risers, &Article::risers>},
};

// Every value field a calculator writes.
constexpr double Article::*kMeasuredValues[] = {&Article::length, &Article::surface, &Article::volume,
                                                &Article::weight, &Article::kw,      &Article::size1,
                                                &Article::size2,  &Article::size3,   &Article::size4};

// Double spaces collapsed (one pass), ends trimmed, lower case.
GS::UniString CleanChoice(GS::UniString text) {
    text.ReplaceAll("  ", " ");
    text.Trim();
    return text.ToLowerCase();
}

// Nothing raised below leaves it: the article keeps what was measured before a failure.
void MeasureByChoiceOrFlags(Article& article, bool fromProperties) {
    try {
        if (article.CalculateUserPropertyValues()) {
            return;
        }
        const Calculator* calculator = FindCalculator(article.elemType);
        if (calculator != nullptr && calculator->extraInfo1 != nullptr) {
            calculator->extraInfo1(article);
        }
        if (article.extraInfo1 == "Undefined Value") {
            article.extraInfo1.Clear();
        }
        for (const MeasureFlag& row : kMeasureFlags) {
            if (!(article.*row.flag)) {
                continue;
            }
            article.unit = row.unit;
            if (calculator != nullptr) {
                row.measure(*calculator, article, fromProperties);
            }
        }
    } catch (...) {
    }
}

} // namespace

bool Article::CalculateUserPropertyValues() {
    const Calculator* calculator = FindCalculator(elemType);
    if (calculator == nullptr || calculator->unitProperty == nullptr || calculator->evaluate == nullptr) {
        return false;
    }
    try {
        const GS::UniString name = GS::UniString(calculator->unitProperty).ToLowerCase();
        const GS::UniString choice = CleanChoice(Main::GetUserDefinedPropertyString(guid, name));
        if (choice.IsEmpty()) {
            return false;
        }
        return calculator->evaluate(*this, choice);
    } catch (...) {
        return false;
    }
}

void Article::CalculatePropertyValues(bool fromProperties) {
    std::array<double, std::size(kMeasuredValues)> before{};
    for (std::size_t i = 0; i < before.size(); ++i) {
        before[i] = this->*kMeasuredValues[i];
    }
    MeasureByChoiceOrFlags(*this, fromProperties);
    // A value computed from an unread quantity record is NaN and is not written: the field keeps what it
    // had. Whatever came from a property, a parameter or the article itself stands.
    for (std::size_t i = 0; i < before.size(); ++i) {
        if (std::isnan(this->*kMeasuredValues[i])) {
            this->*kMeasuredValues[i] = before[i];
        }
    }
}
