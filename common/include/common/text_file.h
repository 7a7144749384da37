#pragma once
// Single-byte text files: read with CR LF or LF endings, written whole with CR LF.

#include "common/problem.h"

#include <filesystem>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace common {

// Splits bytes into lines. "\r\n" and "\n" end a line; a final line without an ending still counts;
// an empty input gives no lines. A lone "\r" not followed by "\n" is kept as a character.
std::vector<std::string> splitLines(std::string_view bytes);

// Every line followed by "\r\n".
std::string joinLinesCrLf(const std::vector<std::string>& lines);
void writeLinesCrLf(std::ostream& out, const std::vector<std::string>& lines);

// Whole file as bytes. A missing or unreadable file gives a problem and empty bytes.
Result<std::string> readFileBytes(const std::filesystem::path& file);
Result<std::vector<std::string>> readLines(const std::filesystem::path& file);

// Writes the lines with CR LF through writeFileAtomically.
std::optional<Problem> writeLinesAtomically(const std::filesystem::path& file,
                                            const std::vector<std::string>& lines,
                                            const std::string& tempName = {});

// Standard output passes bytes unchanged: Windows would otherwise turn each "\n" of a CR LF file
// into "\r\n" once more. Nothing to do elsewhere.
void useBinaryStandardOutput();

} // namespace common
