#pragma once
// Writes the synthetic game folder that serves as the demo and as the fixture of the test suites.

#include "common/problem.h"

#include <filesystem>
#include <string>

namespace demo {

// The file that marks a folder as written by this tool; a re-run may rewrite such a folder.
inline constexpr const char* kMarkerName = ".demo-game";

struct DemoOutcome {
    // Set when the folder was left untouched because it is not ours (one sentence for the user).
    std::string refusal;
    // Files or folders that could not be written; the rest was still written.
    common::Problems problems;

    bool ok() const { return refusal.empty() && problems.empty(); }
};

// Writes the whole demo game into `dir`, creating it when missing. Refuses a non-empty folder that
// holds no marker. Never deletes anything: on its own folder it rewrites its files and leaves any
// others alone.
DemoOutcome writeDemoGame(const std::filesystem::path& dir);

} // namespace demo
