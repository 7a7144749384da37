// The mission builder's window on the demo game folder, driven by the keyboard: moving the focus
// through the pages changes no choice, and only a click or Enter on a list entry chooses it.
#include "form1_harness.h"
#include "make_demo_game/demo_game.h"
#include "sortie_test_files.h"
#include "test_support/game_starts.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QtTest>

#include <memory>

using namespace sortie;
using sortie::ui::Form1;
using namespace sortie::testing;
namespace fs = std::filesystem;

class KeyboardFocusWindowTest final : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<testing::TempFolder> game_;
    std::unique_ptr<testsupport::GameStarts> starts_;
    std::unique_ptr<Form1> form_;

    fs::path game(std::string_view relative) const { return game_->path() / relative; }

    Form1* open(const BuildSettings& settings = sortieSettings()) {
        Form1* f = testing::openForm1(form_, game_->path(), settings);
        QApplication::setActiveWindow(f);
        if (!QTest::qWaitForWindowActive(f))
            qWarning("window not active");
        return f;
    }

    // Presses Tab until the focus has been round every control of the window more than once.
    void tabAround(QWidget* window, int presses) {
        for (int i = 0; i < presses; ++i) {
            QWidget* focus = QApplication::focusWidget();
            QTest::keyClick(focus ? focus : window, Qt::Key_Tab);
        }
    }

    // Brings the focus to `target` with Tab alone, as a player without a mouse would.
    bool tabTo(QWidget* window, QWidget* target) {
        for (int i = 0; i < 400 && QApplication::focusWidget() != target; ++i) {
            QWidget* focus = QApplication::focusWidget();
            QTest::keyClick(focus ? focus : window, Qt::Key_Tab);
        }
        return QApplication::focusWidget() == target;
    }

    QString summaryFirstLine() {
        return find<QLabel>(form_.get(), "Label9")->text().section(QLatin1Char('\n'), 0, 0);
    }

  private slots:
    void init() {
        game_ = std::make_unique<testing::TempFolder>();
        const demo::DemoOutcome outcome = demo::writeDemoGame(game_->path());
        QVERIFY2(outcome.ok(), outcome.refusal.c_str());
        fs::remove(game("PEV/pevset.txt"));
        starts_ = std::make_unique<testsupport::GameStarts>(
            game_->path(), std::initializer_list<const char*>{"eaw.exe", "PEVeaw.exe"});
    }
    void cleanup() {
        form_.reset();
        starts_.reset();
        game_.reset();
    }

    // The road that once made entry 0 the player's aircraft: Tab into the aircraft list, then FLY!.
    void tabIntoTheAircraftListKeepsMyAircraftAndFlyWritesIt() {
        Form1* f = open();
        const MissionChoices before = f->model().choices();
        const QString firstLine = summaryFirstLine();
        auto* pList = find<QListWidget>(f, "PList");
        QVERIFY(tabTo(f, pList));
        QCOMPARE(f->model().choices(), before);
        tabAround(f, 120);
        QCOMPARE(f->model().choices(), before);
        QCOMPARE(summaryFirstLine(), firstLine);

        QTest::mouseClick(find<QWidget>(f, "Label14"), Qt::LeftButton);
        const std::string ini = testsupport::slurp(game("eaw.ini"));
        QVERIFY(ini.find("PlayerPlane=9\r\n") != std::string::npos);
        QVERIFY(ini.find("PlayerNation=1\r\n") != std::string::npos);
        QVERIFY(firstLine.endsWith(QString::fromStdString(f->model().mission().lists().aircraftNames[9])));
    }

    // Arrow keys only move the current entry; Enter or a click on an entry assigns it to the role.
    void aircraftListChoosesOnEnterAndClickOnly() {
        Form1* f = open();
        auto* pList = find<QListWidget>(f, "PList");
        QVERIFY(tabTo(f, pList));
        QTest::keyClick(pList, Qt::Key_Down);
        QTest::keyClick(pList, Qt::Key_Down);
        QCOMPARE(f->model().choices().rolePlanes[0], std::string("9"));
        QTest::keyClick(pList, Qt::Key_Return);
        QCOMPARE(f->model().choices().rolePlanes[0], std::to_string(pList->currentRow()));
        QCOMPARE(find<QLabel>(f, "Label1", 0)->text(), pList->currentItem()->text());

        const QRect entry = pList->visualItemRect(pList->item(12));
        QTest::mouseClick(pList->viewport(), Qt::LeftButton, {}, entry.center());
        QCOMPARE(f->model().choices().rolePlanes[0], std::string("12"));
    }

    // The target list on the map page: focus arriving picks nothing; a click picks the entry.
    void targetListChoosesOnlyWhenAnEntryIsChosen() {
        Form1* f = open();
        QTest::mouseClick(find<QWidget>(f, "Label12"), Qt::LeftButton);
        const MissionChoices before = f->model().choices();
        auto* tList = find<QListWidget>(f, "TList");
        QVERIFY(tabTo(f, tList));
        tabAround(f, 60);
        QCOMPARE(f->model().choices(), before);

        QVERIFY(tabTo(f, tList));
        QTest::keyClick(tList, Qt::Key_Down);
        QCOMPARE(f->model().choices(), before);
        QTest::keyClick(tList, Qt::Key_Enter);
        QCOMPARE(f->model().choices().targetAndBase[kTargoHomeBase], std::to_string(tList->currentRow()));
    }

    // The second build's pages and its save-and-load list take the same care.
    void secondBuildTabRoadChangesNoChoice() {
        Form1* f = open(sortiexSettings());
        QTest::mouseClick(find<QWidget>(f, "Label35", 0), Qt::LeftButton);
        QTest::mouseClick(find<QWidget>(f, "Label33"), Qt::LeftButton);
        QVERIFY(!find<QWidget>(f, "Frame11")->isVisible());
        QTest::mouseClick(find<QWidget>(f, "Label7"), Qt::LeftButton);
        const MissionChoices before = f->model().choices();
        const std::string details = f->model().saveLoad().missionDetails();
        tabAround(f, 150);
        QCOMPARE(f->model().choices(), before);
        QCOMPARE(f->model().saveLoad().missionDetails(), details);
    }
};

QTEST_MAIN(KeyboardFocusWindowTest)
#include "keyboard_focus_window_tests.moc"
