// The history's cost: undoing a 400-file, 200 MB load against the load itself, and "Reset All"'s
// clean-up of 10,000 files with every deleted file kept for its undo against the same clean-up
// without a history, each pair in turns in the same run.

#include "support/scratch_folder.h"
#include "support/work_timing.h"

#include "outfitter/core/change_history.h"
#include "outfitter/sets/clean_up.h"
#include "outfitter/sets/set_installer.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace outfitter;

namespace {

using bench::secondsOf;
using bench::writeFile;

void BM_Undo_400FileLoadVersusTheLoad(benchmark::State& state) {
    bench::ScratchFolder scratch(fs::temp_directory_path(), "eaw-history-bench");
    const auto game = scratch.root() / "EAW";
    const auto selector = game / "QIV128";
    const auto set = selector / "T-Bench";
    fs::create_directories(set);
    char name[32];
    for (int i = 0; i < 400; ++i) {
        std::snprintf(name, sizeof name, i % 2 ? "Terrain%03d.TER" : "tile%03d.dat", i);
        writeFile(set / name, 250 * 1024 + static_cast<std::size_t>(i % 5) * 125 * 1024,
                  static_cast<char>(i));
        if (i % 4 == 0) // a quarter replace the player's files, which the undo gives back
            writeFile(game / name, 4096, 'p');
    }
    ::sync();
    const ChangeHistory history(game, selector);
    double load = 0, undo = 0;
    for (auto _ : state) {
        common::Problems problems;
        auto step = history.begin("Load T-Bench", problems);
        load += secondsOf([&] {
            common::RecordingScope recording(step.get());
            if (!MoveIn(game, set).ok())
                state.SkipWithError("load failed");
        });
        history.finish(std::move(step), {});
        const double mine = secondsOf([&] {
            if (!history.undoNewest().problems.empty())
                state.SkipWithError("undo failed");
        });
        undo += mine;
        state.SetIterationTime(mine);
    }
    const auto iterations = static_cast<double>(state.iterations());
    state.counters["load_ms"] = load * 1000.0 / iterations;
    state.counters["undo_ms"] = undo * 1000.0 / iterations;
    state.counters["undo_vs_load"] = undo / load;
}

void BM_CleanUp_10000FilesKeptForUndoVersusWithout(benchmark::State& state) {
    bench::ScratchFolder scratch(fs::temp_directory_path(), "eaw-history-bench");
    const auto game = scratch.root() / "EAW";
    const auto selector = game / "QIV128";
    fs::create_directories(selector);
    const ChangeHistory history(game, selector);
    const auto fill = [&] {
        char name[32];
        for (int i = 0; i < 10000; ++i) {
            std::snprintf(name, sizeof name, i % 2 ? "Plane%05d.DAT" : "Pskin%05d.bmp", i);
            std::ofstream(game / name) << i;
        }
        ::sync();
    };
    double kept = 0, plain = 0;
    bool keptFirst = false;
    for (auto _ : state) {
        keptFirst = !keptFirst;
        double mine = 0;
        for (int turn = 0; turn < 2; ++turn) {
            fill();
            if ((turn == 0) == keptFirst) {
                common::Problems problems;
                auto step = history.begin("Reset All", problems);
                mine = secondsOf([&] {
                    common::RecordingScope recording(step.get());
                    if (CleanUp(game, selector).done.size() != 10000)
                        state.SkipWithError("clean-up missed files");
                    history.finish(std::move(step), {});
                });
                kept += mine;
            } else {
                plain += secondsOf([&] { CleanUp(game, selector); });
            }
        }
        state.SetIterationTime(mine);
    }
    state.counters["without_history_ms"] = plain * 1000.0 / static_cast<double>(state.iterations());
    state.counters["with_history_vs_without"] = kept / plain;
}

} // namespace

BENCHMARK(BM_Undo_400FileLoadVersusTheLoad)->Unit(benchmark::kMillisecond)->Iterations(4)->UseManualTime();
BENCHMARK(BM_CleanUp_10000FilesKeptForUndoVersusWithout)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(4)
    ->UseManualTime();

BENCHMARK_MAIN();
