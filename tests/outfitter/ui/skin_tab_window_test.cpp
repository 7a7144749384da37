// The skin controls of "Planes and Skins" driven with the mouse and keyboard on the demo game, whose
// skin store is spelt "SkinFolder": start-up marks, installing and replacing, flight data, filtering,
// renaming, clearing, "Reset All" and a file the game folder refuses.

#include "skin_window_harness.h"

#include "ui_support/message_box.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>

using namespace Qt::StringLiterals;
using skintest::DemoWindow;

namespace {

constexpr int kPlanesTab = 4;
const QString kSpit611 = u"Spitfire IX 611 Sqn"_s;
const QString kSpit92 = u"Spitfire IX 92 Sqn"_s;
const QString kBf109 = u"Bf 109G-6 JG 26"_s;
const QString kHurricane = u"Hurricane I 303 Sqn"_s;
constexpr const char* kStore = "QIV128/SkinFolder/";
constexpr const char* kSetsLedger = "W-Battle of Britain 1940\r\nG-Cloud Textures\r\n";

struct SkinTab {
    DemoWindow& demo;

    QTableWidget* grid() const { return demo.find<QTableWidget>("SK1"); }
    int row(const QString& name) const {
        for (int r = 0; r < grid()->rowCount(); ++r)
            if (grid()->item(r, 0)->text() == name)
                return r;
        return -1;
    }
    QPoint centre(const QString& name, int column = 0) const {
        auto* item = grid()->item(row(name), column);
        grid()->scrollToItem(item);
        return grid()->visualItemRect(item).center();
    }
    void click(const QString& name, int column = 0) const {
        QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {}, centre(name, column));
    }
    // A player's double-click: the first click, then the second arriving as a double-click.
    void doubleClick(const QString& name) const {
        QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {}, centre(name));
        QTest::mouseDClick(grid()->viewport(), Qt::LeftButton, {}, centre(name));
    }
    QStringList marked() const {
        QStringList out;
        for (int r = 0; r < grid()->rowCount(); ++r)
            if (grid()->item(r, 1)->text() == u"S"_s)
                out << grid()->item(r, 0)->text();
        return out;
    }
    QStringList visible() const {
        QStringList out;
        for (int r = 0; r < grid()->rowCount(); ++r)
            if (!grid()->isRowHidden(r))
                out << grid()->item(r, 0)->text();
        return out;
    }
    void chooseFilter(int position) const {
        auto* list = demo.find<QListWidget>("List1");
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(position)).center());
    }
    void rename(const QString& to) const {
        auto* text3 = demo.find<QLineEdit>("Text3");
        text3->setText(to);
        QTest::mouseClick(demo.find<QPushButton>("Command12"), Qt::LeftButton);
    }
};

std::string skinFile(const QString& skin, const char* file) {
    return kStore + skin.toStdString() + "/" + file;
}

} // namespace

class SkinTabWindowTest final : public QObject {
    Q_OBJECT

  private slots:
    void startUpFillsTheGridAndMarksLedgerSkinsWithoutCopying() {
        DemoWindow demo;
        demo.game.write("QIV128/FoldersLoaded.txt", std::string(kSetsLedger) + "Spitfire IX 92 Sqn\r\n\r\n");
        auto& form = demo.open(kPlanesTab);
        SkinTab tab{demo};
        auto* grid = tab.grid();
        QCOMPARE(grid->rowCount(), 5);
        QCOMPARE(grid->item(0, 0)->text(), kBf109);
        QCOMPARE(grid->item(0, 2)->text(), u"109G"_s);
        QCOMPARE(grid->item(tab.row(u"RAF Decals"_s), 2)->text(), QString());
        QCOMPARE(grid->item(tab.row(kSpit611), 2)->text(), u"SP09"_s);
        QCOMPARE(tab.marked(), QStringList{kSpit92});
        QCOMPARE(grid->item(tab.row(kSpit92), 0)->background().color(), QColor(0xFF, 0xE0, 0xC0));
        QCOMPARE(grid->item(tab.row(kSpit611), 0)->background().style(), Qt::NoBrush);
        QVERIFY(!demo.exists("sp09skin.tpc"));
        QCOMPARE(grid->columnWidth(0), 333);
        QCOMPARE(grid->columnWidth(1), 16);
        QVERIFY(grid->columnWidth(2) >= 27);
        QVERIFY(grid->columnWidth(2) > grid->fontMetrics().horizontalAdvance(u"SP09"_s));

        auto* list1 = demo.find<QListWidget>("List1");
        QCOMPARE(list1->count(), 32);
        QCOMPARE(list1->item(0)->text(), u"ALL"_s);
        QCOMPARE(list1->item(1)->text(), u"Selected"_s);
        QCOMPARE(list1->item(2)->text(), u"P38H"_s);
        QCOMPARE(list1->item(31)->text(), u"V1V1"_s);
        QCOMPARE(list1->currentRow(), 0);
        auto* check5 = demo.find<QCheckBox>("Check5");
        QCOMPARE(check5->text(), u"Include flt files"_s);
        QCOMPARE(check5->toolTip(),
                 u"If checked it will load any *.fly files which come with the skin folder"_s);
        QCOMPARE(demo.find<QLabel>("Label39")->text(), u"Clear all skins"_s);
        QCOMPARE(demo.find<QLabel>("Label7")->text(), u"Double-click to select/deselect"_s);
        QCOMPARE(demo.find<QPushButton>("Command12")->text(), u"Re-Name"_s);
        QCOMPARE(demo.messages(), QString());

        const QString shots = qEnvironmentVariable("EAW_SCREENSHOT_DIR");
        if (!shots.isEmpty()) {
            tab.click(kSpit92);
            QVERIFY(form.grab().save(shots + u"/planes-and-skins.png"_s));
        }
    }

    void doubleClickInstallsAnotherOfTheSameAircraftReplacesItAndEnterRemoves() {
        DemoWindow demo;
        demo.open(kPlanesTab);
        SkinTab tab{demo};
        tab.doubleClick(kSpit611);
        QCOMPARE(tab.marked(), QStringList{kSpit611});
        QCOMPARE(demo.game.read("sp09skin.tpc"), demo.game.read(skinFile(kSpit611, "sp09skin.tpc")));
        QVERIFY(demo.exists("psp09.3dz"));
        QVERIFY(!demo.exists("skinpic"));
        QVERIFY(!demo.exists("contents.txt"));
        QCOMPARE(demo.ledger(), std::string(kSetsLedger) + "Spitfire IX 611 Sqn\r\n\r\n");
        QVERIFY(demo.find<QLabel>("Label8")->text().endsWith(kSpit611));

        tab.doubleClick(kSpit92);
        QCOMPARE(tab.marked(), QStringList{kSpit92});
        QCOMPARE(tab.grid()->item(tab.row(kSpit611), 0)->background().style(), Qt::NoBrush);
        QCOMPARE(demo.game.read("sp09skin.tpc"), demo.game.read(skinFile(kSpit92, "sp09skin.tpc")));
        QCOMPARE(demo.ledger(), std::string(kSetsLedger) + "Spitfire IX 92 Sqn\r\n\r\n");

        tab.doubleClick(kHurricane);
        QCOMPARE(tab.marked(), (QStringList{kHurricane, kSpit92}));

        tab.grid()->setFocus();
        tab.grid()->setCurrentCell(tab.row(kSpit92), 0);
        QTest::keyClick(tab.grid(), Qt::Key_Return);
        QCOMPARE(tab.marked(), QStringList{kHurricane});
        QVERIFY(!demo.exists("sp09skin.tpc"));
        QVERIFY(!demo.exists("psp09.3dz"));
        QCOMPARE(demo.ledger(), std::string(kSetsLedger) + "Hurricane I 303 Sqn\r\n\r\n");
        QCOMPARE(
            demo.messages(),
            u"Installed skin Spitfire IX 611 Sqn: 2 files\nRemoved skin Spitfire IX 611 Sqn, installed skin "
            u"Spitfire IX 92 Sqn: 4 files\nInstalled skin Hurricane I 303 Sqn: 2 files\nRemoved skin "
            u"Spitfire IX 92 Sqn: 2 files"_s);
    }

    void includeFltFilesDecidesWhetherFlightDataTravels() {
        DemoWindow demo;
        demo.open(kPlanesTab);
        SkinTab tab{demo};
        tab.doubleClick(kBf109);
        QVERIFY(demo.exists("p109g.3dz"));
        QVERIFY(!demo.exists("bf109g6.flt"));
        QVERIFY(!demo.exists("readme.txt"));
        tab.doubleClick(kBf109);
        QVERIFY(!demo.exists("p109g.3dz"));
        QVERIFY(demo.exists("planes.dat")); // the game's own planes.dat stays

        demo.find<QCheckBox>("Check5")->setChecked(true);
        tab.doubleClick(kBf109);
        QVERIFY(demo.exists("bf109g6.flt"));
        QCOMPARE(demo.game.read("planes.dat"), demo.game.read(skinFile(kBf109, "PLANES.DAT")));
        QVERIFY(!demo.spelledAs("PLANES.DAT")); // the game's spelling is kept
        tab.doubleClick(kBf109);
        QVERIFY(!demo.exists("bf109g6.flt"));
        // The loaded Battle of Britain set's copy comes back, not nothing.
        QCOMPARE(demo.game.read("planes.dat"), demo.game.read("QIV128/W-Battle of Britain 1940/planes.dat"));
        QCOMPARE(demo.messages(),
                 u"Installed skin Bf 109G-6 JG 26: 2 files\nRemoved skin Bf 109G-6 JG 26: 2 files\n"
                 u"Installed skin Bf 109G-6 JG 26: 4 files\nRemoved skin Bf 109G-6 JG 26: 4 files"_s);
    }

    void list1FiltersByMarkAndByAircraftAndTellsThePosition() {
        DemoWindow demo;
        demo.open(kPlanesTab);
        SkinTab tab{demo};
        tab.doubleClick(kHurricane);
        QSignalSpy chosen(tab.grid()->parentWidget(), SIGNAL(filterChosen(int)));

        tab.chooseFilter(1);
        QCOMPARE(tab.visible(), QStringList{kHurricane});
        tab.chooseFilter(2 + 11); // slot 11 is "sp09"
        QCOMPARE(tab.visible(), (QStringList{kSpit611, kSpit92}));
        tab.chooseFilter(2 + 0);
        QCOMPARE(tab.visible(), QStringList());
        tab.chooseFilter(0);
        QCOMPARE(tab.visible().size(), 5);
        QCOMPARE(chosen.size(), 4); // one each, though a click also changes the current entry
        QCOMPARE(chosen.at(0).at(0).toInt(), 1);
        QCOMPARE(chosen.at(1).at(0).toInt(), 13);
        QCOMPARE(chosen.last().at(0).toInt(), 0);

        QMetaObject::invokeMethod(tab.grid()->parentWidget(), "filterSkinsByCode", Q_ARG(QString, u"109G"_s));
        QCOMPARE(tab.visible(), QStringList{kBf109});
    }

    void aClickShowsTheSkinAndRenameRefusesNamesInUse() {
        DemoWindow demo;
        demo.open(kPlanesTab);
        SkinTab tab{demo};
        tab.click(kHurricane);
        QCOMPARE(demo.find<QLineEdit>("Text3")->text(), kHurricane);
        QVERIFY(demo.find<QPlainTextEdit>("Text10")->toPlainText().startsWith(kHurricane + u"."_s));
        QVERIFY(!demo.find<QLabel>("Image2")->pixmap().isNull());
        QTest::mouseMove(tab.grid()->viewport(), tab.centre(u"RAF Decals"_s));
        QTRY_VERIFY(demo.find<QPlainTextEdit>("Text10")->toPlainText().startsWith(u"RAF roundels"_s));
        QCOMPARE(demo.find<QLineEdit>("Text3")->text(), kHurricane); // pointing is not choosing

        uisupport::MessageBox::setNextAnswer(QMessageBox::Ok);
        tab.rename(kHurricane); // its own name
        const auto& box = uisupport::MessageBox::lastShown();
        QVERIFY(box.has_value());
        QCOMPARE(box->title, u"Hang On..........."_s);
        QCOMPARE(box->text, u"This name is already in use"_s);
        QCOMPARE(box->icon, QMessageBox::Warning);

        uisupport::MessageBox::setNextAnswer(QMessageBox::Ok);
        tab.rename(u"SPITFIRE IX 92 SQN"_s);
        QVERIFY(demo.messages().contains(u"only in letter case"_s));
        tab.rename(QString());
        tab.rename(u"CON"_s);
        tab.rename(u"../Elsewhere"_s);
        QCOMPARE(demo.messages().count(u'\n'), 3);
        QVERIFY(demo.exists(kStore + kHurricane.toStdString()));
        QCOMPARE(tab.grid()->item(tab.row(kHurricane), 0)->text(), kHurricane);

        tab.click(kHurricane, 2); // the code column: the name cell still takes the new name
        tab.rename(u"Hurricane I 303 (Polish) Sqn"_s);
        QVERIFY(!demo.exists(kStore + kHurricane.toStdString()));
        QVERIFY(demo.exists(std::string(kStore) + "Hurricane I 303 (Polish) Sqn/phurr.3dz"));
        QCOMPARE(tab.row(u"Hurricane I 303 (Polish) Sqn"_s), 1);
        QCOMPARE(tab.grid()->item(1, 2)->text(), u"HURR"_s);
    }

    void renamingAnInstalledSkinKeepsTheLedgerTrue() {
        DemoWindow demo;
        demo.open(kPlanesTab);
        SkinTab tab{demo};
        tab.doubleClick(kSpit92);
        tab.click(kSpit92);
        tab.rename(u"92 Sqn"_s);
        QCOMPARE(demo.ledger(), std::string(kSetsLedger) + "92 Sqn\r\n\r\n");
        QVERIFY(demo.form->changeLog().read().value.find(
                    "rename QIV128/SkinFolder/92 Sqn from the skin Spitfire IX 92 Sqn\r\n") != std::string::npos);
        tab.doubleClick(u"92 Sqn"_s);
        QVERIFY(!demo.exists("sp09skin.tpc"));
        QCOMPARE(demo.messages(),
                 u"Installed skin Spitfire IX 92 Sqn: 2 files\nRemoved skin 92 Sqn: 2 files"_s);
    }

    void clearAllSkinsAndResetAllRemoveEveryInstalledSkin() {
        DemoWindow demo;
        auto& form = demo.open(kPlanesTab);
        SkinTab tab{demo};
        tab.doubleClick(kSpit92);
        tab.doubleClick(kBf109);
        QTest::mouseClick(demo.find<QLabel>("Label39"), Qt::LeftButton);
        QCOMPARE(tab.marked(), QStringList());
        QVERIFY(!demo.exists("sp09skin.tpc"));
        QVERIFY(!demo.exists("p109g.3dz"));
        QCOMPARE(demo.ledger(), std::string(kSetsLedger) + "\r\n");

        tab.doubleClick(kHurricane);
        demo.find<QTabWidget>("SSTab1")->setCurrentIndex(1);
        uisupport::MessageBox::setNextAnswer(QMessageBox::Yes);
        QTest::mouseClick(demo.find<QPushButton>("Command1"), Qt::LeftButton);
        QCOMPARE(tab.marked(), QStringList());
        QVERIFY(!demo.exists("phurr.3dz"));
        QCOMPARE(demo.ledger(), "");
        QCOMPARE(demo.find<QListWidget>("List1")->currentRow(), 1);
        QCOMPARE(tab.visible(), QStringList());
        // The clean-up's 17, the Battle of Britain's mission and music, and the skin's own two.
        QVERIFY2(demo.messages().endsWith(u"\nReset All: 21 files deleted, 1 skin removed"_s),
                 qPrintable(demo.messages()));
        Q_UNUSED(form);
    }

    void aFileTheGameFolderRefusesIsNamedAndTheRestStillArrives() {
        DemoWindow demo;
        demo.game.folder("sp09skin.tpc"); // a folder where the skin's texture would go
        demo.open(kPlanesTab);
        SkinTab tab{demo};
        tab.doubleClick(kSpit611);
        QVERIFY(demo.messages().contains(u"sp09skin.tpc"_s));
        QVERIFY(demo.exists("psp09.3dz"));
        QCOMPARE(tab.marked(), QStringList{kSpit611}); // part of it is installed
        tab.doubleClick(kSpit611);
        QVERIFY(!demo.exists("psp09.3dz"));
        QVERIFY(std::filesystem::is_directory(demo.game.path() / "sp09skin.tpc"));
        QCOMPARE(tab.marked(), QStringList());
    }

    void aGameWithoutSkinsHidesTheSkinControls() {
        DemoWindow demo(false);
        demo.open(kPlanesTab);
        for (const char* name : {"List1", "SK1", "Label7", "Command12", "Text3"})
            QVERIFY2(demo.find<QWidget>(name)->isHidden(), name);
        QVERIFY(!demo.find<QWidget>("Check5")->isHidden());
    }
};

QTEST_MAIN(SkinTabWindowTest)
#include "skin_tab_window_test.moc"
