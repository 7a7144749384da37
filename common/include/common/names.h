#pragma once
// Names compared the way the game's file system compares them: without regard to letter case.

#include <string>
#include <string_view>

namespace common {

std::string toUpperAscii(std::string_view text);
std::string toLowerAscii(std::string_view text);
bool equalsIgnoreCase(std::string_view a, std::string_view b);
// Order of a file list: case-insensitive, ties broken by the bytes so the order is total.
bool fileListLess(std::string_view a, std::string_view b);
// DOS-style wildcard match, case-insensitive: "*" any run, "?" one character; "*.*" matches every
// name, with or without a dot.
bool wildcardMatch(std::string_view pattern, std::string_view name);
// Text after the last "\" or "/" (the whole text when it has neither).
std::string lastPathComponent(std::string_view path);

} // namespace common
