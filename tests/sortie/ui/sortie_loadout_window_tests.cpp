// The loadout panel of `sortie` on the demo game: listing the player's aircraft, choosing with a
// click, writing the game's "Loadout.dat" with a double-click, hiding and flying.
#include "form1_harness.h"
#include "make_demo_game/demo_game.h"
#include "make_demo_game/loadouts.h"
#include "sortie_test_files.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QtTest>

#include <memory>

using namespace Qt::StringLiterals;

using namespace sortie;
using sortie::ui::Form1;
using namespace sortie::testing;
namespace fs = std::filesystem;

namespace {

QPoint centreOfLine(QListWidget* list, int row) {
    list->scrollToItem(list->item(row));
    return list->visualItemRect(list->item(row)).center();
}

} // namespace

class SortieLoadoutWindowTest final : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<testing::TempFolder> game_;
    std::unique_ptr<Form1> form_;

    Form1* open() { return testing::openForm1(form_, game_->path(), sortieSettings()); }
    QGroupBox* panel() { return find<QGroupBox>(form_.get(), "frameLoadout"); }
    QListWidget* lodList() { return find<QListWidget>(form_.get(), "LodList"); }
    QString text(const char* name) { return find<QLabel>(form_.get(), name)->text(); }

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

    void listsChoosesAndWritesThePlayersLoadouts() {
        Form1* f = open();
        QVERIFY(panel()->isHidden());
        QTest::mouseClick(find<QLabel>(f, "Label24"), Qt::LeftButton);
        QVERIFY(panel()->isVisible());
        QCOMPARE(find<QLabel>(panel(), "loadoutCaption")->text(),
                 u"Select one and double click, then click here to hide this panel or click FLY!"_s);
        QCOMPARE(find<QLineEdit>(f, "P")->text(), u"9"_s);
        // Aircraft 9 has three loadouts in a run, and one more record after other aircraft.
        QCOMPARE(lodList()->count(), 21);
        QCOMPARE(lodList()->item(0)->text(), u"Loadout #0"_s);
        QCOMPARE(lodList()->item(1)->text(), u"8  .303 Browning MG"_s);
        QCOMPARE(lodList()->item(16)->text(), QString());
        QCOMPARE(lodList()->item(17)->text(), u"2  250 lb GP bomb"_s);
        QCOMPARE(lodList()->item(20)->text(), u"***********************"_s);
        const int first = demo::firstLoadoutRecord(9);
        const int sloc = 4 + 44 * first + 1;
        QCOMPARE(text("Sloc"), QString::number(sloc));

        QTest::mouseClick(lodList()->viewport(), Qt::LeftButton, {}, centreOfLine(lodList(), 15));
        QCOMPARE(text("Slab"), QString::number(sloc + 88));
        testing::grabTo(f, "sortie-loadout-panel.png");

        const std::string reference = game_->read("PEV/Loadout.dat");
        QTest::mouseDClick(lodList()->viewport(), Qt::LeftButton, {}, centreOfLine(lodList(), 15));
        std::string expected = reference;
        const std::string chosen = reference.substr(4 + 44 * static_cast<std::size_t>(first + 2), 44);
        for (int k = 0; k < 3; ++k)
            expected.replace(4 + 44 * static_cast<std::size_t>(first + k), 44, chosen);
        QVERIFY(game_->read("Loadout.dat") == expected);
        QVERIFY(messages(f).contains(u"Loadout #2 written"_s));
        QVERIFY(game_->read("PEV/Loadout.dat") == reference);

        // A release on the panel's own face hides it.
        QTest::mouseClick(panel(), Qt::LeftButton, {}, QPoint(panel()->width() / 2, 8));
        QVERIFY(panel()->isHidden());
    }

    void aMissingReferenceIsReportedAndTheGameTableKept() {
        fs::remove(game_->path() / "PEV" / "Loadout.dat");
        const std::string before = game_->read("Loadout.dat");
        Form1* f = open();
        QTest::mouseClick(find<QLabel>(f, "Label24"), Qt::LeftButton);
        QCOMPARE(lodList()->count(), 0);
        QVERIFY(messages(f).contains(u"reference copy of the loadout table is missing"_s));
        QVERIFY(game_->read("Loadout.dat") == before);

        // "Copy a newly loaded loadout.dat" makes the game's table the reference, then it lists.
        QTest::mouseClick(find<QLabel>(f, "Label25"), Qt::LeftButton);
        QVERIFY(game_->read("PEV/Loadout.dat") == before);
        QTest::mouseClick(find<QLabel>(f, "Label24"), Qt::LeftButton);
        QCOMPARE(lodList()->count(), 21);
    }

    void flyHidesThePanelAndFlies() {
        Form1* f = open();
        QTest::mouseClick(find<QLabel>(f, "Label24"), Qt::LeftButton);
        QTest::mouseClick(find<QLabel>(panel(), "Label26"), Qt::LeftButton);
        QVERIFY(panel()->isHidden());
        QVERIFY(fs::exists(game_->path() / "SaveData" / "SingMiss.mpf"));
    }
};

QTEST_MAIN(SortieLoadoutWindowTest)
#include "sortie_loadout_window_tests.moc"
