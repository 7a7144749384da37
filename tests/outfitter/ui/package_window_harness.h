#pragma once
// The selector's window opened on a fresh demo game folder, for the autoscript and package suites.

#include "outfitter/ui/qiv_form.h"

#include "make_demo_game/demo_game.h"

#include "temp_game_folder.h"

#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <filesystem>
#include <memory>

namespace package_test {

using namespace Qt::StringLiterals;

template <class T> T* child(const QWidget& form, const QString& name, int index = -1) {
    for (auto* found : form.findChildren<T*>(name))
        if (index < 0 || found->property("index").toInt() == index)
            return found;
    qFatal("no widget %s", qPrintable(name));
}

class DemoWindow final {
  public:
    explicit DemoWindow(const QString& lockPath) : lockPath_(lockPath) {
        const auto outcome = demo::writeDemoGame(game.path());
        if (!outcome.ok())
            qFatal("demo game not written: %s", outcome.refusal.c_str());
    }

    outfitter::QIVForm& open(int tab) {
        outfitter::QIVFormOptions options;
        options.endProgram = [] {};
        form = std::make_unique<outfitter::QIVForm>(game.path(), options);
        form->resize(1366, 728);
        form->show();
        if (!QTest::qWaitForWindowExposed(form.get()))
            qFatal("window not shown");
        child<QTabWidget>(*form, u"SSTab1"_s)->setCurrentIndex(tab);
        return *form;
    }

    template <class T> T* find(const QString& name, int index = -1) const {
        return child<T>(*form, name, index);
    }

    QString messages() const { return find<QPlainTextEdit>(u"messages"_s)->toPlainText(); }
    std::string ledger() const { return game.read("QIV128/FoldersLoaded.txt"); }
    bool exists(const std::string& relative) const { return std::filesystem::exists(game.path() / relative); }
    bool spelledAs(const std::string& relative) const {
        return testsupport::spelledAs(game.path() / relative);
    }

    QStringList marked() const {
        auto* grid = find<QTableWidget>(u"Unigrid"_s);
        QStringList out;
        for (int r = 0; r < grid->rowCount(); ++r)
            if (grid->item(r, 2)->text() == u"S"_s)
                out << grid->item(r, 1)->text();
        return out;
    }

    static QStringList texts(const QListWidget* list) {
        QStringList out;
        for (int i = 0; i < list->count(); ++i)
            out << list->item(i)->text();
        return out;
    }

    // Clicks the entry of a list that reads `text`.
    static void choose(QListWidget* list, const QString& text) {
        const auto found = list->findItems(text, Qt::MatchExactly);
        if (found.isEmpty())
            qFatal("no entry %s", qPrintable(text));
        list->scrollToItem(found.front());
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(found.front()).center());
    }

    outfitter::testing::TempGameFolder game;
    std::unique_ptr<outfitter::QIVForm> form;

  private:
    QString lockPath_;
};

} // namespace package_test
