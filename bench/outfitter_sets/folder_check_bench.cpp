// The check of the game folder: 20 loaded sets holding 5,000 files and 1 GB, against `cmp -s` of the
// same pairs run one after another in the same run, with every file in the page cache; and the files
// panel of a 2,000-file loaded set among 19 others.

#include "support/scratch_folder.h"

#include "outfitter/sets/folder_check.h"
#include "outfitter/sets/set_files.h"

#include <benchmark/benchmark.h>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

extern char** environ;

namespace fs = std::filesystem;
using namespace outfitter;

namespace {

constexpr int kSets = 20;
constexpr int kFilesPerSet = 250;
constexpr std::size_t kTotalBytes = std::size_t{1} << 30;

class Scratch final {
  public:
    Scratch() : folder_(fs::temp_directory_path(), "eaw-check-bench") {}
    const fs::path& root() const { return folder_.root(); }

  private:
    bench::ScratchFolder folder_;
};

void writeTwice(const fs::path& a, const fs::path& b, std::size_t size, unsigned seed) {
    std::string bytes(size, '\0');
    unsigned state = seed;
    for (auto& c : bytes) {
        state = state * 1664525U + 1013904223U;
        c = static_cast<char>(state >> 24);
    }
    std::ofstream(a, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(size));
    std::ofstream(b, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(size));
}

// A game folder with `sets` loaded sets whose copies stand in it, byte for byte.
struct LoadedGame {
    Scratch scratch;
    fs::path game;
    std::vector<FileOwner> owners;
    std::vector<std::pair<fs::path, fs::path>> pairs;
    std::size_t bytes = 0;

    LoadedGame(int sets, int filesPerSet, std::size_t fileSize, int firstSetFiles = 0) {
        game = scratch.root() / "EAW";
        fs::create_directories(game / "Savedata");
        fs::create_directories(game / "Music");
        char name[64];
        for (int s = 0; s < sets; ++s) {
            std::snprintf(name, sizeof name, "W-Set %02d", s);
            const auto folder = scratch.root() / "QIV128" / name;
            fs::create_directories(folder);
            const int files = s == 0 && firstSetFiles > 0 ? firstSetFiles : filesPerSet;
            for (int f = 0; f < files; ++f) {
                // Each set shares a few names with the one before it, as stacked sets do.
                const int shared = f < 5 && s > 0;
                std::snprintf(name, sizeof name, shared ? "Shared%02d.tpc" : "s%02d_file%04d.%s", shared ? f : s, f,
                              f % 50 == 0 ? "msn" : "ter");
                const auto place = loadDestination(name);
                const auto target = place == GameSubfolder::Savedata ? game / "Savedata" : game;
                // Size varies from half to one and a half times the mean.
                const std::size_t size = fileSize / 2 + (static_cast<std::size_t>(f) * 7919 % fileSize);
                writeTwice(folder / name, target / name, size, static_cast<unsigned>(s * 100000 + f));
                pairs.emplace_back(target / name, folder / name);
                bytes += size;
            }
            owners.push_back(setOwner(folder.filename().string(), folder));
        }
        // The later sets' copies of the shared names stand in the game folder: the last load wins.
    }
};

LoadedGame& bigGame() {
    static LoadedGame game(kSets, kFilesPerSet, kTotalBytes / (kSets * kFilesPerSet));
    return game;
}

void warm(const LoadedGame& game) {
    std::vector<char> buffer(1 << 20);
    for (const auto& [a, b] : game.pairs)
        for (const auto& file : {a, b}) {
            std::ifstream in(file, std::ios::binary);
            while (in.read(buffer.data(), static_cast<std::streamsize>(buffer.size())) || in.gcount() > 0) {
            }
        }
}

void BM_CheckGameFolder(benchmark::State& state) {
    auto& game = bigGame();
    warm(game);
    std::size_t findings = 0;
    for (auto _ : state) {
        const auto check = checkGameFolder(game.game, game.owners);
        findings = check.findings.size() + check.problems.size();
        benchmark::DoNotOptimize(findings);
    }
    state.counters["findings"] = static_cast<double>(findings);
    state.counters["pairs"] = static_cast<double>(game.pairs.size());
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * game.bytes));
}

// `cmp -s` of each pair the check compares, one after another, as a script would do it.
void BM_CmpEachPair(benchmark::State& state) {
    auto& game = bigGame();
    warm(game);
    int differing = 0;
    for (auto _ : state) {
        differing = 0;
        for (const auto& [a, b] : game.pairs) {
            const std::string left = a.string();
            const std::string right = b.string();
            const char* argv[] = {"cmp", "-s", left.c_str(), right.c_str(), nullptr};
            pid_t pid = 0;
            if (::posix_spawnp(&pid, "cmp", nullptr, nullptr, const_cast<char* const*>(argv), environ) != 0) {
                state.SkipWithError("cmp cannot be started");
                return;
            }
            int status = 0;
            ::waitpid(pid, &status, 0);
            differing += WIFEXITED(status) && WEXITSTATUS(status) != 0;
        }
        benchmark::DoNotOptimize(differing);
    }
    state.counters["differing"] = differing;
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * game.bytes));
}

// The panel of a loaded 2,000-file set among 19 others of 100 files each: the listing, who else holds
// each name, the kept originals and a byte comparison of every file.
void BM_OpenFilesPanel(benchmark::State& state) {
    static LoadedGame game(kSets, 100, 4096, 2000);
    SetFilesQuery query;
    query.name = game.owners.front().name;
    query.folder = game.owners.front().files.front().source.parent_path();
    query.loaded = true;
    query.gameFolder = game.game;
    query.originalsFolder = game.scratch.root() / "QIV128" / ".originals";
    std::size_t lines = 0;
    for (auto _ : state) {
        // The owners are gathered anew each time, as the session does for each row.
        query.loadedOwners.clear();
        for (const auto& owner : game.owners)
            query.loadedOwners.push_back(setOwner(owner.name, owner.files.front().source.parent_path()));
        const auto files = listSetFiles(query);
        lines = files.files.size();
        benchmark::DoNotOptimize(lines);
    }
    state.counters["files"] = static_cast<double>(lines);
}

} // namespace

// Wall time: the time of `cmp` is spent in its own processes, which CPU time of this one misses.
BENCHMARK(BM_CheckGameFolder)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();
BENCHMARK(BM_CmpEachPair)->Unit(benchmark::kMillisecond)->Iterations(2)->UseRealTime();
BENCHMARK(BM_OpenFilesPanel)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
