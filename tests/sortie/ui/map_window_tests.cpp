// The target map page on the demo game folder: the map built on the first visit, names under the
// pointer and picks at any scroll position, scrolling by arrows, bars, dragging and the wheel, the
// front-line buttons, failures in the message line, and --render-map's picture.
#include "form1_harness.h"
#include "make_demo_game/demo_game.h"
#include "make_demo_game/targets.h"
#include "sortie_test_files.h"

#include "sortie/ui/map_image.h"
#include "sortie/ui/map_page.h"
#include "sortie/ui/map_render.h"
#include "sortie/ui/map_view.h"

#include <QAbstractButton>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QScrollBar>
#include <QToolButton>
#include <QtTest>

#include <memory>

using namespace Qt::StringLiterals;

using namespace sortie;
using sortie::ui::Form1;
using namespace sortie::testing;
namespace fs = std::filesystem;

namespace {

// The record whose name shows with the pointer at (x, y): the last one within 2 units.
int expectedRecord(double x, double y) {
    int found = -1;
    const auto& list = demo::targets();
    for (std::size_t k = 0; k < list.size(); ++k)
        if (std::abs(list[k].mapX - x) <= 2 && std::abs(list[k].mapY - y) <= 2)
            found = static_cast<int>(k);
    return found;
}

void sendMouse(QWidget* w, QEvent::Type type, QPoint pos, Qt::MouseButton button, Qt::MouseButtons buttons) {
    QMouseEvent event(type, QPointF(pos), w->mapToGlobal(QPointF(pos)), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}

} // namespace

class MapWindowTest final : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<testing::TempFolder> game_;
    std::unique_ptr<Form1> form_;

    Form1* open() { return testing::openForm1(form_, game_->path(), sortieSettings()); }
    ui::MapPage* page() { return find<ui::MapPage>(form_.get(), "Frame4"); }
    ui::MapImage* image() { return find<ui::MapImage>(form_.get(), "MyImage"); }
    QLabel* targetLabel() { return find<QLabel>(form_.get(), "TargetLabel"); }
    QWidget* frame7() { return find<QWidget>(form_.get(), "Frame7"); }

    void showMapPage() {
        QTest::mouseClick(find<QWidget>(form_.get(), "Label12"), Qt::LeftButton);
        QVERIFY(page()->isVisible());
    }
    // Scrolls map position (x, y) into the frame, each time to another place of the screen: a pointer
    // that has not moved on the screen sends no move event.
    QPoint reveal(int x, int y) {
        shift_ = (shift_ + 37) % 200;
        page()->mapView()->setPictureOffset(
            {frame7()->width() / 3 + shift_ - x, frame7()->height() / 3 + shift_ - y});
        return {x, y};
    }
    int shift_ = 0;

  private slots:
    void init() {
        game_ = std::make_unique<testing::TempFolder>();
        QVERIFY(demo::writeDemoGame(game_->path()).ok());
    }
    void cleanup() {
        form_.reset();
        game_.reset();
    }

    void startUpBuildsTheMapOnceWithTheFirstFrontLineAndTheLegend() {
        Form1* f = open();
        const TheatreMap& map = f->model().map().theatreMap();
        QVERIFY(map.ready());
        QCOMPARE(map.frontLineGrid().set, 0);
        QVERIFY(map.frontLineGrid().end >= 2);
        QCOMPARE(messages(f), QString());
        QCOMPARE(find<QLabel>(f, "Label4")->text(), u"Make a new map"_s);
        QCOMPARE(find<QLabel>(f, "Label6", 0)->text(), u"Airfields (bases)"_s);
        const demo::Target& tangmere = demo::targets()[95];
        QCOMPARE(map.picture().at(tangmere.mapX, tangmere.mapY), kAirfieldColour);
        QCOMPARE(f->model().mission().lists().targetGrid.rows[95][kTgMapXColumn],
                 std::to_string(tangmere.mapX));

        // A later visit keeps the front line last chosen.
        find<QAbstractButton>(f, "FL", 1)->click();
        QCOMPARE(map.frontLineGrid().set, 12);
        QTest::mouseClick(find<QWidget>(f, "Label13"), Qt::LeftButton);
        showMapPage();
        QCOMPARE(map.frontLineGrid().set, 12);
        QVERIFY(checked(f, 1));
        testing::grabTo(f, "sortie-map.png");
    }

    // The chosen target and home base are ringed in the legend's colours with their names, whether
    // they came from start-up, the target list, a saved mission or a restore.
    void theMapShowsTheChosenTargetAndHomeBase() {
        Form1* f = open();
        showMapPage();
        const auto ringAt = [this](int record) -> const ui::MapRing* {
            const demo::Target& t = demo::targets()[static_cast<std::size_t>(record)];
            for (const ui::MapRing& ring : image()->rings())
                if (ring.at == QPoint(t.mapX, t.mapY) && ring.name == QString::fromStdString(t.name))
                    return &ring;
            return nullptr;
        };
        QCOMPARE(image()->rings().size(), 2);
        QVERIFY(ringAt(127) && ringAt(127)->colour == QColor(0, 0, 0xFF));
        QVERIFY(ringAt(95) && ringAt(95)->colour == QColor(0xFF, 0, 0));
        // Drawn on screen: the ring's right edge, nine pixels from the marker.
        const demo::Target& boulogne = demo::targets()[127];
        const QPoint at = reveal(boulogne.mapX, boulogne.mapY);
        QCOMPARE(image()->grab().toImage().pixelColor(at + QPoint(9, 0)), QColor(0, 0, 0xFF));
        testing::grabTo(f, "sortie-map-chosen.png");

        find<QAbstractButton>(f, "Targo", 0)->click();
        chooseEntry(find<QListWidget>(f, "TList"), 12);
        QVERIFY(ringAt(12) && !ringAt(127));

        QTest::mouseClick(find<QWidget>(f, "Label13"), Qt::LeftButton);
        QTest::mouseClick(find<QWidget>(f, "Label30"), Qt::LeftButton); // no stored choices yet
        QVERIFY(ringAt(12));
        QTest::mouseClick(find<QWidget>(f, "Label7"), Qt::LeftButton);
        auto* file1 = find<QListWidget>(f, "File1");
        file1->setCurrentRow(0);
        QTest::mouseClick(find<QWidget>(f, "Command2"), Qt::LeftButton);
        const int loadedTarget = std::stoi(f->model().choices().targetAndBase[0]);
        QVERIFY(ringAt(loadedTarget));
        QVERIFY(ringAt(std::stoi(f->model().choices().targetAndBase[1])));
    }

    void makeANewMapSaysWhatItBuiltAndHowLong() {
        Form1* f = open();
        showMapPage();
        QTest::mouseClick(find<QWidget>(f, "Label4"), Qt::LeftButton);
        const QString shown = messages(f);
        QVERIFY2(shown.contains(u"A new map was made: "_s), qPrintable(shown));
        QVERIFY(
            shown.contains(QRegularExpression(u"\\d+ land tiles and \\d+ target markers in [0-9.]+ s"_s)));
        QCOMPARE(find<QLabel>(f, "Label4")->text(), u"Make a new map"_s);
        QCOMPARE(image()->rings().size(), 2);
    }

    void namesAndPicksFollowThePointerAtAnyScrollPosition() {
        Form1* f = open();
        showMapPage();
        find<QAbstractButton>(f, "Targo", 0)->click();
        const demo::Target& boulogne = demo::targets()[127];
        const QPoint at = reveal(boulogne.mapX + 1, boulogne.mapY - 2);
        QVERIFY(image()->pos() != QPoint(0, 0));
        QTest::mouseMove(image(), at);
        const int shown = expectedRecord(at.x(), at.y());
        QVERIFY(shown >= 0);
        QVERIFY(targetLabel()->isVisible());
        QCOMPARE(targetLabel()->text(),
                 QString::fromStdString(demo::targets()[static_cast<std::size_t>(shown)].name));
        QCOMPARE(targetLabel()->pos(), at + QPoint(5, 0));
        QTest::mouseClick(image(), Qt::LeftButton, {}, at);
        QCOMPARE(find<QLineEdit>(f, "Text6", 0)->text(), QString::number(shown));
        QCOMPARE(find<QLabel>(f, "Label2", 0)->text(), targetLabel()->text());
        QVERIFY(find<QAbstractButton>(f, "Targo", 1)->isChecked());
        // The summary says so at once, without another choice to rebuild it.
        QVERIFY(find<QLabel>(f, "Label9")->text().contains(u"\nTarget: "_s + targetLabel()->text()));

        // A target is refused as home base; an airfield is taken and the pick turns back to target.
        const int base = 95;
        const demo::Target& tangmere = demo::targets()[base];
        QTest::mouseMove(image(), reveal(tangmere.mapX, tangmere.mapY + 2));
        QCOMPARE(f->model().map().theatreMap().hoveredRow(),
                 expectedRecord(tangmere.mapX, tangmere.mapY + 2) + 1);
        QTest::mouseClick(image(), Qt::LeftButton, {}, QPoint(tangmere.mapX, tangmere.mapY + 2));
        QCOMPARE(find<QLineEdit>(f, "Text6", 1)->text(),
                 QString::number(expectedRecord(tangmere.mapX, tangmere.mapY + 2)));
        QVERIFY(find<QAbstractButton>(f, "Targo", 0)->isChecked());

        // 2.5 units away there is no name, and the click picks nothing.
        QTest::mouseMove(image(), reveal(100, 1275));
        QVERIFY(!targetLabel()->isVisible());
        QTest::mouseClick(image(), Qt::LeftButton, {}, QPoint(100, 1275));
        QCOMPARE(find<QLineEdit>(f, "Text6", 0)->text(), QString::number(shown));

        page()->setPointerEnabled(false);
        QTest::mouseMove(image(), reveal(boulogne.mapX, boulogne.mapY));
        QVERIFY(!targetLabel()->isVisible());
        page()->setPointerEnabled(true);
        QTest::mouseMove(image(), QPoint(boulogne.mapX, boulogne.mapY) + QPoint(1, 0));
        QVERIFY(targetLabel()->isVisible());
    }

    void arrowsBarsDragAndWheelMoveThePictureWithinItsFrame() {
        Form1* f = open();
        showMapPage();
        auto* down = find<QToolButton>(find<QWidget>(f, "UpDown1"), "towardsEnd");
        auto* up = find<QToolButton>(find<QWidget>(f, "UpDown1"), "towardsStart");
        auto* right = find<QToolButton>(find<QWidget>(f, "UpDown2"), "towardsEnd");
        auto* left = find<QToolButton>(find<QWidget>(f, "UpDown2"), "towardsStart");
        const int step = 68; // 1024 twips
        down->click();
        QCOMPARE(image()->pos(), QPoint(0, -step));
        for (int i = 0; i < 40; ++i)
            down->click();
        QCOMPARE(image()->y(), frame7()->height() - image()->height());
        QCOMPARE(find<QScrollBar>(f, "MapScrollY")->value(), image()->height() - frame7()->height());
        up->click();
        QCOMPARE(image()->y(), frame7()->height() - image()->height() + step);
        right->click();
        right->click();
        QCOMPARE(image()->x(), -2 * step);
        left->click();
        left->click();
        left->click();
        QCOMPARE(image()->x(), 0);

        find<QScrollBar>(f, "MapScrollX")->setValue(500);
        QCOMPARE(image()->x(), -500);

        // Dragging moves the picture with the pointer and picks nothing.
        const QString before = find<QLineEdit>(f, "Text6", 1)->text();
        const QPoint from(600, 700);
        sendMouse(image(), QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
        sendMouse(image(), QEvent::MouseMove, from + QPoint(30, -20), Qt::NoButton, Qt::LeftButton);
        QCOMPARE(image()->pos(), QPoint(-470, frame7()->height() - image()->height() + step - 20));
        sendMouse(image(), QEvent::MouseButtonRelease, from + QPoint(60, -20), Qt::LeftButton, Qt::NoButton);
        QCOMPARE(find<QLineEdit>(f, "Text6", 1)->text(), before);

        QWheelEvent wheel(QPointF(10, 10), image()->mapToGlobal(QPointF(10, 10)), QPoint(), QPoint(0, 120),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        const int y = image()->y();
        QApplication::sendEvent(image(), &wheel);
        QCOMPARE(image()->y(), y + step);
    }

    void missingFilesAreReportedAndLeaveTheCaptionAndMapSafe() {
        fs::remove(game_->path() / "frntline.dat");
        Form1* f = open();
        QVERIFY(f->model().map().theatreMap().ready());
        QVERIFY(messages(f).contains(u"frntline.dat"_s));

        fs::remove(game_->path() / "eaw.tm");
        QTest::mouseClick(find<QWidget>(f, "Label4"), Qt::LeftButton);
        QCOMPARE(find<QLabel>(f, "Label4")->text(), u"Make a new map"_s);
        QVERIFY(!f->model().map().theatreMap().ready());
        QVERIFY(messages(f).contains(u"The map cannot be drawn"_s));
        const demo::Target& boulogne = demo::targets()[127];
        showMapPage();
        QTest::mouseMove(image(), reveal(boulogne.mapX, boulogne.mapY));
        QVERIFY(!targetLabel()->isVisible());
    }

    void renderMapWritesThePictureTheMapPageShows() {
        Form1* f = open();
        const fs::path file = game_->path() / "map.png";
        QCOMPARE(ui::renderMap(game_->path(), sortieSettings(), file), std::optional<std::string>());
        QImage png(QString::fromStdString(file.string()));
        QCOMPARE(png.size(), QSize(2560, 1280));
        QCOMPARE(png.convertToFormat(QImage::Format_RGB32),
                 ui::toImage(f->model().map().theatreMap().picture()));

        fs::remove(game_->path() / "eaw.tm");
        const auto reason = ui::renderMap(game_->path(), sortieSettings(), file);
        QVERIFY(reason && reason->find("eaw.tm") != std::string::npos);
        QVERIFY(QImage(QString::fromStdString(file.string())).size() == QSize(2560, 1280));
    }

  private:
    static bool checked(QWidget* root, int fl) {
        auto* button = find<QAbstractButton>(root, "FL", fl);
        return button && button->isChecked();
    }
};

QTEST_MAIN(MapWindowTest)
#include "map_window_tests.moc"
