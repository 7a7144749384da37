// Window geometry kept between runs in the user's configuration folder (a temporary one here).
#include "startup/ui/window_geometry.h"

#include "test_support/temp_folder.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QtTest>

#include <fstream>

// Where the user's configuration folder comes from.
#if defined(_WIN32)
constexpr const char* kConfigVariable = "APPDATA";
#else
constexpr const char* kConfigVariable = "XDG_CONFIG_HOME";
#endif

class WindowGeometryTest final : public QObject {
    Q_OBJECT

    std::unique_ptr<testsupport::TempFolder> config_;
    QByteArray oldConfig_ = qgetenv(kConfigVariable);

  private slots:
    void init() {
        config_ = std::make_unique<testsupport::TempFolder>();
        qputenv(kConfigVariable, QByteArray::fromStdString(config_->path().string()));
    }
    void cleanup() {
        qputenv(kConfigVariable, oldConfig_);
        config_.reset();
    }

    void eachProgramHasItsFileInTheSharedConfigurationFolder() {
        QCOMPARE(eaw::startup::windowGeometryFile("sortiex"),
                 config_->path() / "eaw-suite" / "sortiex.geometry");
        QVERIFY(eaw::startup::windowGeometryFile("sortie") != eaw::startup::windowGeometryFile("outfitter"));
    }

    void aClosedWindowComesBackAtItsSizeAndPlace() {
        const auto file = eaw::startup::windowGeometryFile("sortie");
        {
            QWidget first;
            QVERIFY(!eaw::startup::rememberWindowGeometry(first, file));
            first.setGeometry(120, 90, 640, 420);
            first.show();
            QVERIFY(QTest::qWaitForWindowExposed(&first));
            first.close();
        }
        QVERIFY(std::filesystem::exists(file));
        QWidget second;
        QVERIFY(eaw::startup::rememberWindowGeometry(second, file));
        QCOMPARE(second.size(), QSize(640, 420));
        QCOMPARE(second.pos(), QPoint(120, 90));
    }

    void aPlaceReachingPastTheScreenIsNotTakenButAWholeOneIsKeptToThePixel() {
        const auto file = eaw::startup::windowGeometryFile("outfitter");
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        {
            QWidget hanging;
            QVERIFY(!eaw::startup::rememberWindowGeometry(hanging, file));
            // The bottom rows, where a message line sits, lie below the screen.
            hanging.setGeometry(screen.left() + 10, screen.bottom() - 200, 300, 260);
            hanging.show();
            QVERIFY(QTest::qWaitForWindowExposed(&hanging));
            hanging.close();
        }
        QWidget again;
        again.setGeometry(screen.left() + 40, screen.top() + 30, 200, 150);
        QVERIFY(!eaw::startup::rememberWindowGeometry(again, file));
        QCOMPARE(again.geometry(), QRect(screen.left() + 40, screen.top() + 30, 200, 150));

        // Closed and started again many times, a window that fits stays exactly where it was.
        const QRect wanted(screen.left() + 20, screen.top() + 25, 320, 240);
        again.setGeometry(wanted);
        for (int run = 0; run < 3; ++run) {
            again.show();
            QVERIFY(QTest::qWaitForWindowExposed(&again));
            again.close();
            QWidget next;
            QVERIFY(eaw::startup::rememberWindowGeometry(next, file));
            QCOMPARE(next.geometry(), wanted);
        }
    }

    void aDamagedFileIsIgnoredAndReplacedOnClose() {
        const auto file = eaw::startup::windowGeometryFile("outfitter");
        std::filesystem::create_directories(file.parent_path());
        std::ofstream(file) << "not a geometry";
        QWidget window;
        window.resize(500, 300);
        QVERIFY(!eaw::startup::rememberWindowGeometry(window, file));
        QCOMPARE(window.size(), QSize(500, 300));
        window.show();
        window.close();
        QWidget again;
        QVERIFY(eaw::startup::rememberWindowGeometry(again, file));
        QCOMPARE(again.size(), QSize(500, 300));
    }
};

QTEST_MAIN(WindowGeometryTest)
#include "window_geometry_test.moc"
