#pragma once
// Starting a program of the game folder without waiting for it.

#include "common/problem.h"

#include <filesystem>
#include <optional>

namespace common {

enum class WindowMode { Normal, Minimised };

// Starts `program` with no arguments in `workingFolder` and does not wait. On Linux a program whose
// name ends ".exe" (any case) is started as "wine <program>", with wine looked up on PATH. Returns a
// problem when the program is missing, wine is not found, or the start is refused. The window mode
// is a request that Windows honours and Wine may ignore. The program is detached: it outlives the
// caller and leaves no zombie; a refusal by exec comes back with the system's reason.
std::optional<Problem> startProgram(const std::filesystem::path& program,
                                    const std::filesystem::path& workingFolder,
                                    WindowMode mode = WindowMode::Normal);

} // namespace common
