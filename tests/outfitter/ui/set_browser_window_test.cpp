// The "Complete Sets" tab and the launch and reset commands driven with the mouse and keyboard on the
// demo game folder, whose names mix letter case ("SaveData", "SkinFolder").

#include "outfitter/ui/qiv_form.h"
#include "ui_support/message_box.h"

#include "make_demo_game/demo_game.h"

#include "temp_game_folder.h"
#include "test_support/game_starts.h"

#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
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

// The demo game with its window open on "Complete Sets".
class DemoWindow final {
  public:
    explicit DemoWindow(const QString& lockPath) : lockPath_(lockPath) {
        const auto outcome = demo::writeDemoGame(game.path());
        if (!outcome.ok())
            qFatal("demo game not written: %s", outcome.refusal.c_str());
    }

    outfitter::QIVForm& open() {
        outfitter::QIVFormOptions options;
        options.endProgram = [this] { ++ended; };
        form = std::make_unique<outfitter::QIVForm>(game.path(), options);
        form->show();
        if (!QTest::qWaitForWindowExposed(form.get()))
            qFatal("window not shown");
        child<QTabWidget>(*form, u"SSTab1"_s)->setCurrentIndex(1);
        return *form;
    }

    QTableWidget* grid() const { return child<QTableWidget>(*form, u"Unigrid"_s); }
    QString messages() const { return child<QPlainTextEdit>(*form, u"messages"_s)->toPlainText(); }
    QString summary() const { return child<QLabel>(*form, u"Label8"_s)->text(); }
    std::string ledger() const { return game.read("QIV128/FoldersLoaded.txt"); }

    int row(const QString& name) const {
        for (int r = 0; r < grid()->rowCount(); ++r)
            if (grid()->item(r, 1)->text() == name)
                return r;
        return -1;
    }
    QStringList marked() const {
        QStringList out;
        for (int r = 0; r < grid()->rowCount(); ++r)
            if (grid()->item(r, 2)->text() == u"S"_s)
                out << grid()->item(r, 1)->text();
        return out;
    }
    QPoint cellCentre(const QString& name) const {
        auto* item = grid()->item(row(name), 1);
        grid()->scrollToItem(item);
        return grid()->visualItemRect(item).center();
    }
    void click(const QString& name) const {
        QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {}, cellCentre(name));
    }
    void showCategory(int listPosition) const {
        child<QListWidget>(*form, u"List3"_s)->setCurrentRow(listPosition);
    }
    bool exists(const std::string& relative) const { return std::filesystem::exists(game.path() / relative); }
    bool spelledAs(const std::string& relative) const {
        return testsupport::spelledAs(game.path() / relative);
    }

    TempGameFolder game;
    std::unique_ptr<outfitter::QIVForm> form;
    int ended = 0;

  private:
    QString lockPath_;
};

} // namespace

class SetBrowserWindowTest final : public QObject {
    Q_OBJECT

    QTemporaryDir locks_;
    int lockNumber_ = 0;
    QString lockPath() { return locks_.filePath(u"outfitter-%1.lock"_s.arg(++lockNumber_)); }

  private slots:
    void clickingAWSetReplacesTheOtherWSetWithProgressInTheCaption() {
        DemoWindow demo(lockPath());
        // The game's copy of a set file spelt differently is still the one replaced.
        demo.game.write("SAND.PAL", "stock palette");
        auto& form = demo.open();
        QSignalSpy captions(&form, &QWidget::windowTitleChanged);
        auto* bar = child<QProgressBar>(form, u"progress"_s);
        QSignalSpy progress(bar, &QProgressBar::valueChanged);

        demo.click(u"W-Desert Air War"_s);

        QCOMPARE(demo.marked(), (QStringList{u"W-Desert Air War"_s, u"G-Cloud Textures"_s}));
        QCOMPARE(demo.game.read("SAND.PAL"), demo.game.read("QIV128/W-Desert Air War/sand.pal"));
        QVERIFY(!demo.spelledAs("sand.pal"));
        QCOMPARE(demo.game.read("planes.dat"), demo.game.read("QIV128/W-Desert Air War/planes.dat"));
        QVERIFY(!demo.exists("SaveData/EagleDay.msn"));
        QVERIFY(!demo.exists("Music/bobtheme.bgm"));
        QVERIFY(demo.exists("SaveData/Tobruk.msn"));
        QVERIFY(demo.exists("Music/desert.bgm"));
        QVERIFY(!demo.exists("desert.jpg"));
        QCOMPARE(demo.ledger(), "W-Desert Air War\r\nG-Cloud Textures\r\n\r\n");
        QCOMPARE(demo.summary(), u"W-Desert Air War\nG-Cloud Textures"_s);
        QCOMPARE(child<QPlainTextEdit>(form, u"Text2"_s)->toPlainText(),
                 u"W-Desert Air War\nG-Cloud Textures\n"_s);
        QCOMPARE(demo.grid()->item(demo.row(u"W-Desert Air War"_s), 1)->background().color(),
                 QColor(0xC0, 0xFF, 0xC0));
        QCOMPARE(demo.grid()->item(demo.row(u"W-Battle of Britain 1940"_s), 1)->background().style(),
                 Qt::NoBrush);

        QStringList seen;
        for (const auto& args : captions)
            seen << args.at(0).toString();
        QVERIFY2(seen.contains(u"Deleting EagleDay.msn"_s), qPrintable(seen.join(u" | "_s)));
        QVERIFY2(seen.contains(u"Please wait- copying: :Tobruk.msn"_s), qPrintable(seen.join(u" | "_s)));
        QCOMPARE(form.windowTitle(), u"QIV Outfitter"_s);
        QVERIFY(!progress.isEmpty());
        QCOMPARE(progress.last().at(0).toInt(), bar->maximum());
        QVERIFY(bar->isHidden());
        QCOMPARE(demo.messages(),
                 u"Unloaded W-Battle of Britain 1940: 5 files deleted\nLoaded W-Desert Air War: 6 files, "
                 u"1 into Savedata, 1 into Music; kept 1 original"_s);
    }

    void graphicsSetsStandTogetherAndEnterTogglesARow() {
        DemoWindow demo(lockPath());
        auto& form = demo.open();
        auto* grid = demo.grid();
        grid->setFocus();
        grid->setCurrentCell(demo.row(u"G-Explosion Effects"_s), 1);
        QTest::keyClick(grid, Qt::Key_Return);
        QCOMPARE(demo.marked(), (QStringList{u"W-Battle of Britain 1940"_s, u"G-Cloud Textures"_s,
                                             u"G-Explosion Effects"_s}));
        QVERIFY(demo.exists("explode.spt"));
        QVERIFY(demo.exists("cloud1.tpc"));

        QTest::keyClick(grid, Qt::Key_Enter);
        QCOMPARE(demo.marked(), (QStringList{u"W-Battle of Britain 1940"_s, u"G-Cloud Textures"_s}));
        QVERIFY(!demo.exists("explode.spt"));
        QCOMPARE(demo.ledger(), "W-Battle of Britain 1940\r\nG-Cloud Textures\r\n\r\n");
        QCOMPARE(demo.messages(),
                 u"Loaded G-Explosion Effects: 2 files\nUnloaded G-Explosion Effects: 2 files deleted"_s);
        Q_UNUSED(form);
    }

    void sharedFilesAndThePlayersHallOfFameSurviveAndTheLogShowsEachStep() {
        DemoWindow demo(lockPath());
        auto& form = demo.open();
        const auto playersHof = demo.game.read("hof.dat");
        demo.click(u"G-Desert Haze"_s);
        QVERIFY(demo.game.read("hof.dat") != playersHof);
        QCOMPARE(demo.messages(), u"G-Desert Haze replaces 1 file of W-Battle of Britain 1940\n"
                                  u"Loaded G-Desert Haze: 3 files; kept 1 original"_s);

        demo.click(u"W-Battle of Britain 1940"_s);
        QCOMPARE(demo.game.read("planes.dat"), demo.game.read("QIV128/G-Desert Haze/planes.dat"));
        demo.click(u"G-Desert Haze"_s);
        QCOMPARE(demo.game.read("hof.dat"), playersHof);
        QVERIFY(!demo.exists("QIV128/.originals/hof.dat"));
        QVERIFY(demo.row(u".originals"_s) < 0);

        // "Show log" opens the log read-only over the tabs; Esc hides it again.
        QTest::mouseClick(child<QLabel>(form, u"ShowLog"_s), Qt::LeftButton);
        auto* view = child<QPlainTextEdit>(form, u"LogView"_s);
        QVERIFY(view->isVisible());
        QVERIFY(view->isReadOnly());
        const QString log = view->toPlainText();
        for (const auto& step :
             {u" keep hof.dat in QIV128/.originals\n"_s, u" copy haze.tpc from G-Desert Haze\n"_s,
              u" delete planes.dat of W-Battle of Britain 1940\n"_s,
              u" restore planes.dat copy of G-Desert Haze\n"_s, u" restore hof.dat original\n"_s})
            QVERIFY2(log.contains(step), qPrintable(step + u" in\n"_s + log));
        QTest::keyClick(view, Qt::Key_Escape);
        QVERIFY(!view->isVisible());
    }

    void aCampaignTakesItsSavedCareersBackWhenAnotherReplacesIt() {
        DemoWindow demo(lockPath());
        demo.open();
        demo.showCategory(2 + 3); // "Campaign/Career full sets": the "C-" sets "Show ALL" hides
        demo.click(u"C-Channel Front 1941"_s);
        QVERIFY(demo.exists("SaveData/ChannelCareer.sve"));
        demo.game.write("SaveData/Pilot Two.SVE", "a career flown meanwhile");

        demo.click(u"C Operation Overlord"_s);
        QCOMPARE(demo.game.read("QIV128/C-Channel Front 1941/Pilot Two.SVE"), "a career flown meanwhile");
        QVERIFY(!demo.exists("SaveData/Pilot Two.SVE"));
        QVERIFY(!demo.exists("SaveData/ChannelCareer.sve"));
        QVERIFY(!demo.exists("SaveData/Circus01.msn"));
        QVERIFY(demo.exists("SaveData/Overlord.sve"));
        QVERIFY(demo.marked().contains(u"C Operation Overlord"_s));
        QVERIFY(!demo.marked().contains(u"C-Channel Front 1941"_s));
    }

    void theLedgerBringsTheMarksBackAfterARestartWithoutTouchingAFile() {
        DemoWindow demo(lockPath());
        demo.open();
        demo.click(u"N-Cannon Sounds"_s);
        demo.click(u"W-Battle of Britain 1940"_s);
        const QStringList before = demo.marked();
        demo.form.reset();
        const auto files = demo.game.entries();

        demo.open();
        QCOMPARE(demo.marked(), before);
        QCOMPARE(demo.game.entries(), files);
        QCOMPARE(demo.summary(), u"N-Cannon Sounds\nG-Cloud Textures"_s);
    }

    void refreshGrowsRowByRowDropsAVanishedSetAndKeepsItsLedgerLine() {
        DemoWindow demo(lockPath());
        auto& form = demo.open();
        std::filesystem::remove_all(demo.game.path() / "QIV128" / "G-Cloud Textures");
        const int rowsBefore = demo.grid()->rowCount();
        QSignalSpy added(demo.grid()->model(), &QAbstractItemModel::rowsInserted);

        QTest::mouseClick(child<QLabel>(form, u"Label33"_s), Qt::LeftButton);
        QVERIFY(form.browser().refreshing());
        QTRY_VERIFY(!form.browser().refreshing());

        QCOMPARE(demo.grid()->rowCount(), rowsBefore - 1);
        QCOMPARE(added.count(), rowsBefore - 1); // one row at a time
        QCOMPARE(demo.row(u"G-Cloud Textures"_s), -1);
        QCOMPARE(demo.marked(), QStringList{u"W-Battle of Britain 1940"_s});
        QVERIFY(demo.grid()->isRowHidden(demo.row(u"C-Channel Front 1941"_s))); // the filter still holds
        QCOMPARE(demo.ledger(), "W-Battle of Britain 1940\r\nG-Cloud Textures\r\n\r\n");
        QCOMPARE(demo.summary(), u"W-Battle of Britain 1940\nG-Cloud Textures"_s);

        demo.click(u"N-Cannon Sounds"_s);
        QCOMPARE(demo.ledger(), "W-Battle of Britain 1940\r\nN-Cannon Sounds\r\n\r\n");
    }

    void resetAllCleansTheGameFolder_data() {
        QTest::addColumn<QByteArray>("cleanUpIni");
        QTest::addColumn<QStringList>("deleted");
        QTest::addColumn<QStringList>("kept");
        const QStringList stock{
            u"hof.dat"_s, u"Chatline.txt"_s,          u"DSG.ICO"_s,          u"extra.spt"_s, u"splash.bmp"_s,
            u"eaw.exe"_s, u"SaveData/Training.msn"_s, u"Music/track01.bgm"_s};
        QTest::newRow("built-in list")
            << QByteArray() << QStringList{u"planes.dat"_s, u"Pmenu.bmp"_s, u"cloud1.tpc"_s, u"results.txt"_s}
            << stock;
        QTest::newRow("CleanUp.ini") << QByteArray("*.dat\r\n*.txt\r\n")
                                     << QStringList{u"planes.dat"_s, u"targets.dat"_s}
                                     << stock +
                                            QStringList{u"results.txt"_s, u"Pmenu.bmp"_s, u"cloud1.tpc"_s};
        QTest::newRow("empty first line") << QByteArray("\r\n*.dat\r\n") << QStringList{}
                                          << stock + QStringList{u"planes.dat"_s, u"Pmenu.bmp"_s};
    }

    void resetAllCleansTheGameFolder() {
        QFETCH(QByteArray, cleanUpIni);
        QFETCH(QStringList, deleted);
        QFETCH(QStringList, kept);
        DemoWindow demo(lockPath());
        if (!cleanUpIni.isEmpty())
            demo.game.write("QIV128/CleanUp.ini", cleanUpIni.toStdString());
        demo.game.write("QIV128/eaw.exe", "stock program");
        auto& form = demo.open();
        auto* command1 = child<QPushButton>(form, u"Command1"_s);
        QCOMPARE(command1->text(), u"Reset All"_s);
        QCOMPARE(command1->toolTip(),
                 u"Moves all extra files added by this software to the EAW folder back to "
                 u"their original folders."_s);
        QSignalSpy captions(&form, &QWidget::windowTitleChanged);

        // Answered "No", the question changes nothing; it names what would be deleted.
        const auto before = demo.game.entries();
        uisupport::MessageBox::setNextAnswer(QMessageBox::No);
        QTest::mouseClick(command1, Qt::LeftButton);
        const auto asked = uisupport::MessageBox::lastShown();
        QVERIFY(asked);
        QCOMPARE(asked->buttons, QMessageBox::Yes | QMessageBox::No);
        const auto promised =
            QRegularExpression(u"^Reset All deletes (\\d+ files?) from the game folder"_s).match(asked->text);
        QVERIFY2(promised.hasMatch(), qPrintable(asked->text));
        // Its details list every file by name, and it says the way back.
        QVERIFY2(asked->text.contains(u"Undo brings it all back"_s), qPrintable(asked->text));
        for (const auto& name : deleted)
            QVERIFY2(asked->details.split(u'\n').contains(name),
                     qPrintable(name + u" / "_s + asked->details));
        QCOMPARE(demo.game.entries(), before);
        QVERIFY(captions.isEmpty());
        QCOMPARE(demo.messages(), u"Reset All was not done; nothing changed."_s);
        child<QPlainTextEdit>(form, u"messages"_s)->clear();

        uisupport::MessageBox::setNextAnswer(QMessageBox::Yes);
        QTest::mouseClick(command1, Qt::LeftButton);

        for (const auto& name : deleted)
            QVERIFY2(!demo.exists(name.toStdString()), qPrintable(name));
        for (const auto& name : kept)
            QVERIFY2(demo.exists(name.toStdString()), qPrintable(name));
        QCOMPARE(demo.game.read("eaw.exe"), "stock program");
        QCOMPARE(demo.ledger(), "");
        QVERIFY(demo.marked().isEmpty());
        QCOMPARE(demo.summary(), QString());
        QCOMPARE(child<QPlainTextEdit>(form, u"Text2"_s)->toPlainText(), QString());
        QVERIFY(!captions.isEmpty());
        QCOMPARE(captions.first().at(0).toString(), u"Please wait... cleaning up"_s);
        QCOMPARE(form.windowTitle(), u"QIV Outfitter"_s);
        // The count asked about is the count deleted: the game folder's own files and the loaded sets'
        // missions and music.
        std::size_t gone = 0;
        const auto after = demo.game.entries();
        for (const auto& entry : before)
            gone += entry.rfind("QIV128", 0) != 0 && !entry.ends_with("/") && !after.count(entry);
        QCOMPARE(promised.captured(1), gone == 1 ? u"1 file"_s : u"%1 files"_s.arg(gone));
        QCOMPARE(demo.messages(), u"Reset All: %1 deleted"_s.arg(promised.captured(1)));
    }

    void launchLabelsStartTheProgramThroughWine() {
        DemoWindow demo(lockPath());
        const testsupport::GameStarts starts(demo.game.path(), {"eaw.exe"});
        auto& form = demo.open();
        auto* list6 = child<QListWidget>(form, u"List6"_s);
        QCOMPARE(child<QLabel>(form, u"Label24"_s)->text(), u"Select an exe to launch: "_s);
        const QStringList captions{u"Just Launch"_s, u"Minimise QIV and launch"_s, u"Exit QIV and launch"_s};
        for (int i = 0; i < 3; ++i)
            QCOMPARE(child<QLabel>(form, u"Label28"_s, i)->text(), captions[i]);

        // Nothing chosen: nothing happens, so the window neither minimises nor ends.
        QTest::mouseClick(child<QLabel>(form, u"Label28"_s, 1), Qt::LeftButton);
        QTest::mouseClick(child<QLabel>(form, u"Label28"_s, 2), Qt::LeftButton);
        QVERIFY(!form.isMinimized());
        QCOMPARE(demo.ended, 0);

        list6->setCurrentItem(list6->findItems(u"eaw.exe"_s, Qt::MatchExactly).first());
        QTest::mouseClick(child<QLabel>(form, u"Label28"_s, 0), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(starts.started(), 20000); // Wine takes seconds to start a program
        QVERIFY(starts.startedIn(demo.game.path(), demo.game.path() / "eaw.exe"));
        QCOMPARE(starts.lines().size(), 2u);
        QVERIFY(!form.isMinimized());
        QVERIFY(form.isVisible());

        QTest::mouseClick(child<QLabel>(form, u"Label28"_s, 1), Qt::LeftButton);
        QVERIFY(form.isMinimized());
        QCOMPARE(demo.ended, 0);
        QTest::mouseClick(child<QLabel>(form, u"Label28"_s, 2), Qt::LeftButton);
        QCOMPARE(demo.ended, 1);
        QVERIFY(!form.isVisible());
        QCOMPARE(demo.messages(), QString());
    }

    void exitAndMinimiseButtons() {
        DemoWindow demo(lockPath());
        auto& form = demo.open();
        QCOMPARE(child<QPushButton>(form, u"Command8"_s)->text(), u"Minimise"_s);
        QTest::mouseClick(child<QPushButton>(form, u"Command8"_s), Qt::LeftButton);
        QVERIFY(form.isMinimized());
        QCOMPARE(child<QPushButton>(form, u"Command3"_s)->text(), u"Exit"_s);
        QTest::mouseClick(child<QPushButton>(form, u"Command3"_s), Qt::LeftButton);
        QCOMPARE(demo.ended, 1);
    }

    void failuresAreReportedAndNothingElseIsLost() {
        DemoWindow demo(lockPath());
        auto& form = demo.open();
        const auto before = demo.game.entries();

        // No Wine (Windows: a program file the system cannot start), then a program that has gone: the
        // message line says so and the window stays.
        auto* list6 = child<QListWidget>(form, u"List6"_s);
        list6->setCurrentItem(list6->findItems(u"eaw.exe"_s, Qt::MatchExactly).first());
        {
            const testsupport::GameStarts none(demo.game.path(), {}, false);
            QTest::mouseClick(child<QLabel>(form, u"Label28"_s, 2), Qt::LeftButton);
        }
#if defined(_WIN32)
        QVERIFY2(demo.messages().contains(u"starting "_s) && demo.messages().contains(u"eaw.exe"_s),
                 qPrintable(demo.messages()));
#else
        QVERIFY2(demo.messages().contains(u"wine was not found on PATH"_s), qPrintable(demo.messages()));
#endif
        QCOMPARE(demo.ended, 0);
        QVERIFY(form.isVisible());
        std::filesystem::remove(demo.game.path() / "eaw.exe");
        QTest::mouseClick(child<QLabel>(form, u"Label28"_s, 1), Qt::LeftButton);
        QVERIFY2(demo.messages().contains(u"no longer there"_s), qPrintable(demo.messages()));
        QVERIFY(!form.isMinimized());
        QCOMPARE(demo.marked(), (QStringList{u"W-Battle of Britain 1940"_s, u"G-Cloud Textures"_s}));

        // A folder where a set file should go: that file is reported, the others still arrive, the set
        // counts as loaded and the ledger says so.
        std::filesystem::remove(demo.game.path() / "horizon.tpc");
        std::filesystem::create_directory(demo.game.path() / "HORIZON.TPC");
        demo.click(u"W-Desert Air War"_s);
        QVERIFY2(demo.messages().contains(u"HORIZON.TPC"_s), qPrintable(demo.messages()));
        QVERIFY(demo.exists("SaveData/Tobruk.msn"));
        QCOMPARE(demo.game.read("terrain1.ter"), demo.game.read("QIV128/W-Desert Air War/terrain1.ter"));
        QVERIFY(std::filesystem::is_directory(demo.game.path() / "HORIZON.TPC"));
        QCOMPARE(demo.ledger(), "W-Desert Air War\r\nG-Cloud Textures\r\n\r\n");
        QCOMPARE(form.windowTitle(), u"QIV Outfitter"_s);
        Q_UNUSED(before);
    }

    void aReadOnlyGameFileIsNamedAndKeptWhileTheRestOfTheSetArrives() {
        DemoWindow demo(lockPath());
        demo.open();
        // A stock file the player protected; the set in the game now does not hold it.
        const auto palette = demo.game.write("SAND.PAL", "stock palette");
        std::filesystem::permissions(palette, std::filesystem::perms::owner_read);

        demo.click(u"W-Desert Air War"_s);
        QVERIFY2(demo.messages().contains(u"SAND.PAL"_s) && demo.messages().contains(u"read-only"_s),
                 qPrintable(demo.messages()));
        QCOMPARE(demo.game.read("SAND.PAL"), "stock palette");
        QCOMPARE(demo.game.read("terrain1.ter"), demo.game.read("QIV128/W-Desert Air War/terrain1.ter"));
        QVERIFY(demo.marked().contains(u"W-Desert Air War"_s));
    }

    void anInterruptedLoadIsReportedAtStartMarkedAndItsLeftoversRemoved() {
        DemoWindow demo(lockPath());
        demo.game.write("QIV128/.qiv-journal", "QIV128 work journal\r\nload\r\nN-Cannon Sounds\r\n");
        demo.game.write(".qiv-planes.dat.part", "half a file");
        demo.game.write("SaveData/.qiv-Raid.msn.part", "half a file");
        demo.open();
        QVERIFY2(demo.messages().contains(u"The load of \"N-Cannon Sounds\" was interrupted"_s),
                 qPrintable(demo.messages()));
        QVERIFY(demo.marked().contains(u"N-Cannon Sounds"_s));
        QVERIFY(demo.ledger().find("N-Cannon Sounds\r\n") != std::string::npos);
        QVERIFY(!demo.exists("QIV128/.qiv-journal"));
        QVERIFY(!demo.exists(".qiv-planes.dat.part"));
        QVERIFY(!demo.exists("SaveData/.qiv-Raid.msn.part"));
        QCOMPARE(demo.row(u".qiv-journal"_s), -1);
    }

    void refreshReadsTheCategoryTableAgain() {
        DemoWindow demo(lockPath());
        auto& form = demo.open();
        demo.game.write("QIV128/A-Aces Roster/roster.dat", "aces");
        QCOMPARE(demo.row(u"A-Aces Roster"_s), -1);
        auto* list3 = child<QListWidget>(form, u"List3"_s);
        const int entries = list3->count();
        demo.game.write("QIV128/qiv.ini", demo.game.read("QIV128/qiv.ini") + "Pilot rosters: A\r\n");

        QTest::mouseClick(child<QLabel>(form, u"Label33"_s), Qt::LeftButton);
        QTRY_VERIFY(!form.browser().refreshing());
        QVERIFY(demo.row(u"A-Aces Roster"_s) >= 0);
        QCOMPARE(list3->count(), entries + 1);
        QCOMPARE(list3->item(entries)->text(), u"Pilot rosters"_s);
        demo.showCategory(entries);
        QVERIFY(!demo.grid()->isRowHidden(demo.row(u"A-Aces Roster"_s)));
        demo.click(u"A-Aces Roster"_s);
        QCOMPARE(demo.game.read("roster.dat"), "aces");
    }

    void hoveringARowShowsItsDescriptionAndPicture() {
        DemoWindow demo(lockPath());
        auto& form = demo.open();
        auto* myLabel = child<QLabel>(form, u"MyLabel"_s);
        auto* myImage = child<QLabel>(form, u"MyImage"_s);
        const QImage background = myImage->pixmap().toImage();
        QVERIFY(!background.isNull());

        QTest::mouseMove(demo.grid()->viewport(), demo.cellCentre(u"W-Battle of Britain 1940"_s));
        QTRY_COMPARE(myLabel->text(), u"The summer of 1940 over southern England.\nHurricanes and Spitfires\n"
                                      u"against the Luftwaffe's bombers."_s);
        QCOMPARE(child<QPlainTextEdit>(form, u"Text9"_s)->toPlainText(), myLabel->text());
        QVERIFY(myImage->pixmap().toImage() != background);

        const QString shots = qEnvironmentVariable("EAW_SCREENSHOT_DIR");
        if (!shots.isEmpty()) {
            demo.click(u"W-Desert Air War"_s);
            QTest::mouseMove(demo.grid()->viewport(), demo.cellCentre(u"W-Battle of Britain 1940"_s));
            QVERIFY(form.grab().save(shots + u"/complete-sets-hover.png"_s));
        }

        // A set without a picture shows the background; the category list clears the text.
        QTest::mouseMove(demo.grid()->viewport(), demo.cellCentre(u"G-Explosion Effects"_s));
        QTRY_COMPARE(myLabel->text(), u"Bigger flak bursts and smoke."_s);
        QCOMPARE(myImage->pixmap().toImage(), background);
        auto* list3 = child<QListWidget>(form, u"List3"_s);
        QTest::mouseMove(list3->viewport(), QPoint(20, 20));
        QTRY_COMPARE(myLabel->text(), QString());
        if (!shots.isEmpty())
            QVERIFY(form.grab().save(shots + u"/complete-sets-loaded.png"_s));
    }
};

QTEST_MAIN(SetBrowserWindowTest)
#include "set_browser_window_test.moc"
