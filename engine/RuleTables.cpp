// The built-in rule tables of the take-off: the code conditions of QELM types 2 and 3 and the five
// exclusion lists, with the tests that read them.
#include "engine/Articles.hpp"

#include <span>

// Constant-initialised, so the tables are empty before any other global's constructor can fill them,
// whatever the order in which the source files' globals are built.
constinit GS::Array<ClassificationCondition> m_vClassificationsType2;
constinit GS::Array<ClassificationCondition> m_vClassificationsType3;
constinit GS::Array<GS::UniString> m_vErrorMessageExclusions;
constinit GS::Array<GS::UniString> m_vWindowExclusions;
constinit GS::Array<GS::UniString> m_vDoorExclusions;
constinit GS::Array<GS::UniString> m_vObjectExclusions;
constinit GS::Array<GS::UniString> m_vLayerExclusions;

namespace {

struct ConditionRow {
    const char* number;
    bool exact;
};

// Article numbers resolved as QELM type 2: a prefix whose thickness comes from the group description.
constexpr const char* kType2Prefixes[] = {
    "12.21.",  "12.22.",  "13.21.",  "13.21.1", "13.21.2", "13.21.3", "13.22.",  "13.23.",  "13.23.1",
    "13.24.",  "14.11.1", "14.12.1", "14.21.1", "14.22.1", "14.22.2", "14.22.3", "15.11.",  "15.21.",
    "16.1",    "16.2",    "17.11.1", "17.11.2", "17.12.",  "17.12.2", "17.12.3", "17.22.",  "17.23.1",
    "17.23.2", "20.13.1", "20.13.2", "20.13.3", "20.13.4", "21.1",    "21.2",    "31.1",    "31.2",
    "31.3",    "33.11.",  "33.12.1", "33.21.",  "33.22.",  "33.23.",  "33.24.",  "33.31.1", "33.32.",
    "33.41.1", "33.41.2", "33.52.1", "33.52.2", "34.1",    "35.31.",  "35.32.",  "35.33.",  "35.41.",
    "35.42.",  "42.2",    "43.21.1", "43.22.1", "52.3",    "51.1",    "51.21.1", "51.21.2", "51.22.1",
    "51.22.2", "52.11.",  "52.12.",  "52.13.",  "52.14.",  "52.31.",  "52.32.",  "52.33.",  "52.34.",
    "52.35.",  "52.4",    "52.5",    "52.6",    "52.7",    "60.1",    "60.2",    "68.11.",  "68.12.",
    "68.13.",  "68.14."};

// Article numbers resolved as QELM type 3: the number is used as it is.
constexpr ConditionRow kType3Rules[] = {
    {"03.", false},    {"10.1", false},  {"10.31.", true},    {"10.42.", false},   {"10.43.", false},
    {"10.44.", false}, {"10.5", false},  {"11.", false},      {"12.1", false},     {"12.40.", true},
    {"13.", false},    {"14.", false},   {"15.", false},      {"17.", false},      {"20.13.", false},
    {"20.6", false},   {"21.3", false},  {"22.", false},      {"23.", false},      {"24.", false},
    {"25.", false},    {"26.", false},   {"27.", false},      {"28.", false},      {"30.", false},
    {"31.4", false},   {"31.5", false},  {"32.", false},      {"33.", false},      {"35.", false},
    {"37.", false},    {"38.1", false},  {"38.2", false},     {"38.3", false},     {"40.7", false},
    {"40.8", false},   {"42.3", false},  {"42.4", false},     {"42.5", false},     {"42.6", false},
    {"42.7", false},   {"43.11.", true}, {"43.21.20.", true}, {"43.22.20.", true}, {"50.", false},
    {"51.1", false},   {"51.2", false},  {"51.3", false},     {"51.51.", false},   {"51.52.", false},
    {"51.53.", false}, {"52.1", false},  {"52.4", false},     {"52.5", false},     {"52.6", false},
    {"52.7", false},   {"53.0", false},  {"53.1", false},     {"53.2", false},     {"53.3", false},
    {"53.4", false},   {"53.5", false},  {"53.7", false},     {"55.2", false},     {"56.6", false},
    {"57.21.", false}, {"60.", false},   {"61.62.", true},    {"64.", false},      {"65.", false},
    {"67.", false},    {"68.", false},   {"70.41.", true},    {"80.", false},      {"81.", false},
    {"82.", false},    {"90.", false},   {"91.", false},      {"93.2", false},     {"93.3", false},
    {"93.4", false}};

// Article-number prefixes whose elements report no errors.
constexpr const char* kErrorMessagePrefixes[] = {"27.1", "27.3", "27.4", "27.5", "38.1", "38.2", "38.3"};

// Library parts that yield no articles, per element type.
constexpr const char* kWindowLibParts[] = {
    "R achthoekige opening", "R ellips opening",       "R halve rondboog opening",
    "R halve ronde opening", "R lancetboog opening",   "R meerzijdige opening",
    "R punt opening",        "R rechthoekige opening", "R rondboog opening",
    "R ronde opening",       "R ruit opening",         "R schuine opening",
    "R nis rechthoekig",     "R Nis Rechthoekig RX",   "R nis rond"};

constexpr const char* kDoorLibParts[] = {"D hoefijzerboog opening", "D kielboog opening",
                                         "D lancetboog opening",    "D rechthoekige opening",
                                         "D rondboog opening",      "D spitsboog opening"};

// Layers whose elements are not taken off, compared whole and ignoring case.
constexpr const char* kLayerNames[] = {"2D tek aankleding",
                                       "3D vis aankleding",
                                       "Aslijnen",
                                       "Bestemmingen",
                                       "Brandcompartimenten",
                                       "Buitenruimte (overdekt en niet-overdekt)",
                                       "BVO overdekte GG buitenruimten",
                                       "EPB",
                                       "Functies",
                                       "Hulplijnen",
                                       "IFC Module",
                                       "IFC Import",
                                       "Markers - aanzichten",
                                       "Markers - details",
                                       "Markers - doorsneden",
                                       "Markers - inplanting",
                                       "Markers - interieuraanzichten",
                                       "Markers - worksheets",
                                       "Markers wijzigingen",
                                       "Modules",
                                       "Objecten maken",
                                       "Opmerkingen",
                                       "Oppervlakten",
                                       "Patches",
                                       "Point Clouds",
                                       "Ramen en deuren",
                                       "Regenwatertoets",
                                       "SEO Operators",
                                       "Terreinoppervlakten",
                                       "Toegankelijkheidszones",
                                       "Verblijfsgebieden"};

// Balusters, stair, railing and curtain-wall parts, markers, labels, break lines, opening symbols and the
// host's built-in parts. "composiet of profiel naam " really ends in a blank.
constexpr const char* kObjectLibParts[] = {"Baluster - metaal gegoten",
                                           "Baluster gedraaid",
                                           "Baluster geprofileerd",
                                           "Baluster pilaar",
                                           "Baluster reling",
                                           "Beschrijving trap",
                                           "Boom bordes",
                                           "Bordes trapboom",
                                           "Breeklijn golf",
                                           "Breeklijn zigzag",
                                           "Breeklijn zigzag rond",
                                           "CW deur",
                                           "CW deur dubbel",
                                           "CW deur dubbel asymmetrisch",
                                           "CW deur schuifdeur",
                                           "CW deur tourniquet",
                                           "CW paneel",
                                           "CW paneel doos",
                                           "CW paneel eigen",
                                           "CW paneel hoek",
                                           "CW paneel meerlaags",
                                           "CW paneel rand geprofileerd",
                                           "CW raam",
                                           "CW raam dubbel",
                                           "CW raam veelhoekig",
                                           "D Marker",
                                           "Deur en raam marker RX",
                                           "Opening diagonaal",
                                           "Opening diagonaal arc",
                                           "Opening kruis arc",
                                           "Opening Projectie 1",
                                           "Opening Projectie 1 arc",
                                           "Opening Projectie 2",
                                           "Opening Projectie 2 arc",
                                           "Paneel reling",
                                           "Paneel wand",
                                           "Profiel - blok",
                                           "Profiel - diagonaal",
                                           "Profiel - dubbel",
                                           "Profiel basis - diagonaal",
                                           "Profiel basis",
                                           "Profiel geprofileerd",
                                           "Profiel modulair",
                                           "Profiel volglas - blok",
                                           "Profiel volglas - diagonaal",
                                           "Profiel volglas - dubbel",
                                           "Profiel volglas - geprofileerd",
                                           "R Marker",
                                           "R wandafsnijding boven RX",
                                           "R wandafsnijding onder RX",
                                           "Raam Marker",
                                           "Deur Marker",
                                           "Knooppunt",
                                           "Label algemeen",
                                           "Looplijn",
                                           "Nummering",
                                           "Regel",
                                           "Regel geprofileerd",
                                           "Regel varkensoor",
                                           "Stootbord",
                                           "Stootbord geprofileerd",
                                           "Structuur",
                                           "Structuur trap",
                                           "Tekst op-neer",
                                           "Trap accessoire",
                                           "Trapboom",
                                           "Trapboom gekeept",
                                           "Trapboom geprofileerd",
                                           "Trapboom open",
                                           "Trede",
                                           "Trede geprofileerd",
                                           "Trede met extra weltrede RX",
                                           "Zone Stempel RX",
                                           "Zonwering",
                                           "Opening Kruis",
                                           "Label Classificatie en Properties",
                                           "Label Classificatie en Properties component",
                                           "Anker",
                                           "2D Complex Profiel oprekbaar RX",
                                           "2D Maatverdeling RX",
                                           "Basic Change marker",
                                           "Afwerking label RX",
                                           "Controle label RX",
                                           "Deur raam marker",
                                           "Label brandweerstand",
                                           "Label brandweerstandRX",
                                           "Label bitmapsRX",
                                           "Label constructievloerRX",
                                           "Label hoogte",
                                           "Label maatvoering",
                                           "Label maatvoering trap",
                                           "Label MEP",
                                           "Label MEPRX",
                                           "Label opening",
                                           "Label opbouw",
                                           "Label opbouwRX",
                                           "Label properties",
                                           "Label schilderijRX",
                                           "Label surface",
                                           "Label trap",
                                           "Label zone",
                                           "MEP - hellingslabel",
                                           "Object labelRX",
                                           "Ramen en deuren labelRX",
                                           "WarmteweerstandRX",
                                           "temperatuurverloopRX",
                                           "label zonnepaneelRX",
                                           "label equivalent daglicht oppervlakteRX",
                                           "controle aansluitingRX",
                                           "composiet of profiel naam ",
                                           "diagonaal",
                                           "diagonaal gearceerd",
                                           "kruis",
                                           "kruis gearceerd",
                                           "schaduw",
                                           "schaduw gearceerd",
                                           "symbool",
                                           "symbool gearceerd",
                                           "basis change marker",
                                           "R Equivalent daglichtoppervlakteRX",
                                           "D Equivalente daglichtoppervlakteRX",
                                           "D Equivalent daglichtoppervlakteRX",
                                           "parkeerplaatsenRX",
                                           "stenen boogRX",
                                           "stenen geprofileerdRX",
                                           "stenen wand of vloerRX",
                                           "Boom bordes geprofileerd",
                                           "Traparm geprofileerd",
                                           "Traparm",
                                           "Vliesgevel object",
                                           "Regeleind",
                                           "Regeleind geprofileerd",
                                           "Regeleind varkensoor",
                                           "Basic Window-Door-Skylight Marker",
                                           "Built-in Break Mark",
                                           "Built-in Butt-glazed Frame",
                                           "Built-in CW Panel",
                                           "Built-in Description",
                                           "Built-in Frame",
                                           "Built-in Numbering",
                                           "Built-in Panel",
                                           "Built-in Post",
                                           "Built-in Rail end",
                                           "Built-in Rail",
                                           "Built-in Riser",
                                           "Built-in Stair Grid",
                                           "Built-in Tread",
                                           "Built-in Up-Down Text",
                                           "Built-in Walking Line",
                                           "Built-in-Frame",
                                           "CalculateRoteAngle_m",
                                           "MacroSteen",
                                           "Simple Door Opening",
                                           "Simple Window Opening"};

// Layer prefixes that exclude an element, compared with their case.
constexpr const char* kSkippedLayerPrefixes[] = {"A ", "B ", "Z ", "99 "};

void FillLowerCase(GS::Array<GS::UniString>& list, std::span<const char* const> texts) {
    list.Clear();
    for (const char* text : texts)
        list.Push(GS::UniString(text).ToLowerCase());
}

bool ContainsLowerCase(const GS::Array<GS::UniString>& list, const GS::UniString& text) {
    return list.Contains(text.ToLowerCase());
}

} // namespace

Articles::Articles() {
    CreateType2Conditions();
    CreateType3Conditions();
    CreateExclusions();
}

void Articles::CreateType2Conditions() {
    m_vClassificationsType2.Clear();
    for (const char* prefix : kType2Prefixes)
        AddType2ConditionStarts(prefix);
}

void Articles::CreateType3Conditions() {
    m_vClassificationsType3.Clear();
    for (const ConditionRow& row : kType3Rules) {
        if (row.exact)
            AddType3ConditionEquals(row.number);
        else
            AddType3ConditionStarts(row.number);
    }
}

void Articles::CreateExclusions() {
    FillLowerCase(m_vErrorMessageExclusions, kErrorMessagePrefixes);
    FillLowerCase(m_vWindowExclusions, kWindowLibParts);
    FillLowerCase(m_vDoorExclusions, kDoorLibParts);
    FillLowerCase(m_vObjectExclusions, kObjectLibParts);
    FillLowerCase(m_vLayerExclusions, kLayerNames);
}

void Articles::AddType2ConditionStarts(GS::UniString prefix) {
    m_vClassificationsType2.Push(ClassificationCondition(prefix, GS::UniString()));
}

void Articles::AddType2ConditionEquals(GS::UniString number) {
    m_vClassificationsType2.Push(ClassificationCondition(GS::UniString(), number));
}

void Articles::AddType3ConditionStarts(GS::UniString prefix) {
    m_vClassificationsType3.Push(ClassificationCondition(prefix, GS::UniString()));
}

void Articles::AddType3ConditionEquals(GS::UniString number) {
    m_vClassificationsType3.Push(ClassificationCondition(GS::UniString(), number));
}

void Articles::AddErrorMessageExclusion(GS::UniString text) {
    m_vErrorMessageExclusions.Push(text.ToLowerCase());
}

void Articles::AddWindowExclusion(GS::UniString text) {
    m_vWindowExclusions.Push(text.ToLowerCase());
}

void Articles::AddDoorExclusion(GS::UniString text) {
    m_vDoorExclusions.Push(text.ToLowerCase());
}

void Articles::AddObjectExclusion(GS::UniString text) {
    m_vObjectExclusions.Push(text.ToLowerCase());
}

void Articles::AddLayerExclusion(GS::UniString text) {
    m_vLayerExclusions.Push(text.ToLowerCase());
}

bool Articles::SkipObject(GS::UniString layerName) {
    for (const char* prefix : kSkippedLayerPrefixes) {
        if (layerName.BeginsWith(prefix))
            return true;
    }
    return IsLayerExcluded(layerName);
}

bool Articles::IsLayerExcluded(GS::UniString layerName) {
    return ContainsLowerCase(m_vLayerExclusions, layerName);
}

bool Articles::IsExcluded(Article& article) {
    switch (article.elemType) {
    case API_WindowID:
        return ContainsLowerCase(m_vWindowExclusions, article.libPartName);
    case API_DoorID:
        return ContainsLowerCase(m_vDoorExclusions, article.libPartName);
    case API_ObjectID:
        return ContainsLowerCase(m_vObjectExclusions, article.libPartName);
    default:
        return false;
    }
}
