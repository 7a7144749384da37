#pragma once
// The selector's window opened on a fresh demo game for the skin and game-settings window suites:
// widgets found by objectName (and `index`), the message line, the ledger and the game's files.

#include "outfitter/ui/qiv_form.h"

#include "make_demo_game/demo_game.h"

#include "temp_game_folder.h"

#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <filesystem>
#include <memory>

using namespace Qt::StringLiterals;

namespace skintest {

template <class T> T* child(const QWidget& form, const QString& name) {
    if (auto* found = form.findChild<T*>(name))
        return found;
    qFatal("no widget %s", qPrintable(name));
}

class DemoWindow final {
  public:
    explicit DemoWindow(bool writeDemo = true) {
        if (writeDemo) {
            const auto outcome = demo::writeDemoGame(game.path());
            if (!outcome.ok())
                qFatal("demo game not written: %s", outcome.refusal.c_str());
        }
    }

    outfitter::QIVForm& open(int tab) {
        outfitter::QIVFormOptions options;
        options.endProgram = [] {};
        form = std::make_unique<outfitter::QIVForm>(game.path(), options);
        form->show();
        if (!QTest::qWaitForWindowExposed(form.get()))
            qFatal("window not shown");
        child<QTabWidget>(*form, u"SSTab1"_s)->setCurrentIndex(tab);
        return *form;
    }

    template <class T> T* find(const char* name) const { return child<T>(*form, QString::fromLatin1(name)); }
    QString messages() const { return find<QPlainTextEdit>("messages")->toPlainText(); }
    std::string ledger() const { return game.read("QIV128/FoldersLoaded.txt"); }
    bool exists(const std::string& relative) const { return std::filesystem::exists(game.path() / relative); }
    bool spelledAs(const std::string& relative) const {
        return testsupport::spelledAs(game.path() / relative);
    }

  private:
    QTemporaryDir locks_; // outlives the window, which removes its lock file when it closes

  public:
    outfitter::testing::TempGameFolder game;
    std::unique_ptr<outfitter::QIVForm> form;
};

} // namespace skintest
