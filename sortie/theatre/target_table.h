#pragma once
// The game's target table "targets.dat": a 4-byte header and 32-byte records of targets and airfields.

#include "common/problem.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace sortie {

inline constexpr std::size_t kTargetHeaderSize = 4;
inline constexpr std::size_t kTargetRecordSize = 32;

struct TargetRecord {
    std::array<std::uint8_t, kTargetRecordSize> bytes{};
    std::size_t length = kTargetRecordSize; // bytes present; less for a record cut short by the file's end

    bool complete() const { return length == kTargetRecordSize; }
    // Index into "tarnames.str"; only meaningful when the record holds bytes 16 and 17.
    bool hasNameIndex() const { return length >= 18; }
    unsigned nameIndex() const { return bytes[17] * 256u + bytes[16]; }
    // Bit 6 of the "Check" byte.
    bool isAirfield() const { return length >= 19 && (bytes[18] & 64) != 0; }
};

struct TargetTable {
    unsigned headerCount = 0; // what the header claims; the file length decides
    std::vector<TargetRecord> records;
};

// One record per start position below the file length, so record k is always the k-th entry. A record
// cut short keeps its place, holds the bytes present and is reported.
common::Result<TargetTable> decodeTargets(std::string_view bytes);

} // namespace sortie
