// `sortie`: the mission builder in the game folder it is started from.
#include "sortie/second/build_settings.h"
#include "sortie/ui/form1.h"

#include <QApplication>

#include <filesystem>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    sortie::ui::Form1 window(std::filesystem::current_path(), sortie::sortieSettings());
    window.show();
    return app.exec();
}
