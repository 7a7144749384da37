// The mission builder driven by the keyboard alone on the demo game copied below "Spiele Jörg": the
// page switches, Save/Load with a saved name beyond ASCII, Esc on the panels, FLY! and About.
#include "form1_harness.h"
#include "make_demo_game/demo_game.h"
#include "sortie_test_files.h"
#include "test_support/game_starts.h"
#include "ui_support/message_box.h"

#include <QAccessible>
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

// Starting a program takes Wine seconds.
constexpr int kStartTimeout = 20000;

namespace {

// Focus and a key, as a player who never touches the mouse.
void press(QWidget* widget, Qt::Key key = Qt::Key_Space) {
    QVERIFY(widget);
    widget->setFocus();
    QTest::keyClick(widget, key);
}

// Types text with key events; QTest::keyClicks takes only ASCII.
void type(QWidget* widget, const QString& text) {
    for (const QChar ch : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(ch), Qt::NoModifier);
}

} // namespace

class KeyboardWindowTest final : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<testing::TempFolder> root_;
    std::unique_ptr<testsupport::GameStarts> starts_;
    std::unique_ptr<Form1> form_;
    fs::path game_;

    fs::path wineLog() const { return starts_->record(); }

    Form1* open() {
        Form1* f = testing::openForm1(form_, game_, sortieSettings());
        if (!QTest::qWaitForWindowActive(f))
            qWarning("window not active");
        return f;
    }

  private slots:
    void init() {
        root_ = std::make_unique<testing::TempFolder>();
        game_ = root_->path() / fs::path(u8"Spiele Jörg") / "EAW";
        fs::create_directories(game_);
        const demo::DemoOutcome outcome = demo::writeDemoGame(game_);
        QVERIFY2(outcome.ok(), outcome.refusal.c_str());
        starts_ = std::make_unique<testsupport::GameStarts>(
            game_, std::initializer_list<const char*>{"eaw.exe", "PEVeaw.exe"});
    }
    void cleanup() {
        form_.reset();
        starts_.reset();
        root_.reset();
    }

    void actionLabelsAreFocusableButtonsNamedByTheirCaption() {
        Form1* f = open();
        for (const char* name : {"Label7", "Label12", "Label14", "Label23", "about"}) {
            auto* label = find<QLabel>(f, name);
            QVERIFY2(label, name);
            QCOMPARE(label->focusPolicy(), Qt::StrongFocus);
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(label);
            QVERIFY2(accessible, name);
            QCOMPARE(accessible->role(), QAccessible::Button);
            QCOMPARE(accessible->text(QAccessible::Name), label->text());
        }
    }

    void pageSwitchesAndSaveUnderANonAsciiNameByKeyboard() {
        Form1* f = open();
        press(find<QWidget>(f, "Label12"), Qt::Key_Return);
        QVERIFY(find<QWidget>(f, "Frame4")->isVisible());
        press(find<QWidget>(f, "Label13"), Qt::Key_Enter);
        QVERIFY(find<QWidget>(f, "Frame2")->isVisible());

        press(find<QWidget>(f, "Label7"));
        grabTo(f, "sortie-keyboard-focus.png");
        auto* panel = find<QWidget>(f, "Frame10");
        QVERIFY(panel->isVisible());
        auto* text2 = find<QLineEdit>(f, "Text2");
        text2->setFocus();
        type(text2, u"Übung über Köln"_s);
        QTest::keyClick(text2, Qt::Key_Return);
        const fs::path saved = game_ / "PEV" / "PEVMissions" / fs::path(u8"Übung über Köln.mpf");
        QVERIFY(fs::exists(saved));
        auto* list = find<QListWidget>(f, "File1");
        const auto shown = list->findItems(u"Übung über Köln.mpf"_s, Qt::MatchExactly);
        QCOMPARE(shown.size(), 1);
        // Choosing it back hands the model the same name and shows its path whole.
        list->setCurrentItem(shown.front());
        QCOMPARE(find<QLabel>(f, "Label10")->text(), QString::fromStdU16String(saved.u16string()));
        QVERIFY(messages(f).contains(u"Übung über Köln"_s));

        QTest::keyClick(list, Qt::Key_Escape);
        QVERIFY(!panel->isVisible());
    }

    void flyFromTheKeyboardNamesTheWholeMissionFile() {
        Form1* f = open();
        press(find<QWidget>(f, "Label14"), Qt::Key_Return);
        QTRY_VERIFY_WITH_TIMEOUT(fs::exists(wineLog()), kStartTimeout);
        const fs::path mission = game_ / "SaveData" / "SingMiss.mpf";
        QVERIFY(fs::exists(mission));
        QVERIFY2(messages(f).contains(u"The mission was written to "_s +
                                      QString::fromStdU16String(mission.u16string())),
                 qPrintable(messages(f)));
    }

    void escapeHidesTheLoadoutPanel() {
        Form1* f = open();
        press(find<QWidget>(f, "Label24"));
        auto* panel = find<QWidget>(f, "frameLoadout");
        QVERIFY(panel->isVisible());
        QTest::keyClick(find<QWidget>(f, "LodList"), Qt::Key_Escape);
        QVERIFY(!panel->isVisible());
    }

    void aboutTellsNameVersionAndPurpose() {
        Form1* f = open();
        QVERIFY(!f->windowIcon().isNull());
        uisupport::MessageBox::setNextAnswer(QMessageBox::Ok);
        press(find<QWidget>(f, "about"), Qt::Key_Return);
        const auto& shown = uisupport::MessageBox::lastShown();
        QVERIFY(shown.has_value());
        QCOMPARE(shown->title, u"About sortie"_s);
        QVERIFY(shown->text.contains(QString::fromLatin1(EAW_VERSION)));
        QVERIFY(shown->text.contains(u"single mission"_s));
    }
};

QTEST_MAIN(KeyboardWindowTest)
#include "keyboard_window_tests.moc"
