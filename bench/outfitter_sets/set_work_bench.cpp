// Loading a 200 MB set and cleaning 10,000 files out of a game folder, against `cp` and `find -delete`
// of the same files in the same run.

#include "support/scratch_folder.h"
#include "support/work_timing.h"

#include "outfitter/sets/clean_up.h"
#include "outfitter/sets/set_installer.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <functional>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

using bench::secondsOf;
using bench::writeFile;

constexpr int kSetFiles = 400;
constexpr int kStockFiles = 300;
constexpr int kCleanUpFiles = 10000;

class Scratch final {
  public:
    Scratch() : folder_(fs::temp_directory_path(), "eaw-bench") {}
    const fs::path& root() const { return folder_.root(); }

  private:
    bench::ScratchFolder folder_;
};

// 400 files of 250 to 750 KiB, about 200 MB, with names in mixed case.
std::int64_t makeSet(const fs::path& folder) {
    fs::create_directories(folder);
    std::int64_t total = 0;
    char name[32];
    for (int i = 0; i < kSetFiles; ++i) {
        std::snprintf(name, sizeof name, i % 2 ? "Terrain%03d.TER" : "tile%03d.dat", i);
        const std::size_t size = 250 * 1024 + static_cast<std::size_t>(i % 5) * 125 * 1024;
        writeFile(folder / name, size, static_cast<char>(i));
        total += static_cast<std::int64_t>(size);
    }
    return total;
}

void makeGame(const fs::path& game) {
    fs::create_directories(game / "Savedata");
    fs::create_directories(game / "Music");
    char name[32];
    for (int i = 0; i < kStockFiles; ++i) {
        std::snprintf(name, sizeof name, "STOCK%03d.WAV", i);
        writeFile(game / name, 4096, static_cast<char>(i));
    }
}

void emptyOutSetFiles(const fs::path& game, const fs::path& set) {
    for (const auto& entry : fs::directory_iterator(set))
        fs::remove(game / entry.path().filename());
    ::sync();
}

void run(const std::string& command) {
    if (std::system(command.c_str()) != 0)
        throw std::runtime_error("failed: " + command);
}

struct LoadScene {
    Scratch scratch;
    fs::path set = scratch.root() / "EAW" / "QIV128" / "T-Bench";
    fs::path game = scratch.root() / "EAW";
    std::int64_t bytes = 0;
    LoadScene() {
        makeGame(game);
        bytes = makeSet(set);
        ::sync();
    }
};

LoadScene& loadScene() {
    static LoadScene scene;
    return scene;
}

// The machine is shared, so the engine and its baseline run in turns inside one benchmark, in
// alternating order, and the benchmark's time is the engine's; the counters give the baseline's time
// and the ratio of the two throughputs (baseline time / engine time, 1.0 = as fast as the baseline).
void reportPair(benchmark::State& state, double engineSeconds, double baselineSeconds) {
    const auto iterations = static_cast<double>(state.iterations());
    state.counters["baseline_ms"] = baselineSeconds * 1000.0 / iterations;
    state.counters["engine_ms"] = engineSeconds * 1000.0 / iterations;
    state.counters["throughput_vs_baseline"] = baselineSeconds / engineSeconds;
}

void BM_LoadSet_MoveInVersusCp(benchmark::State& state) {
    auto& scene = loadScene();
    const std::string cp = "cp '" + scene.set.string() + "'/* '" + scene.game.string() + "'/";
    double engine = 0, baseline = 0;
    bool engineFirst = false;
    for (auto _ : state) {
        engineFirst = !engineFirst;
        double mine = 0;
        for (int turn = 0; turn < 2; ++turn) {
            if ((turn == 0) == engineFirst) {
                mine = secondsOf([&] {
                    const auto report = outfitter::MoveIn(scene.game, scene.set);
                    if (!report.ok())
                        state.SkipWithError(report.problems.front().text().c_str());
                });
                engine += mine;
            } else {
                baseline += secondsOf([&] { run(cp); });
            }
            emptyOutSetFiles(scene.game, scene.set);
        }
        state.SetIterationTime(mine);
    }
    state.SetBytesProcessed(state.iterations() * scene.bytes);
    reportPair(state, engine, baseline);
}

// For comparison only: copying straight over the final names, as a crash-unsafe engine would.
void BM_LoadSet_DirectCopyFileVersusCp(benchmark::State& state) {
    auto& scene = loadScene();
    const std::string cp = "cp '" + scene.set.string() + "'/* '" + scene.game.string() + "'/";
    double engine = 0, baseline = 0;
    for (auto _ : state) {
        const double mine = secondsOf([&] {
            for (const auto& entry : fs::directory_iterator(scene.set))
                fs::copy_file(entry.path(), scene.game / entry.path().filename(),
                              fs::copy_options::overwrite_existing);
        });
        engine += mine;
        emptyOutSetFiles(scene.game, scene.set);
        baseline += secondsOf([&] { run(cp); });
        emptyOutSetFiles(scene.game, scene.set);
        state.SetIterationTime(mine);
    }
    state.SetBytesProcessed(state.iterations() * scene.bytes);
    reportPair(state, engine, baseline);
}

// A game folder holding 10,000 files the clean-up matches, beside 300 it keeps.
void fillForCleanUp(const fs::path& game) {
    char name[32];
    for (int i = 0; i < kCleanUpFiles; ++i) {
        std::snprintf(name, sizeof name, i % 2 ? "Plane%05d.DAT" : "Pskin%05d.bmp", i);
        std::ofstream(game / name) << i;
    }
    ::sync();
}

void BM_CleanUp_10000FilesVersusFindDelete(benchmark::State& state) {
    Scratch scratch;
    const auto game = scratch.root() / "EAW";
    makeGame(game);
    fs::create_directories(game / "QIV128");
    const std::string find =
        "find '" + game.string() + "' -maxdepth 1 -type f \\( -iname 'P*.bmp' -o -iname '*.dat' \\) -delete";
    double engine = 0, baseline = 0;
    bool engineFirst = false;
    for (auto _ : state) {
        engineFirst = !engineFirst;
        double mine = 0;
        for (int turn = 0; turn < 2; ++turn) {
            fillForCleanUp(game);
            if ((turn == 0) == engineFirst) {
                mine = secondsOf([&] {
                    const auto report = outfitter::CleanUp(game, game / "QIV128");
                    if (report.done.size() != kCleanUpFiles)
                        state.SkipWithError("clean-up missed files");
                });
                engine += mine;
            } else {
                baseline += secondsOf([&] { run(find); });
            }
        }
        state.SetIterationTime(mine);
    }
    state.SetItemsProcessed(state.iterations() * kCleanUpFiles);
    reportPair(state, engine, baseline);
}

} // namespace

BENCHMARK(BM_LoadSet_MoveInVersusCp)->Unit(benchmark::kMillisecond)->Iterations(10)->UseManualTime();
BENCHMARK(BM_LoadSet_DirectCopyFileVersusCp)->Unit(benchmark::kMillisecond)->Iterations(4)->UseManualTime();
BENCHMARK(BM_CleanUp_10000FilesVersusFindDelete)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(4)
    ->UseManualTime();

BENCHMARK_MAIN();
