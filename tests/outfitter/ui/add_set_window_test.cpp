// "Add a set..." on "Complete Sets" with the demo game: an archive chosen or dropped on the set grid
// is proposed in the dialog, unpacked with the window still answering, and shown selected, not loaded;
// a set of the same name is replaced only after a question, and never while it is loaded.

#include "outfitter/ui/add_set_dialog.h"
#include "outfitter/ui/add_set_panel.h"
#include "outfitter/ui/qiv_form.h"
#include "ui_support/message_box.h"

#include "archive_maker.h"
#include "make_demo_game/demo_game.h"

#include "temp_game_folder.h"

#include <QMimeData>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

using namespace Qt::StringLiterals;
using outfitter::testing::TempGameFolder;
namespace fs = std::filesystem;

namespace {

template <class T> T* child(const QWidget& form, const QString& name) {
    auto* found = form.findChild<T*>(name);
    if (!found)
        qFatal("no widget %s", qPrintable(name));
    return found;
}

struct Window {
    explicit Window(const QString& /*lock*/) {
        if (!demo::writeDemoGame(game.path()).ok())
            qFatal("demo game not written");
        outfitter::QIVFormOptions options;
        options.endProgram = [] {};
        form = std::make_unique<outfitter::QIVForm>(game.path(), options);
        form->show();
        child<QTabWidget>(*form, u"SSTab1"_s)->setCurrentIndex(1);
    }
    QTableWidget* grid() const { return child<QTableWidget>(*form, u"Unigrid"_s); }
    QString messages() const { return child<QPlainTextEdit>(*form, u"messages"_s)->toPlainText(); }
    QPushButton* addSet() const { return child<QPushButton>(*form, u"AddSet"_s); }
    bool idle() const { return addSet()->isEnabled(); }
    QString current() const {
        const int row = grid()->currentRow();
        return row < 0 ? QString() : grid()->item(row, 1)->text();
    }
    bool marked(const QString& name) const {
        for (int r = 0; r < grid()->rowCount(); ++r)
            if (grid()->item(r, 1)->text() == name)
                return grid()->item(r, 2)->text() == u"S"_s;
        return false;
    }
    fs::path downloads() const { return fs::path(downloadsDir.path().toStdString()); }

    TempGameFolder game;
    QTemporaryDir downloadsDir;
    std::unique_ptr<outfitter::QIVForm> form;
};

} // namespace

class AddSetWindowTest final : public QObject {
    Q_OBJECT

    QTemporaryDir locks_;
    int lockNumber_ = 0;
    QString lock() { return locks_.filePath(u"lock%1"_s.arg(++lockNumber_)); }

  private slots:
    void anArchiveChosenIsProposedAddedAndShownSelectedNotLoaded() {
        Window window(lock());
        const auto zip = window.downloads() / "desert.zip";
        outfitter::testing::makeArchive(zip, outfitter::testing::ArchiveFormat::Zip,
                                        {outfitter::testing::file("sand.tpc", std::string(300000, 's')),
                                         outfitter::testing::file("raid.msn", "raid")});
        QString proposed;
        outfitter::AddSetDialog::setNextAnswer([&](outfitter::AddSetDialog& dialog) {
            proposed = dialog.name();
            dialog.setName(u"Sahara 1942"_s);
            return dialog.chooseLetter("W");
        });
        outfitter::AddSetPanel::setNextChoice({QString::fromStdString(zip.string())});
        QTest::mouseClick(window.addSet(), Qt::LeftButton);
        QTRY_VERIFY(window.idle());
        QCOMPARE(proposed, u"desert"_s);
        QVERIFY2(window.messages().contains(u"Added W-Sahara 1942 from desert.zip: 2 files, 301 KB"_s),
                 qPrintable(window.messages()));
        QCOMPARE(window.current(), u"W-Sahara 1942"_s);
        QVERIFY(!window.marked(u"W-Sahara 1942"_s));
        QCOMPARE(window.game.read("QIV128/W-Sahara 1942/raid.msn"), std::string("raid"));
        QVERIFY(window.game.read("QIV128/outfitter.log").find("add QIV128/W-Sahara 1942 from desert.zip") !=
                std::string::npos);
    }

    void aDropAsksBeforeReplacingAndALoadedSetIsNeverReplaced() {
        Window window(lock());
        const auto zip = window.downloads() / "haze.zip";
        outfitter::testing::makeArchive(zip, outfitter::testing::ArchiveFormat::Zip,
                                        {outfitter::testing::file("G-Desert Haze/haze.tpc", "new haze")});
        const auto before = window.game.read("QIV128/G-Desert Haze/haze.tpc");
        const auto drop = [&] {
            outfitter::AddSetDialog::setNextAnswer([](outfitter::AddSetDialog&) { return true; });
            QMimeData data;
            data.setUrls({QUrl::fromLocalFile(QString::fromStdString(zip.string()))});
            const QPointF at = window.grid()->viewport()->rect().center();
            QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, {});
            QApplication::sendEvent(window.grid()->viewport(), &enter);
            QDropEvent event(at, Qt::CopyAction, &data, Qt::LeftButton, {});
            QApplication::sendEvent(window.grid()->viewport(), &event);
            QTRY_VERIFY(window.idle());
        };
        uisupport::MessageBox::setNextAnswer(QMessageBox::No);
        drop();
        QVERIFY2(uisupport::MessageBox::lastShown(), qPrintable(window.messages()));
        QVERIFY2(uisupport::MessageBox::lastShown()->text.contains(u"G-Desert Haze"_s),
                 qPrintable(uisupport::MessageBox::lastShown()->text + window.messages()));
        QCOMPARE(window.game.read("QIV128/G-Desert Haze/haze.tpc"), before);

        uisupport::MessageBox::setNextAnswer(QMessageBox::Yes);
        drop();
        QCOMPARE(window.game.read("QIV128/G-Desert Haze/haze.tpc"), std::string("new haze"));

        // Loaded, it is refused without a question.
        const auto* grid = window.grid();
        for (int r = 0; r < grid->rowCount(); ++r)
            if (grid->item(r, 1)->text() == u"G-Desert Haze"_s)
                QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                                  grid->visualItemRect(grid->item(r, 1)).center());
        QVERIFY(window.marked(u"G-Desert Haze"_s));
        drop();
        QVERIFY2(window.messages().contains(u"that set is loaded"_s), qPrintable(window.messages()));
    }
};

QTEST_MAIN(AddSetWindowTest)
#include "add_set_window_test.moc"
