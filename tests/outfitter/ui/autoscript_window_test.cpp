// The "Autoscripts and Program launch" tab on the demo game: saving the selection under a new or a
// taken name, running a saved script, "Del MSN", and switching music on "World Settings".

#include "package_window_harness.h"

#include "ui_support/message_box.h"

#include <QApplication>
#include <QFrame>
#include <QMouseEvent>
#include <QLineEdit>
#include <QPushButton>

using namespace package_test;

class AutoscriptWindowTest final : public QObject {
    Q_OBJECT

    QTemporaryDir locks_;
    int lockNumber_ = 0;
    QString lockPath() { return locks_.filePath(u"outfitter-%1.lock"_s.arg(++lockNumber_)); }

    static void click(QLabel* label) { QTest::mouseClick(label, Qt::LeftButton, {}, label->rect().center()); }

  private slots:
    void savingAsksBeforeReplacingANameTakenInAnyCaseAndListsTheNewScript() {
        DemoWindow demo(lockPath());
        demo.open(3);
        auto* text1 = demo.find<QLineEdit>(u"Text1"_s);
        auto* text2 = demo.find<QPlainTextEdit>(u"Text2"_s);
        auto* command7 = demo.find<QPushButton>(u"Command7"_s);
        auto* setWarn = demo.find<QFrame>(u"SetWarn"_s);
        QCOMPARE(text2->toPlainText(), u"W-Battle of Britain 1940\nG-Cloud Textures\n"_s);

        text1->setText(u"My Summer"_s);
        text2->setPlainText(u"W-Desert Air War\nG-Cloud Textures\n"_s);
        QTest::mouseClick(command7, Qt::LeftButton);
        QVERIFY(!setWarn->isVisible());
        QCOMPARE(demo.game.read("QIV128/Autoscripts/My Summer.set"),
                 std::string("W-Desert Air War\r\nG-Cloud Textures\r\n\r\n"));
        QVERIFY(DemoWindow::texts(demo.find<QListWidget>(u"File10"_s)).contains(u"My Summer.set"_s));
        QVERIFY(demo.form->changeLog().read().value.find("copy QIV128/Autoscripts/My Summer.set autoscript saved") !=
                std::string::npos);
        QVERIFY(DemoWindow::texts(demo.find<QListWidget>(u"GUPC"_s)).contains(u"My Summer.set"_s));

        // Another case of the same name: asked, "Cancel" keeps the old file.
        text1->setText(u"MY SUMMER"_s);
        text2->setPlainText(u"T-Winter Terrain\n"_s);
        QTest::mouseClick(command7, Qt::LeftButton);
        QVERIFY(setWarn->isVisible());
        QCOMPARE(demo.find<QLabel>(u"Label21"_s)->text(), u"There is already an autoscript with this name"_s);
        click(demo.find<QLabel>(u"Label4"_s, 1));
        QVERIFY(!setWarn->isVisible());
        QCOMPARE(demo.game.read("QIV128/Autoscripts/My Summer.set"),
                 std::string("W-Desert Air War\r\nG-Cloud Textures\r\n\r\n"));

        // "Overwrite" replaces that very file.
        QTest::mouseClick(command7, Qt::LeftButton);
        QCOMPARE(demo.find<QLabel>(u"Label4"_s, 0)->text(), u"Overwrite"_s);
        click(demo.find<QLabel>(u"Label4"_s, 0));
        QVERIFY(!setWarn->isVisible());
        QCOMPARE(demo.game.read("QIV128/Autoscripts/My Summer.set"), std::string("T-Winter Terrain\r\n\r\n"));
        QVERIFY(!demo.spelledAs("QIV128/Autoscripts/MY SUMMER.set"));
    }

    void aRefusedNameIsReportedAndWritesNothing() {
        DemoWindow demo(lockPath());
        demo.open(3);
        const auto before = demo.game.entries();
        for (const QString& name : {u""_s, u"../Escaped"_s, u"sub\\dir"_s, u"CON"_s, u"a?b"_s}) {
            demo.find<QLineEdit>(u"Text1"_s)->setText(name);
            QTest::mouseClick(demo.find<QPushButton>(u"Command7"_s), Qt::LeftButton);
            QVERIFY(!demo.find<QFrame>(u"SetWarn"_s)->isVisible());
        }
        QCOMPARE(demo.game.entries(), before);
        QCOMPARE(demo.messages().count(u"saving the autoscript"_s), 5);
    }

    void aChosenScriptListsItsItemsAndLoadsThem() {
        DemoWindow demo(lockPath());
        demo.open(3);
        auto* file10 = demo.find<QListWidget>(u"File10"_s);
        auto* list2 = demo.find<QListWidget>(u"List2"_s);
        DemoWindow::choose(file10, u"Weather Swap.set"_s);
        QCOMPARE(DemoWindow::texts(list2), (QStringList{u"W-Battle of Britain 1940"_s, u"G-Cloud Textures"_s,
                                                        u"W-Desert Air War"_s, u"G-Explosion Effects"_s}));
        QTest::mouseClick(demo.find<QPushButton>(u"Command6"_s), Qt::LeftButton);
        QCOMPARE(demo.marked(),
                 (QStringList{u"W-Desert Air War"_s, u"G-Cloud Textures"_s, u"G-Explosion Effects"_s}));
        QCOMPARE(demo.find<QLabel>(u"Label8"_s)->text(),
                 u"W-Desert Air War\nG-Cloud Textures\nG-Explosion Effects"_s);
        QCOMPARE(demo.ledger(),
                 std::string("W-Desert Air War\r\nG-Cloud Textures\r\nG-Explosion Effects\r\n\r\n"));

        const QString shots = qEnvironmentVariable("EAW_SCREENSHOT_DIR");
        if (!shots.isEmpty())
            QVERIFY(demo.form->grab().save(shots + u"/autoscripts.png"_s));
    }

    void delMsnAsksWithTheCountAndDeletesOnlyTheDefaultMissionsOnYes() {
        DemoWindow demo(lockPath());
        demo.open(3);
        auto* delmsn = demo.find<QPushButton>(u"delmsn"_s);
        QCOMPARE(delmsn->text(), u"Del MSN"_s);
        QVERIFY(!delmsn->toolTip().isEmpty());

        uisupport::MessageBox::setNextAnswer(QMessageBox::No);
        QTest::mouseClick(delmsn, Qt::LeftButton);
        const auto& asked = uisupport::MessageBox::lastShown();
        QVERIFY(asked.has_value());
        QCOMPARE(asked->text, u"Delete the 2 default missions (Default*.msn) of the Savedata folder?"_s);
        QCOMPARE(asked->buttons, QMessageBox::Yes | QMessageBox::No);
        QVERIFY(demo.exists("SaveData/Default1.msn"));
        QVERIFY(demo.exists("SaveData/Default2.msn"));

        uisupport::MessageBox::setNextAnswer(QMessageBox::Yes);
        QTest::mouseClick(delmsn, Qt::LeftButton);
        QVERIFY(!demo.exists("SaveData/Default1.msn"));
        QVERIFY(!demo.exists("SaveData/Default2.msn"));
        QVERIFY(demo.exists("SaveData/Training.msn"));
        QVERIFY(demo.exists("SaveData/MyDefault.msn"));
        QVERIFY2(demo.messages().endsWith(u"Default missions deleted: 2"_s), qPrintable(demo.messages()));
        const std::string log = demo.form->changeLog().read().value;
        QVERIFY2(log.find("delete SaveData/Default1.msn by Del MSN") != std::string::npos, log.c_str());
        QVERIFY(log.find("delete SaveData/Default2.msn by Del MSN") != std::string::npos);

        // Nothing left to delete: said, and not asked (an answer stands by so a wrong question cannot hang).
        uisupport::MessageBox::setNextAnswer(QMessageBox::No);
        QTest::mouseClick(delmsn, Qt::LeftButton);
        QVERIFY(demo.messages().endsWith(u"No default missions (Default*.msn) to delete in Savedata."_s));
    }

    void aDoubleClickOnTheMusicListSwitchesOnceAndEachSwitchIsLogged() {
        DemoWindow demo(lockPath());
        demo.open(2);
        auto* list4 = demo.find<QListWidget>(u"List4"_s);
        auto* label11 = demo.find<QLabel>(u"Label11"_s);
        const auto found = list4->findItems(u"MusicSwing"_s, Qt::MatchExactly);
        QVERIFY(!found.isEmpty());
        // As a mouse gives it: a click, then the second press as a double-click, and its release.
        const QPoint at = list4->visualItemRect(found.front()).center();
        QTest::mouseClick(list4->viewport(), Qt::LeftButton, {}, at);
        QMouseEvent second(QEvent::MouseButtonDblClick, at, list4->viewport()->mapToGlobal(at), Qt::LeftButton,
                           Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(list4->viewport(), &second);
        QTest::mouseRelease(list4->viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(label11->text(), u"MusicSwing"_s);
        QCOMPARE(DemoWindow::texts(list4), (QStringList{u"MusicOriginal"_s, u"MusicBigBand"_s}));
        QVERIFY(demo.game.read("Music/track01.bgm").rfind("DEMO MusicSwing", 0) == 0);
        const std::string log = demo.form->changeLog().read().value;
        QVERIFY2(log.find("rename MusicOriginal from Music") != std::string::npos, log.c_str());
        QVERIFY(log.find("rename Music from MusicSwing") != std::string::npos);

        // Enter on the current entry switches as a click does.
        list4->setFocus();
        list4->setCurrentRow(1); // "MusicBigBand"
        QTest::keyClick(list4, Qt::Key_Return);
        QCOMPARE(label11->text(), u"MusicBigBand"_s);
    }

    void twoMusicSwitchesInARowAndARefusedOneChangingNothing() {
        DemoWindow demo(lockPath());
        demo.open(2);
        auto* list4 = demo.find<QListWidget>(u"List4"_s);
        auto* label11 = demo.find<QLabel>(u"Label11"_s);
        QCOMPARE(label11->text(), u"MusicOriginal"_s);
        QCOMPARE(DemoWindow::texts(list4), (QStringList{u"MusicSwing"_s, u"MusicBigBand"_s}));

        DemoWindow::choose(list4, u"MusicSwing"_s);
        QCOMPARE(label11->text(), u"MusicSwing"_s);
        QCOMPARE(DemoWindow::texts(list4), (QStringList{u"MusicOriginal"_s, u"MusicBigBand"_s}));
        DemoWindow::choose(list4, u"MusicBigBand"_s);
        QCOMPARE(label11->text(), u"MusicBigBand"_s);
        QCOMPARE(DemoWindow::texts(list4), (QStringList{u"MusicOriginal"_s, u"MusicSwing"_s}));
        QVERIFY(demo.game.read("Music/track01.bgm").rfind("DEMO MusicBigBand", 0) == 0);
        QVERIFY(demo.exists("MusicSwing/track02.bgm"));
        QCOMPARE(demo.game.read("Music.ini"), std::string("MusicOriginal\r\nMusicSwing\r\nMusicBigBand\r\n"));

        // A folder that vanished behind the window's back is reported and nothing moves.
        std::filesystem::rename(demo.game.path() / "MusicSwing", demo.game.path() / "Elsewhere");
        const auto before = demo.game.entries();
        DemoWindow::choose(list4, u"MusicSwing"_s);
        QCOMPARE(demo.game.entries(), before);
        QVERIFY2(demo.messages().contains(u"not there any more"_s), qPrintable(demo.messages()));
        QCOMPARE(label11->text(), u"MusicBigBand"_s);
    }
};

QTEST_MAIN(AutoscriptWindowTest)
#include "autoscript_window_test.moc"
