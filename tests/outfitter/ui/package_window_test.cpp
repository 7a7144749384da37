// The package area of "Complete Sets" on the demo game: choosing a package and its items, loading it
// with and without a reset first, posting its name and the online client's autoload.

#include "package_window_harness.h"
#include <algorithm>

#include "outfitter/sets/package_items.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPushButton>

using namespace package_test;

class PackageWindowTest final : public QObject {
    Q_OBJECT

    QTemporaryDir locks_;
    int lockNumber_ = 0;
    QString lockPath() { return locks_.filePath(u"outfitter-%1.lock"_s.arg(++lockNumber_)); }

    static void hover(QLabel* label) {
        QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), label->mapToGlobal(QPointF(5, 5)), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(label, &move);
    }

  private slots:
    void choosingAPackageShowsItsItemsDescriptionAndPicture() {
        DemoWindow demo(lockPath());
        demo.open(1);
        auto* gupc = demo.find<QListWidget>(u"GUPC"_s);
        auto* list9 = demo.find<QListWidget>(u"List9"_s);
        auto* label51 = demo.find<QLabel>(u"Label51"_s);
        auto* image4 = demo.find<QLabel>(u"Image4"_s);
        QVERIFY(DemoWindow::texts(gupc).contains(u"Desert War.set"_s));
        const QImage newpic = image4->pixmap().toImage();
        QVERIFY(!newpic.isNull());

        DemoWindow::choose(gupc, u"Desert War.set"_s);
        QCOMPARE(
            DemoWindow::texts(list9),
            (QStringList{u"North Africa in 1941 and 1942."_s, u"Sand and sun and Tomahawks."_s, u"*****"_s,
                         u"W-Desert Air War"_s, u"S-Desert Camouflage"_s, u"N-Cannon Sounds"_s}));
        QCOMPARE(label51->text(), u"North Africa in 1941 and 1942.\nSand and sun and Tomahawks."_s);
        const QImage desert = image4->pixmap().toImage();
        QVERIFY(!desert.isNull() && desert != newpic);

        // Full paths and quotes are read down to the folder names.
        DemoWindow::choose(gupc, u"Full Paths.set"_s);
        QCOMPARE(DemoWindow::texts(list9),
                 (QStringList{u"B-Spitfire Mainscreen"_s, u"T-WINTER terrain"_s, u"N-Merlin Engine Sounds"_s,
                              u"Q-Channel Strike Missions"_s}));
        QCOMPARE(label51->text(), QString());

        // An item shows its own set's description; one naming no set folder says so.
        DemoWindow::choose(list9, u"Q-Channel Strike Missions"_s);
        QCOMPARE(label51->text(), u"Two single missions against the Channel ports."_s);
        QVERIFY(!image4->pixmap().toImage().isNull());
        DemoWindow::choose(gupc, u"Fighter Pilots.set"_s);
        QCOMPARE(image4->pixmap().toImage(), newpic);
        DemoWindow::choose(list9, u"Hurricane I 303 Sqn"_s);
        QVERIFY(image4->pixmap().isNull());
        QVERIFY2(demo.messages().contains(u"\"Hurricane I 303 Sqn\""_s), qPrintable(demo.messages()));
    }

    void loadingAPackageReplacesWithinACategoryAndCanResetFirstAndPostItsName() {
        DemoWindow demo(lockPath());
        demo.open(1);
        auto* gupc = demo.find<QListWidget>(u"GUPC"_s);
        auto* loadQ = demo.find<QPushButton>(u"LoadQ"_s);
        QCOMPARE(demo.marked(), (QStringList{u"W-Battle of Britain 1940"_s, u"G-Cloud Textures"_s}));

        DemoWindow::choose(gupc, u"Weather Swap.set"_s);
        QTest::mouseClick(loadQ, Qt::LeftButton);
        QCOMPARE(demo.marked(),
                 (QStringList{u"W-Desert Air War"_s, u"G-Cloud Textures"_s, u"G-Explosion Effects"_s}));
        QVERIFY(demo.exists("SaveData/Tobruk.msn"));
        QVERIFY(!demo.exists("SaveData/EagleDay.msn"));
        QCOMPARE(demo.ledger(),
                 std::string("W-Desert Air War\r\nG-Cloud Textures\r\nG-Explosion Effects\r\n\r\n"));
        QCOMPARE(demo.find<QPlainTextEdit>(u"Text2"_s)->toPlainText(),
                 u"W-Desert Air War\nG-Cloud Textures\nG-Explosion Effects\n"_s);

        // Reset first: only the package's own sets stay; its name goes on the clipboard.
        QGuiApplication::clipboard()->setText(u"something else"_s);
        demo.find<QCheckBox>(u"Check1"_s)->setChecked(true);
        demo.find<QCheckBox>(u"Check2"_s)->setChecked(true);
        DemoWindow::choose(gupc, u"Full Paths.set"_s);
        QTest::mouseClick(loadQ, Qt::LeftButton);
        QCOMPARE(demo.marked(), (QStringList{u"Q-Channel Strike Missions"_s, u"T-Winter Terrain"_s,
                                             u"N-Merlin Engine Sounds"_s, u"B-Spitfire Mainscreen"_s}));
        QVERIFY(!demo.exists("sand.pal"));
        QCOMPARE(QGuiApplication::clipboard()->text(), u"Full Paths.set"_s);
        QVERIFY2(!demo.messages().contains(u"no set, skin or plane set"_s), qPrintable(demo.messages()));
    }

    void theAutoloadLoadsThePackageTheClipboardNamesAndAlwaysClearsTheClipboard() {
        DemoWindow demo(lockPath());
        demo.open(1);
        auto* label29 = demo.find<QLabel>(u"Label29"_s);
        auto* clipboard = QGuiApplication::clipboard();

        clipboard->setText(u"No Such Package.set"_s);
        hover(label29);
        QCOMPARE(label29->text(), u"Online client AutoLoad area"_s);
        QCOMPARE(clipboard->text(), QString());
        QCOMPARE(demo.marked(), (QStringList{u"W-Battle of Britain 1940"_s, u"G-Cloud Textures"_s}));

        clipboard->setText(u"Desert War.set"_s);
        hover(label29);
        QCOMPARE(label29->text(), u"Loading Desert War.set"_s);
        QCOMPARE(demo.find<QListWidget>(u"GUPC"_s)->currentItem()->text(), u"Desert War.set"_s);
        QCOMPARE(demo.marked(), (QStringList{u"W-Desert Air War"_s, u"N-Cannon Sounds"_s,
                                             u"S-Desert Camouflage"_s, u"G-Cloud Textures"_s}));
        QCOMPARE(clipboard->text(), QString());
        // The next pass over the label, with nothing on the clipboard, brings the hint back.
        hover(label29);
        QCOMPARE(label29->text(), u"Online client AutoLoad area"_s);

        // While posting online the label leaves the clipboard alone.
        demo.find<QCheckBox>(u"Check2"_s)->setChecked(true);
        clipboard->setText(u"Weather Swap.set"_s);
        hover(label29);
        QCOMPARE(clipboard->text(), u"Weather Swap.set"_s);
        QCOMPARE(demo.find<QListWidget>(u"GUPC"_s)->currentItem()->text(), u"Desert War.set"_s);
    }

    void aPackageInstallsItsSkinsAndTheAircraftOfItsFlightModelSet() {
        DemoWindow demo(lockPath());
        auto& form = demo.open(1);
        DemoWindow::choose(demo.find<QListWidget>(u"GUPC"_s), u"Fighter Pilots.set"_s);
        QTest::mouseClick(demo.find<QPushButton>(u"LoadQ"_s), Qt::LeftButton);

        QVERIFY(demo.marked().contains(u"F-Fighter Pack"_s));
        QVERIFY(form.browser().planeSetsShown());
        const auto installedSkins = form.skins().installedNames();
        QVERIFY(std::find(installedSkins.begin(), installedSkins.end(), "Hurricane I 303 Sqn") !=
                installedSkins.end());
        QVERIFY(std::find(installedSkins.begin(), installedSkins.end(), "Spitfire IX 92 Sqn") !=
                installedSkins.end());
        const auto planes = form.planeSets().markedFolders();
        QCOMPARE(planes, (std::vector<std::string>{"P-Spitfire IXc"}));
        // The ledger names all three kinds, so the next start marks them again.
        const auto ledger = demo.ledger();
        for (const char* name :
             {"F-Fighter Pack", "Hurricane I 303 Sqn", "Spitfire IX 92 Sqn", "P-Spitfire IXc"})
            QVERIFY2(ledger.find(name) != std::string::npos, name);
        QVERIFY2(!demo.messages().contains(u"no set, skin or plane set"_s), qPrintable(demo.messages()));
    }
};

QTEST_MAIN(PackageWindowTest)
#include "package_window_test.moc"
