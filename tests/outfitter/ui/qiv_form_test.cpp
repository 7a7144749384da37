// The selector's main window driven offscreen, as a player would find it after start-up.

#include "common/game_folder_lock.h"
#include "outfitter/core/category_table.h"
#include "outfitter/ui/qiv_form.h"
#include "outfitter/ui/set_grid.h"
#include "ui_support/message_box.h"
#include "ui_support/qt_text.h"

#include "temp_game_folder.h"

#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using outfitter::testing::TempGameFolder;

namespace {

template <class T> T* child(const QWidget& form, const QString& name) {
    auto* found = form.findChild<T*>(name);
    if (!found)
        qFatal("no widget %s", qPrintable(name));
    return found;
}

QLabel* label18(const QWidget& form, int index) {
    for (auto* label : form.findChildren<QLabel*>(u"Label18"_s))
        if (label->property("index").toInt() == index)
            return label;
    return nullptr;
}

QStringList column(const QTableWidget* grid, int col) {
    QStringList out;
    for (int row = 0; row < grid->rowCount(); ++row)
        out << grid->item(row, col)->text();
    return out;
}

} // namespace

class QIVFormTest final : public QObject {
    Q_OBJECT

    // Each window's lock is its own game folder's, so windows of different test processes never meet.
    static outfitter::QIVFormOptions options() { return {}; }

  private slots:
    void emptyFolderGetsExactlyWhatStartupNames() {
        TempGameFolder game;
        outfitter::QIVForm form(game.path(), options());
        QCOMPARE(form.objectName(), u"QIVForm"_s);
        QVERIFY(!form.isDuplicate());
        QCOMPARE(game.entries(),
                 (std::set<std::string>{"QIV128/", "QIV128/.qiv-lock", "QIV128/.qiv-window",
                                        "QIV128/Autoscripts/", "QIV128/Skinfolder/", "QIV128/qiv.ini",
                                        "QIV128/FoldersLoaded.txt", "Savedata/", "Music/"}));
        QCOMPARE(game.read("QIV128/qiv.ini"), outfitter::CategoryTable::defaultBytes());
        QCOMPARE(child<QPlainTextEdit>(form, u"messages"_s)->toPlainText(), QString());

        auto* tabs = child<QTabWidget>(form, u"SSTab1"_s);
        QCOMPARE(tabs->count(), 5);
        const QStringList captions{u"General Settings"_s, u"Complete Sets"_s, u"World Settings"_s,
                                   u"Autoscripts and Program launch"_s, u"Planes and Skins"_s};
        for (int i = 0; i < 5; ++i)
            QCOMPARE(tabs->tabText(i), captions[i]);
        QCOMPARE(tabs->currentIndex(), 0);

        auto* list3 = child<QListWidget>(form, u"List3"_s);
        QCOMPARE(list3->count(), 29);
        QCOMPARE(list3->item(0)->text(), u"Show ALL"_s);
        QCOMPARE(list3->item(1)->text(), u"Show Selections"_s);
        QCOMPARE(list3->item(2)->text(), u"Versions of the EAW.exe"_s);
        QCOMPARE(list3->item(28)->text(), u"Convoy Files"_s);
        QCOMPARE(child<QTableWidget>(form, u"Unigrid"_s)->rowCount(), 0);
    }

    void gridListsOrdersHidesAndMarksWhateverTheCase() {
        TempGameFolder game;
        for (const char* folder :
             {"qiv128/w-lower", "qiv128/W-Upper", "qiv128/W-alpha", "qiv128/c-Convoy", "qiv128/C-Camp",
              "qiv128/unused", "qiv128/SKINFOLDER", "qiv128/#notes", "SAVEDATA", "music"})
            game.folder(folder);
        game.write("qiv128/foldersloaded.txt", "W-Upper\r\nc-Convoy\r\n");
        outfitter::QIVForm form(game.path(), options());

        auto* grid = child<QTableWidget>(form, u"Unigrid"_s);
        QCOMPARE(column(grid, 1), (QStringList{u"W-alpha"_s, u"W-Upper"_s, u"C-Camp"_s, u"c-Convoy"_s}));
        QCOMPARE(column(grid, 2), (QStringList{QString(), u"S"_s, QString(), u"S"_s}));
        QCOMPARE(grid->item(0, 0)->text(),
                 QString::fromStdString((game.path() / "qiv128" / "W-alpha").string()));
        QCOMPARE(grid->item(1, 1)->background().color(), QColor(0xC0, 0xFF, 0xC0));
        QCOMPARE(grid->item(0, 1)->background().style(), Qt::NoBrush);
        QCOMPARE(grid->columnWidth(0), 0);
        QCOMPARE(grid->columnWidth(1), 333);
        auto* list3 = child<QListWidget>(form, u"List3"_s);
        QCOMPARE(grid->horizontalHeaderItem(1)->background().color(), list3->palette().color(QPalette::Base));
        QVERIFY(game.entries().count("qiv128/Skinfolder/") == 0);

        QCOMPARE(child<QLabel>(form, u"Label8"_s)->text(), u"W-Upper\nc-Convoy"_s);
        QCOMPARE(child<QPlainTextEdit>(form, u"Text2"_s)->toPlainText(), u"W-Upper\nc-Convoy\n"_s);

        // A category shows its own rows and its letter, case kept; "Show ALL" hides the "C-" campaigns.
        auto* label6 = child<QLabel>(form, u"Label6"_s);
        const auto hidden = [grid] {
            QList<bool> out;
            for (int row = 0; row < grid->rowCount(); ++row)
                out << grid->isRowHidden(row);
            return out;
        };
        list3->setCurrentRow(2 + 26);
        QCOMPARE(label6->text(), u"c"_s);
        QCOMPARE(hidden(), (QList<bool>{true, true, true, false}));
        QCOMPARE(grid->horizontalHeaderItem(1)->text(), u"Only one selection can be made!"_s);
        list3->setCurrentRow(0);
        QCOMPARE(label6->text(), QString());
        QCOMPARE(hidden(), (QList<bool>{false, false, true, false}));
        QCOMPARE(grid->horizontalHeaderItem(1)->text(), u"All folders are available"_s);
    }

    void gridShowsAtMostTwentyRows_data() {
        QTest::addColumn<int>("sets");
        QTest::addColumn<int>("rowsHigh");
        QTest::addColumn<bool>("scrolls");
        QTest::newRow("25 sets") << 25 << 20 << true;
        QTest::newRow("5 sets") << 5 << 6 << false;
    }

    void gridShowsAtMostTwentyRows() {
        QFETCH(int, sets);
        QFETCH(int, rowsHigh);
        QFETCH(bool, scrolls);
        TempGameFolder game;
        for (int i = 0; i < sets; ++i)
            game.folder("QIV128/B-Screen" + std::to_string(i));
        outfitter::QIVForm form(game.path(), options());
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        child<QTabWidget>(form, u"SSTab1"_s)->setCurrentIndex(1);

        auto* grid = child<QTableWidget>(form, u"Unigrid"_s);
        QCOMPARE(grid->rowCount(), sets);
        const int rowHeight = grid->rowHeight(0);
        QCOMPARE(grid->horizontalHeader()->height(), rowHeight);
        // The header row counts: 5 sets make a grid 6 rows high, every set in view.
        QCOMPARE(grid->height(), outfitter::setGridHeight(rowHeight, rowsHigh));
        QCOMPARE(grid->verticalScrollBar()->maximum() > 0, scrolls);
        if (!scrolls)
            QVERIFY(grid->rowViewportPosition(sets - 1) + rowHeight <= grid->viewport()->height());
    }

    void badCategoryAndLedgerLinesGiveMessages() {
        TempGameFolder game;
        game.write("QIV128/qiv.ini", "Sets: W\r\n\r\nnothing useful\r\nScreens: B\r\n");
        game.write("QIV128/FoldersLoaded.txt", "\r\nW-Gone\r\nB-Here\r\n");
        game.folder("QIV128/B-Here");
        std::string tooLong;
        for (int i = 0; i < 12; ++i)
            tooLong += "m" + std::to_string(i) + "\r\n";
        game.write("Music.ini", tooLong);
        outfitter::QIVForm form(game.path(), options());

        const QString messages = child<QPlainTextEdit>(form, u"messages"_s)->toPlainText();
        QVERIFY2(messages.contains(u"line 2 is empty"_s), qPrintable(messages));
        QVERIFY2(messages.contains(u"line 3 has no \":\""_s), qPrintable(messages));
        QVERIFY2(messages.contains(u"\"W-Gone\" matches nothing"_s), qPrintable(messages));
        QVERIFY2(messages.contains(u"Music.ini"_s), qPrintable(messages));
        auto* list3 = child<QListWidget>(form, u"List3"_s);
        QCOMPARE(list3->count(), 4);
        list3->setCurrentRow(3);
        QCOMPARE(child<QLabel>(form, u"Label6"_s)->text(), u"B"_s);
        auto* grid = child<QTableWidget>(form, u"Unigrid"_s);
        QCOMPARE(column(grid, 2), QStringList{u"S"_s});
    }

    void startupFillsTheOtherTabs() {
        TempGameFolder game;
        game.write("eaw.exe");
        game.write("Tools.EXE");
        game.folder("Music");
        game.folder("Swing");
        game.write("Music.ini", "Swing\r\nStock\r\n");
        outfitter::QIVForm form(game.path(), options());

        const QString folder = QString::fromStdString(game.path().string());
        QCOMPARE(child<QLabel>(form, u"EAWDirLabel"_s)->text(), folder);
        // The game folder is shown whole, without a trailing separator.
        QCOMPARE(child<QLabel>(form, u"Label1"_s)->text(), folder);
        auto* list6 = child<QListWidget>(form, u"List6"_s);
        QCOMPARE(list6->count(), 2);
        QCOMPARE(list6->item(0)->text(), u"eaw.exe"_s);
        QCOMPARE(list6->item(1)->text(), u"Tools.EXE"_s);
        auto* list4 = child<QListWidget>(form, u"List4"_s);
        QCOMPARE(list4->count(), 1);
        QCOMPARE(list4->item(0)->text(), u"Swing"_s);
        QCOMPARE(child<QLabel>(form, u"Label11"_s)->text(), u"Stock"_s);
        QVERIFY(label18(form, 0) && label18(form, 1));
        QVERIFY(label18(form, 0)->text().toInt() > 0);
        QVERIFY(label18(form, 1)->text().toInt() > 0);
        QCOMPARE(child<QLabel>(form, u"Label29"_s)->text(), u"Online client AutoLoad area"_s);
        QCOMPARE(child<QLabel>(form, u"Label33"_s)->text(), u"Refresh!"_s);
        QVERIFY(!child<QLabel>(form, u"Label3"_s)->text().isEmpty());
        for (const auto* name : {"MyImage", "Image3", "Image4"})
            QVERIFY(form.findChild<QLabel*>(QString::fromLatin1(name)));
    }

    void aSecondWindowOnOneGameFolderWarnsAndTouchesNothingWhileOthersStandBeside() {
        TempGameFolder first;
        TempGameFolder other;
        outfitter::QIVForm running(first.path(), options());
        QVERIFY(!running.isDuplicate());
        outfitter::QIVForm beside(other.path(), options());
        QVERIFY(!beside.isDuplicate());
        const auto before = first.entries();

        uisupport::MessageBox::setNextAnswer(QMessageBox::Ok);
        outfitter::QIVForm again(first.path(), options());
        QVERIFY(again.isDuplicate());
        QCOMPARE(first.entries(), before);
        const auto& shown = uisupport::MessageBox::lastShown();
        QVERIFY(shown.has_value());
        QCOMPARE(shown->title, u"Hang On..........."_s);
        QCOMPARE(shown->text, u"outfitter is already open for the game folder\n%1 (process %2).\n\n"
                              u"You have probably minimised it; it has been waiting patiently for you\n"
                              u"at the bottom of your screen!"_s.arg(uisupport::fromPath(first.path()))
                                  .arg(QCoreApplication::applicationPid()));
        QCOMPARE(shown->icon, QMessageBox::Warning);
        QCOMPARE(shown->buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(QGuiApplication::applicationDisplayName(), u"... duplicate instance."_s);
    }

    void theWindowsLockIsFreedWhenItCloses() {
        TempGameFolder game;
        { outfitter::QIVForm once(game.path(), options()); }
        outfitter::QIVForm again(game.path(), options());
        QVERIFY(!again.isDuplicate());
    }

    // A builder started from an idle window may write; while one is writing the window changes nothing.
    void anIdleWindowLetsABuilderWriteAndWaitsForOneThatIsWriting() {
        TempGameFolder game;
        game.folder("QIV128/B-Here");
        outfitter::QIVForm form(game.path(), options());
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        child<QTabWidget>(form, u"SSTab1"_s)->setCurrentIndex(1);
        auto* grid = child<QTableWidget>(form, u"Unigrid"_s);
        const QPoint row = grid->visualItemRect(grid->item(0, 1)).center();
        {
            const auto write = common::takeLockForWrite(game.path(), "sortie");
            QVERIFY2(write.lock.held(), write.lock.problem()
                                            ? write.lock.problem()->text().c_str()
                                            : std::to_string(write.lock.holder().processId).c_str());
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, row);
            QVERIFY(!form.browser().rows()[0].loaded);
            const QString messages = child<QPlainTextEdit>(form, u"messages"_s)->toPlainText();
            QVERIFY2(messages.contains(u"sortie (process %1) is changing this game folder"_s.arg(
                         QCoreApplication::applicationPid())),
                     qPrintable(messages));
        }
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, row);
        QVERIFY(form.browser().rows()[0].loaded);
        // Held for the change only: once the window waits for the player again, the builder may write.
        QTRY_VERIFY(common::takeLockForWrite(game.path(), "sortie").lock.held());
    }

    // "Undo" takes back the newest change and names it; Ctrl+Z takes back the one before; the grid,
    // the marks and the game folder are as they were.
    void theNewestChangeIsUndoneByTheButtonAndTheOneBeforeByCtrlZ() {
        TempGameFolder game;
        game.write("QIV128/B-Here/here.txt", "set");
        outfitter::QIVForm form(game.path(), options());
        form.show();
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        const auto own = [&] {
            auto entries = game.entries();
            std::erase_if(entries, [](const std::string& e) {
                return e.rfind("QIV128/.history", 0) == 0 || e == "QIV128/outfitter.log";
            });
            return entries;
        };
        const auto before = own();
        auto* undo = child<QPushButton>(form, u"Undo"_s);
        QVERIFY(!undo->isEnabled());
        child<QTabWidget>(form, u"SSTab1"_s)->setCurrentIndex(1);
        auto* grid = child<QTableWidget>(form, u"Unigrid"_s);
        const QPoint row = grid->visualItemRect(grid->item(0, 1)).center();
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, row);
        const auto loaded = own();
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, row);
        QVERIFY(!form.browser().rows()[0].loaded);
        QCOMPARE(undo->toolTip(), u"Undo: Unload B-Here (Ctrl+Z)"_s);

        QTest::mouseClick(undo, Qt::LeftButton);
        QVERIFY(form.browser().rows()[0].loaded);
        QCOMPARE(own(), loaded);
        QCOMPARE(undo->toolTip(), u"Undo: Load B-Here (Ctrl+Z)"_s);
        QTest::keyClick(&form, Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(!form.browser().rows()[0].loaded);
        QCOMPARE(own(), before);
        QVERIFY(!undo->isEnabled());
        const QString messages = child<QPlainTextEdit>(form, u"messages"_s)->toPlainText();
        QVERIFY2(messages.contains(u"Undone: Unload B-Here"_s) && messages.contains(u"Undone: Load B-Here"_s),
                 qPrintable(messages));
    }

    // Pictures of each tab for a person to look at: set EAW_SCREENSHOT_DIR to keep them.
    void screenshots() {
        const QString dir = qEnvironmentVariable("EAW_SCREENSHOT_DIR");
        if (dir.isEmpty())
            QSKIP("EAW_SCREENSHOT_DIR not set");
        TempGameFolder game;
        for (const char* folder :
             {"QIV128/W-Battle of Britain", "QIV128/W-Desert War", "QIV128/C-1943 Campaign",
              "QIV128/N-Engine sounds", "QIV128/N-Gun sounds", "QIV128/B-Mainscreen Blue",
              "QIV128/F-Better flight models", "QIV128/S-Skin pack", "Swing"})
            game.folder(folder);
        game.write("eaw.exe");
        game.write("eawpatch.exe");
        game.write("Music.ini", "Swing\r\nStock\r\n");
        game.write("QIV128/FoldersLoaded.txt", "W-Desert War\r\nN-Gun sounds\r\nN-Engine sounds\r\n");
        game.write("QIV128/qiv.ini", outfitter::CategoryTable::defaultBytes() + "\r\n");
        outfitter::QIVForm form(game.path(), options());
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        auto* tabs = child<QTabWidget>(form, u"SSTab1"_s);
        for (int i = 0; i < tabs->count(); ++i) {
            tabs->setCurrentIndex(i);
            QVERIFY(form.grab().save(dir + u"/qivform-tab%1.png"_s.arg(i)));
        }
    }
};

QTEST_MAIN(QIVFormTest)
#include "qiv_form_test.moc"
