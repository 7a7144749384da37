// The selector driven by the keyboard alone, and names beyond ASCII shown as the player wrote them, on
// the demo game copied below a folder named "Spiele Jörg".

#include "outfitter/ui/qiv_form.h"

#include "common/problem.h"
#include "make_demo_game/demo_game.h"
#include "test_support/temp_folder.h"
#include "ui_support/message_box.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <filesystem>
#include <memory>

using namespace Qt::StringLiterals;
namespace fs = std::filesystem;

namespace {

template <class T> T* child(const QWidget& form, const QString& name, int index = -1) {
    for (auto* found : form.findChildren<T*>(name))
        if (index < 0 || found->property("index").toInt() == index)
            return found;
    qFatal("no widget %s", qPrintable(name));
}

// "Düppel" and "Jörg" as the file system spells them (UTF-8 here).
const std::string kSet = "W-D\xC3\xBCppel";
const QString kSetShown = u"W-Düppel"_s;

} // namespace

class KeyboardNamesWindowTest final : public QObject {
    Q_OBJECT

    QTemporaryDir locks_;
    std::unique_ptr<testsupport::TempFolder> root_;
    fs::path game_;
    std::unique_ptr<outfitter::QIVForm> form_;

    outfitter::QIVForm& open(int tab) {
        outfitter::QIVFormOptions options;
        options.endProgram = [] {};
        form_ = std::make_unique<outfitter::QIVForm>(game_, options);
        form_->show();
        if (!QTest::qWaitForWindowActive(form_.get()))
            qWarning("window not active");
        child<QTabWidget>(*form_, u"SSTab1"_s)->setCurrentIndex(tab);
        return *form_;
    }
    QTableWidget* grid() const { return child<QTableWidget>(*form_, u"Unigrid"_s); }
    int row(const QString& name) const {
        for (int r = 0; r < grid()->rowCount(); ++r)
            if (grid()->item(r, 1)->text() == name)
                return r;
        return -1;
    }
    std::string ledger() const { return testsupport::slurp(game_ / "QIV128" / "FoldersLoaded.txt"); }

  private slots:
    void init() {
        root_ = std::make_unique<testsupport::TempFolder>();
        game_ = root_->path() / fs::path(u8"Spiele Jörg") / "EAW";
        fs::create_directories(game_);
        const auto outcome = demo::writeDemoGame(game_);
        QVERIFY2(outcome.ok(), outcome.refusal.c_str());
        root_->write(game_ / "QIV128" / common::pathFromText(kSet) / "contents.txt",
                     "Stanniolstreifen gegen das Radar.\r\n");
        root_->write(game_ / "QIV128" / common::pathFromText(kSet) / "duppel.tpc", "chaff");
    }
    void cleanup() {
        form_.reset();
        root_.reset();
    }

    void aSetWithANonAsciiNameLoadsWithSpaceAndIsShownAndStoredAsWritten() {
        auto& form = open(1);
        auto* grid = this->grid();
        const int r = row(kSetShown);
        QVERIFY2(r >= 0, "the set's name is not shown as written");
        grid->setFocus();
        grid->setCurrentCell(r, 1);
        QTest::keyClick(grid, Qt::Key_Space);

        QCOMPARE(grid->item(r, 2)->text(), u"S"_s);
        QVERIFY(fs::exists(game_ / "duppel.tpc"));
        // The ledger keeps the bytes of the folder's own name.
        QVERIFY(ledger().find(kSet + "\r\n") != std::string::npos);
        QVERIFY(child<QLabel>(form, u"Label8"_s)->text().contains(kSetShown));

        // "Reset All" by the keyboard alone unloads it again.
        auto* resetAll = child<QPushButton>(form, u"Command1"_s);
        resetAll->setFocus();
        uisupport::MessageBox::setNextAnswer(QMessageBox::Yes); // the question it asks first
        QTest::keyClick(resetAll, Qt::Key_Space);
        QVERIFY(!fs::exists(game_ / "duppel.tpc"));
        QCOMPARE(grid->item(r, 2)->text(), QString());
    }

    void refreshTakesFocusAndTheGameFolderIsShownWhole() {
        auto& form = open(1);
        auto* refresh = child<QLabel>(form, u"Label33"_s);
        QCOMPARE(refresh->focusPolicy(), Qt::StrongFocus);
        const QString folder = QString::fromStdU16String(game_.u16string());
        QVERIFY(folder.contains(u"Spiele Jörg"_s));
        QCOMPARE(child<QLabel>(form, u"EAWDirLabel"_s)->text(), folder);
        QCOMPARE(child<QLabel>(form, u"Label1"_s)->text(), folder);
    }

    void escapeAnswersTheOverwriteQuestionAsCancel() {
        auto& form = open(3);
        auto* text1 = child<QLineEdit>(form, u"Text1"_s);
        auto* text2 = child<QPlainTextEdit>(form, u"Text2"_s);
        auto* save = child<QPushButton>(form, u"Command7"_s);
        text1->setText(u"Übung"_s);
        text2->setPlainText(kSetShown + u"\n"_s);
        QTest::mouseClick(save, Qt::LeftButton);
        const fs::path script = game_ / "QIV128" / "Autoscripts" / fs::path(u8"Übung.set");
        QCOMPARE(testsupport::slurp(script), kSet + "\r\n\r\n");

        text2->setPlainText(u"G-Cloud Textures\n"_s);
        QTest::mouseClick(save, Qt::LeftButton);
        auto* setWarn = child<QFrame>(form, u"SetWarn"_s);
        QVERIFY(setWarn->isVisible());
        QTest::keyClick(save, Qt::Key_Escape);
        QVERIFY(!setWarn->isVisible());
        QCOMPARE(testsupport::slurp(script), kSet + "\r\n\r\n");
    }

    void theAboutLabelOpensTheAboutBoxFromTheKeyboard() {
        auto& form = open(0);
        QVERIFY(!form.windowIcon().isNull());
        auto* about = child<QLabel>(form, u"about"_s);
        about->setFocus();
        uisupport::MessageBox::setNextAnswer(QMessageBox::Ok);
        QTest::keyClick(about, Qt::Key_Return);
        const auto& shown = uisupport::MessageBox::lastShown();
        QVERIFY(shown.has_value());
        QCOMPARE(shown->title, u"About outfitter"_s);
        QVERIFY(shown->text.contains(QString::fromLatin1(EAW_VERSION)));
        QVERIFY(shown->text.contains(u"add-on sets"_s));
    }
};

QTEST_MAIN(KeyboardNamesWindowTest)
#include "keyboard_names_window_test.moc"
