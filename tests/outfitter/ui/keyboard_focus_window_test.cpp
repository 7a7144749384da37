// The selector's window on the demo game driven by the Tab key alone: the focus goes round every
// control of every tab and nothing the player chose (filters, loaded sets, skins, the chosen package
// or script, the settings) changes, and no file of the game folder is touched.

#include "outfitter/ui/qiv_form.h"

#include "make_demo_game/demo_game.h"

#include "temp_game_folder.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <filesystem>
#include <map>
#include <memory>

using namespace Qt::StringLiterals;
using outfitter::testing::TempGameFolder;

namespace {

QString nameOf(const QWidget* w) {
    const QVariant index = w->property("index");
    return w->objectName() + (index.isValid() ? u"(%1)"_s.arg(index.toInt()) : QString());
}

// Everything a player can see was chosen: texts, ticks, marks, colours, hidden rows and selections.
QStringList choicesShown(const QWidget& form) {
    QStringList state;
    for (const auto* w : form.findChildren<QWidget*>()) {
        if (w->objectName().isEmpty() || w->objectName() == u"messages"_s)
            continue;
        const QString name = nameOf(w);
        if (const auto* label = qobject_cast<const QLabel*>(w))
            state << name + u" label "_s + label->text();
        else if (const auto* edit = qobject_cast<const QLineEdit*>(w))
            state << name + u" edit "_s + edit->text();
        else if (const auto* text = qobject_cast<const QPlainTextEdit*>(w))
            state << name + u" text "_s + text->toPlainText();
        else if (const auto* button = qobject_cast<const QAbstractButton*>(w))
            state << name + u" checked "_s + QString::number(button->isChecked());
        else if (const auto* list = qobject_cast<const QListWidget*>(w)) {
            for (const auto* item : list->selectedItems())
                state << name + u" selected "_s + item->text();
        } else if (const auto* grid = qobject_cast<const QTableWidget*>(w)) {
            for (int r = 0; r < grid->rowCount(); ++r) {
                QString row =
                    name + u" row %1 %2"_s.arg(r).arg(grid->isRowHidden(r) || grid->rowHeight(r) == 0);
                for (int c = 0; c < grid->columnCount(); ++c)
                    if (const auto* item = grid->item(r, c))
                        row += u" |"_s + item->text() + u" "_s + item->background().color().name();
                state << row;
            }
        }
    }
    return state;
}

std::map<std::filesystem::path, std::filesystem::file_time_type>
filesOf(const std::filesystem::path& folder) {
    std::map<std::filesystem::path, std::filesystem::file_time_type> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder))
        files[entry.path()] = entry.last_write_time();
    return files;
}

} // namespace

class KeyboardFocusWindowTest final : public QObject {
    Q_OBJECT

    QTemporaryDir locks_;

  private slots:
    void tabGoesRoundEveryTabWithoutChangingAChoiceOrAFile() {
        TempGameFolder game;
        const auto outcome = demo::writeDemoGame(game.path());
        QVERIFY2(outcome.ok(), outcome.refusal.c_str());
        outfitter::QIVFormOptions options;
        options.endProgram = [] {};
        outfitter::QIVForm form(game.path(), options);
        form.show();
        QApplication::setActiveWindow(&form);
        QVERIFY(QTest::qWaitForWindowActive(&form));
        auto* tabs = form.findChild<QTabWidget*>(u"SSTab1"_s);
        QVERIFY(tabs);

        const QStringList before = choicesShown(form);
        const auto files = filesOf(game.path());
        for (int tab = 0; tab < tabs->count(); ++tab) {
            tabs->setCurrentIndex(tab);
            tabs->currentWidget()->setFocus(Qt::TabFocusReason);
            for (int press = 0; press < 150; ++press) {
                QWidget* focus = QApplication::focusWidget();
                QTest::keyClick(focus ? focus : &form, Qt::Key_Tab);
            }
            QWidget* focus = QApplication::focusWidget();
            QTest::keyClick(focus ? focus : &form, Qt::Key_Backtab);
            tabs->setCurrentIndex(0);
            const QStringList after = choicesShown(form);
            QStringList lost, gained;
            for (const QString& line : before)
                if (!after.contains(line))
                    lost << line;
            for (const QString& line : after)
                if (!before.contains(line))
                    gained << line;
            QVERIFY2(lost.isEmpty() && gained.isEmpty(),
                     qPrintable(u"tab %1 lost [%2] gained [%3]"_s.arg(tab).arg(lost.join(u"; "_s),
                                                                               gained.join(u"; "_s))));
        }
        QVERIFY(filesOf(game.path()) == files);
    }

    void theKeysMoveADrawnRowThatShowsItsDetailsAndTabReadsInOrder() {
        TempGameFolder game;
        QVERIFY(demo::writeDemoGame(game.path()).ok());
        outfitter::QIVFormOptions options;
        options.endProgram = [] {};
        outfitter::QIVForm form(game.path(), options);
        form.show();
        QApplication::setActiveWindow(&form);
        QVERIFY(QTest::qWaitForWindowActive(&form));
        auto* tabs = form.findChild<QTabWidget*>(u"SSTab1"_s);
        tabs->setCurrentIndex(1);

        // Down on the set grid moves its current row and shows that set as the mouse over it does.
        auto* grid = form.findChild<QTableWidget*>(u"Unigrid"_s);
        auto* details = form.findChild<QLabel*>(u"MyLabel"_s);
        grid->setFocus(Qt::TabFocusReason);
        QVERIFY(grid->hasFocus());
        const int first = grid->currentRow();
        QTest::keyClick(grid, Qt::Key_Down);
        QTest::keyClick(grid, Qt::Key_Down);
        const int row = grid->currentRow();
        QVERIFY(row > first);
        const QString shown = details->text();
        QVERIFY(!shown.isEmpty());
        QTest::mouseMove(grid->viewport(), grid->visualItemRect(grid->item(first < 0 ? 0 : first, 1)).center());
        QTest::mouseMove(grid->viewport(), grid->visualItemRect(grid->item(row, 1)).center());
        QCOMPARE(details->text(), shown);

        // Tab reads the tab column by column, then the bottom row: "Minimise" before "Exit".
        form.findChild<QListWidget*>(u"List3"_s)->setFocus(Qt::TabFocusReason);
        QStringList order;
        for (int press = 0; press < 60; ++press) {
            QWidget* focus = QApplication::focusWidget();
            if (focus && !focus->objectName().isEmpty() && !order.contains(focus->objectName()))
                order << focus->objectName();
            QTest::keyClick(focus ? focus : &form, Qt::Key_Tab);
        }
        const QStringList expected{u"List3"_s, u"Unigrid"_s, u"Command1"_s, u"GUPC"_s,
                                   u"LoadQ"_s, u"messages"_s, u"Command8"_s, u"Command3"_s};
        for (qsizetype i = 1; i < expected.size(); ++i)
            QVERIFY2(order.indexOf(expected[i - 1]) >= 0 && order.indexOf(expected[i - 1]) < order.indexOf(expected[i]),
                     qPrintable(order.join(u", "_s)));
    }
};

QTEST_MAIN(KeyboardFocusWindowTest)
#include "keyboard_focus_window_test.moc"
