// The files panel, the conflict tool tips, "Check game folder" and the refusal to change anything
// while the game runs, driven through the window on the demo game folder.

#include "ui_support/message_box.h"
#include "outfitter/ui/qiv_form.h"

#include "make_demo_game/demo_game.h"
#include "test_support/running_program.h"

#include "temp_game_folder.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <filesystem>
#include <memory>

using namespace Qt::StringLiterals;
using outfitter::testing::TempGameFolder;

namespace {

template <class T> T* child(const QWidget& form, const QString& name) {
    if (auto* found = form.findChild<T*>(name))
        return found;
    qFatal("no widget %s", qPrintable(name));
}

class DemoWindow final {
  public:
    explicit DemoWindow(const QString& lockPath) : lockPath_(lockPath) {
        if (!demo::writeDemoGame(game.path()).ok())
            qFatal("demo game not written");
    }
    outfitter::QIVForm& open() {
        outfitter::QIVFormOptions options;
        options.endProgram = [] {};
        form = std::make_unique<outfitter::QIVForm>(game.path(), options);
        form->show();
        if (!QTest::qWaitForWindowExposed(form.get()))
            qFatal("window not shown");
        child<QTabWidget>(*form, u"SSTab1"_s)->setCurrentIndex(1);
        return *form;
    }
    QTableWidget* grid() const { return child<QTableWidget>(*form, u"Unigrid"_s); }
    QTreeWidget* files() const { return child<QTreeWidget>(*form, u"SetFilesList"_s); }
    QString messages() const { return child<QPlainTextEdit>(*form, u"messages"_s)->toPlainText(); }
    int row(const QString& name) const {
        for (int r = 0; r < grid()->rowCount(); ++r)
            if (grid()->item(r, 1)->text() == name)
                return r;
        qFatal("no row %s", qPrintable(name));
    }
    void click(const QString& name) const {
        auto* item = grid()->item(row(name), 1);
        grid()->scrollToItem(item);
        QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {}, grid()->visualItemRect(item).center());
    }
    void hover(const QString& name) const {
        auto* item = grid()->item(row(name), 1);
        grid()->scrollToItem(item);
        QTest::mouseMove(grid()->viewport(), grid()->visualItemRect(item).center());
    }
    // The panel's lines as "file | goes to | meets | now".
    QStringList lines() const {
        QStringList out;
        for (int i = 0; i < files()->topLevelItemCount(); ++i) {
            const auto* item = files()->topLevelItem(i);
            QStringList cells;
            for (int c = 0; c < 4; ++c)
                if (!item->text(c).isEmpty())
                    cells << item->text(c);
            out << cells.join(u" | "_s);
        }
        out.sort();
        return out;
    }

    TempGameFolder game;
    std::unique_ptr<outfitter::QIVForm> form;

  private:
    QString lockPath_;
};

} // namespace

class SetFilesWindowTest final : public QObject {
    Q_OBJECT

    QTemporaryDir locks_;
    int lockNumber_ = 0;
    QString lockPath() { return locks_.filePath(u"outfitter-%1.lock"_s.arg(++lockNumber_)); }

  private slots:
    void thePanelAndToolTipFollowTheSetUnderThePointer() {
        DemoWindow demo(lockPath());
        demo.open();
        demo.click(u"W-Desert Air War"_s);
        demo.hover(u"W-Battle of Britain 1940"_s);
        const QStringList expected{
            u"EagleDay.msn | Savedata | nothing"_s,
            u"bobtheme.bgm | Music | nothing"_s,
            u"contents.txt | left out"_s,
            u"horizon.tpc | game folder | a file of W-Desert Air War, loaded"_s,
            u"loader.ldr | left out"_s,
            u"mypic | left out"_s,
            u"planes.dat | game folder | a file of W-Desert Air War, loaded; also in F-Fighter Pack and G-Desert Haze, not loaded"_s,
            u"terrain1.ter | game folder | a file of W-Desert Air War, loaded; also in T-Winter Terrain, not loaded"_s,
        };
        QCOMPARE(demo.lines(), expected);
        const auto tip = demo.grid()->item(demo.row(u"W-Battle of Britain 1940"_s), 1)->toolTip();
        QCOMPARE(tip, u"W-Battle of Britain 1940: shares 3 files with W-Desert Air War, loaded"_s);

        // The loaded set says whether its bytes are still there.
        demo.game.write("terrain1.ter", "changed behind the selector's back");
        demo.hover(u"W-Desert Air War"_s);
        QVERIFY2(demo.lines().contains(u"terrain1.ter | game folder | nothing; also in W-Battle of Britain 1940 and T-Winter Terrain, not loaded | changed since loaded"_s), qPrintable(demo.lines().join(u'\n')));
        QVERIFY(demo.lines().contains(u"Tobruk.msn | Savedata | nothing | as loaded"_s));

        // The current row, moved by the keyboard, shows too.
        demo.grid()->setFocus();
        demo.grid()->setCurrentCell(demo.row(u"G-Cloud Textures"_s), 1);
        QVERIFY(child<QWidget>(*demo.form, u"SetFiles"_s)->findChild<QLabel*>()->text().startsWith(
            u"G-Cloud Textures ("_s));
    }

    void theCheckListsChangesAndLoadsAgainOnlyWhenAsked() {
        DemoWindow demo(lockPath());
        demo.open();
        demo.click(u"W-Desert Air War"_s);
        auto* check = child<QPushButton>(*demo.form, u"CheckGameFolder"_s);

        QTest::mouseClick(check, Qt::LeftButton);
        QVERIFY(demo.messages().contains(u"are as loaded"_s));
        QVERIFY(!uisupport::MessageBox::lastShown() ||
                uisupport::MessageBox::lastShown()->title != u"Check game folder"_s);

        const std::filesystem::path gameFolder = demo.game.path();
        std::filesystem::remove(gameFolder / "terrain1.ter");
        demo.game.write("horizon.tpc", "not the desert's");
        uisupport::MessageBox::setNextAnswer(QMessageBox::No);
        QTest::mouseClick(check, Qt::LeftButton);
        QVERIFY(demo.messages().contains(u"missing: terrain1.ter of W-Desert Air War"_s));
        QVERIFY(demo.messages().contains(u"differs: horizon.tpc of W-Desert Air War"_s));
        QVERIFY(demo.messages().contains(u"Nothing was loaded again."_s));
        QVERIFY(!std::filesystem::exists(gameFolder / "terrain1.ter"));

        uisupport::MessageBox::setNextAnswer(QMessageBox::Yes);
        QTest::mouseClick(check, Qt::LeftButton);
        QVERIFY(demo.messages().contains(u"Loaded again: 2 files of W-Desert Air War."_s));
        QCOMPARE(demo.game.read("terrain1.ter"), demo.game.read("QIV128/W-Desert Air War/terrain1.ter"));
        QCOMPARE(demo.game.read("horizon.tpc"), demo.game.read("QIV128/W-Desert Air War/horizon.tpc"));
    }

    void nothingChangesWhileTheGameRunsFromThisFolder() {
        DemoWindow demo(lockPath());
        demo.open();
        const auto ledger = demo.game.read("QIV128/FoldersLoaded.txt");
        const std::filesystem::path gameFolder = demo.game.path();
        {
            testsupport::RunningProgram game(testsupport::waitingScript(gameFolder / "eaw.exe"), gameFolder);
            QVERIFY(game.up());
            demo.click(u"W-Desert Air War"_s);
            QVERIFY(demo.messages().contains(u"EAW is running from this game folder"_s));
            QCOMPARE(demo.game.read("QIV128/FoldersLoaded.txt"), ledger);
            QVERIFY(!std::filesystem::exists(gameFolder / "SaveData" / "Tobruk.msn"));
            // Views and the check still work.
            demo.hover(u"G-Cloud Textures"_s);
            QCOMPARE(demo.files()->topLevelItemCount(), 4);
            QTest::mouseClick(child<QPushButton>(*demo.form, u"CheckGameFolder"_s), Qt::LeftButton);
            QVERIFY(demo.messages().contains(u"Check game folder:"_s));
        }
        demo.click(u"W-Desert Air War"_s);
        QVERIFY(std::filesystem::exists(gameFolder / "SaveData" / "Tobruk.msn"));
    }
};

QTEST_MAIN(SetFilesWindowTest)
#include "set_files_window_test.moc"
