// The project-file loader on large files: the sample house's elements repeated until the file holds
// about 100,000 and 300,000 elements, and one element whose properties object holds 20,000 and 80,000
// keys. Loading should grow with the file, not faster, whatever its shape.
#include "hostplatform/ProjectLoader.hpp"

#include <benchmark/benchmark.h>
#include <nlohmann/json.hpp>

#include <fstream>
#include <map>
#include <string>
#include <utility>

namespace {

using Json = nlohmann::ordered_json;

// The element keys that refer to other elements by key.
void RenameReferences(Json& element, const std::string& suffix) {
    element["key"] = element["key"].get<std::string>() + suffix;
    for (const char* single : {"owner", "classificationSource"})
        if (element.contains(single))
            element[single] = element[single].get<std::string>() + suffix;
    if (element.contains("collisions"))
        for (Json& other : element["collisions"])
            other = other.get<std::string>() + suffix;
}

// The sample house with its elements copied `copies` times, each copy with keys of its own.
std::string RepeatedSample(int copies) {
    std::ifstream file(QELM_SAMPLE_PROJECT);
    Json project = Json::parse(file);
    const Json house = project["elements"];
    Json& elements = project["elements"] = Json::array();
    for (int copy = 0; copy < copies; ++copy) {
        for (Json element : house) {
            RenameReferences(element, "#" + std::to_string(copy));
            elements.push_back(std::move(element));
        }
    }
    project.erase("selection");
    return project.dump(1);
}

// A zone with a value for each of `keys` property definitions.
std::string WideObject(int keys) {
    std::string definitions;
    std::string properties;
    for (int i = 0; i < keys; ++i) {
        const std::string name = "\"Eigenschap " + std::to_string(i) + "\"";
        const char* comma = i == 0 ? "" : ",\n";
        definitions += comma + std::string(R"({"name": )") + name + R"(, "valueType": "real"})";
        properties += comma + name + ": " + std::to_string(i);
    }
    return R"({"propertyDefinitions": [)" + definitions +
           R"(], "elements": [{"type": "zone", "properties": {)" + properties + "}}]}";
}

// Loads the text of the benchmark's argument, made once; counts `items` of what each load holds.
template <typename Count>
void LoadRepeatedly(benchmark::State& state, std::string (*make)(int), const char* items, Count count) {
    static std::map<std::pair<std::string (*)(int), int>, std::string> texts;
    const int size = static_cast<int>(state.range(0));
    const std::string& text = texts.try_emplace({make, size}, make(size)).first->second;
    size_t counted = 0;
    for (auto _ : state) {
        const hostplatform::Project project = hostplatform::LoadProjectText(text);
        counted = count(project);
        benchmark::DoNotOptimize(counted);
    }
    state.counters[items] = static_cast<double>(counted);
    state.counters["MB"] = static_cast<double>(text.size()) / 1e6;
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * counted));
}

void BM_LoadProjectText(benchmark::State& state) {
    LoadRepeatedly(state, RepeatedSample, "elements",
                   [](const hostplatform::Project& project) { return project.elements.size(); });
}

void BM_LoadWideObject(benchmark::State& state) {
    LoadRepeatedly(state, WideObject, "keys", [](const hostplatform::Project& project) {
        return project.elements[0].properties.size();
    });
}

// 776 and 2,326 houses of 129 elements: 100,104 and 300,054 elements.
BENCHMARK(BM_LoadProjectText)->Arg(776)->Arg(2326)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_LoadWideObject)->Arg(20000)->Arg(80000)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
