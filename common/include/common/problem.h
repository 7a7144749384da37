#pragma once
// What went wrong with a file operation, carried as data across the model boundary.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace common {

struct Problem {
    std::filesystem::path path; // the file or folder concerned (may be empty)
    std::string action;         // what was being done: "reading", "writing", "deleting", ...
    std::string reason;         // the system's error text or the rule that was broken

    // One line for the message line, e.g. "writing C:/game/eaw.ini: Permission denied".
    std::string text() const;
};

using Problems = std::vector<Problem>;

// Windows only: why a file that another program holds open was not replaced, deleted or read.
inline constexpr const char* kHeldOpenReason =
    "the file is open in another program (the game, an editor or a virus scanner); close it and try again";

// A file or folder name as UTF-8 text for messages. Unlike path::string() it never throws on Windows
// for names outside the ANSI code page; on POSIX it is the name's own bytes.
std::string pathText(const std::filesystem::path& path);
// The inverse: a name kept as text (a listed name, a name from a game file) as a path. On Windows the
// text is UTF-8, where path's own constructor would read it in the ANSI code page.
std::filesystem::path pathFromText(std::string_view text);

Problem problemFromErrno(std::filesystem::path path, std::string action, int err);
Problem problemFromError(std::filesystem::path path, std::string action, const std::error_code& ec);

// A value together with the problem that stopped it from being produced, if any.
// When `problem` is set, `value` holds whatever defined result the producer promises (often empty).
template <class T> struct Result {
    T value{};
    std::optional<Problem> problem;

    bool ok() const { return !problem.has_value(); }
};

} // namespace common
