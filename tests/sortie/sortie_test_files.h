#pragma once
// Hand-made game files for the mission builder's tests: a fresh folder per test and exact tables.

#include "test_support/temp_folder.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace sortie::testing {

using testsupport::TempFolder;

inline void writeFile(const std::filesystem::path& file, const std::string& bytes) {
    std::filesystem::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline void put32(std::string& out, std::size_t value) {
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

// A ".str" table laid out byte by byte, independent of the codec under test.
inline std::string stringTableBytes(const std::vector<std::string>& strings) {
    std::size_t textSize = 4 * strings.size();
    for (const auto& s : strings)
        textSize += s.size() + 1;
    std::string out;
    put32(out, textSize);
    put32(out, strings.size());
    std::size_t offset = 4 * strings.size();
    for (const auto& s : strings) {
        put32(out, offset);
        offset += s.size() + 1;
    }
    for (const auto& s : strings) {
        out += s;
        out.push_back('\0');
    }
    return out;
}

struct Record {
    unsigned nameIndex = 0;
    std::uint8_t check = 0;
    std::uint8_t fill = 0; // every other byte
};

inline std::string targetsBytes(unsigned headerCount, const std::vector<Record>& records) {
    std::string out;
    out.push_back(static_cast<char>(headerCount & 0xFF));
    out.push_back(static_cast<char>(headerCount >> 8));
    out += std::string(2, '\0');
    for (const auto& r : records) {
        std::string bytes(32, static_cast<char>(r.fill));
        bytes[16] = static_cast<char>(r.nameIndex & 0xFF);
        bytes[17] = static_cast<char>(r.nameIndex >> 8);
        bytes[18] = static_cast<char>(r.check);
        out += bytes;
    }
    return out;
}

// A game folder with `planes` aircraft names, `targets` records named "Target k" (every 5th an
// airfield), the builder folder and the saved-missions folder.
inline void makeGameFolder(const std::filesystem::path& game, int planes = 30, int targets = 200) {
    std::vector<std::string> planeNames;
    for (int i = 0; i < planes; ++i)
        planeNames.push_back("Plane " + std::to_string(i));
    writeFile(game / "pnames.str", stringTableBytes(planeNames));
    std::vector<std::string> targetNames;
    std::vector<Record> records;
    for (int k = 0; k < targets; ++k) {
        targetNames.push_back("Target " + std::to_string(k));
        // Names are stored in reverse so a reader that ignores the name index is caught.
        records.push_back(
            {static_cast<unsigned>(targets - 1 - k), static_cast<std::uint8_t>(k % 5 == 0 ? 64 : 0), 7});
    }
    std::vector<std::string> reversed(targetNames.rbegin(), targetNames.rend());
    writeFile(game / "tarnames.str", stringTableBytes(reversed));
    writeFile(game / "targets.dat", targetsBytes(static_cast<unsigned>(targets), records));
    writeFile(game / "weapons.str", stringTableBytes({"Gun", "Bomb"}));
    // The map: land in the upper half, sea below; thirteen front-line sets that end at once.
    writeFile(game / "eaw.tm", std::string(640 * 160, '\x01') + std::string(640 * 160, '\x02'));
    std::string frontLines;
    for (int set = 0; set < 13; ++set)
        for (int p = 0; p < 30; ++p)
            frontLines += std::string(8, '\xFF') + std::string(12, '\0');
    writeFile(game / "frntline.dat", frontLines);
    std::filesystem::create_directories(game / "PEV" / "PEVMissions");
    std::string pevPic;
    for (int i = 0; i < 12; ++i)
        pevPic += "Pic" + std::to_string(i) + "=pic" + std::to_string(i) + ".bmp\r\n";
    writeFile(game / "PEV" / "PevPic.txt", pevPic);
}

} // namespace sortie::testing
