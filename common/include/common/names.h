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
// `text` (UTF-8) in upper case for comparing names the way Windows does: ASCII and the letters of
// Latin-1, Latin Extended-A, Greek and Cyrillic, so "Été.dat" and "été.dat" are one name. Bytes that
// are not UTF-8 pass through unchanged.
std::string upperForCompare(std::string_view text);
bool isValidUtf8(std::string_view text);

// Why `name` cannot name a file or folder on Windows or Linux ("" when it can): "." and "..", "/" and
// "\", control characters and < > : " | ? *, a trailing dot or blank, a device name Windows reserves
// (with any extension), more than 255 bytes. An empty name gives "".
std::string folderNameFault(std::string_view name);

// Text after the last "\" or "/" (the whole text when it has neither).
std::string lastPathComponent(std::string_view path);

} // namespace common
