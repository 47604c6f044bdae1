// The project-file loader on large files: the sample house's elements repeated until the file holds
// about 100,000 and 300,000 elements. Loading should grow with the file, not faster.
#include "hostplatform/ProjectLoader.hpp"

#include <benchmark/benchmark.h>
#include <nlohmann/json.hpp>

#include <fstream>
#include <map>
#include <string>

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

void BM_LoadProjectText(benchmark::State& state) {
    static std::map<int, std::string> texts;
    const int houses = static_cast<int>(state.range(0));
    const std::string& text = texts.try_emplace(houses, RepeatedSample(houses)).first->second;
    size_t elements = 0;
    for (auto _ : state) {
        const hostplatform::Project project = hostplatform::LoadProjectText(text);
        elements = project.elements.size();
        benchmark::DoNotOptimize(elements);
    }
    state.counters["elements"] = static_cast<double>(elements);
    state.counters["MB"] = static_cast<double>(text.size()) / 1e6;
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * elements));
}

// 776 and 2,326 houses of 129 elements: 100,104 and 300,054 elements.
BENCHMARK(BM_LoadProjectText)->Arg(776)->Arg(2326)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
