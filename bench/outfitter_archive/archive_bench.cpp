// Adding a 400-file, 200 MB ".zip" (stored and deflated) as a set, against `bsdtar -xf` of the same
// archive into the same file system, in the same run.

#include "support/scratch_folder.h"

#include "outfitter/archive/set_import.h"
#include "outfitter/core/category_table.h"

#include <archive.h>
#include <archive_entry.h>
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr int kFiles = 400;

// Beside the build, not in /tmp, which may be a memory file system unlike a game folder's disk.
class Scratch final {
  public:
    Scratch() : folder_(fs::current_path(), "eaw-archive-bench") {}
    const fs::path& root() const { return folder_.root(); }

  private:
    bench::ScratchFolder folder_;
};

// Game data is neither random nor all alike: stretches of noise between repeated records, so that
// deflate packs it to about half.
std::string contentsOf(int file, std::size_t size) {
    std::string bytes(size, '\0');
    std::uint32_t state = 2166136261u ^ static_cast<std::uint32_t>(file);
    for (std::size_t i = 0; i < size; ++i) {
        if ((i / 4096) % 2 == 0) {
            state = state * 1664525u + 1013904223u;
            bytes[i] = static_cast<char>(state >> 24);
        } else {
            bytes[i] = static_cast<char>("RECORD planes.dat slot 00 "[i % 26]);
        }
    }
    return bytes;
}

// 400 files of 250 to 750 KiB, about 200 MB.
std::int64_t makeZip(const fs::path& file, bool deflate) {
    archive* writer = archive_write_new();
    archive_write_set_format_zip(writer);
    if (!deflate)
        archive_write_set_options(writer, "zip:compression=store");
    if (archive_write_open_filename(writer, file.c_str()) != ARCHIVE_OK)
        throw std::runtime_error("cannot write the archive");
    std::int64_t total = 0;
    char name[48];
    for (int i = 0; i < kFiles; ++i) {
        std::snprintf(name, sizeof name, i % 2 ? "W-Bench/Terrain%03d.TER" : "W-Bench/tile%03d.dat", i);
        const std::size_t size = 250 * 1024 + static_cast<std::size_t>(i % 5) * 125 * 1024;
        const auto bytes = contentsOf(i, size);
        archive_entry* entry = archive_entry_new();
        archive_entry_set_pathname(entry, name);
        archive_entry_set_filetype(entry, AE_IFREG);
        archive_entry_set_perm(entry, 0644);
        archive_entry_set_size(entry, static_cast<la_int64_t>(size));
        archive_write_header(writer, entry);
        archive_write_data(writer, bytes.data(), bytes.size());
        archive_entry_free(entry);
        total += static_cast<std::int64_t>(size);
    }
    archive_write_close(writer);
    archive_write_free(writer);
    return total;
}

struct Scene {
    Scratch scratch;
    fs::path selector = scratch.root() / "EAW" / "QIV128";
    fs::path baseline = scratch.root() / "bsdtar-out";
    fs::path stored = scratch.root() / "bench-stored.zip";
    fs::path deflated = scratch.root() / "bench-deflated.zip";
    outfitter::CategoryTable categories;
    std::int64_t bytes = 0;
    Scene() {
        fs::create_directories(selector);
        fs::create_directories(baseline);
        common::Problems problems;
        categories = outfitter::CategoryTable::load(selector, problems);
        bytes = makeZip(stored, false);
        makeZip(deflated, true);
        ::sync();
    }
};

Scene& scene() {
    static Scene made;
    return made;
}

double secondsOf(const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// What each side wrote goes, and the disk catches up, before the next turn is timed.
void clearOut(const fs::path& folder) {
    fs::remove_all(folder);
    ::sync();
}

// The add and its baseline run in turns inside one benchmark, in alternating order, since the machine
// is shared; the benchmark's time is the add's; the counters give the baseline's time and the ratio of
// the throughputs (baseline time / add time: 1.0 is as fast as bsdtar).
void addVersusBsdtar(benchmark::State& state, const fs::path& zip) {
    auto& s = scene();
    const std::string bsdtar = "bsdtar -xf '" + zip.string() + "' -C '" + s.baseline.string() + "'";
    double add = 0, baseline = 0;
    bool addFirst = false;
    for (auto _ : state) {
        addFirst = !addFirst;
        double mine = 0;
        for (int turn = 0; turn < 2; ++turn) {
            if ((turn == 0) == addFirst) {
                mine = secondsOf([&] {
                    const auto plan =
                        outfitter::planImport(zip, s.categories, s.selector, std::nullopt, std::nullopt);
                    const auto result = outfitter::importSets(
                        plan, s.selector, false, [](const outfitter::ImportProgress&) { return true; });
                    if (!result.problems.empty() || result.files != kFiles)
                        state.SkipWithError(result.problems.empty() ? "files missing"
                                                                    : result.problems.front().text().c_str());
                });
                add += mine;
                clearOut(s.selector / "W-Bench");
            } else {
                baseline += secondsOf([&] {
                    if (std::system(bsdtar.c_str()) != 0)
                        state.SkipWithError("bsdtar failed");
                });
                clearOut(s.baseline / "W-Bench");
            }
        }
        state.SetIterationTime(mine);
    }
    const auto iterations = static_cast<double>(state.iterations());
    state.SetBytesProcessed(state.iterations() * s.bytes);
    state.counters["add_ms"] = add * 1000.0 / iterations;
    state.counters["bsdtar_ms"] = baseline * 1000.0 / iterations;
    state.counters["throughput_vs_bsdtar"] = baseline / add;
}

void BM_AddStoredZip_VersusBsdtar(benchmark::State& state) {
    addVersusBsdtar(state, scene().stored);
}

void BM_AddDeflatedZip_VersusBsdtar(benchmark::State& state) {
    addVersusBsdtar(state, scene().deflated);
}

// The baseline alone as a benchmark of its own, for its own throughput figure.
void BM_BsdtarStoredZip(benchmark::State& state) {
    auto& s = scene();
    const std::string bsdtar = "bsdtar -xf '" + s.stored.string() + "' -C '" + s.baseline.string() + "'";
    for (auto _ : state) {
        state.SetIterationTime(secondsOf([&] {
            if (std::system(bsdtar.c_str()) != 0)
                state.SkipWithError("bsdtar failed");
        }));
        clearOut(s.baseline / "W-Bench");
    }
    state.SetBytesProcessed(state.iterations() * s.bytes);
}

} // namespace

BENCHMARK(BM_AddStoredZip_VersusBsdtar)->Unit(benchmark::kMillisecond)->Iterations(6)->UseManualTime();
BENCHMARK(BM_AddDeflatedZip_VersusBsdtar)->Unit(benchmark::kMillisecond)->Iterations(6)->UseManualTime();
BENCHMARK(BM_BsdtarStoredZip)->Unit(benchmark::kMillisecond)->Iterations(4)->UseManualTime();

BENCHMARK_MAIN();
