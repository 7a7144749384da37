#pragma once
// A small game folder for plane-set tests: a "planes.dat" of 30 records, "pnames.str", the three
// picture menus and "loadout.dat", all built here byte by byte, and a flight-model set to fill.

#include "test_support/temp_folder.h"

#include <cstdint>
#include <string>
#include <vector>

namespace planetest {

inline std::string le32(unsigned value) {
    return {static_cast<char>(value & 0xFF), static_cast<char>((value >> 8) & 0xFF), '\0', '\0'};
}

inline std::string namesTable(const std::vector<std::string>& names) {
    unsigned offset = 4 * static_cast<unsigned>(names.size());
    std::string offsets, text;
    for (const auto& name : names) {
        offsets += le32(offset);
        text += name + '\0';
        offset += static_cast<unsigned>(name.size()) + 1;
    }
    return le32(offset) + le32(static_cast<unsigned>(names.size())) + offsets + text;
}

inline std::vector<std::string> stockNames() {
    std::vector<std::string> names;
    for (int slot = 0; slot < 30; ++slot)
        names.push_back("Stock " + std::to_string(slot));
    return names;
}

// Entry j of a menu: L, 0, 0, 0, name, 0 and 15 bytes that say which menu and entry they belong to.
inline std::string menuFile(int menu, const std::vector<std::string>& names) {
    std::string bytes(35, static_cast<char>(0xA0 + menu));
    for (std::size_t j = 0; j < names.size(); ++j) {
        bytes += std::string{static_cast<char>(names[j].size() + 1), '\0', '\0', '\0'} + names[j] + '\0';
        for (int k = 0; k < 15; ++k)
            bytes += static_cast<char>(menu * 50 + static_cast<int>(j) * 3 + k);
    }
    return bytes;
}

inline std::vector<std::string> menuNames(int count) {
    std::vector<std::string> names;
    for (int j = 0; j < count; ++j)
        names.push_back("Menu entry " + std::to_string(j));
    return names;
}

inline std::string planesDat() {
    std::string bytes = {'\x1e', '\0', '\xd8', '\0'};
    for (int i = 0; i < 30 * 216; ++i)
        bytes += static_cast<char>((i * 7 + 3) % 251);
    return bytes;
}

// Lines of a "*.qiv": the name, then 168 record bytes with the slot first, the fuel at bytes 36 and
// 37 and a model code at 164 to 167.
inline std::vector<std::string> qivLines(const std::string& name, int slot, unsigned fuel = 1000,
                                         const std::string& code = "sp09") {
    std::vector<std::string> lines{name, std::to_string(slot)};
    for (int k = 1; k < 168; ++k) {
        int value = (k * 13 + slot) % 256;
        if (k == 36)
            value = static_cast<int>(fuel % 256);
        if (k == 37)
            value = static_cast<int>(fuel / 256);
        if (k >= 164)
            value = static_cast<unsigned char>(code[static_cast<std::size_t>(k - 164)]);
        lines.push_back(std::to_string(value));
    }
    return lines;
}

inline std::string crlf(const std::vector<std::string>& lines) {
    std::string out;
    for (const auto& line : lines)
        out += line + "\r\n";
    return out;
}

class PlaneGame final {
  public:
    PlaneGame() {
        folder.write("planes.dat", planesDat());
        folder.write("pnames.str", namesTable(stockNames()));
        folder.write("picplnb.mnu", menuFile(0, menuNames(9)));
        folder.write("picplna.mnu", menuFile(1, menuNames(9)));
        folder.write("picplng.mnu", menuFile(2, menuNames(11)));
        folder.write("Loadout.dat", std::string(4 + 44 * 20, '\x11'));
        folder.folder("QIV128");
    }

    // A plane-set folder "P-<name>" of the flight-model set "F-Test" holding one "*.qiv".
    std::filesystem::path planeSet(const std::string& name, const std::vector<std::string>& qiv) const {
        const auto dir = folder.folder(setPath() / ("P-" + name));
        folder.write(setPath() / ("P-" + name) / "plane.qiv", crlf(qiv));
        return dir;
    }
    std::filesystem::path setPath() const { return "QIV128/F-Test"; }
    std::filesystem::path set() const { return folder.path() / setPath(); }
    std::string read(const std::string& name) const { return folder.read(name); }
    const std::filesystem::path& path() const { return folder.path(); }

    testsupport::TempFolder folder;
};

} // namespace planetest
