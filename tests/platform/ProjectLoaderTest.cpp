// The project-file loader: the sample project holds what it says, every kind of bad input is refused
// with one message that names the place, and a file's faults take effect when the project is set.
#include "hostplatform/ProjectLoader.hpp"
#include "../support/HostFixture.hpp"
#include "../support/InChild.hpp"
#include "../support/LeaseHolder.hpp"

#include "PipeSwap.hpp"
#include "hostplatform/Faults.hpp"
#include "hostplatform/Host.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <future>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace hostplatform;
using namespace std::string_literals;

namespace {

// Not __FILE__: a compiler cache may make it relative to the build folder.
const std::filesystem::path SourceDir = QELM_SOURCE_DIR;
const std::string SamplePath = (SourceDir / "examples/woning.json").lexically_normal().string();

// A small valid project; ELEMENTS is replaced by the elements of a case.
const std::string Base = R"({
  "layers": ["21 Buitenwanden", "22 WS binnenwanden"],
  "buildingMaterials": [{"name": "Baksteen", "id": "20.xx.xx.", "description": "baksteen"}],
  "composites": [{"name": "Spouwmuur", "skins": [{"material": "Baksteen", "thickness": 0.09}]}],
  "libParts": [{"type": "window", "name": "Raam"}, {"type": "door", "name": "Deur"}],
  "stories": [{"index": 0, "name": "Gelijkvloers"}, {"index": 1, "name": "Verdieping"}],
  "classifications": [{"name": "QELM", "items": [{"id": "20.", "name": "Metselwerk",
                        "children": [{"id": "20.13.", "name": "Gevelmetselwerk", "description": ["m2", "vh", "12,50"]}]}]}],
  "propertyDefinitions": [{"name": "Dikte dak", "valueType": "real"},
                          {"name": "QELM extra", "valueType": "string", "collection": "list"},
                          {"name": "Aantal", "valueType": "integer"}],
  "elements": ELEMENTS
})";

const std::string Wall =
    R"({"type": "wall", "key": "W1", "layer": "21 Buitenwanden", "structure": "basic", "material": "Baksteen", "thickness": 0.3})";

// The base project with these elements and, after them, more top-level members.
std::string WithElements(const std::string& elements, const std::string& more = "") {
    std::string text = Base;
    text.replace(text.find("ELEMENTS"), 8, elements + more);
    return text;
}

// Members "k0": 0, "k1": 0, ... of an object of this many keys.
std::string NumberedKeys(size_t count) {
    std::string members;
    for (size_t i = 0; i < count; ++i)
        members += (i == 0 ? "\"k" : ", \"k") + std::to_string(i) + "\": 0";
    return members;
}

std::string Repeat(const std::string& text, size_t times) {
    std::string repeated;
    for (size_t i = 0; i < times; ++i)
        repeated += text;
    return repeated;
}

template <typename Load> std::string MessageOf(Load load) {
    try {
        load();
    } catch (const ProjectFileError& error) {
        return error.what();
    }
    return "(loaded without error)";
}

std::string ErrorOf(const std::string& text) {
    return MessageOf([&text] { LoadProjectText(text); });
}

std::string FileErrorOf(const std::string& path) {
    return MessageOf([&path] { LoadProjectFile(path); });
}

const Element& ElementWithId(const Project& project, const char* id) {
    for (const Element& element : project.elements)
        if (element.elementID == id)
            return element;
    throw std::runtime_error(std::string("no element ") + id);
}

const ClassificationItem* ChildWithId(const Project& project, const std::vector<API_Guid>& items,
                                      const char* id) {
    for (const API_Guid& guid : items)
        if (project.classificationItems.at(guid).item.id == id)
            return &project.classificationItems.at(guid);
    return nullptr;
}

// ---- The sample project ----

class SampleProject : public testing::Test {
  protected:
    static void SetUpTestSuite() { sample = new Project(LoadProjectFile(SamplePath)); }
    static void TearDownTestSuite() { delete sample; }
    static Project* sample;
};
Project* SampleProject::sample = nullptr;

TEST_F(SampleProject, HoldsTheHouseWithItsStoriesLayersAndNotes) {
    const Project& p = *sample;
    ASSERT_EQ(p.stories.size(), 4u);
    EXPECT_EQ(p.stories.front().index, -1);
    EXPECT_EQ(p.stories[1].name, "Gelijkvloers");
    EXPECT_DOUBLE_EQ(p.stories[2].level, 2.85);
    EXPECT_EQ(p.layers.at(2).name, "21 Buitenwanden");
    EXPECT_STREQ(p.notes.client, "Familie Van Damme");
    EXPECT_STREQ(p.notes.country, "België");
    ASSERT_GE(p.autotexts.size(), 3u);
    EXPECT_EQ(p.autotexts[0][1], "PROJECTNUMBER");
    EXPECT_EQ(p.autotexts[0][2], "2024-017");
}

TEST_F(SampleProject, QelmItemsCarryUnitFlagPriceAndNoteLines) {
    const Project& p = *sample;
    ASSERT_EQ(p.classificationSystems.size(), 2u);
    const ClassificationSystem& qelm = p.classificationSystems[0];
    EXPECT_EQ(qelm.system.name, "QELM");
    const auto* chapter = ChildWithId(p, qelm.rootItems, "20.");
    ASSERT_NE(chapter, nullptr);
    const auto* heading = ChildWithId(p, chapter->children, "20.10.");
    ASSERT_NE(heading, nullptr);
    const auto* facade = ChildWithId(p, heading->children, "20.13.");
    ASSERT_NE(facade, nullptr);
    const auto* article = ChildWithId(p, facade->children, "20.13.10.");
    ASSERT_NE(article, nullptr);
    EXPECT_EQ(article->item.name, "Gevelmetselwerk handvormsteen");
    EXPECT_TRUE(article->item.description.BeginsWith("m2\nvh\n68,00\n"));
}

TEST_F(SampleProject, CompositeWallWithWindowDoorAndRows) {
    const Project& p = *sample;
    const Element& wall = ElementWithId(p, "BM-01");
    EXPECT_EQ(wall.record.header.type.typeID, API_WallID);
    EXPECT_TRUE(wall.record.header.hasMemo);
    EXPECT_EQ(wall.record.header.floorInd, 0);
    EXPECT_EQ(p.layers.at(wall.record.header.layer).name, "21 Buitenwanden");
    EXPECT_EQ(wall.record.wall.modelElemStructureType, API_CompositeStructure);
    EXPECT_EQ(p.composites.at(wall.record.wall.composite).name, "Spouwmuur 36");
    EXPECT_EQ(wall.composites.size(), p.composites.at(wall.record.wall.composite).skins.size());
    EXPECT_EQ(p.buildingMaterials.at(wall.composites[0].buildMatIndices).name, "Handvormsteen");

    const Element& window = ElementWithId(p, "RA-01");
    EXPECT_EQ(window.record.window.owner, wall.record.header.guid);
    EXPECT_EQ(p.libParts.at(window.record.window.openingBase.libInd).typeID, APILib_WindowID);
    const auto sill = std::find_if(window.parameters.begin(), window.parameters.end(),
                                   [](const Parameter& q) { return q.name == "gs_sill_outside"; });
    ASSERT_NE(sill, window.parameters.end());
    EXPECT_DOUBLE_EQ(sill->real, 1.0);
    ASSERT_EQ(window.classifications.size(), 2u);
    EXPECT_EQ(p.classificationItems.at(window.classifications[0].item).item.id, "40.11.");
}

TEST_F(SampleProject, BeamKeepsBothWeightDefinitionsAndStairItsSource) {
    const Project& p = *sample;
    const Element& beam = ElementWithId(p, "BA-01 HEA 200");
    int weights = 0;
    int hidden = 0;
    for (const ElementProperty& property : beam.properties) {
        if (p.FindPropertyDefinition(property.definition)->name == "Gewicht materiaal") {
            ++weights;
            hidden += property.visible ? 0 : 1;
        }
    }
    EXPECT_EQ(weights, 2);
    EXPECT_EQ(hidden, 1);
    ASSERT_EQ(beam.segments.size(), 1u);
    EXPECT_EQ(beam.record.beam.nSegments, 1u);

    const Element& stair = ElementWithId(p, "TR-01");
    EXPECT_TRUE(stair.record.stair.hasSecondClassification);
    EXPECT_EQ(stair.record.stair.classificationSource, ElementWithId(p, "LE-01").record.header.guid);
    ASSERT_EQ(stair.quantityIntegers.size(), 1u);
    EXPECT_EQ(stair.quantityIntegers[0].number, 5);
    EXPECT_EQ(stair.quantityIntegers[0].half, 1);
}

TEST_F(SampleProject, ZonesSlabCollisionsAndSelection) {
    const Project& p = *sample;
    const Element& zone = ElementWithId(p, "0.02");
    EXPECT_EQ(GS::UniString(zone.record.zone.roomName), "Woonkamer");
    EXPECT_EQ(GS::UniString(zone.record.zone.roomNoStr), "0.02");
    const Element& slab = ElementWithId(p, "VL-00");
    EXPECT_EQ(slab.collisions.size(), 5u);
    EXPECT_NE(std::find(slab.collisions.begin(), slab.collisions.end(), zone.record.header.guid),
              slab.collisions.end());
    ASSERT_EQ(p.selection.size(), 3u);
    EXPECT_EQ(p.selection[0].guid, ElementWithId(p, "BM-01").record.header.guid);
    EXPECT_EQ(p.selection[0].neigID, APINeigOfElemType(API_WallID));
}

TEST_F(SampleProject, LoadsWithTheSameGuidsEveryTime) {
    const Project again = LoadProjectFile(SamplePath);
    ASSERT_EQ(again.elements.size(), sample->elements.size());
    for (size_t i = 0; i < again.elements.size(); ++i)
        EXPECT_EQ(again.elements[i].record.header.guid, sample->elements[i].record.header.guid);
    EXPECT_EQ(APIGuidToString(sample->classificationSystems[0].system.guid),
              "3D5A0E71-2C4B-4F8A-9E61-7B0C2D4E6F88");
}

// ---- Valid input beyond the sample ----

TEST(ProjectLoader, TheFormatDescriptionsExamplesLoad) {
    std::ifstream file(SourceDir / "docs/project-format.md");
    std::stringstream text;
    text << file.rdbuf();
    const std::string doc = text.str();
    std::vector<std::string> examples;
    for (size_t start = doc.find("```json\n"); start != std::string::npos;
         start = doc.find("```json\n", start)) {
        const size_t end = doc.find("```", start + 8);
        examples.push_back(doc.substr(start + 8, end - start - 8));
        start = end + 3;
    }
    ASSERT_EQ(examples.size(), 2u);
    const Project faulty = LoadProjectText(examples[0]);
    EXPECT_EQ(faulty.faults.size(), 3u);
    EXPECT_EQ(faulty.cancelAfter, 5);
    const Project complete = LoadProjectText(examples[1]);
    EXPECT_EQ(complete.elements.size(), 8u);
    EXPECT_EQ(complete.selection.size(), 2u);
}

TEST(ProjectLoader, ReadsValuesOfEveryShape) {
    const Project p = LoadProjectText(WithElements("[" + Wall + R"(,
      {"type": "window", "guid": "0a1b2c3d-4e5f-4a6b-8c7d-9e0f1a2b3c4d", "owner": "W1", "libPart": 1, "story": "Verdieping",
       "noMemo": true, "parameters": [{"name": "A", "value": 1.2}, {"name": "lijst", "array": true},
                                      {"name": "stCurrentProfile", "value": "HEA 200"}],
       "properties": {"Dikte dak": null, "QELM extra": ["20.13. Gevel", "20. Metselwerk"], "Aantal": 3},
       "quantities": {"0": 1.2, "63": -1}}])"));
    ASSERT_EQ(p.elements.size(), 2u);
    const Element& window = p.elements[1];
    EXPECT_EQ(APIGuidToString(window.record.header.guid), "0A1B2C3D-4E5F-4A6B-8C7D-9E0F1A2B3C4D");
    EXPECT_FALSE(window.record.header.hasMemo);
    EXPECT_EQ(window.record.header.floorInd, 1);
    EXPECT_EQ(window.elementID, "");
    ASSERT_EQ(window.parameters.size(), 3u);
    EXPECT_TRUE(window.parameters[1].isArray);
    EXPECT_TRUE(window.parameters[2].isText);
    EXPECT_EQ(window.parameters[2].text, "HEA 200");
    ASSERT_EQ(window.properties.size(), 3u);
    EXPECT_EQ(window.properties[0].value.variantStatus, API_VariantStatusNull);
    EXPECT_EQ(window.properties[1].value.listVariant.variants.GetSize(), 2u);
    EXPECT_EQ(window.properties[2].value.singleVariant.variant.intValue, 3);
    EXPECT_EQ(window.properties[2].value.singleVariant.variant.type, API_PropertyIntegerValueType);
    EXPECT_EQ(window.quantities.size(), 2u);
    EXPECT_EQ(p.elements[0].record.header.layer, 1);
    EXPECT_DOUBLE_EQ(p.elements[0].record.wall.thickness1, 0.3);
}

TEST(ProjectLoader, TextsThatJustFitTheirHostFieldsAreKept) {
    const std::string client(255, 'x');
    const std::string notes(1023, 'n');
    const Project p =
        LoadProjectText(R"({"projectNotes": {"client": ")" + client + R"(", "notes": ")" + notes + R"("}})");
    EXPECT_EQ(std::string(p.notes.client), client);
    EXPECT_EQ(std::string(p.notes.notes), notes);
}

// ---- Bad input: one message naming the place ----

struct BadCase {
    const char* name;
    std::string text;
    std::string message; // the whole message, or its start when it ends in "..."
};

std::vector<BadCase> BadCases() {
    const std::string guidA = "11111111-2222-4333-8444-555555555555";
    return {
        {"broken JSON", "{\"layers\": [\"a\",\n  ]}", "parse error at line 2, column 3: syntax error..."},
        {"empty file", "", "parse error at line 1, column 1..."},
        {"zero byte after the project", "{\"layers\": []}\0{{{ not json"s,
         "parse error at line 1, column 15: syntax error - unexpected zero byte U+0000"},
        {"zero byte between members", "{\"layers\": [],\n \0\"elements\": []}"s,
         "parse error at line 2, column 2: syntax error - unexpected zero byte U+0000"},
        {"fault before a zero byte", "{\"layers\": [,]}\0"s,
         "parse error at line 1, column 13: syntax error while parsing value..."},
        {"top level not an object", "[]", "(top level): expected an object, found an array"},
        {"wrong type", R"({"layers": "21 Buitenwanden"})", "/layers: expected an array, found a text"},
        {"unknown top-level key", R"({"layer": []})", "/layer: unknown key \"layer\" for a project..."},
        {"key given twice", R"({"layers": [], "layers": []})",
         "/layers: key \"layers\" is given twice in one object"},
        {"key given twice in a wide object", R"({"projectNotes": {)" + NumberedKeys(40) + R"(, "k3": 0}})",
         "/projectNotes/k3: key \"k3\" is given twice in one object"},
        {"key given twice after the object grew wide",
         R"({"projectNotes": {)" + NumberedKeys(40) + R"(, "k30": 0}})",
         "/projectNotes/k30: key \"k30\" is given twice in one object"},
        {"missing required key",
         WithElements(R"([{"type": "wall", "structure": "basic", "material": "Baksteen"}])"),
         "/elements/0: missing key \"thickness\""},
        {"unknown key in an element", WithElements(R"([{"type": "zone", "nmae": "Keuken"}])"),
         "/elements/0/nmae: unknown key \"nmae\" for a zone (known keys: type, key, guid..."},
        {"unknown element type", WithElements(R"([{"type": "wal"}])"),
         "/elements/0/type: unknown element type \"wal\""},
        {"unknown layer name", WithElements(R"([{"type": "zone", "layer": "21 Buitenwand"}])"),
         "/elements/0/layer: unknown layer \"21 Buitenwand\""},
        {"dangling layer index", WithElements(R"([{"type": "zone", "layer": 3}])"),
         "/elements/0/layer: no layer has the index 3 (there are 2)"},
        {"dangling owner key", WithElements("[" + Wall + R"(, {"type": "door", "owner": "W2"}])"),
         "/elements/1/owner: unknown element \"W2\""},
        {"dangling owner guid",
         WithElements("[" + Wall + R"(, {"type": "door", "owner": ")" + guidA + R"("}])"),
         "/elements/1/owner: no element has the guid " + guidA},
        {"dangling item",
         WithElements(R"([{"type": "zone", "classifications": [{"system": "QELM", "item": "20.14."}]}])"),
         "/elements/0/classifications/0/item: unknown item \"20.14.\" in system \"QELM\""},
        {"duplicate guid",
         WithElements(R"([{"type": "zone", "guid": ")" + guidA + R"("}, {"type": "zone", "guid": ")" + guidA +
                      R"("}])"),
         "/elements/1/guid: duplicate guid " + guidA + " (also at /elements/0)"},
        {"duplicate element key", WithElements("[" + Wall + "," + Wall + "]"),
         "/elements/1/key: duplicate element key \"W1\""},
        {"duplicate layer name", R"({"layers": ["A", "A"]})", "/layers/1: duplicate layer name \"A\""},
        {"project note too long", R"({"projectNotes": {"client": ")" + std::string(256, 'x') + R"("}})",
         "/projectNotes/client: text of 256 bytes is too long for the host field (at most 255 bytes of "
         "UTF-8)"},
        {"multi-byte note too long", R"({"projectNotes": {"city": ")" + Repeat("é", 128) + R"("}})",
         "/projectNotes/city: text of 256 bytes is too long..."},
        {"zero character in a note", R"({"projectNotes": {"code": "90\u000000"}})",
         "/projectNotes/code: a zero character cannot be stored in this host field"},
        {"zone name too long",
         WithElements(R"([{"type": "zone", "name": ")" + std::string(256, 'z') + R"("}])"),
         "/elements/0/name: text of 256 UTF-16 units is too long for the host field (at most 255)"},
        {"parameter name too long",
         WithElements(R"([{"type": "zone", "parameters": [{"name": ")" + std::string(32, 'p') +
                      R"(", "value": 1}]}])"),
         "/elements/0/parameters/0/name: text of 32 bytes is too long..."},
        {"quantity number out of range", WithElements(R"([{"type": "zone", "quantities": {"64": 1.0}}])"),
         "/elements/0/quantities/64: quantity value number 64 is out of range (0..63)"},
        {"quantity number not a number", WithElements(R"([{"type": "zone", "quantities": {"-1": 1.0}}])"),
         "/elements/0/quantities/-1: the key \"-1\" is no quantity value number (0..63)"},
        {"quantity half out of range",
         WithElements(R"([{"type": "stair", "quantityIntegers": [{"number": 5, "half": 2, "value": 1}]}])"),
         "/elements/0/quantityIntegers/0/half: must lie between 0 and 1"},
        {"story given as a fraction", WithElements(R"([{"type": "zone", "story": 1.0}])"),
         "/elements/0/story: expected a story name or index, found a number"},
        {"integer written as a fraction",
         WithElements(R"([{"type": "stair", "quantityIntegers": [{"number": 5.0, "half": 1, "value": 1}]}])"),
         "/elements/0/quantityIntegers/0/number: expected an integer, found a number"},
        {"property value of the wrong type",
         WithElements(R"([{"type": "zone", "properties": {"Dikte dak": "dik"}}])"),
         "/elements/0/properties/Dikte dak: expected a number, found a text"},
        {"list property given one value",
         WithElements(R"([{"type": "zone", "properties": {"QELM extra": "20."}}])"),
         "/elements/0/properties/QELM extra: expected an array for a list of values, found a text"},
        {"unknown property definition", WithElements(R"([{"type": "zone", "properties": {"Dikte dk": 1}}])"),
         "/elements/0/properties/Dikte dk: unknown property definition \"Dikte dk\""},
        {"window in a slab",
         WithElements(R"([{"type": "slab", "key": "V", "structure": "basic", "material": 1, "thickness": 0.2},
                          {"type": "window", "owner": "V"}])"),
         "/elements/1/owner: the owner must be a wall, not a slab"},
        {"door with a window part",
         WithElements("[" + Wall + R"(, {"type": "door", "owner": "W1", "libPart": "Raam"}])"),
         "/elements/1/libPart: the library part is not of the element's kind"},
        {"stories out of order", R"({"stories": [{"index": 0}, {"index": 2}]})",
         "/stories/1/index: stories must be listed by consecutive index: expected 1"},
        {"no story given and no story 0", R"({"stories": [{"index": 1}], "elements": [{"type": "zone"}]})",
         "/elements/0: missing key \"story\" (the element would sit on story 0, which the project does not "
         "have)"},
        {"bad IFC GlobalId", WithElements(R"([{"type": "zone", "ifcGlobalId": "4abc"}])"),
         "/elements/0/ifcGlobalId: \"4abc\" is no IFC GlobalId..."},
        {"property given twice",
         R"({"propertyDefinitions": [{"name": "A", "guid": ")" + guidA + R"(", "valueType": "real"}],
             "elements": [{"type": "zone", "properties": {"A": 1, ")" +
             guidA + R"(": 2}}]})",
         "/elements/0/properties/" + guidA + ": a second value for the same property definition"},
        {"collision listed twice",
         WithElements("[" + Wall + R"(, {"type": "zone", "collisions": ["W1", "W1"]}])"),
         "/elements/1/collisions/1: this collision is listed twice"},
        {"two items of one system",
         WithElements(R"([{"type": "zone", "classifications": [{"system": "QELM", "item": "20."},
                                                                {"system": "QELM", "item": "20.13."}]}])"),
         "/elements/0/classifications/1/system: a second item of the same classification system (one item "
         "per system)"},
        {"story index beyond the stories", WithElements(R"([{"type": "zone", "story": 2}])"),
         "/elements/0/story: no story has the index 2"},
        {"element selected twice", WithElements("[" + Wall + "]", R"(, "selection": ["W1", "W1"])"),
         "/selection/1: the element is already selected"},
        {"other format version", R"({"formatVersion": 2})",
         "/formatVersion: this host reads format version 1 only"},
        {"nested too deep", R"({"layers": )" + std::string(300, '[') + std::string(300, ']') + "}",
         "/layers" + Repeat("/0", 255) + ": the file nests arrays and objects deeper than 256 levels"},
        {"number out of range", R"({"layers": ["a", 1e400]})", "/layers/1: number overflow parsing '1e400'"},
        {"unknown host call", R"({"faults": {"calls": [{"call": "ACAPI_Element_Gett"}]}})",
         "/faults/calls/0/call: unknown host call \"ACAPI_Element_Gett\", or one that cannot be made to "
         "fail"},
        {"host call that checks no faults",
         R"({"faults": {"calls": [{"call": "ACAPI_DisposeElemMemoHdls"}]}})",
         "/faults/calls/0/call: unknown host call \"ACAPI_DisposeElemMemoHdls\"..."},
        {"cancel check as a call",
         R"({"faults": {"calls": [{"call": "ACAPI_ProcessWindow_IsProcessCanceled"}]}})",
         "/faults/calls/0/call: the cancel check does not fail; give \"cancelAfter\" to make it report a "
         "cancel"},
        {"fault for an element and an index",
         WithElements(
             "[" + Wall + "]",
             R"(, "faults": {"calls": [{"call": "ACAPI_Element_Get", "element": "W1", "index": 1}]})"),
         "/faults/calls/0: give \"element\" or \"index\", not both"},
        {"fault for a dangling element key",
         WithElements("[" + Wall + "]",
                      R"(, "faults": {"calls": [{"call": "ACAPI_Element_Get", "element": "W2"}]})"),
         "/faults/calls/0/element: unknown element \"W2\""},
        {"fault for a guid that is no element's",
         WithElements("[" + Wall + "]",
                      R"(, "faults": {"calls": [{"call": "ACAPI_Element_GetMemo", "element": ")" + guidA +
                          R"("}]})"),
         "/faults/calls/0/element: no element has the guid " + guidA},
        {"element fault of a call without elements",
         WithElements("[" + Wall + "]",
                      R"(, "faults": {"calls": [{"call": "ACAPI_Attribute_Get", "element": "W1"}]})"),
         "/faults/calls/0/element: ACAPI_Attribute_Get takes no element"},
        {"index fault of a call without indexes",
         R"({"faults": {"calls": [{"call": "ACAPI_Element_Get", "index": 2}]}})",
         "/faults/calls/0/index: ACAPI_Element_Get takes no attribute or library-part index"},
        {"index given as a fraction",
         R"({"faults": {"calls": [{"call": "ACAPI_LibraryPart_Get", "index": 2.0}]}})",
         "/faults/calls/0/index: expected an integer, found a number"},
        {"fault that is success", R"({"faults": {"calls": [{"call": "ACAPI_Selection_Get", "error": 0}]}})",
         "/faults/calls/0/error: 0 means success, not a fault"},
        {"unknown error name",
         R"({"faults": {"calls": [{"call": "ACAPI_Selection_Get", "error": "APIERR_BADD"}]}})",
         "/faults/calls/0/error: unknown value \"APIERR_BADD\" (one of: APIERR_GENERAL, ..."},
        {"same fault twice",
         WithElements("[" + Wall + "]",
                      R"(, "faults": {"calls": [{"call": "ACAPI_Element_Get", "element": "W1"},
                                            {"call": "ACAPI_Element_Get", "element": "W1", "error": -2130313212}]})"),
         "/faults/calls/1: the same fault is given twice (also at /faults/calls/0)"},
        {"cancel after no check", R"({"faults": {"cancelAfter": 0}})",
         "/faults/cancelAfter: must be at least 1 (the first cancel check is check 1)"},
        {"cancel after a negative count", R"({"faults": {"cancelAfter": -3}})",
         "/faults/cancelAfter: must be at least 1..."},
    };
}

TEST(ProjectLoader, RefusesBadInputWithOneMessageNamingThePlace) {
    for (const BadCase& bad : BadCases()) {
        SCOPED_TRACE(bad.name);
        const std::string error = ErrorOf(bad.text);
        const bool prefix =
            bad.message.size() > 3 && bad.message.compare(bad.message.size() - 3, 3, "...") == 0;
        if (prefix)
            EXPECT_EQ(error.substr(0, bad.message.size() - 3), bad.message.substr(0, bad.message.size() - 3));
        else
            EXPECT_EQ(error, bad.message);
    }
}

TEST(ProjectLoader, AmbiguousNamesMustBeReferredToByGuid) {
    const std::string systems = R"({"classifications": [
        {"name": "QELM", "items": [{"id": "20.", "name": "a"}]},
        {"name": "QELM", "guid": "11111111-2222-4333-8444-555555555555", "items": [{"id": "20.", "name": "b"}]}],
      "elements": [{"type": "zone", "classifications": [{"system": "SYSTEM", "item": "20."}]}]})";
    std::string byName = systems;
    byName.replace(byName.find("SYSTEM"), 6, "QELM");
    EXPECT_EQ(ErrorOf(byName), "/elements/0/classifications/0/system: 2 classification systems are named "
                               "\"QELM\"; refer to one by its guid");
    std::string byGuid = systems;
    byGuid.replace(byGuid.find("SYSTEM"), 6, "11111111-2222-4333-8444-555555555555");
    const Project p = LoadProjectText(byGuid);
    EXPECT_EQ(p.classificationItems.at(p.elements[0].classifications[0].item).item.name, "b");
}

TEST(ProjectLoader, FileErrorsNameTheCause) {
    EXPECT_EQ(FileErrorOf("/nonexistent/woning.json"), "cannot open the file: No such file or directory");
    EXPECT_EQ(FileErrorOf(std::filesystem::temp_directory_path().string()),
              "cannot read the file: it is a directory");
    EXPECT_EQ(FileErrorOf("/dev/zero"), "cannot read the file: it is not a regular file");
    // Sparse: no gigabyte is written.
    const std::string huge = testing::TempDir() + "huge-project.json";
    std::ofstream(huge).put('{');
    std::filesystem::resize_file(huge, (1ULL << 30) + 1);
    EXPECT_EQ(FileErrorOf(huge), "cannot read the file: it is larger than 1 GiB");
    std::filesystem::remove(huge);
}

// A pipe at the path is refused at once, whether it was there from the start or took the file's place
// just after the path was first looked at: it never blocks the read.
TEST(ProjectLoader, APipeAtThePathIsRefusedWheneverItAppears) {
    const std::string path = testing::TempDir() + "pipe-project.json";
    for (const bool fromTheStart : {true, false}) {
        std::filesystem::remove(path);
        if (fromTheStart) {
            ASSERT_EQ(mkfifo(path.c_str(), 0600), 0);
        } else {
            std::ofstream(path) << "{}";
            pipe_swap::Arm(path);
        }
        auto reading = std::async(std::launch::async, [&path] { return FileErrorOf(path); });
        if (reading.wait_for(std::chrono::seconds(10)) != std::future_status::ready) {
            ADD_FAILURE() << "the read blocks on a pipe";
            // A writer that comes and goes lets the blocked open end, and the test with it.
            while (reading.wait_for(std::chrono::milliseconds(100)) != std::future_status::ready)
                close(open(path.c_str(), O_WRONLY | O_NONBLOCK));
        }
        EXPECT_EQ(reading.get(), "cannot read the file: it is not a regular file") << fromTheStart;
    }
    std::filesystem::remove(path);
}

// A FIFO is refused without being opened: opening it would let a writer that waits on it go on, into
// a pipe that no one reads.
TEST(ProjectLoader, AFifoIsRefusedAndItsWaitingWriterStaysWaiting) {
    const std::string path = testing::TempDir() + "fifo-project.json";
    std::filesystem::remove(path);
    ASSERT_EQ(mkfifo(path.c_str(), 0600), 0);
    std::atomic<bool> released{false};
    std::thread writer([&] {
        close(open(path.c_str(), O_WRONLY));
        released = true;
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(100)); // the writer waits in its open
    EXPECT_EQ(FileErrorOf(path), "cannot read the file: it is not a regular file");
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_FALSE(released) << "the read opened the FIFO";
    close(open(path.c_str(), O_RDONLY | O_NONBLOCK)); // lets the writer go
    writer.join();
    std::filesystem::remove(path);
}

// A file that another program holds a lease on (a file server's client has it open) is read once the
// holder lets go, as a blocking open would, and the wait is told once.
TEST(ProjectLoader, AFileUnderALeaseIsReadWholeWhenTheHolderLetsGo) {
    const std::string path = testing::TempDir() + "leased-project.json";
    std::ifstream sample(QELM_SOURCE_DIR "/examples/woning.json");
    const std::string text((std::istreambuf_iterator<char>(sample)), std::istreambuf_iterator<char>());
    std::ofstream(path) << text;
    const lease_test::LeaseHolder holder(path, F_WRLCK);
    if (!holder.held())
        GTEST_SKIP() << "the file system takes no leases here";
    testing::internal::CaptureStderr();
    std::string read;
    const std::string error = MessageOf([&] { read = ReadRegularFile(path, UInt64{1} << 30); });
    const std::string told = testing::internal::GetCapturedStderr();
    EXPECT_EQ(error, "(loaded without error)");
    EXPECT_TRUE(read == text) << read.size() << " of " << text.size() << " bytes";
    EXPECT_EQ(std::count(told.begin(), told.end(), '\n'), 1) << told;
    EXPECT_NE(told.find(": waiting for another program to let go of '" + path + "'\n"), std::string::npos)
        << told;
    std::filesystem::remove(path);
}

// A user who may not open a file still learns what it is: it is looked at before it is opened.
TEST(ProjectLoader, RefusalsNameTheKindOfFileAlsoForAUserWithoutRights) {
    struct stat console {};
    if (geteuid() != 0 || stat("/dev/console", &console) != 0 || !S_ISCHR(console.st_mode))
        GTEST_SKIP() << "needs root to act as another user, and a console";
    const std::string folder = testing::TempDir() + "searchable-only";
    std::filesystem::remove_all(folder);
    ASSERT_EQ(mkdir(folder.c_str(), 0700) | chmod(folder.c_str(), 0711), 0);
    const int wrong = test_support::InChild([&] {
        if (setgroups(0, nullptr) != 0 || setgid(65534) != 0 || setuid(65534) != 0)
            return 100;
        return (FileErrorOf(folder) != "cannot read the file: it is a directory") +
               2 * (FileErrorOf("/dev/console") != "cannot read the file: it is not a regular file");
    });
    EXPECT_EQ(wrong, 0) << "1: the folder's message, 2: the console's, 100: no user change";
    std::filesystem::remove_all(folder);
}

// ---- Faults of a project file ----

class ProjectFaults : public HostTest {
  protected:
    static GSErrCode ReadElement(size_t position) {
        API_Element element;
        element.header.guid = CurrentProject().elements.at(position).record.header.guid;
        return ACAPI_Element_Get(&element);
    }
    static GSErrCode ReadLayer(API_AttributeIndex index) {
        API_Attribute attribute;
        attribute.header.typeID = API_LayerID;
        attribute.header.index = index;
        return ACAPI_Attribute_Get(&attribute);
    }
};

TEST_F(ProjectFaults, TakeEffectWhenTheProjectIsSetBesideTheTestsOwn) {
    Faults::FailCall("ACAPI_Selection_DeselectAll", APIERR_REFUSEDCMD);
    const std::string walls =
        "[" + Wall + R"(, {"type": "wall", "key": "W2", "layer": 2, "structure": "basic",
                                                 "material": "Baksteen", "thickness": 0.1}])";
    SetProject(LoadProjectText(WithElements(walls, R"(, "faults": {"calls": [
        {"call": "ACAPI_Element_Get", "element": "W2", "error": "APIERR_BADELEMENT"},
        {"call": "ACAPI_Attribute_Get", "index": 2},
        {"call": "ACAPI_ProjectSetting_GetProjectNotes", "error": -2130313210}], "cancelAfter": 2})")));

    EXPECT_EQ(ReadElement(0), NoError);
    EXPECT_EQ(ReadElement(1), APIERR_BADELEMENT);
    EXPECT_EQ(ReadLayer(1), NoError);
    EXPECT_EQ(ReadLayer(2), APIERR_GENERAL);
    API_ProjectNoteInfo notes{};
    EXPECT_EQ(ACAPI_ProjectSetting_GetProjectNotes(&notes), APIERR_BADNAME);
    EXPECT_EQ(ACAPI_Selection_DeselectAll(), APIERR_REFUSEDCMD);
    EXPECT_FALSE(ACAPI_ProcessWindow_IsProcessCanceled());
    EXPECT_TRUE(ACAPI_ProcessWindow_IsProcessCanceled());
    EXPECT_TRUE(ACAPI_ProcessWindow_IsProcessCanceled());

    // The host program ends a cancel this way; the failing calls stay.
    Faults::NeverCancel();
    EXPECT_FALSE(ACAPI_ProcessWindow_IsProcessCanceled());
    EXPECT_EQ(ReadElement(1), APIERR_BADELEMENT);
}

// A call the loader accepts must be one the host checks, or a fault in a file would never fire; a call
// the host checks but the loader refuses could not be made to fail from a file.
TEST(ProjectFaultCalls, AreTheCallsThatConsultTheFaults) {
    const std::regex definition(R"(^\S.*\b((?:ACAPI|IFCAPI)_\w+)\()");
    const std::regex check(R"re(Faults::Check(Index)?\((?:"([^"]+)"|__func__))re");
    std::map<std::string, bool> checked; // the call's name, and whether it looks at an index
    std::vector<std::filesystem::path> sources = {SourceDir / "platform/src/os/Shell.cpp"};
    for (const auto& entry : std::filesystem::directory_iterator(SourceDir / "platform/src/api"))
        sources.push_back(entry.path());
    for (const auto& source : sources) {
        std::ifstream file(source);
        std::string function;
        for (std::string line; std::getline(file, line);) {
            std::smatch match;
            if (std::regex_search(line, match, definition))
                function = match[1];
            for (auto it = std::sregex_iterator(line.begin(), line.end(), check);
                 it != std::sregex_iterator(); ++it)
                checked[(*it)[2].matched ? (*it)[2].str() : function] |= (*it)[1].matched;
        }
    }
    std::map<std::string, bool> named;
    for (const FaultableCall& call : Faults::Calls())
        EXPECT_TRUE(named.emplace(call.name, call.key == FaultKey::Index).second) << call.name << " twice";
    for (const auto& [name, index] : checked) {
        const auto found = named.find(name);
        if (found == named.end())
            ADD_FAILURE() << name << " consults the faults but is not in the table";
        else
            EXPECT_EQ(found->second, index)
                << name << (index ? " looks" : " does not look") << " at an index";
    }
    for (const auto& [name, index] : named)
        EXPECT_EQ(checked.count(name), 1u) << name << " never consults the faults";
}

} // namespace
