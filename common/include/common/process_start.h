#pragma once
// Starting a program of the game folder without waiting for it.

#include "common/problem.h"

#include <filesystem>
#include <optional>

namespace common {

enum class WindowMode { Normal, Minimised };

// Starts `program` with no arguments in `workingFolder` and does not wait. On Linux a program whose
// name ends ".exe" (any case) is started through the runner named by $WINE (a path, or a name looked up
// on PATH), else "wine" from PATH; the whole environment, WINEPREFIX included, passes through. On
// Windows the program is started directly. Returns a problem when the program is missing, the runner
// is not found (naming how to set it), or the start is refused. The window mode is a request that
// Windows honours and Wine may ignore. The program is detached: it outlives the
// caller and leaves no zombie; a refusal by exec comes back with the system's reason.
std::optional<Problem> startProgram(const std::filesystem::path& program,
                                    const std::filesystem::path& workingFolder,
                                    WindowMode mode = WindowMode::Normal);

} // namespace common
