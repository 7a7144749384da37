#pragma once
// A plane-set file "*.qiv": the aircraft's name on line 1, then the 168 first bytes of its
// "planes.dat" record as decimal numbers, one a line (slot on line 2, fuel on lines 38 and 39, the
// model code on lines 166 to 169).

#include "common/problem.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace outfitter {

inline constexpr std::size_t kQivRecordBytes = 168;
inline constexpr std::size_t kQivLines = 1 + kQivRecordBytes;

struct QivFile {
    std::filesystem::path file;
    std::string aircraft; // line 1 as read
    std::string plnSlot;  // line 2 as read
    std::string skinSlot; // lines 166 to 169 as characters, upper-cased
    std::array<std::uint8_t, kQivRecordBytes> record{};
    int slot = 0;
    unsigned fuel = 0; // line 39 x 256 + line 38
    // Why the record must not go into "planes.dat": names the file and the line. Empty when sound.
    std::optional<common::Problem> fault;

    // The name written into the game's tables: line 1 without leading and trailing spaces.
    std::string name() const;
};

QivFile parseQiv(const std::vector<std::string>& lines, const std::filesystem::path& file);
// Reads and parses; an unreadable file is a fault.
QivFile readQiv(const std::filesystem::path& file);

// The first "*.qiv" in name order in a plane-set folder; nullopt when there is none.
std::optional<std::filesystem::path> findQivFile(const std::filesystem::path& planeSetFolder);

} // namespace outfitter
