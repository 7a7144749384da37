// `sortiex`: the mission builder with the second build's settings.
#include "sortie/second/build_settings.h"
#include "sortie/ui/form1.h"
#include "startup/program_start.h"
#include "startup/ui/folder_chooser.h"
#include "startup/ui/window_geometry.h"

#include <QApplication>

#include <filesystem>

int main(int argc, char** argv) {
    const auto start = eaw::startup::readCommandLine(argc, argv, eaw::startup::sortiexProgram());
    if (start.exitCode)
        return *start.exitCode;
    QApplication app(argc, argv);
    const auto gameFolder = eaw::startup::settleGameFolder(start);
    if (!gameFolder)
        return 0;
    sortie::ui::Form1 window(*gameFolder, sortie::sortiexSettings());
    eaw::startup::rememberWindowGeometry(window, eaw::startup::windowGeometryFile("sortiex"));
    window.show();
    return app.exec();
}
