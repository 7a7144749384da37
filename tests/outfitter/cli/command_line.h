#pragma once
// The selector's command line run as main runs it, for the suites that drive it: the options read,
// checked and carried out in the game folder the arguments name (else `fallback`; `forced` wins over
// both), with what it printed. A change waits `lockWait` for the game folder's lock.

#include "outfitter/cli/cli_runner.h"

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

namespace outfitter::testing {

inline int runCommandLine(const std::vector<std::string>& args, const std::filesystem::path& startFolder,
                          const std::filesystem::path& fallback, std::ostringstream& out, std::ostringstream& err,
                          const std::filesystem::path& forced = {},
                          std::chrono::milliseconds lockWait = common::kGameFolderLockWait) {
    out.str({});
    err.str({});
    std::ostringstream ignored;
    const auto start = eaw::startup::readCommandLine(args, eaw::startup::outfitterProgram(), startFolder, ignored, err);
    if (start.exitCode)
        return *start.exitCode;
    std::string refusal;
    auto request = cliRequest(start.options, refusal);
    if (!request || !refusal.empty()) {
        err << refusal;
        return 2;
    }
    request->lockWait = lockWait;
    return runCli(*request, !forced.empty() ? forced : start.gameFolder ? *start.gameFolder : fallback, out, err);
}

} // namespace outfitter::testing
