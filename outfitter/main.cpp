// The add-on set selector: opens its window on the folder it was started in, the game folder.

#include "outfitter/ui/qiv_form.h"

#include <QApplication>

#include <filesystem>
#include <system_error>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    std::error_code ec;
    const auto gameFolder = std::filesystem::current_path(ec);
    outfitter::QIVForm form(gameFolder);
    if (form.isDuplicate())
        return 0;
    form.show();
    return QApplication::exec();
}
