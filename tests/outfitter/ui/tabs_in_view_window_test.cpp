// The selector's window on the screens players have: a 1366 x 728 work area, 1280 x 720, and
// 1920 x 1080 at scale 1.5 (1280 x 720 of layout room). Every tab shows all its controls without a
// sideways scroll bar, before and after a flight-model set brings the plane-set grid, and the window
// opens at the size its tabs want, wholly within the work area. EAW_TEST_SCREEN ("1280x720") and
// EAW_TEST_SCALE choose the screen; EAW_SCREENSHOT_DIR, when set, receives a picture of each tab.

#include "outfitter/ui/qiv_form.h"

#include "make_demo_game/demo_game.h"

#include "temp_game_folder.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using outfitter::testing::TempGameFolder;

namespace {

QString screenName() {
    const QString size = qEnvironmentVariable("EAW_TEST_SCREEN", u"1280x720"_s);
    const QString scale = qEnvironmentVariable("EAW_TEST_SCALE", u"1"_s);
    return size + u"-"_s + scale;
}

} // namespace

class TabsInViewWindowTest final : public QObject {
    Q_OBJECT

    QTemporaryDir locks_;

    // Each tab in turn: its scroll area needs no sideways scroll bar, and no control lies beyond
    // the area's right edge.
    static QStringList tabsOutOfView(outfitter::QIVForm& form, const QString& when) {
        QStringList faults;
        auto* tabs = form.findChild<QTabWidget*>(u"SSTab1"_s);
        const QString shots = qEnvironmentVariable("EAW_SCREENSHOT_DIR");
        for (int tab = 0; tab < tabs->count(); ++tab) {
            tabs->setCurrentIndex(tab);
            QApplication::processEvents();
            auto* scroll = qobject_cast<QScrollArea*>(tabs->widget(tab));
            if (!scroll || !scroll->widget()) {
                faults << tabs->tabText(tab) + u" has no scroll area"_s;
                continue;
            }
            const QString where = u"%1, tab \"%2\", %3: "_s.arg(screenName(), tabs->tabText(tab), when);
            if (scroll->horizontalScrollBar()->isVisible() ||
                scroll->widget()->width() > scroll->viewport()->width())
                faults << where + u"sideways scroll bar; the tab wants %1 of %2 pixels"_s
                                      .arg(scroll->widget()->minimumSizeHint().width())
                                      .arg(scroll->viewport()->width());
            for (const QWidget* control : scroll->widget()->findChildren<QWidget*>()) {
                if (!control->isVisible() || control->objectName().isEmpty())
                    continue;
                const QRect place(control->mapTo(scroll->viewport(), QPoint(0, 0)), control->size());
                if (place.right() >= scroll->viewport()->width())
                    faults << where + control->objectName() + u" reaches past the right edge"_s;
            }
            if (!shots.isEmpty())
                form.grab().save(u"%1/tab%2-%3-%4.png"_s.arg(shots).arg(tab).arg(screenName(), when));
        }
        return faults;
    }

  private slots:
    void theWindowOpensAtItsTabsSizeWithinTheWorkArea() {
        TempGameFolder game;
        QVERIFY(demo::writeDemoGame(game.path()).ok());
        outfitter::QIVFormOptions options;
        options.endProgram = [] {};
        outfitter::QIVForm form(game.path(), options);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const QRect work = form.screen()->availableGeometry();
        QVERIFY2(work.contains(form.frameGeometry()), qPrintable(u"%1: window %2,%3 %4x%5"_s.arg(screenName())
                                                                     .arg(form.x())
                                                                     .arg(form.y())
                                                                     .arg(form.width())
                                                                     .arg(form.height())));
        // As wide as the widest tab wants, where the work area gives the room.
        auto* tabs = form.findChild<QTabWidget*>(u"SSTab1"_s);
        int widest = 0;
        for (int tab = 0; tab < tabs->count(); ++tab)
            widest = std::max(widest, tabs->widget(tab)->sizeHint().width());
        QTRY_VERIFY(form.width() >= std::min(widest, work.width() - 2 * outfitter::kFrameAllowance));
    }

    void everyTabIsInViewWithAndWithoutAFlightModelSet() {
        TempGameFolder game;
        QVERIFY(demo::writeDemoGame(game.path()).ok());
        outfitter::QIVFormOptions options;
        options.endProgram = [] {};
        outfitter::QIVForm form(game.path(), options);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const QStringList before = tabsOutOfView(form, u"no F set"_s);
        QVERIFY2(before.isEmpty(), qPrintable(before.join(u'\n')));

        form.findChild<QTabWidget*>(u"SSTab1"_s)->setCurrentIndex(1);
        auto* grid = form.findChild<QTableWidget*>(u"Unigrid"_s);
        bool clicked = false;
        for (int r = 0; r < grid->rowCount() && !clicked; ++r)
            if (grid->item(r, 1)->text() == u"F-Fighter Pack"_s) {
                grid->scrollToItem(grid->item(r, 1));
                QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                                  grid->visualItemRect(grid->item(r, 1)).center());
                clicked = true;
            }
        QVERIFY(clicked);
        QVERIFY(!form.findChild<QWidget*>(u"Frame6"_s)->isHidden());
        const QStringList after = tabsOutOfView(form, u"F set loaded"_s);
        QVERIFY2(after.isEmpty(), qPrintable(after.join(u'\n')));
    }
};

int main(int argc, char** argv) {
    // The screen is made before the application, as a player's desktop would be.
    const QString size = qEnvironmentVariable("EAW_TEST_SCREEN", u"1280x720"_s);
    const auto parts = size.split(u'x');
    // In the working folder, named without a folder: the platform's arguments are separated by
    // colons, which a Windows path's drive letter would cut short.
    const QString config = u"eaw-tabs-in-view-%1.json"_s.arg(QCoreApplication::applicationPid());
    {
        QFile file(config);
        if (!file.open(QIODevice::WriteOnly))
            return 1;
        file.write(
            u"{\"screens\": [{\"name\": \"work\", \"x\": 0, \"y\": 0, \"width\": %1, \"height\": %2,"
            " \"logicalDpi\": 96, \"logicalBaseDpi\": 96, \"dpr\": 1}]}"_s.arg(parts.value(0), parts.value(1))
                .toUtf8());
    }
    qputenv("QT_QPA_PLATFORM", (u"offscreen:configfile="_s + config).toUtf8());
    if (qEnvironmentVariableIsSet("EAW_TEST_SCALE"))
        qputenv("QT_SCALE_FACTOR", qgetenv("EAW_TEST_SCALE"));
    QApplication app(argc, argv);
    TabsInViewWindowTest test;
    const int failed = QTest::qExec(&test, argc, argv);
    QFile::remove(config);
    return failed;
}

#include "tabs_in_view_window_test.moc"
