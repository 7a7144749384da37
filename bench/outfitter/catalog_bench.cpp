// The set grid's catalogue against the cost of listing the selector folder once.

#include "selector_fixture.h"

#include "outfitter/core/set_catalog.h"

#include "common/folder_listing.h"

#include <benchmark/benchmark.h>

namespace {

const outfitter::bench::SelectorFixture& fixture() {
    static const outfitter::bench::SelectorFixture made;
    return made;
}

void plainListing(benchmark::State& state) {
    const auto& folder = fixture().selector();
    for (auto _ : state) {
        std::size_t count = 0;
        for (const auto& entry : std::filesystem::directory_iterator(folder))
            count += entry.path().filename().native().size() > 0 ? 1 : 0;
        benchmark::DoNotOptimize(count);
    }
}
BENCHMARK(plainListing)->Unit(benchmark::kMillisecond);

void sortedFolderList(benchmark::State& state) {
    const auto& folder = fixture().selector();
    for (auto _ : state)
        benchmark::DoNotOptimize(common::listFolders(folder));
}
BENCHMARK(sortedFolderList)->Unit(benchmark::kMillisecond);

void catalogueBuild(benchmark::State& state) {
    const auto& folder = fixture().selector();
    common::Problems problems;
    const auto categories =
        outfitter::CategoryTable::parse(outfitter::CategoryTable::defaultLines(), {}, problems);
    for (auto _ : state) {
        auto catalog = outfitter::SetCatalog::scan(folder, categories, problems);
        benchmark::DoNotOptimize(catalog);
    }
    state.counters["rows"] =
        static_cast<double>(outfitter::SetCatalog::scan(folder, categories, problems).size());
}
BENCHMARK(catalogueBuild)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
