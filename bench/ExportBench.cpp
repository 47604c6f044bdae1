// The whole export run (Excel::CreateXls): a detailed bill and a Bouwsoft workbook of 20,000 and
// 200,000 article rows in groups of 1,000, saved safely. "peak_rss_MB" is the process's peak resident
// size during the export, "export_peak_MB" how far that peak rose above the size before the export
// (the take-off itself is held in memory by the engine); the latter must not follow the row count.
// Bouwsoft rows look up an IFC GlobalId per article; the articles share 2,000 host elements.
// BM_ExportSynthetic exports the take-off of the synthetic 10,000-element model in each of the three
// kinds. Both report host calls per row ("host_calls/row", over the sheet's rows), the latter also per
// element of the model.
#include "HostCallCounters.hpp"
#include "SyntheticProject.hpp"

#include "engine/host/Main.hpp"
#include "export/Excel.hpp"

#include "hostplatform/Host.hpp"
#include "hostplatform/ProjectBuilder.hpp"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <stdlib.h>

namespace {

constexpr Int32 kGroupSize = 1000;
constexpr Int32 kElements = 2000;

// A value of /proc/self/status in megabytes ("VmHWM", "VmRSS"); 0 when unreadable.
double StatusMegabytes(const std::string& key) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(key + ":", 0) == 0)
            return std::stod(line.substr(key.size() + 1)) / 1024.0;
    }
    return 0.0;
}

// Starts a new peak at the current resident size (Linux 4.0 and later).
void ResetPeak() {
    std::ofstream("/proc/self/clear_refs") << "5";
}

std::string ScratchFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "excel-bench-XXXXXX").string();
    return mkdtemp(pattern.data()) != nullptr ? pattern : std::string("/tmp");
}

std::vector<API_Guid> InstallElements() {
    hostplatform::ResetHost();
    hostplatform::ProjectBuilder b;
    std::vector<API_Guid> guids;
    for (Int32 i = 0; i < kElements; ++i)
        guids.push_back(b.AddElement(API_ObjectID).Id(GS::UniString::Printf("K-%d", i)));
    b.Install();
    return guids;
}

Article BenchArticle(Int32 index, const API_Guid& guid) {
    Article a;
    a.guid = guid;
    a.elementID = GS::UniString::Printf("Binnenwand %d", index);
    a.storyName = "Gelijkvloers";
    a.zoneNames = {"Keuken", "Berging"};
    a.zoneNumbers = {"0.12", "0.13"};
    a.pieces = 1;
    a.length = 3.25;
    a.size2 = 0.14;
    a.size3 = 2.6;
    a.surface = 8.45;
    a.volume = 1.183;
    a.extraInfo1 = "Kalkzandsteen";
    return a;
}

void FillTakeoff(Int32 rows, const std::vector<API_Guid>& guids) {
    Main::usFilterText.Clear();
    Main::bOnlySelectedElements = false;
    Articles::allArticlesGroups.Clear();
    Articles::allArticlesGroups.Push(ArticleGroup());
    for (Int32 first = 0; first < rows; first += kGroupSize) {
        ArticleGroup group;
        group.code = GS::UniString::Printf("20.%d.", first / kGroupSize + 1);
        group.name = "Binnenmetselwerk, snelbouwsteen";
        group.flags = "|m2|";
        group.measurementUnit = "m2";
        for (Int32 i = first; i < std::min(rows, first + kGroupSize); ++i)
            group.articleList.Push(BenchArticle(i, guids[static_cast<std::size_t>(i) % guids.size()]));
        Articles::allArticlesGroups.Push(std::move(group));
    }
}

// The rows the last export wrote, layout included.
double SheetRows() {
    return static_cast<double>(Excel::xlsRow - 1);
}

// The whole take-off of the installed project, as the palette's button starts it.
bool TakeOff() {
    Main::usFilterText.Clear();
    Main::bOnlySelectedElements = false;
    Articles::articleCount = 0;
    Articles::reportCount = 0;
    Articles::allArticlesGroups.Clear();
    return Articles::ReadElementsFromModel(false) && !Articles::EvaluateElements();
}

void BM_Export(benchmark::State& state) {
    const auto type = static_cast<ExportType>(state.range(0));
    const auto rows = static_cast<Int32>(state.range(1));
    const std::vector<API_Guid> guids = InstallElements();
    FillTakeoff(rows, guids);
    Articles articles;
    const std::string folder = ScratchFolder();
    const IO::Location target(GS::UniString((folder + "/export.xlsx").c_str()));
    double peak = 0.0;
    double rise = 0.0;
    for (auto _ : state) {
        hostplatform::HostCalls::Reset();
        ResetPeak();
        const double before = StatusMegabytes("VmRSS");
        if (!Excel::CreateXls(articles, target, true, type))
            state.SkipWithError("the export failed");
        peak = std::max(peak, StatusMegabytes("VmHWM"));
        rise = std::max(rise, StatusMegabytes("VmHWM") - before);
        hostplatform::Alerts().clear();
    }
    std::filesystem::remove_all(folder);
    Articles::allArticlesGroups.Clear();
    state.counters["peak_rss_MB"] = peak;
    state.counters["export_peak_MB"] = rise;
    state.counters["rows_per_s"] =
        benchmark::Counter(static_cast<double>(rows), benchmark::Counter::kIsIterationInvariantRate);
    bench::ReportHostCalls(state,
                           "export kind " + std::to_string(type) + " of " + std::to_string(rows) + " rows",
                           "host_calls/row", SheetRows());
}

void BM_ExportSynthetic(benchmark::State& state) {
    const auto type = static_cast<ExportType>(state.range(0));
    constexpr int kModelElements = 10000;
    synthetic::Install(kModelElements);
    Articles articles; // fills the rule tables
    if (!TakeOff()) {
        state.SkipWithError("the take-off failed");
        return;
    }
    const std::string folder = ScratchFolder();
    const IO::Location target(GS::UniString((folder + "/export.xlsx").c_str()));
    for (auto _ : state) {
        hostplatform::HostCalls::Reset();
        if (!Excel::CreateXls(articles, target, type != ExportSummary, type))
            state.SkipWithError("the export failed");
        hostplatform::Alerts().clear();
    }
    std::filesystem::remove_all(folder);
    Articles::allArticlesGroups.Clear();
    vAllElementGuids.Clear();
    state.counters["host_calls/row"] = static_cast<double>(hostplatform::HostCalls::Total()) / SheetRows();
    bench::ReportHostCalls(state, "export kind " + std::to_string(type) + " of the synthetic model",
                           "host_calls/elem", kModelElements);
    hostplatform::ResetHost();
}

BENCHMARK(BM_Export)
    ->ArgNames({"kind", "rows"})
    ->Args({ExportDetailed, 20000})
    ->Args({ExportDetailed, 200000})
    ->Args({ExportBouwsoft, 20000})
    ->Args({ExportBouwsoft, 200000})
    ->Unit(benchmark::kMillisecond);

BENCHMARK(BM_ExportSynthetic)
    ->ArgNames({"kind"})
    ->Arg(ExportSummary)
    ->Arg(ExportDetailed)
    ->Arg(ExportBouwsoft)
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return bench::RunWithHostCalls(argc, argv);
}
