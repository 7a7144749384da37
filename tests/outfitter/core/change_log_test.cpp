#include "outfitter/core/change_log.h"

#include "temp_game_folder.h"

#include <gtest/gtest.h>

namespace outfitter {
namespace {

using testing::TempGameFolder;
using namespace std::chrono;

const auto kNoon = sys_days{year{2026} / December / 8} + hours{12} + minutes{5} + seconds{9};

TEST(ChangeLog, EachChangeIsOneTimedLineWithThePathInsideTheGameFolder) {
    const std::filesystem::path game("/games/EAW");
    EXPECT_EQ(formatChange({ChangeKind::Copy, game / "Savedata" / "raid.msn", "from W-Desert"}, kNoon, game),
              "2026-12-08 12:05:09 UTC copy Savedata/raid.msn from W-Desert");
    EXPECT_EQ(formatChange({ChangeKind::Launch, "/elsewhere/eaw.exe", {}}, kNoon, game),
              "2026-12-08 12:05:09 UTC launch /elsewhere/eaw.exe");
    // A name holding a line break must not start a line of its own.
    EXPECT_EQ(formatChange({ChangeKind::Delete, game / "a\nb.dat", {}}, kNoon, game),
              "2026-12-08 12:05:09 UTC delete a b.dat");
}

TEST(ChangeLog, OlderLinesMoveToOneRotatedFileOnceTheLogPassesItsLimit) {
    TempGameFolder game;
    const auto selector = game.folder("QIV128");
    const Change change{ChangeKind::Delete, game.path() / "planes.dat", "of W-Desert"};
    const auto line = formatChange(change, kNoon, game.path()) + "\r\n";
    const auto limit = 4 * line.size() + 10;
    ChangeLog log(game.path(), selector, limit);
    for (int i = 0; i < 4; ++i)
        log.record(change, kNoon);
    EXPECT_EQ(game.read("QIV128/outfitter.log"), line + line + line + line);
    EXPECT_FALSE(std::filesystem::exists(selector / "outfitter.log.1"));

    log.record(change, kNoon); // the fifth would pass the limit
    EXPECT_EQ(game.read("QIV128/outfitter.log.1"), line + line + line + line);
    EXPECT_EQ(game.read("QIV128/outfitter.log"), line);

    for (int i = 0; i < 8; ++i)
        log.record({ChangeKind::Copy, game.path() / "x.dat", {}}, kNoon);
    // The second rotation replaces the first ".1"; no third file appears.
    const auto older = game.read("QIV128/outfitter.log.1");
    EXPECT_EQ(older.rfind(line, 0), 0u);
    EXPECT_NE(older.find("copy x.dat"), std::string::npos);
    EXPECT_LE(older.size(), limit);
    EXPECT_LE(std::filesystem::file_size(selector / "outfitter.log"), limit);
    EXPECT_EQ(game.entries().count("QIV128/outfitter.log.2"), 0u);
    EXPECT_FALSE(log.takeProblem());
    EXPECT_EQ(log.read().value, game.read("QIV128/outfitter.log"));
}

TEST(ChangeLog, ALogThatCannotBeWrittenIsReportedOnceAndNeverStopsTheWork) {
    TempGameFolder game;
    game.write("QIV128", "a file, not a folder");
    ChangeLog log(game.path(), game.path() / "QIV128");
    log.record({ChangeKind::Copy, game.path() / "a.dat", {}});
    log.record({ChangeKind::Copy, game.path() / "b.dat", {}});
    const auto problem = log.takeProblem();
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->action, "adding to");
    EXPECT_FALSE(log.takeProblem());

    ChangeLog nowhere;
    nowhere.record({ChangeKind::Copy, game.path() / "a.dat", {}});
    EXPECT_FALSE(nowhere.takeProblem());
    EXPECT_TRUE(nowhere.read().value.empty());
}

} // namespace
} // namespace outfitter
