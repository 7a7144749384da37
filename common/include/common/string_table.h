#pragma once
// The game's ".str" string-table layout ("pnames.str", "tarnames.str", "weapons.str").
//
// Bytes 0-3: S, the size of everything after byte 8; bytes 4-7: N, the count; then N offsets of four
// bytes (counted from byte 8); then the strings, each followed by one zero byte. Numbers are
// little-endian; readers use the low two bytes of each (unsigned, 0 to 65535), writers write the high
// two as zero.

#include "common/problem.h"

#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace common {

// Decodes a table. String i is its run of bytes up to the next offset (the last up to S) less its
// final byte; bytes inside the run, zero bytes included, are kept. A truncated or inconsistent table
// (offsets falling outside the file or running backwards, S beyond the file) gives a problem whose
// reason says what is wrong, and the strings that could be read before it.
Result<std::vector<std::string>> decodeStringTable(std::string_view bytes);
Result<std::vector<std::string>> readStringTable(const std::filesystem::path& file);

// Encodes strings; when S, N or an offset would reach 65536 the problem is set and the value empty.
Result<std::string> encodeStringTable(const std::vector<std::string>& strings);
std::optional<Problem> writeStringTable(std::ostream& out, const std::vector<std::string>& strings);
// Encodes and replaces the file atomically; the file is untouched when encoding fails.
std::optional<Problem> writeStringTable(const std::filesystem::path& file,
                                        const std::vector<std::string>& strings);

} // namespace common
