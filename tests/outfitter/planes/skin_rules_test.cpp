// Which skin files travel, and which names a skin folder may be given.

#include "outfitter/planes/skin_file_class.h"
#include "outfitter/planes/skin_names.h"

#include <gtest/gtest.h>

namespace {

using outfitter::checkSkinName;
using outfitter::classifySkinFile;
using outfitter::SkinFileClass;
using outfitter::SkinNameVerdict;

TEST(SkinFileClass, OnlyExactPictureNamesAndListedExtensionsStayBehind) {
    for (const char* name : {"SKINPIC", "mypic", "shot.GIF", "readme.txt", "a.jpg", "b.ask", "c.Pcx"})
        EXPECT_EQ(classifySkinFile(name), SkinFileClass::PictureOrText) << name;
    for (const char* name : {"skinpic.bmp", "mypic2", "p109g.3dz", "109gskin.tpc", "a.jpeg", "txt", ".tx"})
        EXPECT_EQ(classifySkinFile(name), SkinFileClass::Skin) << name;
    for (const char* name : {"PLANES.DAT", "loadout.dat", "Weapons.Dat", "spit.flt", "pnames.STR"})
        EXPECT_EQ(classifySkinFile(name), SkinFileClass::FlightData) << name;
    EXPECT_EQ(classifySkinFile("targets.dat"), SkinFileClass::Skin);
}

TEST(SkinFileClass, FlightDataTravelsOnlyWhenAskedForAndPicturesNever) {
    EXPECT_FALSE(outfitter::skinFileTravels("planes.dat", false));
    EXPECT_TRUE(outfitter::skinFileTravels("planes.dat", true));
    EXPECT_FALSE(outfitter::skinFileTravels("skinpic", true));
    EXPECT_TRUE(outfitter::skinFileTravels("p109g.3dz", false));
}

TEST(SkinNames, ExactNameOfAnySkinItsOwnIncludedIsInUse) {
    const std::vector<std::string> taken{"Spitfire IX", "Hurricane"};
    const auto own = checkSkinName("Spitfire IX", taken);
    EXPECT_EQ(own.verdict, SkinNameVerdict::InUse);
    EXPECT_EQ(own.clash, "Spitfire IX");
    const auto caseOnly = checkSkinName("HURRICANE", taken);
    EXPECT_EQ(caseOnly.verdict, SkinNameVerdict::DiffersOnlyInCase);
    EXPECT_EQ(caseOnly.clash, "Hurricane");
    EXPECT_EQ(checkSkinName("Hurricane II", taken).verdict, SkinNameVerdict::Usable);
}

TEST(SkinNames, NamesNoFolderCanHoldAreRefused) {
    EXPECT_EQ(checkSkinName("", {}).verdict, SkinNameVerdict::Empty);
    for (const char* name : {".", "..", "a/b", "a\\b", "dots.", "blank ", "CON", "con.txt", "Lpt1", "aux .x",
                             "com9", "COM0", "what?", "a:b", "tab\there", "<new>"})
        EXPECT_EQ(checkSkinName(name, {}).verdict, SkinNameVerdict::NotAFolderName) << name;
    EXPECT_EQ(checkSkinName(std::string(256, 'x'), {}).verdict, SkinNameVerdict::NotAFolderName);
    for (const char* name : {"CONSOLE", "Lpt10", " leading blank", "Bf 109G-6 (JG 26)", "..x"})
        EXPECT_EQ(checkSkinName(name, {}).verdict, SkinNameVerdict::Usable) << name;
}

} // namespace
