// A click that closes or hides a report or panel, or loads a scenario, ends there: the option board
// and the map beneath take nothing from it.
#include "form1_harness.h"
#include "make_demo_game/demo_game.h"
#include "sortie_test_files.h"

#include <QLabel>
#include <QtTest>

#include <memory>

using namespace sortie;
using sortie::ui::Form1;
using namespace sortie::testing;

class StrayClickWindowTest final : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<testing::TempFolder> game_;
    std::unique_ptr<Form1> form_;

    Form1* open(const BuildSettings& settings) {
        Form1* f = testing::openForm1(form_, game_->path(), settings);
        f->setEndProgram([] {});
        return f;
    }
    QWidget* board() { return find<QWidget>(form_.get(), "Image2"); }
    void click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(6, w->height() / 2)); }
    // Where the pointer goes on its way to a panel's face: over cell `cell` of the board beneath.
    QPoint overCell(QWidget* panel, int cell) { return panel->mapFrom(board(), cellCentre(cell, board())); }

    // Moves onto `panel` over cell `cell` and clicks there, as a player closing it does.
    void clickOver(QWidget* panel, int cell) {
        const QPoint at = overCell(panel, cell);
        QTest::mouseMove(panel, at);
        QTest::mouseClick(panel, Qt::LeftButton, {}, at);
    }

    void expectBoardUntouched(const MissionChoices& before) {
        QCOMPARE(form_->model().choices(), before);
        for (int i = 0; i < kPlaneCellCount; ++i)
            QVERIFY2(!find<QLabel>(form_.get(), "Label18", i)->isVisible(), qPrintable(QString::number(i)));
    }

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

    void closingTheResultsReportClicksNothingBeneath() {
        Form1* f = open(sortieSettings());
        const MissionChoices before = f->model().choices();
        click(find<QWidget>(f, "Label23"));
        auto* report = find<QLabel>(f, "Label22");
        QVERIFY(report->isVisible());
        // Moving over the report on the way to close it leaves it up.
        QTest::mouseMove(report, overCell(report, 17));
        QVERIFY(report->isVisible());
        clickOver(report, 18);
        QVERIFY(!report->isVisible());
        expectBoardUntouched(before);
        // The board answers again afterwards.
        QTest::mouseMove(board(), cellCentre(19, board()));
        QVERIFY(find<QLabel>(f, "Label18", 19)->isVisible());
    }

    void hidingTheSaveLoadPanelClicksNothingBeneath() {
        Form1* f = open(sortieSettings());
        const MissionChoices before = f->model().choices();
        click(find<QWidget>(f, "Label7"));
        auto* panel = find<QWidget>(f, "Frame10");
        QVERIFY(panel->isVisible());
        // The panel's caption line, over the top row of cells.
        const QPoint at(panel->width() - 12, 6);
        QTest::mouseMove(panel, at);
        QTest::mouseClick(panel, Qt::LeftButton, {}, at);
        QVERIFY(!panel->isVisible());
        expectBoardUntouched(before);
    }

    void hidingTheLoadoutPanelClicksNothingBeneath() {
        Form1* f = open(sortieSettings());
        const MissionChoices before = f->model().choices();
        click(find<QWidget>(f, "Label24"));
        auto* panel = find<QWidget>(f, "frameLoadout");
        QVERIFY(panel->isVisible());
        const QPoint at(panel->width() - 8, panel->height() - 6);
        QTest::mouseMove(panel, at);
        QTest::mouseClick(panel, Qt::LeftButton, {}, at);
        QVERIFY(!panel->isVisible());
        expectBoardUntouched(before);
    }

    void loadingAScenarioByDoubleClickClicksNothingBeneath() {
        Form1* f = open(sortiexSettings());
        auto* scenario = find<QLabel>(f, "Label35", 0);
        const QPoint where = f->mapFromGlobal(scenario->mapToGlobal(QPoint(20, 8)));
        QTest::mouseDClick(scenario, Qt::LeftButton, {}, QPoint(20, 8));
        QVERIFY2(find<QWidget>(f, "Frame11")->isHidden(), qPrintable(messages(f)));
        // The last release of the double-click lands where the frame was.
        QTest::mouseRelease(f, Qt::LeftButton, {}, where);
        QCOMPARE(f->model().choices().aircraftCount, MissionChoices{}.aircraftCount);
    }
};

QTEST_MAIN(StrayClickWindowTest)
#include "stray_click_window_tests.moc"
