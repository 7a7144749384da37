// "Surprise me" on the demo theatre: every drawn mission is one the board accepts, a seed makes the
// same mission file again, and nothing is written.
#include "make_demo_game/demo_game.h"
#include "make_demo_game/scenarios.h"
#include "sortie_test_files.h"

#include "common/text_file.h"
#include "sortie/core/mission_builder.h"
#include "sortie/core/surprise.h"
#include "sortie/core/surprise_print.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <sstream>

namespace sortie {
namespace {

namespace fs = std::filesystem;

// The board's rules, each as a player would break it; empty when the mission is one it accepts.
std::vector<std::string> brokenRules(const MissionChoices& c, const MissionState& m) {
    std::vector<std::string> broken;
    const auto& lists = m.lists();
    const long slots = static_cast<long>(lists.aircraftNames.size()) - 2;
    const auto count = typedWholeNumber(c.aircraftCount);
    if (!count || *count < kAircraftCountMin || *count > kAircraftCountMax ||
        c.aircraftCount != std::to_string(*count))
        broken.push_back("number of aircraft " + c.aircraftCount);
    std::array<long, kRoleCount> planes{};
    for (std::size_t r = 0; r < planes.size(); ++r) {
        const auto n = typedWholeNumber(c.rolePlanes[r]);
        if (!n || *n < (r == 0 ? 0 : kLowestPlaneText) || *n >= slots)
            broken.push_back("role " + std::to_string(r) + " plane " + c.rolePlanes[r]);
        planes[r] = n.value_or(-3);
    }
    const auto side = [](long plane) { return plane < 0 ? -1 : nationForPlane(plane) == kGerman ? 0 : 1; };
    if (c.nation != nationForPlane(planes[0]) || side(planes[1]) != side(planes[0]))
        broken.push_back("support of another nation");
    for (const std::size_t r : {2u, 3u})
        if (planes[r] >= 0 && side(planes[r]) == side(planes[0]))
            broken.push_back("enemy " + std::to_string(r) + " on the player's side");
    for (const Group g : kStoredGroups)
        if (c.group(g) < 0 || c.group(g) >= static_cast<int>(m.catalog().info(g).captions.size()))
            broken.push_back("option of " + std::string(groupName(g)));
    const auto target = typedWholeNumber(c.targetAndBase[kTargoTarget]);
    const auto base = typedWholeNumber(c.targetAndBase[kTargoHomeBase]);
    const auto records = static_cast<long>(lists.targetNames.size());
    if (!target || !base || *target < 0 || *base < 0 || *target >= records || *base >= records)
        broken.push_back("target or base outside the list");
    else if (!lists.targets.records[static_cast<std::size_t>(*base)].isAirfield() || *target == *base)
        broken.push_back("home base " + c.targetAndBase[kTargoHomeBase] + " is no airfield or is the target");
    // What the choices file keeps must read back without a note.
    const auto limits =
        m.catalog().limits(static_cast<int>(lists.aircraftNames.size()), static_cast<int>(records));
    for (const auto& note : parseChoices(choicesLines(c), MissionChoices{}, limits).notes)
        broken.push_back(note);
    return broken;
}

// Every file below the folder with its bytes.
std::map<fs::path, std::string> contents(const fs::path& folder) {
    std::map<fs::path, std::string> all;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        all[entry.path()] = entry.is_regular_file() ? common::readFileBytes(entry.path()).value : "(folder)";
    return all;
}

class SurpriseTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(demo::writeDemoGame(game.path()).ok()); }
    testing::TempFolder game;
};

TEST_F(SurpriseTest, TenThousandSeedsGiveMissionsTheBoardAcceptsAndUseWhatItOffers) {
    for (const auto& settings : {sortieSettings(), sortiexSettings()}) {
        MissionState m(game.path(), settings);
        if (settings.dataSource == DataSource::Scenario)
            m.useScenarioFolder(game.path() / "PEV" / "PEVScenarios" / std::string(demo::kScenarioNames[1]));
        m.loadTheatre();
        std::set<std::string> seenValues;
        for (std::uint64_t seed = 0; seed < 10000; ++seed) {
            const auto c = drawSurprise(seed, m.choices(), m.catalog(), m.lists());
            ASSERT_TRUE(c);
            const auto broken = brokenRules(*c, m);
            ASSERT_TRUE(broken.empty()) << "seed " << seed << ": " << broken.front();
            seenValues.insert("nation " + std::to_string(c->nation));
            seenValues.insert("interdiction " + std::to_string(c->interdictionType));
            seenValues.insert("role 3 " + c->rolePlanes[3]);
            seenValues.insert(c->groundStart ? "ground" : "air");
        }
        // Every nation, every interdiction type of the build, "None" for the second enemy, both starts.
        EXPECT_TRUE(seenValues.count("nation 0") && seenValues.count("nation 1") &&
                    seenValues.count("nation 2"));
        EXPECT_TRUE(seenValues.count("interdiction " +
                                     std::to_string(m.catalog().info(Group::IntType).captions.size() - 1)));
        EXPECT_TRUE(seenValues.count("role 3 -2") && seenValues.count("ground") && seenValues.count("air"));
    }
}

TEST_F(SurpriseTest, TheCommandLinePrintsWhatFlyWouldWriteTheSameForTheSameSeedAndWritesNothing) {
    const auto files = contents(game.path());
    std::ostringstream first, again, other, notes;
    EXPECT_EQ(printSurprise(game.path(), sortieSettings(), 123456789, first, notes), 0);
    EXPECT_EQ(printSurprise(game.path(), sortieSettings(), 123456789, again, notes), 0);
    EXPECT_EQ(printSurprise(game.path(), sortieSettings(), 123456790, other, notes), 0);
    EXPECT_EQ(contents(game.path()), files);
    EXPECT_EQ(first.str(), again.str());
    EXPECT_NE(first.str(), other.str());
    EXPECT_EQ(notes.str(), "");

    // Save writes the mission file as "FLY!" does; the same seed in the window gives the same bytes.
    MissionBuilder b(game.path(), sortieSettings());
    b.start();
    ASSERT_TRUE(b.surprise(123456789));
    ASSERT_TRUE(b.saveLoad().save("surprise"));
    EXPECT_EQ(common::readFileBytes(game.path() / "PEV" / "PEVMissions" / "surprise.mpf").value, first.str());

    // Without a seed one is drawn and named, so the mission can be made again.
    std::ostringstream fresh, named;
    EXPECT_EQ(printSurprise(game.path(), sortieSettings(), std::nullopt, fresh, named), 0);
    const std::string seedText = named.str().substr(named.str().rfind(' ') + 1);
    std::ostringstream remade;
    EXPECT_EQ(printSurprise(game.path(), sortieSettings(), readSeed(seedText.substr(0, seedText.size() - 1)),
                            remade, named),
              0);
    EXPECT_EQ(remade.str(), fresh.str());
}

TEST(SurpriseSeedTest, DrawsAreFixedByTheSeedAloneAndSeedsReadOnlyDigits) {
    // Fixed numbers: a change of the mapping or the engine would give players other missions for the
    // seeds they kept, and another standard library must give these too.
    PortableRandom random(2024);
    std::vector<std::uint64_t> draws;
    for (const std::uint64_t bound : {1000u, 7u, 2u, 30000u, 1u})
        draws.push_back(random.below(bound));
    EXPECT_EQ(draws, (std::vector<std::uint64_t>{974, 2, 1, 10714, 0}));
    EXPECT_EQ(readSeed("18446744073709551615"), std::uint64_t{18446744073709551615u});
    EXPECT_FALSE(readSeed("18446744073709551616") || readSeed("-1") || readSeed("") || readSeed("12a"));
}

} // namespace
} // namespace sortie
