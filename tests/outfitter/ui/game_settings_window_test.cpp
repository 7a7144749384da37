// The six game settings and the free-text view of "eaw.ini" on "General Settings", driven with the
// keyboard and mouse on the demo game, whose "eaw.ini" has a comment after a value, a lower-case key
// and a repeated key. Every save is checked to the byte and for a left-behind "eaw.ink".

#include "skin_window_harness.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <filesystem>

using namespace Qt::StringLiterals;
using skintest::DemoWindow;

namespace {

namespace fs = std::filesystem;

constexpr int kGeneralTab = 0;

std::string replaced(std::string bytes, const std::string& from, const std::string& to) {
    for (auto at = bytes.find(from); at != std::string::npos; at = bytes.find(from, at + to.size()))
        bytes.replace(at, from.size(), to);
    return bytes;
}

void typeAndEnter(DemoWindow& demo, const char* box, const QString& text) {
    auto* edit = demo.find<QLineEdit>(box);
    edit->setFocus();
    edit->setText(text);
    QTest::keyClick(edit, Qt::Key_Return);
}

} // namespace

class GameSettingsWindowTest final : public QObject {
    Q_OBJECT

  private slots:
    void startUpShowsTheSixSettingsAndHidesTheEditor() {
        DemoWindow demo;
        demo.open(kGeneralTab);
        const std::pair<const char*, QString> expected[] = {{"Text5", u"1024"_s}, {"Text6", u"768"_s},
                                                            {"Text4", u"2"_s},    {"Text7", u"15"_s},
                                                            {"Text88", u"8"_s},   {"Text11", u"1"_s}};
        for (const auto& [box, value] : expected)
            QCOMPARE(demo.find<QLineEdit>(box)->text(), value);
        QCOMPARE(demo.find<QGroupBox>("Frame2")->title(), u"User settings"_s);
        QCOMPARE(demo.find<QLabel>("Label32")->text(),
                 u"Current settings:  Press \"Enter\" after changing any value"_s);
        QCOMPARE(demo.find<QPushButton>("IniEdit")->text(),
                 u"Display \"eaw.ini' for inspection or further editing"_s);
        QVERIFY(demo.find<QGroupBox>("Frame21")->isHidden());
        QCOMPARE(demo.messages(), QString());
    }

    void enterWritesTheBoxesIntoTheirLinesAndNothingElse() {
        DemoWindow demo;
        const std::string original = demo.game.read("eaw.ini");
        demo.open(kGeneralTab);

        typeAndEnter(demo, "Text5", u"1280"_s);
        std::string expected = replaced(
            original, "Width=1024 ; the game's menus are drawn for this width\r\n", "Width=1280\r\n");
        QCOMPARE(demo.game.read("eaw.ini"), expected);

        // Both "Month=" lines take the value; "month=" is another key to the game and stays.
        demo.find<QLineEdit>("Text4")->setText(u"3"_s);
        typeAndEnter(demo, "Text88", u"9"_s);
        expected = replaced(replaced(expected, "Month=8\r\n", "Month=9\r\n"), "ExtraSquads=2\r\n",
                            "ExtraSquads=3\r\n");
        QCOMPARE(demo.game.read("eaw.ini"), expected);
        QVERIFY(expected.find("month=3\r\n") != std::string::npos);
        QVERIFY(!demo.exists("eaw.ink"));
        QCOMPARE(demo.messages(), u"eaw.ini: Width=1280 saved\neaw.ini: ExtraSquads=3, Month=9 saved"_s);
        const auto log = demo.form->changeLog().read();
        QVERIFY(log.ok());
        QVERIFY2(log.value.find("eaw.ini Width=1280\r\n") != std::string::npos, log.value.c_str());
        QVERIFY(log.value.find("eaw.ini ExtraSquads=3, Month=9\r\n") != std::string::npos);
    }

    void aValueTheGameCannotReadIsRefusedByNameAndLeavesTheFile() {
        DemoWindow demo;
        const std::string original = demo.game.read("eaw.ini");
        demo.open(kGeneralTab);
        const struct {
            const char* box;
            QString typed;
            QString message;
        } refused[] = {
            {"Text7", u"45"_s, u"eaw.ini not saved: Day \"45\" is not from 1 to 31."_s},
            {"Text88", u"abc"_s, u"eaw.ini not saved: Month \"abc\" is not a whole number."_s},
            {"Text88", u"0"_s, u"eaw.ini not saved: Month \"0\" is not from 1 to 12."_s},
            {"Text5", u"65536"_s, u"eaw.ini not saved: Width \"65536\" is above 65535."_s},
            {"Text6", u"-1"_s, u"eaw.ini not saved: Height \"-1\" is not a whole number."_s},
            {"Text11", u""_s, u"eaw.ini not saved: Planeset \"\" is not a whole number."_s},
        };
        for (const auto& [box, typed, message] : refused) {
            const QString before = demo.find<QLineEdit>(box)->text();
            demo.find<QPlainTextEdit>("messages")->clear();
            typeAndEnter(demo, box, typed);
            QCOMPARE(demo.messages(), message);
            QCOMPARE(demo.game.read("eaw.ini"), original);
            demo.find<QLineEdit>(box)->setText(before);
        }
        QVERIFY(!demo.exists("QIV128/outfitter.log") || demo.form->changeLog().read().value.find("eaw.ini") ==
                                                            std::string::npos);
        demo.find<QPlainTextEdit>("messages")->clear();
        typeAndEnter(demo, "Text88", u"7"_s);
        QCOMPARE(demo.messages(), u"eaw.ini: Month=7 saved"_s);
        QVERIFY(demo.game.read("eaw.ini").find("\r\nMonth=7\r\n") != std::string::npos);
    }

    void theFreeTextViewShowsTheFileAndSavesWhatWasTyped() {
        DemoWindow demo;
        const std::string original = demo.game.read("eaw.ini");
        demo.open(kGeneralTab);
        QTest::mouseClick(demo.find<QPushButton>("IniEdit"), Qt::LeftButton);
        auto* frame21 = demo.find<QGroupBox>("Frame21");
        QVERIFY(frame21->isVisible());
        QCOMPARE(frame21->title(), u"Click to hide"_s);
        auto* text14 = demo.find<QPlainTextEdit>("Text14");
        QCOMPARE(text14->toPlainText(), QString::fromLatin1(replaced(original, "\r\n", "\n")));

        const QString shots = qEnvironmentVariable("EAW_SCREENSHOT_DIR");
        if (!shots.isEmpty())
            QVERIFY(demo.form->grab().save(shots + u"/general-settings.png"_s));

        text14->setPlainText(u"; mine\nWidth=800 wide\nMonth=2"_s);
        auto* inSaver = demo.find<QPushButton>("InSaver");
        QCOMPARE(inSaver->text(), u"Save ini in EAW Directory"_s);
        QTest::mouseClick(inSaver, Qt::LeftButton);
        QCOMPARE(demo.game.read("eaw.ini"), "; mine\r\nWidth=800 wide\r\nMonth=2\r\n");
        QCOMPARE(demo.find<QLineEdit>("Text5")->text(), u"800"_s);
        QCOMPARE(demo.find<QLineEdit>("Text88")->text(), u"2"_s);
        QCOMPARE(demo.find<QLineEdit>("Text7")->text(), u"15"_s); // a key gone from the file keeps its box
        QVERIFY(!demo.exists("eaw.ink"));

        QTest::mouseClick(frame21, Qt::LeftButton, {}, QPoint(frame21->width() - 4, 4));
        QVERIFY(frame21->isHidden());
        // The free text is the player's own: it is saved unchecked, and logged.
        QCOMPARE(demo.messages(), u"eaw.ini saved from the editor"_s);
        QVERIFY(demo.form->changeLog().read().value.find("eaw.ini the whole file from the editor") !=
                std::string::npos);
    }

    void aSaveThatCannotBeWrittenIsReportedAndChangesNothing() {
        DemoWindow demo;
        const std::string original = demo.game.read("eaw.ini");
        demo.game.write("eaw.ink/other.txt", "someone's folder");
        demo.open(kGeneralTab);
        typeAndEnter(demo, "Text5", u"1600"_s);
        QVERIFY2(demo.messages().contains(u"eaw.ini"_s), qPrintable(demo.messages()));
        QCOMPARE(demo.game.read("eaw.ini"), original);

        QTest::mouseClick(demo.find<QPushButton>("IniEdit"), Qt::LeftButton);
        demo.find<QPlainTextEdit>("Text14")->setPlainText(u"Width=1"_s);
        QTest::mouseClick(demo.find<QPushButton>("InSaver"), Qt::LeftButton);
        QCOMPARE(demo.game.read("eaw.ini"), original);
        QCOMPARE(demo.find<QLineEdit>("Text5")->text(), u"1600"_s);
        QCOMPARE(demo.game.read("eaw.ink/other.txt"), "someone's folder");
    }

    void aReadOnlyFileIsSavedAndLeftWritable() {
        DemoWindow demo;
        const auto ini = demo.game.path() / "eaw.ini";
        fs::permissions(ini, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
        demo.open(kGeneralTab);
        typeAndEnter(demo, "Text7", u"1"_s);
        QVERIFY(demo.game.read("eaw.ini").find("\r\nDay=1\r\n") != std::string::npos);
        QVERIFY((fs::status(ini).permissions() & fs::perms::owner_write) != fs::perms::none);
        QCOMPARE(demo.messages(), u"eaw.ini: Day=1 saved"_s);
    }

    void nothingIsSavedWhileTheSetListIsRebuilt() {
        DemoWindow demo;
        const std::string original = demo.game.read("eaw.ini");
        demo.open(kGeneralTab);
        QTest::mouseClick(demo.find<QLabel>("Label33"), Qt::LeftButton); // "Refresh!", row by row
        typeAndEnter(demo, "Text5", u"1600"_s);
        QCOMPARE(demo.game.read("eaw.ini"), original);
        QVERIFY(demo.messages().contains(u"not saved"_s));
        QTRY_VERIFY(demo.find<QPushButton>("Command1")->isEnabled());
        typeAndEnter(demo, "Text5", u"1600"_s);
        QVERIFY(demo.game.read("eaw.ini").find("\r\nWidth=1600\r\n") != std::string::npos);
    }

    void withoutEawIniNothingIsShownOrWritten() {
        DemoWindow demo;
        fs::remove(demo.game.path() / "eaw.ini");
        demo.open(kGeneralTab);
        QCOMPARE(demo.find<QLineEdit>("Text5")->text(), QString());
        typeAndEnter(demo, "Text5", u"800"_s);
        QTest::mouseClick(demo.find<QPushButton>("IniEdit"), Qt::LeftButton);
        QCOMPARE(demo.find<QPlainTextEdit>("Text14")->toPlainText(), QString());
        demo.find<QPlainTextEdit>("Text14")->setPlainText(u"Width=1"_s);
        QTest::mouseClick(demo.find<QPushButton>("InSaver"), Qt::LeftButton);
        QVERIFY(!demo.exists("eaw.ini"));
        QVERIFY(!demo.exists("eaw.ink"));
        QCOMPARE(demo.messages(), QString());
    }
};

QTEST_MAIN(GameSettingsWindowTest)
#include "game_settings_window_test.moc"
