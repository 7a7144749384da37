// The selector's window on a desktop scaled by two: the window asks no more room than a 1080p
// screen at that scale gives (960 x 540 less a taskbar), and the natural resolution is the
// screen's own pixels, not the scaled size.

#include "outfitter/ui/qiv_form.h"

#include "make_demo_game/demo_game.h"

#include "temp_game_folder.h"

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using outfitter::testing::TempGameFolder;

class ScaledScreenWindowTest final : public QObject {
    Q_OBJECT

    QTemporaryDir locks_;

  private slots:
    void windowFitsAHalvedScreenAndShowsDevicePixels() {
        TempGameFolder game;
        QVERIFY(demo::writeDemoGame(game.path()).ok());
        outfitter::QIVFormOptions options;
        outfitter::QIVForm form(game.path(), options);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));

        const QSize minimum = form.minimumSizeHint().expandedTo(form.minimumSize());
        QVERIFY2(minimum.width() <= 960 && minimum.height() <= 500,
                 qPrintable(u"%1 x %2"_s.arg(minimum.width()).arg(minimum.height())));
        QVERIFY(form.width() <= form.screen()->availableGeometry().width());

        const QScreen* screen = QGuiApplication::primaryScreen();
        QCOMPARE(screen->devicePixelRatio(), 2.0);
        QStringList shown;
        for (int index : {0, 1})
            for (auto* label : form.findChildren<QLabel*>(u"Label18"_s))
                if (label->property("index").toInt() == index)
                    shown << label->text();
        QCOMPARE(shown, (QStringList{QString::number(screen->size().width() * 2),
                                     QString::number(screen->size().height() * 2)}));
    }
};

int main(int argc, char** argv) {
    // Before the application exists, as a player's desktop setting would be.
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    ScaledScreenWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "scaled_screen_window_test.moc"
