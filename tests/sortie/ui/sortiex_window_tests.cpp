// `sortiex` on the demo game: the scenario frame, the OK sequence on each demo scenario, the five
// interdiction types, "Save parameters and exit" and "EXIT", with the program's end recorded.
#include "form1_harness.h"
#include "make_demo_game/demo_game.h"
#include "make_demo_game/scenarios.h"
#include "sortie_test_files.h"

#include "common/text_file.h"

#include <QAbstractButton>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QtTest>

#include <memory>

using namespace Qt::StringLiterals;

using namespace sortie;
using sortie::ui::Form1;
using namespace sortie::testing;
namespace fs = std::filesystem;

class SortiexWindowTest final : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<testing::TempFolder> game_;
    std::unique_ptr<Form1> form_;
    int ended_ = 0;

    Form1* open() {
        Form1* f = testing::openForm1(form_, game_->path(), sortiexSettings());
        f->setEndProgram([this] { ++ended_; });
        return f;
    }
    QWidget* frame11() { return find<QWidget>(form_.get(), "Frame11"); }
    QLabel* label(const char* name, int index = -1) { return find<QLabel>(form_.get(), name, index); }
    void click(QWidget* w) {
        QVERIFY(w);
        QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(6, w->height() / 2));
    }
    // Chooses scenario k and continues in one double-click.
    void loadScenario(int k) {
        QTest::mouseDClick(label("Label35", k), Qt::LeftButton, {}, QPoint(20, 8));
        QVERIFY2(frame11()->isHidden(), qPrintable(messages(form_.get())));
    }

  private slots:
    void init() {
        ended_ = 0;
        game_ = std::make_unique<testing::TempFolder>();
        const demo::DemoOutcome outcome = demo::writeDemoGame(game_->path());
        QVERIFY2(outcome.ok(), outcome.refusal.c_str());
    }
    void cleanup() {
        form_.reset();
        game_.reset();
    }

    void startsOnTheScenarioFrameWithOneLabelPerFolder() {
        Form1* f = open();
        QVERIFY(frame11()->isVisible());
        QCOMPARE(static_cast<QGroupBox*>(frame11())->title(), u"Choose your scenario"_s);
        for (int k = 0; k < 3; ++k) {
            QCOMPARE(label("Label35", k)->text(),
                     u"   "_s +
                         QString::fromLatin1(demo::kScenarioNames[static_cast<std::size_t>(k)].data()) +
                         u"   "_s);
            QVERIFY(label("Label35", k)->styleSheet().contains(u"#FFFFFF"_s));
        }
        QCOMPARE(label("Label35", 1)->y() - label("Label35", 0)->y(), 40); // 600 twips
        QCOMPARE(label("Label35", 2)->y() - label("Label35", 1)->y(), 40);
        QCOMPARE(label("Label29")->text(),
                 QDir::toNativeSeparators(QString::fromStdU16String(game_->path().u16string())));
        QVERIFY(!label("Image1")->pixmap().isNull());
        QCOMPARE(label("Label33")->text(), u"All set- continue!"_s);
        QCOMPARE(find<QListWidget>(f, "TList")->count(), 0);
        // What the second build lacks, and what it has instead.
        QVERIFY(!find<QWidget>(f, "Command3"));
        QVERIFY(!find<QWidget>(f, "Label23"));
        QVERIFY(!find<QWidget>(f, "Label25"));
        QCOMPARE(label("Label14")->text(), u"Save parameters and exit"_s);
        QCOMPARE(label("Label16")->text(), u"Save parameters and exit"_s);
        QCOMPARE(find<QLabel>(find<QWidget>(f, "Frame10"), "Label26")->text(), u"PEV\\PEVMissions"_s);
        QCOMPARE(find<QLabel>(find<QWidget>(f, "frameLoadout"), "loadoutCaption")->text(),
                 u"Select one and double click, then click here to hide this panel "_s);
        QVERIFY(!find<QWidget>(find<QWidget>(f, "frameLoadout"), "Label26"));
        testing::grabTo(f, "sortiex-scenario-frame.png");
    }

    // The folder is named whole beyond ASCII: on Windows a name kept as UTF-8 text once went through
    // the ANSI code page and showed "JÃ¶rg".
    void aGameFolderBeyondAsciiIsNamedWhole() {
        const fs::path below = game_->path() / fs::path(u8"Spiele J\u00f6rg \u0141\u00f3d\u017a") / "EAW";
        const demo::DemoOutcome outcome = demo::writeDemoGame(below);
        QVERIFY2(outcome.ok(), outcome.refusal.c_str());
        testing::openForm1(form_, below, sortiexSettings());
        QCOMPARE(label("Label29")->text(),
                 QDir::toNativeSeparators(QString::fromStdU16String(below.u16string())));
        QVERIFY(label("Label29")->text().contains(u"Spiele J\u00f6rg \u0141\u00f3d\u017a"_s));
    }
    void refusalsKeepTheFrameAndChoicesPaintTheChosenRed() {
        Form1* f = open();
        click(label("Label33"));
        QVERIFY(frame11()->isVisible());
        QVERIFY(messages(f).contains(u"Choose a scenario first"_s));
        QCOMPARE(label("Label33")->text(), u"All set- continue!"_s);

        click(label("Label35", 2)); // lacks "frntline.dat"
        QVERIFY(label("Label35", 2)->styleSheet().contains(u"#FF0000"_s));
        click(label("Label33"));
        QVERIFY(frame11()->isVisible());
        QVERIFY(messages(f).contains(u"lacks frntline.dat"_s));
        QCOMPARE(find<QListWidget>(f, "TList")->count(), 0);

        click(label("Label35", 0));
        QVERIFY(label("Label35", 0)->styleSheet().contains(u"#FF0000"_s));
        QVERIFY(label("Label35", 2)->styleSheet().contains(u"#FFFFFF"_s));
        const fs::path folder = game_->path() / "PEV" / "PEVScenarios" / "Battle of Britain 1940";
        QCOMPARE(label("Label36")->text(),
                 QDir::toNativeSeparators(QString::fromStdU16String(folder.u16string()) + u"/"_s));
        QCOMPARE(label("Label32", 6)->text(),
                 QDir::toNativeSeparators(QString::fromStdU16String((folder / "frntline.dat").u16string())));
        QCOMPARE(label("Label32", 4)->text(), QString());
    }

    void okLoadsEachCompleteScenario() {
        for (int k = 0; k < 2; ++k) {
            Form1* f = open();
            loadScenario(k);
            QCOMPARE(find<QListWidget>(f, "TList")->count(),
                     demo::kScenarioTargets[static_cast<std::size_t>(k)]);
            QCOMPARE(find<QListWidget>(f, "PList")->count(), 32);
            QVERIFY(find<QWidget>(f, "Frame2")->isVisible());
            QCOMPARE(label("Label1", 0)->text(),
                     QString::fromStdString(f->model().mission().lists().aircraftNames[9]));
            QVERIFY(!label("Label9")->text().isEmpty());
            // The map is drawn from the scenario's own theatre, with one marker per scenario target,
            // and takes the pointer once the scenario frame is gone.
            const auto& map = f->model().map().theatreMap();
            QVERIFY2(map.ready(), qPrintable(messages(f)));
            QVERIFY(map.pointerEnabled());
            QCOMPARE(static_cast<int>(map.markers().size()),
                     demo::kScenarioTargets[static_cast<std::size_t>(k)]);
            if (k == 0)
                testing::grabTo(f, "sortiex-board-after-ok.png");
        }
    }

    void aScenarioWithoutFrontLinesIsRefusedByNameAndTheMapStaysUnbuilt() {
        Form1* f = open();
        QTest::mouseDClick(label("Label35", 2), Qt::LeftButton, {}, QPoint(20, 8));
        QVERIFY(frame11()->isVisible());
        QVERIFY2(messages(f).contains(u"frntline.dat"_s), qPrintable(messages(f)));
        QVERIFY(!f->model().map().theatreMap().ready());
        QVERIFY(!f->model().map().theatreMap().pointerEnabled());
    }

    void saveParametersAndExitWritesTheThreeFilesAndEnds() {
        Form1* f = open();
        loadScenario(1);
        find<QAbstractButton>(f, "MT", 4)->click();
        find<QAbstractButton>(f, "IntType", 4)->click();
        QCOMPARE(find<QAbstractButton>(f, "IntType", 4)->text(), u"Warships"_s);
        click(label("Label14"));
        QCOMPARE(ended_, 1);
        const auto ini = common::splitLines(game_->read("eaw.ini"));
        QVERIFY(std::find(ini.begin(), ini.end(), "PlayerNation=1") != ini.end());
        QVERIFY(std::find(ini.begin(), ini.end(), "PlayerPlane=9") != ini.end());
        const auto mission = common::splitLines(game_->read("PEV/SingMiss.mpf"));
        QVERIFY(mission.size() > 22);
        QCOMPARE(QString::fromStdString(mission[18]), u" 4 "_s);
        QCOMPARE(common::splitLines(game_->read("PEV/pevset.txt")).size(), std::size_t{20});
        QVERIFY(!fs::exists(game_->path() / "pev.ini"));
    }

    void aFileThatCannotBeWrittenIsNamedAndTheWindowStays() {
        fs::create_directories(game_->path() / "PEV" / "pevset.txt" / "blocked");
        Form1* f = open();
        loadScenario(0);
        click(find<QWidget>(find<QWidget>(f, "Frame10"), "Label26"));
        QCOMPARE(ended_, 0);
        QVERIFY(messages(f).contains(u"pevset.txt"_s));
    }

    void exitEndsAtOnceAndWritesNothing() {
        const std::string ini = game_->read("eaw.ini");
        open();
        click(label("Label22"));
        QCOMPARE(ended_, 1);
        QVERIFY(game_->read("eaw.ini") == ini);
        QVERIFY(!fs::exists(game_->path() / "PEV" / "SingMiss.mpf"));
    }
};

QTEST_MAIN(SortiexWindowTest)
#include "sortiex_window_tests.moc"
