// The mission builder's window driven with the mouse as a player would.
#include "form1_harness.h"
#include "sortie_test_files.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QtTest>

#include <memory>

using namespace Qt::StringLiterals;

using namespace sortie;
using sortie::ui::Form1;
using namespace sortie::testing;

namespace {

bool checked(QWidget* root, const char* group, int index) {
    auto* button = find<QAbstractButton>(root, group, index);
    return button && button->isChecked();
}

} // namespace

class Form1Test final : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<testing::TempFolder> game_;
    std::unique_ptr<Form1> form_;

    Form1* open() { return testing::openForm1(form_, game_->path(), sortieSettings()); }
    QWidget* board() { return find<QWidget>(form_.get(), "Image2"); }
    void hover(QPoint p) { QTest::mouseMove(board(), p); }

    void grab(const char* name) { testing::grabTo(form_.get(), name); }

  private slots:
    void init() {
        game_ = std::make_unique<testing::TempFolder>();
        testing::makeGameFolder(game_->path());
    }
    void cleanup() {
        form_.reset();
        game_.reset();
    }

    void freshStartShowsTheDefaults() {
        Form1* f = open();
        QCOMPARE(messages(f), QString());
        QCOMPARE(find<QLineEdit>(f, "Text1", 0)->text(), u"9"_s);
        QCOMPARE(find<QLineEdit>(f, "Text1", 3)->text(), u"19"_s);
        QCOMPARE(find<QLineEdit>(f, "Text5")->text(), u"4"_s);
        QCOMPARE(find<QLineEdit>(f, "Text6", 0)->text(), u"127"_s);
        QCOMPARE(find<QLabel>(f, "Label2", 1)->text(), u"Target 95"_s);
        QCOMPARE(find<QLabel>(f, "Label3")->text(), u"1"_s);
        QVERIFY(checked(f, "PNat", 1));
        QVERIFY(checked(f, "YR", 0));
        QVERIFY(checked(f, "MT", 1));
        QVERIFY(checked(f, "IntType", 1));
        QVERIFY(checked(f, "ISize", 1));
        QVERIFY(checked(f, "Plane", 0));
        QVERIFY(checked(f, "Targo", 1));
        QVERIFY(!find<QAbstractButton>(f, "Check1")->isChecked());
        QVERIFY(find<QWidget>(f, "Frame3")->isHidden());
        QCOMPARE(find<QGroupBox>(f, "Frame1", 2)->title(), u"Weather"_s);
        QCOMPARE(find<QListWidget>(f, "TList")->count(), 200);
        QCOMPARE(find<QListWidget>(f, "PList")->item(31)->text(), u"Random"_s);
        auto* tg = find<QTableWidget>(f, "Tg");
        QCOMPARE(tg->rowCount(), 200);
        QCOMPARE(tg->item(127, 33)->text(), u"Target 127"_s);
        QVERIFY(tg->isColumnHidden(1));
        QVERIFY(!tg->isColumnHidden(19));
        QVERIFY(find<QWidget>(f, "Frame2")->isVisible());
        QVERIFY(!find<QWidget>(f, "Frame4")->isVisible());
        grab("sortie-fresh.png");
    }

    void hoverShowsARowAndClicksCycleIt() {
        Form1* f = open();
        hover(cellCentre(9, board()));
        QVERIFY(find<QLabel>(f, "Label18", 9)->isVisible());
        QCOMPARE(find<QLabel>(f, "Label20")->text(), u"My Aircraft"_s);
        grab("sortie-hover-cell.png");

        hover(rowCentre(3, board()));
        QVERIFY(!find<QLabel>(f, "Label18", 9)->isVisible());
        auto* weather = find<QLabel>(f, "Label21", 3);
        QVERIFY(weather->isVisible());
        QCOMPARE(weather->text(), u"Weather\nRandom"_s);
        grab("sortie-hover-row.png");
        for (int i = 0; i < 3; ++i)
            QTest::mouseClick(weather, Qt::LeftButton);
        QVERIFY(checked(f, "W", 3));
        QCOMPARE(weather->text(), u"Weather\nHeavy cloud"_s);
        QTest::mouseClick(weather, Qt::RightButton);
        QVERIFY(checked(f, "W", 0));

        hover(rowCentre(0, board()));
        QTest::mouseClick(find<QLabel>(f, "Label21", 0), Qt::RightButton);
        QCOMPARE(find<QLineEdit>(f, "Text5")->text(), u"3"_s);

        hover(rowCentre(4, board()));
        for (int i = 0; i < 3; ++i)
            QTest::mouseClick(find<QLabel>(f, "Label21", 4), Qt::LeftButton);
        QVERIFY(checked(f, "MT", 4));
        QVERIFY(!find<QWidget>(f, "Frame3")->isHidden());
        QTest::mouseClick(find<QLabel>(f, "Label21", 4), Qt::LeftButton);
        QVERIFY(checked(f, "MT", 0));
        QVERIFY(find<QWidget>(f, "Frame6")->isHidden());

        hover(QPoint(10, 300)); // the dead border hides everything
        QVERIFY(!find<QLabel>(f, "Label21", 4)->isVisible());
    }

    void cellClicksAssignRolesAndTheNationFollows() {
        Form1* f = open();
        hover(cellCentre(20, board()));
        auto* cell = find<QLabel>(f, "Label18", 20);
        QTest::mouseClick(cell, Qt::LeftButton);
        QCOMPARE(find<QLineEdit>(f, "Text1", 0)->text(), u"20"_s);
        QCOMPARE(find<QLabel>(f, "Label1", 0)->text(), u"Plane 20"_s);
        QCOMPARE(find<QLabel>(f, "Label3")->text(), u"0"_s);
        QVERIFY(checked(f, "PNat", 0));
        QVERIFY(checked(f, "Plane", 1));

        QTest::mouseClick(cell, Qt::RightButton);
        QVERIFY(checked(f, "Plane", 2));
        QCOMPARE(find<QLineEdit>(f, "Text1", 1)->text(), u"10"_s);

        QTest::mousePress(cell, Qt::MiddleButton);
        QVERIFY(find<QLabel>(f, "Label18", 0)->isVisible());
        QVERIFY(find<QLabel>(f, "Label18", 31)->isVisible());
        grab("sortie-all-cells.png");
        QTest::mouseRelease(cell, Qt::MiddleButton);
        QVERIFY(!find<QLabel>(f, "Label18", 0)->isVisible());

        find<QLineEdit>(f, "Text1", 0)->clear();
        QTest::keyClicks(find<QLineEdit>(f, "Text1", 0), u"8"_s);
        QCOMPARE(find<QLabel>(f, "Label3")->text(), u"2"_s);
    }

    void pageSwitchesAndTheSaveLoadPanel() {
        Form1* f = open();
        QTest::mouseClick(find<QLabel>(f, "Label12"), Qt::LeftButton);
        QVERIFY(find<QWidget>(f, "Frame4")->isVisible());
        QVERIFY(!find<QWidget>(f, "Frame2")->isVisible());
        grab("sortie-map-page.png");
        chooseEntry(find<QListWidget>(f, "TList"), 12);
        QCOMPARE(find<QLineEdit>(f, "Text6", 1)->text(), u"12"_s);
        QTest::mouseClick(find<QLabel>(f, "Label13"), Qt::LeftButton);
        QVERIFY(find<QWidget>(f, "Frame2")->isVisible());
        QTest::mouseClick(find<QLabel>(f, "Label7"), Qt::LeftButton);
        auto* panel = find<QWidget>(f, "Frame10");
        QVERIFY(panel->isVisible());
        grab("sortie-save-load.png");
        QTest::mouseClick(panel, Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(!panel->isVisible());
        QTest::mouseClick(find<QLabel>(f, "Label15"), Qt::LeftButton);
        QVERIFY(!f->isVisible());
    }

    void storedChoicesRestoreAndBadOnesAreReported() {
        testing::writeFile(game_->path() / "PEV" / "pevset.txt",
                           "3\r\n12\r\n10\r\n16\r\n19\r\n 0 \r\n95\r\n127\r\n 9 \r\n 4 \r\n");
        Form1* f = open();
        QCOMPARE(find<QLineEdit>(f, "Text1", 0)->text(), u"3"_s);
        QVERIFY(checked(f, "PNat", 2));
        QVERIFY(find<QAbstractButton>(f, "Check1")->isChecked());
        QVERIFY(checked(f, "TOD", 0)); // 9 is no time of day
        QVERIFY(checked(f, "W", 4));
        QVERIFY(messages(f).contains(u"10 of 20 lines"_s));
        QVERIFY(messages(f).contains(u"TOD option"_s));
        hover(rowCentre(3, board()));
        QTest::mouseClick(find<QLabel>(f, "Label21", 3), Qt::LeftButton);
        QVERIFY(checked(f, "W", 0)); // "Overcast" moves on to "Random"
    }

    void corruptAndMissingFilesGiveMessagesNotACrash() {
        const auto& g = game_->path();
        testing::writeFile(g / "targets.dat", std::string("\x05\x00", 2));
        testing::writeFile(g / "tarnames.str", std::string("\xff\xff\x00\x00\x10\x00\x00\x00", 8));
        std::string names = testing::stringTableBytes({"Spitfire", "Hurricane"});
        testing::writeFile(g / "pnames.str", names.substr(0, names.size() - 5));
        std::filesystem::remove_all(g / "PEV");
        Form1* f = open();
        const QString text = messages(f);
        for (const char* expected : {"targets.dat", "tarnames.str", "pnames.str", "PevPic.txt", "PEV"})
            QVERIFY2(text.contains(QLatin1String(expected)), expected);
        QCOMPARE(find<QListWidget>(f, "TList")->count(), 0);
        QCOMPARE(find<QLabel>(f, "Label2", 0)->text(), QString());
        hover(cellCentre(0, board()));
        QTest::mouseClick(find<QLabel>(f, "Label18", 0), Qt::LeftButton);
        QCOMPARE(find<QLabel>(f, "Label1", 0)->text(), u"Spitfire"_s);
        grab("sortie-broken.png");
    }

    void secondBuildOpensTheSameWindow() {
        form_ = std::make_unique<Form1>(game_->path(), sortiexSettings());
        QCOMPARE(find<QLabel>(form_.get(), "Label14")->text(), u"Save parameters and exit"_s);
        QCOMPARE(find<QAbstractButton>(form_.get(), "IntType", 4)->text(), u"Warships"_s);
        QVERIFY(find<QWidget>(form_.get(), "Command3") == nullptr);
        QVERIFY(messages(form_.get()).contains(u"scenario"_s));
    }
};

QTEST_MAIN(Form1Test)
#include "form1_tests.moc"
