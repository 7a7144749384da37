// make-demo-game DIR: writes the synthetic demo game folder into DIR.

#include "make_demo_game/demo_game.h"
#include "make_demo_game/downloads.h"

#include <iostream>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "Usage: make-demo-game DIR (writes a demo game folder into DIR).\n";
        return 2;
    }
    const std::filesystem::path dir = argv[1];
    const demo::DemoOutcome outcome = demo::writeDemoGame(dir);
    if (!outcome.refusal.empty()) {
        std::cerr << outcome.refusal << '\n';
        return 1;
    }
    for (const common::Problem& problem : outcome.problems) {
        std::cerr << problem.text() << '\n';
    }
    if (!outcome.problems.empty()) {
        std::cerr << "The demo game folder " << common::pathText(dir)
                  << " is incomplete: " << outcome.problems.size() << " file(s) could not be written.\n";
        return 1;
    }
    // Inside the game folder, so the demo carries them along; the selector never looks there.
    if (const auto failed = demo::writeDownloads(dir / "Downloads"); !failed.empty()) {
        std::cerr << "The demo downloads could not be written: " << failed << '\n';
        return 1;
    }
    std::cout << "Demo game folder written to " << common::pathText(dir) << ", with archives to add in "
              << common::pathText(dir / "Downloads") << ".\n";
    return 0;
}
