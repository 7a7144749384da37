#include "outfitter/sets/load_summary.h"
#include "outfitter/sets/set_file_rules.h"

#include "game_fixture.h"

#include <gtest/gtest.h>

using namespace outfitter;

TEST(SetFileRules, DestinationsSkipsAndUnloadLookupsGoByTheEndOfTheNameInAnyCase) {
    EXPECT_EQ(loadDestination("raid.Msn"), GameSubfolder::Savedata);
    EXPECT_EQ(loadDestination("PILOT.sve"), GameSubfolder::Savedata);
    EXPECT_EQ(loadDestination("theme.BGM"), GameSubfolder::Music);
    EXPECT_EQ(loadDestination("msn"), GameSubfolder::Top);
    EXPECT_EQ(loadDestination("raid.msn.bak"), GameSubfolder::Top);

    // Saved careers go into "Savedata" but are looked for in the game folder when unloading.
    EXPECT_EQ(unloadLookup("PILOT.sve"), GameSubfolder::Top);
    EXPECT_EQ(unloadLookup("raid.MSN"), GameSubfolder::Savedata);
    EXPECT_EQ(unloadLookup("Theme.bgm"), GameSubfolder::Music);

    for (const char* skipped :
         {"eca", "EcaSound.wav", "start.ldr", "MYPIC", "contents.txt", "a.JPG", "b.pcx", "c.Gif"})
        EXPECT_TRUE(skippedWhenLoading(skipped)) << skipped;
    for (const char* copied : {"ec.dat", "mypic.bmp", "planepic", "contents.txt.bak", "jpg", "peca.dat"})
        EXPECT_FALSE(skippedWhenLoading(copied)) << copied;
}

TEST(SetFileRules, OnlyTheSetFoldersOwnNameMakesItACampaign) {
    EXPECT_TRUE(isCampaignSetFolder("/games/EAW/QIV128/C-Battle of Britain"));
    EXPECT_TRUE(isCampaignSetFolder("/games/EAW/QIV128/C Desert/"));
    EXPECT_FALSE(isCampaignSetFolder("/games/EAW/QIV128/c-Convoys"));
    EXPECT_FALSE(isCampaignSetFolder("/games/EAW/QIV128/CDesert"));
    EXPECT_FALSE(isCampaignSetFolder("/C-Games/EAW/QIV128/W-Summer"));
}

TEST(LoadSummary, ListsMarkedSetsThenSkinsThenPlaneSetsWhileTheirGridIsShown) {
    const std::vector<MarkedName> sets{{"W-Summer", true}, {"G-Clouds", false}, {"G-Water", true}};
    const std::vector<MarkedName> skins{{"Spit-Desert", true}};
    const std::vector<MarkedName> planes{{"P-Late War", true}, {"P-Early", false}};

    const auto shown = buildLoadSummary(sets, skins, planes, true);
    EXPECT_EQ(shown.lines, (std::vector<std::string>{"W-Summer", "G-Water", "Spit-Desert", "P-Late War"}));
    EXPECT_EQ(shown.text(), "W-Summer\r\nG-Water\r\nSpit-Desert\r\nP-Late War\r\n");
    EXPECT_EQ(buildLoadSummary(sets, skins, planes, false).lines.size(), 3u);
    EXPECT_TRUE(buildLoadSummary({}, {}, {}, true).text().empty());
}

class LoadSummaryLedger : public test_support::GameFixture {};

TEST_F(LoadSummaryLedger, TheLedgerEndsWithAnEmptyLineAndReplacesTheOldOneWhole) {
    write(selector_ / "FOLDERSLOADED.TXT", "W-Old\r\nG-Old\r\nS-Old\r\n\r\n");
    ASSERT_FALSE(
        writeLoadSummary(selector_, buildLoadSummary({{"W-Summer", true}}, {{"Skin", true}}, {}, false)));
    EXPECT_EQ(read(selector_ / "FOLDERSLOADED.TXT"), "W-Summer\r\nSkin\r\n\r\n");
    EXPECT_EQ(names(selector_), (std::vector<std::string>{"FOLDERSLOADED.TXT"}));

    ASSERT_FALSE(writeLoadSummary(selector_, buildLoadSummary({{"W-Summer", false}}, {}, {}, false)));
    EXPECT_EQ(read(selector_ / "FOLDERSLOADED.TXT"), "\r\n");
}
