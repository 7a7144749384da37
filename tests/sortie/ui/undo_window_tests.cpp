// Undo, Redo and "Surprise me" in both builders' windows on the demo game: changes made with the
// mouse, the keyboard and typed numbers are taken back and made again by the keys and the buttons,
// each step showing the choices file, summary and controls exactly as they were.
#include "form1_harness.h"
#include "make_demo_game/demo_game.h"
#include "sortie_test_files.h"

#include "sortie/core/mission_choices.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QToolButton>
#include <QtTest>

#include <memory>

using namespace Qt::StringLiterals;

using namespace sortie;
using sortie::ui::Form1;
using namespace sortie::testing;

class UndoWindowTest final : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<testing::TempFolder> game_;
    std::unique_ptr<Form1> form_;

    // What a Save would write for the choices, with what the page shows of them.
    QStringList shown() {
        Form1* f = form_.get();
        QStringList out;
        for (const auto& line : choicesLines(f->model().choices()))
            out << QString::fromLatin1(line);
        out << find<QLabel>(f, "Label9")->text() << find<QLineEdit>(f, "Text5")->text()
            << find<QLineEdit>(f, "Text1", 0)->text() << find<QLabel>(f, "Label3")->text()
            << find<QLineEdit>(f, "Text6", 1)->text() << find<QLabel>(f, "Label2", 0)->text();
        for (int i = 0; i < 32; ++i)
            out << find<QLabel>(f, "Label18", i)->text();
        return out;
    }
    void ctrl(Qt::Key key, Qt::KeyboardModifiers more = {}) {
        QWidget* focus = QApplication::focusWidget() ? QApplication::focusWidget() : form_.get();
        QTest::keyClick(focus, key, Qt::ControlModifier | more);
    }
    QToolButton* button(const char* name) { return find<QToolButton>(form_.get(), name); }

  private slots:
    void init() {
        game_ = std::make_unique<testing::TempFolder>();
        const demo::DemoOutcome outcome = demo::writeDemoGame(game_->path());
        QVERIFY2(outcome.ok(), outcome.refusal.c_str());
    }
    void cleanup() {
        form_.reset();
        game_.reset();
    }

    void changesOfEveryControlAreUndoneAndRedoneByKeysAndButtons() {
        Form1* f = openForm1(form_, game_->path(), sortieSettings());
        QVERIFY(!button("undoButton")->isEnabled());
        QList<QStringList> states{shown()};
        auto* board = f->findChild<QWidget*>(u"Image2"_s);
        QTest::mouseMove(board, rowCentre(1, board));
        QTest::mouseClick(find<QLabel>(f, "Label21", 1), Qt::LeftButton); // the year
        states << shown();
        auto* text5 = find<QLineEdit>(f, "Text5");
        text5->setFocus();
        text5->selectAll();
        QTest::keyClicks(text5, u"11"_s);
        QCOMPARE(text5->text(), u"11"_s);
        states << shown();
        chooseEntry(find<QListWidget>(f, "PList"), 20);
        states << shown();
        QTest::mouseClick(find<QAbstractButton>(f, "PNat", 2), Qt::LeftButton);
        states << shown();
        QTest::mouseClick(find<QLabel>(f, "Label12"), Qt::LeftButton);
        QTest::mouseClick(find<QAbstractButton>(f, "Targo", 0), Qt::LeftButton);
        states << shown();
        chooseEntry(find<QListWidget>(f, "TList"), 12);
        states << shown();
        const QString target = find<QListWidget>(f, "TList")->item(12)->text();
        QCOMPARE(button("undoButton")->toolTip(), u"Undo: Target = "_s + target);
        QTest::mouseClick(find<QLabel>(f, "Label13"), Qt::LeftButton);

        // Back step by step, with the focus in the number box, then by the button, then from the list.
        text5->setFocus();
        ctrl(Qt::Key_Z);
        QCOMPARE(shown(), states[5]);
        QTest::mouseClick(button("undoButton"), Qt::LeftButton);
        QCOMPARE(shown(), states[4]);
        find<QListWidget>(f, "PList")->setFocus();
        for (int i = 3; i >= 0; --i) {
            ctrl(Qt::Key_Z);
            QCOMPARE(shown(), states[i]);
        }
        QVERIFY(!button("undoButton")->isEnabled());
        QCOMPARE(button("redoButton")->toolTip(), u"Redo: Year = 1943"_s);

        ctrl(Qt::Key_Z, Qt::ShiftModifier);
        QCOMPARE(shown(), states[1]);
        ctrl(Qt::Key_Y);
        QCOMPARE(shown(), states[2]);
        QTest::mouseClick(button("redoButton"), Qt::LeftButton);
        QCOMPARE(shown(), states[3]);

        // A new change drops what could be redone; a click that changes nothing is no change.
        QTest::mouseClick(find<QAbstractButton>(f, "PNat", 0), Qt::LeftButton); // German already
        QVERIFY(button("redoButton")->isEnabled());
        QTest::mouseClick(find<QAbstractButton>(f, "PNat", 1), Qt::LeftButton);
        QVERIFY(!button("redoButton")->isEnabled());
    }

    void aSurpriseShowsItsSeedAndOneUndoTakesItBackInBothBuilds() {
        for (const BuildSettings& settings : {sortieSettings(), sortiexSettings()}) {
            Form1* f = openForm1(form_, game_->path(), settings);
            if (settings.dataSource == DataSource::Scenario) {
                QVERIFY(!find<QWidget>(f, "surpriseButton")->isEnabled());
                QTest::mouseDClick(find<QLabel>(f, "Label35", 0), Qt::LeftButton, {}, QPoint(20, 8));
                QVERIFY(find<QWidget>(f, "Frame11")->isHidden());
            }
            const QStringList before = shown();
            QTest::mouseClick(find<QWidget>(f, "surpriseButton"), Qt::LeftButton);
            const QString seed = find<QLabel>(f, "surpriseSeed")->text();
            QVERIFY(seed.startsWith(u"Seed "_s));
            QCOMPARE(button("undoButton")->toolTip(), u"Undo: Surprise me (seed "_s + seed.mid(5) + u")"_s);
            QVERIFY(messages(f).contains(u"Surprise me: seed "_s + seed.mid(5)));
            QVERIFY(shown() != before);
            const QStringList surprise = shown();
            ctrl(Qt::Key_Z);
            QCOMPARE(shown(), before);
            ctrl(Qt::Key_Y);
            QCOMPARE(shown(), surprise);
        }
    }
};

QTEST_MAIN(UndoWindowTest)
#include "undo_window_tests.moc"
