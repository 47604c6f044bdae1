// The type-2 pattern test on many material codes: the engine's pattern, built once per process, against
// building the same pattern on every call.
#include "engine/Articles.hpp"
#include "engine/host/TypeConv.hpp"

#include <benchmark/benchmark.h>

#include <regex>
#include <vector>

namespace {

std::vector<Article> MakeArticles(int count) {
    static const char* const samples[] = {
        "20.13.xx.", "20.13.1x.", "33.23.xx. dakisolatie", "20.13.05.",       "20.13.XX.",
        "22.21.",    "baksteen",  "20.13.xx.10.",          "31.41.2x. chape", "4x.12.xx."};
    std::vector<Article> articles(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i)
        articles[static_cast<size_t>(i)].code = samples[i % 10];
    return articles;
}

bool MatchBuildingEachCall(const Article& article) {
    const std::regex pattern(R"(^[\d]{2}[.][\d]{2}[.](xx|[0-9]x)[.])", std::regex::ECMAScript);
    return std::regex_match(TypeConv::String2Ansi(article.code), pattern);
}

void BM_Type2PatternBuiltOnce(benchmark::State& state) {
    const std::vector<Article> articles = MakeArticles(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        int matches = 0;
        for (const Article& article : articles)
            matches += Articles::CompliesToType2Expression(article) ? 1 : 0;
        benchmark::DoNotOptimize(matches);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_Type2PatternBuiltEachCall(benchmark::State& state) {
    const std::vector<Article> articles = MakeArticles(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        int matches = 0;
        for (const Article& article : articles)
            matches += MatchBuildingEachCall(article) ? 1 : 0;
        benchmark::DoNotOptimize(matches);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

BENCHMARK(BM_Type2PatternBuiltOnce)->Arg(1000)->Arg(10000);
BENCHMARK(BM_Type2PatternBuiltEachCall)->Arg(1000)->Arg(10000);

} // namespace

BENCHMARK_MAIN();
