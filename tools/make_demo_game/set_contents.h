#pragma once
// What the demo's add-on sets, plane sets and skins hold: file names and bytes.

#include <string>
#include <vector>

namespace demo {

struct DemoFile {
    std::string name;
    std::string bytes;
};

struct DemoSet {
    std::string folder;
    std::vector<DemoFile> files;
    std::vector<DemoSet> planeSets; // "P-" subfolders (flight-model sets only)
};

// Recognisable filler for data files whose inside no program reads: a text line naming owner and
// file, then `size` invented bytes.
std::string fillerBytes(const std::string& owner, const std::string& file, int size);

// The set folders of the selector folder.
std::vector<DemoSet> demoSets();
// The skin folders of the skin store.
std::vector<DemoSet> demoSkins();

} // namespace demo
