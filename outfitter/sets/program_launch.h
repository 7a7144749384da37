#pragma once
// Starting a program of the game folder, normally the game itself, from the launch list.

#include "common/problem.h"
#include "common/process_start.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace outfitter {

// The launch list: every "*.exe" directly in the game folder, in file-list order.
common::Result<std::vector<std::string>> launchablePrograms(const std::filesystem::path& gameFolder);

// Starts the program `name` (a plain file name, found whatever its case) in the game folder, without
// arguments and without waiting; ".exe" runs through Wine on Linux. Returns why it could not start.
std::optional<common::Problem> launchProgram(const std::filesystem::path& gameFolder, std::string_view name,
                                             common::WindowMode mode = common::WindowMode::Normal);

} // namespace outfitter
