// The add-on set selector: opens its window on the game folder given or started in, or, given one of
// its own options, does that work without a window and ends.

#include "outfitter/cli/cli_runner.h"
#include "outfitter/ui/qiv_form.h"
#include "startup/program_start.h"
#include "startup/ui/folder_chooser.h"
#include "startup/ui/window_geometry.h"

#include <QApplication>

#include <filesystem>
#include <iostream>

int main(int argc, char* argv[]) {
    const auto start = eaw::startup::readCommandLine(argc, argv, eaw::startup::outfitterProgram());
    if (start.exitCode)
        return *start.exitCode;
    std::string refusal;
    if (const auto request = outfitter::cliRequest(start.options, refusal)) {
        if (!refusal.empty()) {
            std::cerr << "outfitter: " << refusal << "\nTry \"outfitter --help\".\n";
            return 2;
        }
        return outfitter::runCli(*request, start.gameFolder ? *start.gameFolder : start.currentFolder,
                                 std::cout, std::cerr);
    }
    QApplication app(argc, argv);
    const auto gameFolder = eaw::startup::settleGameFolder(start);
    if (!gameFolder)
        return 0;
    outfitter::QIVForm form(*gameFolder);
    if (form.isDuplicate())
        return 0;
    eaw::startup::rememberWindowGeometry(form, eaw::startup::windowGeometryFile("outfitter"));
    form.show();
    return QApplication::exec();
}
