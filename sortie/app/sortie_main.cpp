// `sortie`: the mission builder in the game folder it is started from. `sortie --render-map FILE.png`
// writes the theatre map of that folder as a picture and ends; `sortie --surprise [SEED]` prints a
// mission drawn at random and ends.
#include "common/problem.h"
#include "common/text_file.h"
#include "sortie/core/surprise.h"
#include "sortie/core/surprise_print.h"
#include "sortie/second/build_settings.h"
#include "sortie/ui/form1.h"
#include "sortie/ui/map_render.h"
#include "startup/program_start.h"
#include "startup/ui/folder_chooser.h"
#include "startup/ui/window_geometry.h"

#include <QApplication>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <iostream>

int main(int argc, char** argv) {
    if (argc >= 2 && std::strcmp(argv[1], "--render-map") == 0) {
        if (argc != 3) {
            std::cerr << "usage: sortie --render-map FILE.png\n";
            return 2;
        }
        // Encoding the picture needs no window, so this runs without a display.
        if (auto reason = sortie::ui::renderMap(std::filesystem::current_path(), sortie::sortieSettings(),
                                                std::filesystem::path(argv[2]))) {
            std::cerr << *reason << '\n';
            return 1;
        }
        return 0;
    }
    const auto start = eaw::startup::readCommandLine(argc, argv, eaw::startup::sortieProgram());
    if (start.exitCode)
        return *start.exitCode;
    for (const auto& option : start.options) {
        if (option.name != "--surprise")
            continue;
        const auto seed = sortie::readSeed(option.value);
        if (!option.value.empty() && !seed) {
            std::cerr << "sortie: the seed \"" << option.value << "\" is not a whole number from 0 to "
                      << UINT64_MAX << "\n";
            return 2;
        }
        // No window here, so no folder chooser: a folder without the game is refused.
        const auto folder = start.gameFolder ? *start.gameFolder : start.currentFolder;
        if (!eaw::startup::holdsGame(folder)) {
            std::cerr << "sortie: there is no eaw.exe in " << common::pathText(folder) << "\n";
            return 1;
        }
        common::useBinaryStandardOutput();
        return sortie::printSurprise(folder, sortie::sortieSettings(),
                                     option.value.empty() ? std::nullopt : seed, std::cout, std::cerr);
    }
    QApplication app(argc, argv);
    const auto gameFolder = eaw::startup::settleGameFolder(start);
    if (!gameFolder)
        return 0;
    sortie::ui::Form1 window(*gameFolder, sortie::sortieSettings());
    eaw::startup::rememberWindowGeometry(window, eaw::startup::windowGeometryFile("sortie"));
    window.show();
    return app.exec();
}
