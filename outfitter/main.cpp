// The add-on set selector: opens its window on the game folder given or started in.

#include "outfitter/ui/qiv_form.h"
#include "startup/program_start.h"
#include "startup/ui/folder_chooser.h"
#include "startup/ui/window_geometry.h"

#include <QApplication>

#include <filesystem>

int main(int argc, char* argv[]) {
    const auto start = eaw::startup::readCommandLine(argc, argv, eaw::startup::outfitterProgram());
    if (start.exitCode)
        return *start.exitCode;
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
