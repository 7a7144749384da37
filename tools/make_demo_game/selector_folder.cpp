// Writes "QIV128": sets, "UNUSED", a folder that is no set, the skin store, the autoscripts and
// "FoldersLoaded.txt"; then copies the ledger's sets into the game folder as loading them would.

#include "make_demo_game/selector_folder.h"

#include "make_demo_game/demo_contents.h"
#include "make_demo_game/packages.h"
#include "make_demo_game/set_contents.h"

#include "common/names.h"

#include <string>

namespace demo {
namespace {

std::string join(std::string_view a, std::string_view b) {
    return std::string(a) + "\\" + std::string(b);
}

bool endsWith(const std::string& upper, std::string_view suffix) {
    return upper.size() >= suffix.size() &&
           upper.compare(upper.size() - suffix.size(), suffix.size(), suffix) == 0;
}

// Where a set file lands when the set is loaded; empty for files that loading skips.
std::string installedName(const std::string& name) {
    const std::string upper = common::toUpperAscii(name);
    if (upper.rfind("ECA", 0) == 0 || endsWith(upper, ".LDR") || upper == "MYPIC" ||
        upper == "CONTENTS.TXT" || endsWith(upper, ".JPG") || endsWith(upper, ".PCX") ||
        endsWith(upper, ".GIF")) {
        return {};
    }
    if (endsWith(upper, ".MSN") || endsWith(upper, ".SVE")) {
        return join(contents::kSaveData, name);
    }
    if (endsWith(upper, ".BGM")) {
        return join(contents::kMusic, name);
    }
    return name;
}

void writeSet(OutputFolder& out, const std::string& folder, const DemoSet& set) {
    for (const DemoFile& file : set.files) {
        out.writeBytes(join(folder, file.name), file.bytes);
    }
    for (const DemoSet& planeSet : set.planeSets) {
        writeSet(out, join(folder, planeSet.folder), planeSet);
    }
}

} // namespace

void writeSelectorFolder(OutputFolder& out) {
    const std::string selector(contents::kSelector);
    const auto sets = demoSets();
    for (const DemoSet& set : sets) {
        writeSet(out, join(selector, set.folder), set);
    }

    const std::string unused = join(selector, contents::kUnused);
    out.writeBytes(join(unused, "W-Retired Weather\\sky.tpc"),
                   fillerBytes("W-Retired Weather", "sky.tpc", 500));
    out.writeBytes(join(unused, "W-Retired Weather\\contents.txt"), "A set put aside by the player.\r\n");
    out.writeBytes(join(join(selector, contents::kNotASet), "readme.txt"),
                   "Downloads waiting to be unpacked; this folder is not a set.\r\n");

    for (const DemoSet& skin : demoSkins()) {
        writeSet(out, join(join(selector, contents::kSkinFolder), skin.folder), skin);
    }

    out.writeLines(join(join(selector, contents::kAutoscripts), "Channel 1940.set"),
                   {"The Channel in the summer of 1940", "*****", std::string(contents::kLedgerSets[0]),
                    std::string(contents::kLedgerSets[1]), std::string(contents::kSkins[3])});
    writePackages(out);

    // The ledger: the loaded names, then the final line break of the summary.
    std::vector<std::string> ledger(contents::kLedgerSets.begin(), contents::kLedgerSets.end());
    ledger.emplace_back();
    out.writeLines(join(selector, "FoldersLoaded.txt"), ledger);

    for (const DemoSet& set : sets) {
        bool loaded = false;
        for (const std::string_view name : contents::kLedgerSets) {
            loaded = loaded || set.folder == name;
        }
        if (!loaded) {
            continue;
        }
        for (const DemoFile& file : set.files) {
            const std::string target = installedName(file.name);
            if (!target.empty()) {
                out.writeBytes(target, file.bytes);
            }
        }
    }
}

} // namespace demo
