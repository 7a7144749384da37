// The "Alternative Planes:" frame on the demo game: loading the flight-model set shows it, clicks
// put aircraft into their slots byte for byte, the marks reach the ledger and come back after a
// restart and "Refresh!", and unloading or "Reset All" hides the frame again.

#include "ui_support/message_box.h"
#include "outfitter/ui/plane_set_panel.h"
#include "outfitter/ui/qiv_form.h"

#include "make_demo_game/demo_game.h"

#include "temp_game_folder.h"

#include <QDir>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <filesystem>
#include <memory>

using namespace Qt::StringLiterals;
using outfitter::testing::TempGameFolder;

namespace {

template <class T> T* child(const QWidget& form, const QString& name, int index = -1) {
    for (auto* found : form.findChildren<T*>(name))
        if (index < 0 || found->property("index").toInt() == index)
            return found;
    qFatal("no widget %s", qPrintable(name));
}

const std::string kPack = "QIV128/F-Fighter Pack/";

class PlaneWindow final {
  public:
    explicit PlaneWindow(QString lockPath) : lockPath_(std::move(lockPath)) {
        if (!demo::writeDemoGame(game.path()).ok())
            qFatal("demo game not written");
    }

    outfitter::QIVForm& open() {
        outfitter::QIVFormOptions options;
        options.endProgram = [] {};
        form.reset();
        form = std::make_unique<outfitter::QIVForm>(game.path(), options);
        // The offscreen screen is 800 x 600; the grids are pointed at as a large screen shows them.
        form->resize(1400, 800);
        form->show();
        if (!QTest::qWaitForWindowExposed(form.get()))
            qFatal("window not shown");
        return *form;
    }

    QTableWidget* unigrid() const { return child<QTableWidget>(*form, u"Unigrid"_s); }
    QTableWidget* g1() const { return child<QTableWidget>(*form, u"G1"_s); }
    QWidget* frame6() const { return child<QWidget>(*form, u"Frame6"_s); }
    QString messages() const { return child<QPlainTextEdit>(*form, u"messages"_s)->toPlainText(); }
    QByteArray ledger() const { return QByteArray::fromStdString(game.read("QIV128/FoldersLoaded.txt")); }

    void loadSet(const QString& name) const {
        child<QTabWidget>(*form, u"SSTab1"_s)->setCurrentIndex(1);
        auto* grid = unigrid();
        for (int r = 0; r < grid->rowCount(); ++r)
            if (grid->item(r, 1)->text() == name) {
                grid->scrollToItem(grid->item(r, 1));
                QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                                  grid->visualItemRect(grid->item(r, 1)).center());
                return;
            }
        qFatal("no set row");
    }
    int row(const QString& folder) const {
        for (int r = 0; r < g1()->rowCount(); ++r)
            if (g1()->item(r, 0)->text() == folder)
                return r;
        return -1;
    }
    QPoint centre(const QString& folder) const {
        child<QTabWidget>(*form, u"SSTab1"_s)->setCurrentIndex(4);
        return g1()->visualItemRect(g1()->item(row(folder), 0)).center();
    }
    void install(const QString& folder) const {
        QTest::mouseClick(g1()->viewport(), Qt::LeftButton, {}, centre(folder));
    }
    QStringList marked() const {
        QStringList out;
        for (int r = 0; r < g1()->rowCount(); ++r)
            if (g1()->item(r, 4)->text() == u"S"_s)
                out << g1()->item(r, 0)->text();
        return out;
    }
    bool green(const QString& folder) const {
        return g1()->item(row(folder), 3)->background().color() == QColor(0xC0, 0xFF, 0xC0);
    }
    std::string record(int slot) const { return game.read("planes.dat").substr(4 + 216 * slot, 216); }

    TempGameFolder game;
    std::unique_ptr<outfitter::QIVForm> form;

  private:
    QString lockPath_;
};

std::string qivBytes(const TempGameFolder& game, const std::string& file) {
    std::string bytes;
    const auto text = game.read(file);
    std::size_t at = text.find("\r\n") + 2;
    for (int k = 0; k < 168; ++k) {
        const auto end = text.find("\r\n", at);
        bytes += static_cast<char>(std::stoi(text.substr(at, end - at)));
        at = end + 2;
    }
    return bytes;
}

} // namespace

class PlaneSetWindowTest final : public QObject {
    Q_OBJECT

    QTemporaryDir locks_;
    int lockNumber_ = 0;
    QString lockPath() { return locks_.filePath(u"outfitter-%1.lock"_s.arg(++lockNumber_)); }

  private slots:
    void loadingTheFlightModelSetShowsItsPlaneSets() {
        PlaneWindow demo(lockPath());
        auto& form = demo.open();
        QVERIFY(demo.frame6()->isHidden());
        demo.loadSet(u"F-Fighter Pack"_s);
        QVERIFY(!demo.frame6()->isHidden());
        QCOMPARE(static_cast<QGroupBox*>(demo.frame6())->title(), u"Alternative Planes:"_s);
        auto* g1 = demo.g1();
        QCOMPARE(g1->rowCount(), 4);
        QCOMPARE(g1->columnCount(), 5);
        QStringList headers;
        for (int c = 0; c < 4; ++c)
            headers << g1->horizontalHeaderItem(c)->text();
        QCOMPARE(headers, (QStringList{u"Folder"_s, u"PlnSlot"_s, u"SkinSlot"_s, u"Aircraft"_s}));
        QCOMPARE(g1->columnWidth(0), 133);
        QCOMPARE(g1->columnWidth(1), 0);
        QCOMPARE(g1->columnWidth(3), 133);
        const int ixe = demo.row(u"P-Spitfire IXe"_s);
        QCOMPARE(g1->item(ixe, 1)->text(), u"11"_s);
        QCOMPARE(g1->item(ixe, 2)->text(), u"SP09"_s);
        QCOMPARE(g1->item(ixe, 3)->text(), u"  Spitfire Mk IXe  "_s);
        QVERIFY(demo.marked().isEmpty());
        QCOMPARE(
            demo.messages(),
            u"F-Fighter Pack replaces 1 file of W-Battle of Britain 1940\nLoaded F-Fighter Pack: 2 files"_s);

        child<QTabWidget>(form, u"SSTab1"_s)->setCurrentIndex(4);
        form.resize(1366, 728);
        QTest::qWait(20);
        QVERIFY(form.grab().save(QDir::temp().filePath(u"plane-set-frame.png"_s)));
    }

    void clicksPutAircraftIntoTheirSlotsAndMoveTheMark() {
        PlaneWindow demo(lockPath());
        demo.open();
        demo.loadSet(u"F-Fighter Pack"_s);
        const auto stock = demo.game.read("planes.dat");
        const auto stockLoadout = demo.game.read("Loadout.dat");

        demo.install(u"P-Spitfire IXc"_s);
        QCOMPARE(demo.marked(), QStringList{u"P-Spitfire IXc"_s});
        QVERIFY(demo.green(u"P-Spitfire IXc"_s));
        QCOMPARE(demo.record(11).substr(0, 168), qivBytes(demo.game, kPack + "P-Spitfire IXc/spit9c.qiv"));
        QCOMPARE(demo.record(11).substr(168), stock.substr(4 + 216 * 11 + 168, 48));
        QCOMPARE(demo.ledger(),
                 "W-Battle of Britain 1940\r\nF-Fighter Pack\r\nG-Cloud Textures\r\nP-Spitfire IXc\r\n\r\n");

        demo.install(u"P-Fw 190A-8"_s);
        demo.install(u"P-Spitfire IXe"_s);
        QCOMPARE(demo.marked(), (QStringList{u"P-Fw 190A-8"_s, u"P-Spitfire IXe"_s}));
        QVERIFY(!demo.green(u"P-Spitfire IXc"_s));
        QVERIFY(demo.green(u"P-Fw 190A-8"_s));
        QCOMPARE(demo.ledger(), "W-Battle of Britain 1940\r\nF-Fighter Pack\r\nG-Cloud Textures\r\nP-Fw "
                                "190A-8\r\nP-Spitfire IXe\r\n\r\n");
        QCOMPARE(demo.game.read("sp09.flt"), demo.game.read(kPack + "P-Spitfire IXe/sp09.flt"));
        QCOMPARE(demo.game.read("190a.flt"), demo.game.read(kPack + "P-Fw 190A-8/190a.flt"));
        QVERIFY(demo.game.read("Loadout.dat") != stockLoadout);
        QCOMPARE(demo.game.read("Loadout.dat").size(), stockLoadout.size());
        QVERIFY2(!demo.messages().contains(u"not "_s) && !demo.messages().contains(u"failed"_s),
                 qPrintable(demo.messages()));

        // The trimmed name reaches the menu that lists slot 11 as its second box.
        const auto menu = demo.game.read("picplnb.mnu");
        QVERIFY(menu.find(std::string("\x10\0\0\0Spitfire Mk IXe\0", 20)) != std::string::npos);

        demo.form->resize(1366, 728);
        QVERIFY(demo.form->grab().save(QDir::temp().filePath(u"plane-set-installed.png"_s)));

        // Fuel: the last installed aircraft's full load, then a tenth of it.
        QCOMPARE(child<QLabel>(*demo.form, u"Label27"_s)->text(), QString::number(216 * 11 + 41));
        const unsigned full = child<QLabel>(*demo.form, u"Label26"_s)->text().toUInt();
        QTest::mouseClick(child<QRadioButton>(*demo.form, u"Option1"_s, 4), Qt::LeftButton);
        const auto fuel = demo.record(11).substr(36, 2);
        QCOMPARE(static_cast<unsigned char>(fuel[0]) + 256u * static_cast<unsigned char>(fuel[1]), full / 10);

        // Slot 0 has no fuel position.
        demo.install(u"P-Lightning F-4"_s);
        QCOMPARE(child<QLabel>(*demo.form, u"Label27"_s)->text(), QString());
        const auto before = demo.game.read("planes.dat");
        QTest::mouseClick(child<QRadioButton>(*demo.form, u"Option1"_s, 2), Qt::LeftButton);
        QCOMPARE(demo.game.read("planes.dat"), before);
    }

    void marksComeBackAfterARestartAndRefreshWithoutWriting() {
        PlaneWindow demo(lockPath());
        demo.open();
        demo.loadSet(u"F-Fighter Pack"_s);
        demo.install(u"P-Spitfire IXe"_s);
        demo.install(u"P-Fw 190A-8"_s);
        const auto planes = demo.game.read("planes.dat");
        const auto ledger = demo.ledger();
        // Someone changes the game file meanwhile: a replay must not write it back.
        demo.game.write("planes.dat", planes.substr(0, 100) + "X" + planes.substr(101));

        auto& form = demo.open();
        QVERIFY(!demo.frame6()->isHidden());
        QCOMPARE(demo.marked(), (QStringList{u"P-Fw 190A-8"_s, u"P-Spitfire IXe"_s}));
        QVERIFY(demo.green(u"P-Spitfire IXe"_s));
        QCOMPARE(demo.ledger(), ledger);
        QCOMPARE(demo.game.read("planes.dat")[100], 'X');
        QCOMPARE(child<QLabel>(form, u"Label26"_s)->text(), QString());

        QTest::mouseClick(child<QLabel>(form, u"Label33"_s), Qt::LeftButton);
        QTRY_VERIFY(!form.browser().refreshing());
        QCOMPARE(demo.marked(), (QStringList{u"P-Fw 190A-8"_s, u"P-Spitfire IXe"_s}));
        QCOMPARE(demo.ledger(), ledger);
        QCOMPARE(demo.game.read("planes.dat")[100], 'X');
        QCOMPARE(demo.messages(), QString());
    }

    void hoverTellsTheSkinsWhatToShowAndTheFilterHidesOtherSlots() {
        PlaneWindow demo(lockPath());
        demo.open();
        demo.loadSet(u"F-Fighter Pack"_s);
        auto* panel = demo.form->findChild<outfitter::PlaneSetPanel*>(u"Frame6"_s);
        QSignalSpy hovered(panel, &outfitter::PlaneSetPanel::planeSetHovered);
        QTest::mouseMove(demo.g1()->viewport(), demo.centre(u"P-Fw 190A-8"_s));
        QTRY_COMPARE(hovered.count(), 1);
        QCOMPARE(hovered.at(0).at(1).toString(), u"190A"_s);
        QVERIFY(hovered.at(0).at(0).toString().startsWith(u"Fw 190A-8 with heavier armour"_s));
        QVERIFY(hovered.at(0).at(0).toString().endsWith(u"flight model.\r\n"_s));
        QCOMPARE(child<QLabel>(*demo.form, u"label19"_s, 0)->text(), u"22"_s);
        QCOMPARE(child<QLabel>(*demo.form, u"label19"_s, 1)->text(), u"190A"_s);
        QTest::mouseMove(demo.g1()->viewport(), demo.centre(u"P-Fw 190A-8"_s) + QPoint(3, 0));
        QCOMPARE(hovered.count(), 1); // the same row is handled once

        // Enter installs the current row as a click does.
        demo.g1()->setFocus();
        demo.g1()->setCurrentCell(demo.row(u"P-Spitfire IXc"_s), 0);
        QTest::keyClick(demo.g1(), Qt::Key_Return);
        QCOMPARE(demo.marked(), QStringList{u"P-Spitfire IXc"_s});
        panel->applyList1Filter(2 + 11);
        QVERIFY(demo.g1()->isRowHidden(demo.row(u"P-Fw 190A-8"_s)));
        QVERIFY(!demo.g1()->isRowHidden(demo.row(u"P-Spitfire IXe"_s)));
        panel->applyList1Filter(1);
        QVERIFY(demo.g1()->isRowHidden(demo.row(u"P-Spitfire IXe"_s)));
        QVERIFY(!demo.g1()->isRowHidden(demo.row(u"P-Spitfire IXc"_s)));
        panel->applyList1Filter(0);
        QVERIFY(!demo.g1()->isRowHidden(demo.row(u"P-Fw 190A-8"_s)));
    }

    void aRefusedPlaneSetSaysWhyAndTouchesNothing() {
        PlaneWindow demo(lockPath());
        auto lines = demo.game.read(kPack + "P-Spitfire IXc/spit9c.qiv");
        lines.replace(lines.find("\r\n") + 2, 2, "31");
        demo.game.write(kPack + "P-Spitfire IXc/spit9c.qiv", lines);
        demo.open();
        demo.loadSet(u"F-Fighter Pack"_s);
        const auto planes = demo.game.read("planes.dat");
        const auto names = demo.game.read("pnames.str");
        demo.install(u"P-Spitfire IXc"_s);
        QVERIFY(demo.marked().isEmpty());
        QVERIFY2(demo.messages().contains(u"spit9c.qiv"_s), qPrintable(demo.messages()));
        QVERIFY(demo.messages().contains(u"line 2"_s));
        QCOMPARE(demo.game.read("planes.dat"), planes);
        QCOMPARE(demo.game.read("pnames.str"), names);
        QCOMPARE(demo.ledger(), "W-Battle of Britain 1940\r\nF-Fighter Pack\r\nG-Cloud Textures\r\n\r\n");
    }

    void unloadingTheSetOrResetAllHidesTheFrame() {
        PlaneWindow demo(lockPath());
        auto& form = demo.open();
        demo.loadSet(u"F-Fighter Pack"_s);
        demo.install(u"P-Spitfire IXc"_s);
        demo.loadSet(u"F-Fighter Pack"_s); // unload
        QVERIFY(demo.frame6()->isHidden());
        QCOMPARE(demo.g1()->rowCount(), 0);
        QCOMPARE(demo.ledger(), "W-Battle of Britain 1940\r\nG-Cloud Textures\r\n\r\n");

        demo.loadSet(u"F-Fighter Pack"_s);
        QVERIFY(!demo.frame6()->isHidden());
        QVERIFY(demo.marked().isEmpty());
        uisupport::MessageBox::setNextAnswer(QMessageBox::Yes);
        QTest::mouseClick(child<QPushButton>(form, u"Command1"_s), Qt::LeftButton);
        QVERIFY(demo.frame6()->isHidden());
        QCOMPARE(demo.g1()->rowCount(), 0);
        QCOMPARE(demo.ledger(), "");
    }
};

QTEST_MAIN(PlaneSetWindowTest)
#include "plane_set_window_test.moc"
