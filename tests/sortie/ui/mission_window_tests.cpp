// The mission builder's window on the demo game folder: the summary, saving and loading missions,
// flying (with a stand-in that records what was started) and the results report.
#include "form1_harness.h"
#include "make_demo_game/demo_game.h"
#include "sortie_test_files.h"
#include "test_support/game_starts.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QtTest>

#include <memory>

using namespace Qt::StringLiterals;

using namespace sortie;
using sortie::ui::Form1;
using namespace sortie::testing;
namespace fs = std::filesystem;

// Starting a program takes Wine seconds.
constexpr int kStartTimeout = 20000;

namespace {

void click(QWidget* widget) {
    QVERIFY(widget);
    QTest::mouseClick(widget, Qt::LeftButton);
}

// An option button is often wider than its caption; its middle may miss the clickable part.
void choose(QAbstractButton* button) {
    QVERIFY(button);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
    QVERIFY(button->isChecked());
}

} // namespace

class MissionWindowTest final : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<testing::TempFolder> game_;
    std::unique_ptr<testsupport::GameStarts> starts_;
    std::unique_ptr<Form1> form_;

    fs::path game(std::string_view relative) const { return game_->path() / relative; }
    fs::path wineLog() const { return starts_->record(); }

    Form1* open() { return testing::openForm1(form_, game_->path(), sortieSettings()); }
    QWidget* board() { return find<QWidget>(form_.get(), "Image2"); }

    void grab(const char* name) { testing::grabTo(form_.get(), name); }

    void saveAs(const QString& name) {
        auto* text2 = find<QLineEdit>(form_.get(), "Text2");
        text2->setText(name);
        click(find<QWidget>(form_.get(), "Command1"));
    }

    QStringList file1() {
        QStringList names;
        auto* list = find<QListWidget>(form_.get(), "File1");
        for (int i = 0; i < list->count(); ++i)
            names << list->item(i)->text();
        return names;
    }

  private slots:
    void init() {
        game_ = std::make_unique<testing::TempFolder>();
        const demo::DemoOutcome outcome = demo::writeDemoGame(game_->path());
        QVERIFY2(outcome.ok(), outcome.refusal.c_str());
        starts_ = std::make_unique<testsupport::GameStarts>(
            game_->path(), std::initializer_list<const char*>{"eaw.exe", "PEVeaw.exe"});
    }
    void cleanup() {
        form_.reset();
        starts_.reset();
        game_.reset();
    }

    void summaryMarkersAndInterdictionFrames() {
        Form1* f = open();
        const auto& names = f->model().mission().lists().aircraftNames;
        const QStringList summary = find<QLabel>(f, "Label9")->text().split(QLatin1Char('\n'));
        QCOMPARE(summary.size(), 18);
        QCOMPARE(summary[0], u"My aircraft: "_s + QString::fromStdString(names[9]));
        QCOMPARE(summary[1], u"Number of aircraft: 4"_s);
        QCOMPARE(summary[5], u"Year:1940"_s);
        QCOMPARE(summary[6], u"Mission type: Sweep"_s);
        QCOMPARE(summary[15], u"Air start"_s);
        QVERIFY(summary[17].startsWith(u"Target: "_s));

        QTest::mouseMove(board(), cellCentre(0, board()));
        QTest::mousePress(find<QLabel>(f, "Label18", 0), Qt::MiddleButton);
        QCOMPARE(find<QLabel>(f, "Label18", 10)->text(),
                 QString::fromStdString(names[10]) + u"\nMy support planes"_s);
        QCOMPARE(find<QLabel>(f, "Label18", 19)->text(),
                 QString::fromStdString(names[19]) + u"\nEnemy #2  plane"_s);
        grab("sortie-markers.png");
        QTest::mouseRelease(find<QLabel>(f, "Label18", 0), Qt::MiddleButton);

        click(find<QAbstractButton>(f, "Check1"));
        choose(find<QAbstractButton>(f, "MT", 4));
        const QStringList attack = find<QLabel>(f, "Label9")->text().split(QLatin1Char('\n'));
        QCOMPARE(attack.size(), 20);
        QCOMPARE(attack[15], u"Ground start"_s);
        QCOMPARE(attack[18], u"Interdiction Type: Armour"_s);
        QVERIFY(find<QWidget>(f, "Frame3")->isVisible());
        QVERIFY(find<QWidget>(f, "Frame6")->isVisible());
        grab("sortie-summary.png");
        choose(find<QAbstractButton>(f, "MT", 0));
        QVERIFY(find<QWidget>(f, "Frame6")->isHidden());
    }

    // Each kind of choice shows in the summary at once, and FLY! writes exactly what it shows.
    void summaryFollowsEveryChoiceAndFlyWritesIt() {
        Form1* f = open();
        const auto& names = f->model().mission().lists().aircraftNames;
        auto* label9 = find<QLabel>(f, "Label9");
        chooseEntry(find<QListWidget>(f, "PList"), 12);
        QVERIFY(label9->text().startsWith(u"My aircraft: "_s + QString::fromStdString(names[12])));

        // The right button moves on to the next role; the left button on a cell fills it.
        QTest::mouseMove(board(), cellCentre(6, board()));
        auto* cell = find<QLabel>(f, "Label18", 6);
        QTest::mouseClick(cell, Qt::RightButton);
        QTest::mouseClick(cell, Qt::LeftButton);
        QVERIFY(label9->text().contains(u"\nMy support aircraft: "_s + QString::fromStdString(names[6])));
        QTest::mousePress(cell, Qt::MiddleButton);
        QVERIFY(find<QLabel>(f, "Label18", 6)->text().endsWith(u"\nMy support planes"_s));
        QTest::mouseRelease(cell, Qt::MiddleButton);

        choose(find<QAbstractButton>(f, "PNat", 0));
        QVERIFY(label9->text().contains(u"\nMy support aircraft: "_s + QString::fromStdString(names[6])));
        click(find<QWidget>(f, "Label14"));
        QTRY_VERIFY_WITH_TIMEOUT(fs::exists(wineLog()), kStartTimeout);
        const std::string mission = testsupport::slurp(game("SaveData/SingMiss.mpf"));
        const auto details = mission.find("DETAILS:\r\n");
        QVERIFY(details != std::string::npos);
        QString written = QString::fromLatin1(mission.substr(details + 10));
        written.replace(u"\r\n"_s, u"\n"_s);
        QCOMPARE(written.trimmed(), label9->text().trimmed());
    }

    // "Number(1 to 12)" takes nothing else: 20 is refused as typed, an emptied box on Enter, and the
    // box shows the number in force again.
    void numberOfAircraftTakesOnlyOneToTwelve() {
        Form1* f = open();
        auto* text5 = find<QLineEdit>(f, "Text5");
        text5->clear();
        QTest::keyClicks(text5, u"20"_s);
        QCOMPARE(text5->text(), u"2"_s);
        QVERIFY(messages(f).contains(u"Number of aircraft: \"20\" was refused"_s));
        text5->selectAll();
        QTest::keyClick(text5, Qt::Key_Backspace);
        QTest::keyClick(text5, Qt::Key_Return);
        QCOMPARE(text5->text(), u"2"_s);
        QVERIFY(messages(f).contains(u"Number of aircraft: \"\" was refused"_s));
        QVERIFY(find<QLabel>(f, "Label9")->text().contains(u"\nNumber of aircraft: 2\n"_s));

        click(find<QWidget>(f, "Label14"));
        QTRY_VERIFY_WITH_TIMEOUT(fs::exists(wineLog()), kStartTimeout);
        QVERIFY(testsupport::slurp(game("SaveData/SingMiss.mpf"))
                    .starts_with(" 0 \r\n 0 \r\n 0 \r\n 1 \r\n2\r\n"));
    }

    void saveListSelectAndLoadBack() {
        Form1* f = open();
        click(find<QWidget>(f, "Label7"));
        QVERIFY(file1().contains(u"Channel Sweep.mpf"_s));
        choose(find<QAbstractButton>(f, "YR", 2));
        saveAs(u"Dawn Patrol"_s);
        QVERIFY(file1().contains(u"Dawn Patrol.mpf"_s));
        QVERIFY(messages(f).contains(u"saved as \"Dawn Patrol\""_s));
        const fs::path mpf = game("PEV/PEVMissions/Dawn Patrol.mpf");
        QVERIFY(testsupport::slurp(mpf).find("\r\nYear:1944\r\n") != std::string::npos);
        QVERIFY(fs::exists(game("PEV/PEVMissions/Dawn Patrol.jsv")));

        choose(find<QAbstractButton>(f, "YR", 3));
        saveAs(u"Dawn Patrol"_s);
        QVERIFY(messages(f).contains(u"\"Dawn Patrol\" was replaced"_s));
        QCOMPARE(file1().count(u"Dawn Patrol.mpf"_s), 1);

        auto* list = find<QListWidget>(f, "File1");
        list->setCurrentRow(static_cast<int>(file1().indexOf(u"Channel Sweep.mpf"_s)));
        QVERIFY(find<QLabel>(f, "Label10")->text().endsWith(u"Channel Sweep.mpf"_s));
        const QString details = find<QPlainTextEdit>(f, "Text3")->toPlainText();
        QVERIFY(details.startsWith(u"DETAILS:\nMy aircraft: "_s));
        QVERIFY(details.contains(u"\nYear:1943\n"_s));
        grab("sortie-save-load-panel.png");

        click(find<QWidget>(f, "Command2"));
        QVERIFY(find<QAbstractButton>(f, "YR", 1)->isChecked());
        QCOMPARE(find<QLineEdit>(f, "Text1", 0)->text(), u"11"_s);
        QVERIFY(find<QLabel>(f, "Label9")->text().contains(u"Year:1943"_s));
        const fs::path saved = game("PEV/PEVMissions/Channel Sweep.mpf");
        QCOMPARE(testsupport::slurp(game("SaveData/SingMiss.mpf")), testsupport::slurp(saved));
        QCOMPARE(testsupport::slurp(game("PEV/pevset.txt")),
                 testsupport::slurp(game("PEV/PEVMissions/Channel Sweep.jsv")));
    }

    void refusedNamesAndLoadWithoutSelectionChangeNothing() {
        Form1* f = open();
        click(find<QWidget>(f, "Label7"));
        const auto before =
            std::distance(fs::directory_iterator(game("PEV/PEVMissions")), fs::directory_iterator());
        for (const QString& name : {QString(), u"..\\eaw"_s, u"what?"_s}) {
            const QString shown = messages(f);
            saveAs(name);
            QVERIFY2(messages(f).size() > shown.size(), qPrintable(name));
        }
        QVERIFY(messages(f).contains(u"enter a name"_s));
        QCOMPARE(std::distance(fs::directory_iterator(game("PEV/PEVMissions")), fs::directory_iterator()),
                 before);
        QCOMPARE(file1(), QStringList{u"Channel Sweep.mpf"_s});

        const std::string mission = testsupport::slurp(game("SaveData/SingMiss.mpf"));
        click(find<QWidget>(f, "Command2"));
        QVERIFY(messages(f).contains(u"select a saved mission first"_s));
        QCOMPARE(testsupport::slurp(game("SaveData/SingMiss.mpf")), mission);
        grab("sortie-refused.png");
    }

    void flyWritesTheFilesAndStartsTheGameThroughWine() {
        Form1* f = open();
        auto* text1 = find<QLineEdit>(f, "Text1", 0);
        text1->clear();
        QTest::keyClicks(text1, u"20"_s);
        // A target picked on the map just before flying must reach the file's description.
        click(find<QWidget>(f, "Label12"));
        choose(find<QAbstractButton>(f, "Targo", 0));
        chooseEntry(find<QListWidget>(f, "TList"), 12);
        const std::string target = f->model().mission().lists().targetNames[12];
        click(find<QWidget>(f, "Label16"));

        QTRY_VERIFY_WITH_TIMEOUT(fs::exists(wineLog()), kStartTimeout);
        QVERIFY(testsupport::slurp(wineLog()).find("PEVeaw.exe") != std::string::npos);
        const std::string ini = testsupport::slurp(game("eaw.ini"));
        QVERIFY(ini.find("PlayerNation=0\r\nPlayerPlane=20\r\nDifficulty=2\r\n") != std::string::npos);
        QVERIFY(!fs::exists(game("pevini")));
        const std::string mission = testsupport::slurp(game("SaveData/SingMiss.mpf"));
        QVERIFY(mission.starts_with(" 0 \r\n 0 \r\n 0 \r\n 1 \r\n4\r\n"));
        QVERIFY(mission.find("\r\nTarget: " + target + "\r\n") != std::string::npos);
        QVERIFY(testsupport::slurp(game("PEV/pevset.txt")).find("\r\n12\r\n") != std::string::npos);
        QVERIFY(messages(f).contains(u"PEVeaw.exe was started"_s));

        // "FLY" on the panel only starts the game.
        fs::remove(wineLog());
        click(find<QWidget>(f, "Label13"));
        click(find<QWidget>(f, "Label7"));
        click(find<QWidget>(f, "Command3"));
        QTRY_VERIFY_WITH_TIMEOUT(fs::exists(wineLog()), kStartTimeout);
        QCOMPARE(testsupport::slurp(game("SaveData/SingMiss.mpf")), mission);

        // Without the game program the files are still written and the player is told.
        fs::remove(game("PEVeaw.exe"));
        fs::remove(game("SaveData/SingMiss.mpf"));
        click(find<QWidget>(f, "Label14"));
        QVERIFY(fs::exists(game("SaveData/SingMiss.mpf")));
        QVERIFY(messages(f).contains(u"the program is not in the game folder"_s));
        grab("sortie-flown.png");
    }

    void resultsReportCoversTheBoardUntilClicked() {
        Form1* f = open();
        QTest::mouseMove(board(), cellCentre(5, board()));
        QVERIFY(find<QLabel>(f, "Label18", 5)->isVisible());
        click(find<QWidget>(f, "Label23"));
        auto* report = find<QLabel>(f, "Label22");
        QVERIFY(report->isVisible());
        QVERIFY(!find<QLabel>(f, "Label18", 5)->isVisible());
        const QStringList lines = report->text().split(QLatin1Char('\n'));
        QCOMPARE(lines[0], u"THE RESULTS OF THE LAST MISSION"_s);
        QCOMPARE(lines[2], u"Player's point score = 1250"_s);
        QCOMPARE(lines[4], u"You landed your plane"_s);
        QCOMPARE(lines.last(), u"Congratulations! You have been awarded a medal"_s);
        grab("sortie-results.png");
        QTest::mouseMove(board(), cellCentre(6, board()));
        QVERIFY(report->isVisible());
        QTest::mouseClick(report, Qt::LeftButton, {}, report->rect().center());
        QVERIFY(!report->isVisible());

        fs::remove(game("results.txt"));
        click(find<QWidget>(f, "Label23"));
        QVERIFY(!report->isVisible());
        QVERIFY(messages(f).contains(u"No results.txt"_s));
    }
};

QTEST_MAIN(MissionWindowTest)
#include "mission_window_tests.moc"
