// The selector's window opened on the demo game folder, as `scripts/demo` shows it to a player.

#include "outfitter/ui/qiv_form.h"
#include "ui_support/message_box.h"

#include "make_demo_game/demo_contents.h"
#include "make_demo_game/demo_game.h"

#include "temp_game_folder.h"

#include <QPlainTextEdit>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using outfitter::testing::TempGameFolder;

class DemoGameWindowTest final : public QObject {
    Q_OBJECT

  private slots:
    void opensWithTheLedgerSetsMarkedAndAddsOnlyTheCategoryTable() {
        TempGameFolder game;
        const auto outcome = demo::writeDemoGame(game.path());
        QVERIFY2(outcome.ok(), outcome.refusal.c_str());
        auto expected = game.entries();
        expected.insert("QIV128/qiv.ini");
        // The game folder's lock and the window's: hidden files, never taken for sets.
        expected.insert("QIV128/.qiv-lock");
        expected.insert("QIV128/.qiv-window");

        outfitter::QIVFormOptions options;
        outfitter::QIVForm form(game.path(), options);
        QVERIFY(!form.isDuplicate());
        QCOMPARE(game.entries(), expected);
        QCOMPARE(form.findChild<QPlainTextEdit*>(u"messages"_s)->toPlainText(), QString());

        auto* grid = form.findChild<QTableWidget*>(u"Unigrid"_s);
        QStringList marked;
        for (int row = 0; row < grid->rowCount(); ++row) {
            const QString name = grid->item(row, 1)->text();
            QVERIFY2(name != u"UNUSED"_s && !name.startsWith(u'_'), qPrintable(name));
            if (grid->item(row, 2)->text() == u"S"_s)
                marked << name;
        }
        QVERIFY(grid->rowCount() >= 14);
        QStringList ledger;
        for (const auto name : demo::contents::kLedgerSets)
            ledger << QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
        QCOMPARE(marked, ledger);
    }
};

QTEST_MAIN(DemoGameWindowTest)
#include "demo_game_window_test.moc"
