// The mission builder's window at the sizes players' screens give it: every page and action within a
// 1366 x 728 work area, and the option board drawn at any size with its hover places exact.
#include "form1_harness.h"
#include "make_demo_game/demo_game.h"
#include "sortie_test_files.h"

#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QtTest>

#include <memory>

using namespace Qt::StringLiterals;

using namespace sortie;
using sortie::ui::Form1;
using namespace sortie::testing;

namespace {

// The work area of a 1366 x 768 screen less its taskbar, less a window title bar.
constexpr QSize kSmallWorkArea(1366, 728 - 30);

// Whether `widget` lies whole inside the window's visible part, needing no scrolling to reach.
bool reachable(QWidget* window, QWidget* widget) {
    if (!widget || !widget->isVisible())
        return false;
    const QRect inWindow(widget->mapTo(window, QPoint(0, 0)), widget->size());
    auto* scroll = find<QScrollArea>(window, "pageScroll");
    const QRect viewport(scroll->viewport()->mapTo(window, QPoint(0, 0)), scroll->viewport()->size());
    return viewport.contains(inWindow);
}

} // namespace

class WindowFitTest final : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<testing::TempFolder> game_;
    std::unique_ptr<Form1> form_;

    QWidget* board() { return find<QWidget>(form_.get(), "Image2"); }

    Form1* openAt(QSize size, const BuildSettings& settings = sortieSettings()) {
        Form1* f = testing::openForm1(form_, game_->path(), settings);
        f->resize(size);
        QCoreApplication::processEvents();
        return f;
    }

  private slots:
    void init() {
        game_ = std::make_unique<testing::TempFolder>();
        const demo::DemoOutcome outcome = demo::writeDemoGame(game_->path());
        QVERIFY2(outcome.ok(), outcome.refusal.c_str());
    }
    void cleanup() {
        form_.reset();
        game_.reset();
    }

    void everyActionOfBothPagesFitsASmallScreen() {
        Form1* f = openAt(kSmallWorkArea);
        QVERIFY(f->minimumSizeHint().width() <= kSmallWorkArea.width());
        QCOMPARE(f->size(), kSmallWorkArea);
        for (const char* name : {"Image2", "PList", "Label9", "Label12", "Label14", "Label7", "Label30",
                                 "Label23", "Label15", "Label17", "Label24", "Frame1"})
            QVERIFY2(reachable(f, find<QWidget>(f, name)), name);
        QTest::mouseClick(find<QWidget>(f, "Label12"), Qt::LeftButton);
        for (const char* name :
             {"Frame7", "UpDown1", "UpDown2", "TList", "Tg", "Label4", "Label13", "Label16", "Targo", "FL"})
            QVERIFY2(reachable(f, find<QWidget>(f, name)), name);
        grabTo(f, "sortie-map-1366.png");
    }

    void secondBuildScenarioFrameFitsASmallScreen() {
        Form1* f = openAt(kSmallWorkArea, sortiexSettings());
        for (const char* name : {"Frame11", "Label35", "Label33", "Label22"})
            QVERIFY2(reachable(f, find<QWidget>(f, name)), name);
        grabTo(f, "sortiex-scenario-1366.png");
    }

    // No design name and no cut caption on screen, in either build, on either small screen; nothing
    // scrolls sideways.
    void noDesignNamesNorCutCaptionsOnSmallScreens() {
        for (const QSize size : {kSmallWorkArea, QSize(1280, 720)}) {
            const QString at = u"%1x%2"_s.arg(size.width()).arg(size.height());
            Form1* f = openAt(size);
            auto* sideways = find<QScrollArea>(f, "pageScroll")->horizontalScrollBar();
            QTest::mouseClick(find<QWidget>(f, "Label7"), Qt::LeftButton);
            QCOMPARE(find<QLabel>(f, "Label10")->text(), QString());
            QTest::mouseClick(find<QWidget>(f, "Label7"), Qt::LeftButton);
            QTest::mouseClick(find<QWidget>(f, "Label24"), Qt::LeftButton);
            auto* panel = find<QWidget>(f, "frameLoadout");
            for (const char* name : {"Sloc", "Slab"})
                QVERIFY2(!find<QWidget>(panel, name)->isVisible(), name);
            auto* caption = find<QLabel>(panel, "loadoutCaption");
            QVERIFY2(caption->height() >= caption->heightForWidth(caption->width()), qPrintable(at));
            QVERIFY2(!sideways->isVisible(), qPrintable(at));
            grabTo(f, qPrintable(u"sortie-loadout-%1.png"_s.arg(at)));

            f = openAt(size, sortiexSettings());
            sideways = find<QScrollArea>(f, "pageScroll")->horizontalScrollBar();
            QVERIFY2(!sideways->isVisible(), qPrintable(at));
            grabTo(f, qPrintable(u"sortiex-scenario-%1.png"_s.arg(at)));
            QTest::mouseDClick(find<QLabel>(f, "Label35", 0), Qt::LeftButton, {}, QPoint(20, 8));
            QTest::mouseClick(find<QWidget>(f, "Label12"), Qt::LeftButton);
            QVERIFY(find<QWidget>(f, "Frame4")->isVisible());
            QVERIFY2(!sideways->isVisible(), qPrintable(at));
            for (const char* name : {"Label4", "Label13", "Label16"}) {
                auto* label = find<QLabel>(f, name);
                QVERIFY2(label->width() >= label->sizeHint().width(),
                         qPrintable(at + QLatin1Char(' ') + QLatin1String(name)));
                QVERIFY2(reachable(f, label), name);
            }
            grabTo(f, qPrintable(u"sortiex-map-%1.png"_s.arg(at)));
        }
    }

    // At each size the board keeps its shape, and the pointer over the middle of a column and row
    // shows that cell or option row: the places follow the board's own size.
    void boardHoverStaysExactAtAnySize() {
        for (const QSize size : {kSmallWorkArea, QSize(1100, 640), QSize(1920, 1050), QSize(2560, 1400)}) {
            Form1* f = openAt(size);
            QWidget* b = board();
            const QString at = u"%1x%2"_s.arg(size.width()).arg(size.height());
            QVERIFY2(qAbs(b->width() * 9750.0 / 11580.0 - b->height()) <= 1.0, qPrintable(at));
            const double colW = b->width() / 5.0, planeH = b->height() / 8.0, rowH = b->height() / 11.0;
            for (int i = 0; i < kPlaneCellCount; ++i) {
                QTest::mouseMove(b, QPointF((i % 4 + 0.5) * colW, (i / 4 + 0.5) * planeH).toPoint());
                auto* cell = find<QLabel>(f, "Label18", i);
                QVERIFY2(cell->isVisible(), qPrintable(at + u" cell %1"_s.arg(i)));
                QVERIFY2(qAbs(cell->x() - (i % 4 + 0.1) * colW) <= 1.5, qPrintable(at));
            }
            for (int r = 0; r < kBoardRowCount; ++r) {
                QTest::mouseMove(b, QPointF(4.5 * colW, (r + 0.5) * rowH).toPoint());
                QVERIFY2(find<QLabel>(f, "Label21", r)->isVisible(), qPrintable(at + u" row %1"_s.arg(r)));
            }
            // The dead border is 200 twips of the board: a tenth of a column in from the left edge.
            QTest::mouseMove(b, QPointF(colW * 0.05, planeH * 0.5).toPoint());
            QVERIFY(!find<QLabel>(f, "Label18", 0)->isVisible());
        }
    }

    // A larger window gives the board and the map more room, not empty margins.
    void largerScreensGrowTheBoardAndTheMap() {
        Form1* f = openAt(kSmallWorkArea);
        const QSize smallBoard = board()->size();
        QTest::mouseClick(find<QWidget>(f, "Label12"), Qt::LeftButton);
        const QSize smallMap = find<QWidget>(f, "Frame7")->size();
        f->resize(2560, 1400);
        QCoreApplication::processEvents();
        QVERIFY(find<QWidget>(f, "Frame7")->width() > smallMap.width() + 600);
        QTest::mouseClick(find<QWidget>(f, "Label13"), Qt::LeftButton);
        QVERIFY(board()->width() > smallBoard.width() * 3 / 2);
    }
};

QTEST_MAIN(WindowFitTest)
#include "window_fit_window_tests.moc"
