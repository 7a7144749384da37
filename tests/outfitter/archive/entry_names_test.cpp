#include "outfitter/archive/entry_names.h"
#include "outfitter/archive/import_layout.h"

#include <gtest/gtest.h>

namespace outfitter {
namespace {

using Parts = std::vector<std::string>;

std::string faultOf(std::string_view name) {
    std::string fault;
    EXPECT_FALSE(splitEntryName(name, fault)) << name;
    return fault;
}

TEST(EntryNames, NamesAreTakenApartAtEitherSeparatorWithoutDotsAndEmptyParts) {
    std::string fault;
    EXPECT_EQ(splitEntryName("./W-Desert//Data\\planes.dat", fault),
              (Parts{"W-Desert", "Data", "planes.dat"}));
    EXPECT_EQ(splitEntryName("Grünß €/日本.txt", fault), (Parts{"Grünß €", "日本.txt"}));
    EXPECT_EQ(splitEntryName("folder/", fault), (Parts{"folder"}));
    EXPECT_TRUE(fault.empty());
}

TEST(EntryNames, NamesThatReachOutsideTheSetAreRefused) {
    EXPECT_NE(faultOf("/etc/passwd").find("absolute"), std::string::npos);
    EXPECT_NE(faultOf("\\Windows\\win.ini").find("absolute"), std::string::npos);
    EXPECT_NE(faultOf("C:/eaw.exe").find("drive letter"), std::string::npos);
    EXPECT_NE(faultOf("c:eaw.exe").find("drive letter"), std::string::npos);
    EXPECT_NE(faultOf("../eaw.exe").find(".."), std::string::npos);
    EXPECT_NE(faultOf("W-Set/sub/../../../eaw.exe").find(".."), std::string::npos);
    EXPECT_NE(faultOf("W-Set\\..\\eaw.exe").find(".."), std::string::npos);
    EXPECT_FALSE(faultOf("./").empty());
}

TEST(EntryNames, NamesNoFolderOnWindowsCanHoldAreRefused) {
    for (const auto* name : {"W-Set/CON", "W-Set/nul.txt", "W-Set/com1", "LPT9/a", "a<b", "a>b", "what?",
                             "star*", "pipe|", "quote\"", "colon:stream", "dot.", "blank ", "tab\there"})
        EXPECT_FALSE(faultOf(name).empty()) << name;
    std::string fault;
    EXPECT_TRUE(splitEntryName("CONFIG.SYS", fault));
    EXPECT_TRUE(splitEntryName("com10", fault));
}

TEST(EntryNames, TwoNamesThatDifferOnlyInCaseOrAFileThatIsAlsoAFolderAreRefused) {
    EntryNameSet names;
    EXPECT_EQ(names.add({"W-Set", "planes.dat"}, true), "");
    EXPECT_NE(names.add({"W-Set", "PLANES.DAT"}, true).find("differs only in letter case"),
              std::string::npos);
    EXPECT_NE(names.add({"w-set", "other.dat"}, true).find("\"W-Set\""), std::string::npos);
    EXPECT_NE(names.add({"W-Set", "planes.dat"}, true).find("twice"), std::string::npos);
    EXPECT_NE(names.add({"W-Set", "planes.dat", "inner"}, true).find("both a file and a folder"),
              std::string::npos);
    EXPECT_NE(names.add({"W-Set"}, true).find("both a file and a folder"), std::string::npos);
    EXPECT_EQ(names.add({"W-Set"}, false), ""); // a folder listed after its files
    EXPECT_EQ(names.add({"W-Set", "Data"}, false), "");
    EXPECT_EQ(names.add({"W-Set", "Data", "a.dat"}, true), "");
}

TEST(EntryNames, TheSetNameOfASourceIsItsFileNameWithoutTheArchiveExtensions) {
    EXPECT_EQ(sourceBaseName("desert.zip", false), "desert");
    EXPECT_EQ(sourceBaseName("Desert Air War.TAR.GZ", false), "Desert Air War");
    EXPECT_EQ(sourceBaseName("pack.v2.tgz", false), "pack.v2");
    EXPECT_EQ(sourceBaseName("pack.v2.7z", false), "pack.v2");
    EXPECT_EQ(sourceBaseName("odd.cab", false), "odd");
    EXPECT_EQ(sourceBaseName("Desert.v2", true), "Desert.v2");
}

} // namespace
} // namespace outfitter
