// Decides whether the target folder may be written, marks it as ours, and writes every part.

#include "make_demo_game/demo_game.h"

#include "make_demo_game/builder_folder.h"
#include "make_demo_game/game_folder.h"
#include "make_demo_game/output_folder.h"
#include "make_demo_game/selector_folder.h"

#include "common/atomic_file.h"
#include "common/text_file.h"

#include <system_error>

namespace demo {
namespace {

constexpr const char* kMarkerText = "Demo game folder written by make-demo-game.\r\n";

bool isOurFolder(const std::filesystem::path& dir) {
    const auto marker = common::readFileBytes(dir / kMarkerName);
    return marker.ok() && marker.value == kMarkerText;
}

} // namespace

DemoOutcome writeDemoGame(const std::filesystem::path& dir) {
    DemoOutcome outcome;
    std::error_code ec;
    const auto status = std::filesystem::status(dir, ec);
    if (std::filesystem::exists(status)) {
        if (!std::filesystem::is_directory(status)) {
            outcome.refusal =
                "Refusing to write the demo game: " + common::pathText(dir) + " exists and is not a folder.";
            return outcome;
        }
        const bool empty = std::filesystem::is_empty(dir, ec);
        if (ec) {
            outcome.problems.push_back(common::problemFromError(dir, "reading folder", ec));
            return outcome;
        }
        if (!empty && !isOurFolder(dir)) {
            outcome.refusal = "Refusing to write the demo game into " + common::pathText(dir) +
                              ": the folder is not empty and was not made by make-demo-game.";
            return outcome;
        }
    } else {
        std::filesystem::create_directories(dir, ec);
        if (ec) {
            outcome.problems.push_back(common::problemFromError(dir, "making folder", ec));
            return outcome;
        }
    }

    // The marker goes first, so that a run cut short still leaves a folder a re-run may finish.
    if (auto problem = common::writeFileAtomically(dir / kMarkerName, kMarkerText)) {
        outcome.problems.push_back(std::move(*problem));
        return outcome;
    }
    OutputFolder out(dir);
    writeGameFolder(out);
    writeSelectorFolder(out); // after the game folder: the ledger's sets overwrite stock files
    writeBuilderFolder(out);
    outcome.problems = out.problems();
    return outcome;
}

} // namespace demo
