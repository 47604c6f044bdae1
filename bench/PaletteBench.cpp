// Collapsing one expanded article group in the palette's articles list, for groups of 1,200 and
// 12,000 article rows followed by other groups: the time of the collapse alone.
#include "engine/Articles.hpp"
#include "palette/DlgPresentData.hpp"

#include "hostplatform/Dialogs.hpp"
#include "hostplatform/Host.hpp"
#include "hostplatform/Resources.hpp"

#include <benchmark/benchmark.h>

namespace {

constexpr short Palette = DlgPresentData::kResourceId;
constexpr short ArticlesList = 7;
constexpr int GroupsAfter = 200;

void AddGroup(const char* code, int articles) {
    ArticleGroup group;
    group.number = static_cast<short>(Articles::allArticlesGroups.GetSize());
    group.code = code;
    group.name = code;
    group.flags = "|st|";
    group.line1 = "st";
    for (int i = 0; i < articles; ++i) {
        Article article;
        article.groupIndex = group.number;
        article.code = code;
        article.elementID = GS::UniString::Printf("L-%d", i);
        article.pieces = 1;
        group.articleList.Push(article);
    }
    Articles::allArticlesGroups.Push(group);
}

// Group 1 holds the rows to collapse; small groups follow it, as in a real result.
void MakeResult(int rows) {
    Articles::allArticlesGroups.Clear();
    AddGroup("Onbekend", 0);
    AddGroup("40.10.", rows);
    for (int i = 0; i < GroupsAfter; ++i)
        AddGroup("50.10.", 3);
}

void BM_CollapseGroup(benchmark::State& state) {
    hostplatform::ResetHost();
    hostplatform::InstallResources(hostplatform::LoadResourceFile(QELM_RESOURCE_FILE));
    MakeResult(static_cast<int>(state.range(0)));
    (new DlgPresentData)->ShowModeless();
    hostplatform::ClickItem(Palette, 12);

    for (auto _ : state) {
        state.PauseTiming();
        hostplatform::ClickListRow(Palette, ArticlesList, 1, 10);
        state.ResumeTiming();
        hostplatform::ClickListRow(Palette, ArticlesList, 1, 10);
    }

    state.counters["rows"] = static_cast<double>(state.range(0));
    if (DGListGetItemCount(Palette, ArticlesList) != GroupsAfter + 1)
        state.SkipWithError("the group did not collapse");
    DGModelessClose(Palette);
    Articles::allArticlesGroups.Clear();
    hostplatform::ResetHost();
}

BENCHMARK(BM_CollapseGroup)->Arg(1200)->Arg(12000)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
