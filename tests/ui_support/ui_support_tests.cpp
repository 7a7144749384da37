// The shared window pieces: what the clickable label answers to, and how names, game text and
// messages become Qt text and back.
#include "ui_support/click_label.h"
#include "ui_support/name_items.h"
#include "ui_support/qt_text.h"

#include <QSignalSpy>
#include <QtTest>

#include <filesystem>

class UiSupportTest final : public QObject {
    Q_OBJECT

  private slots:
    void theLabelClicksOnEnterReturnSpaceAndALeftReleaseOnly() {
        uisupport::ClickLabel label(QStringLiteral("Label7"), QStringLiteral("Save/Load"), nullptr, 2);
        QCOMPARE(label.property("index").toInt(), 2);
        label.resize(80, 20);
        QSignalSpy clicks(&label, &uisupport::ClickLabel::clicked);
        QSignalSpy releases(&label, &uisupport::ClickLabel::released);
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space})
            QTest::keyClick(&label, key);
        QCOMPARE(clicks.size(), 3);
        QCOMPARE(releases.size(), 3);
        QCOMPARE(releases.first().first().value<Qt::MouseButton>(), Qt::LeftButton);
        // A held key repeats: still one click.
        QTest::sendKeyEvent(QTest::Press, &label, Qt::Key_Space, QStringLiteral(" "), Qt::NoModifier);
        QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), true);
        QCoreApplication::sendEvent(&label, &repeat);
        QCOMPARE(clicks.size(), 4);
        QTest::keyClick(&label, Qt::Key_A);
        QCOMPARE(clicks.size(), 4);

        QTest::mouseClick(&label, Qt::RightButton);
        QCOMPARE(clicks.size(), 4);
        QCOMPARE(releases.last().first().value<Qt::MouseButton>(), Qt::RightButton);
        QTest::mouseClick(&label, Qt::LeftButton);
        QCOMPARE(clicks.size(), 5);
        // Pressed inside, let go outside: no click, as with a button.
        QTest::mousePress(&label, Qt::LeftButton);
        QTest::mouseRelease(&label, Qt::LeftButton, {}, QPoint(200, 200));
        QCOMPARE(clicks.size(), 5);
    }

    void pathsAreShownWholeAndNativeWithoutATrailingSeparator() {
        const std::filesystem::path folder(u8"/home/j/Spiele Jörg/EAW/");
        QCOMPARE(uisupport::fromPath(folder),
                 QDir::toNativeSeparators(QStringLiteral("/home/j/Spiele Jörg/EAW")));
        QCOMPARE(uisupport::fromPath(std::filesystem::path("/")),
                 QDir::toNativeSeparators(QStringLiteral("/")));
        const common::Problem problem{folder / "eaw.ini", "writing", "Permission denied"};
        QCOMPARE(uisupport::fromProblem(problem),
                 QStringLiteral("writing ") +
                     QDir::toNativeSeparators(QStringLiteral("/home/j/Spiele Jörg/EAW/eaw.ini")) +
                     QStringLiteral(": Permission denied"));
    }

    void namesAreNotLatin1ButGameTextIs() {
        QCOMPARE(uisupport::fromNameBytes("W-D\xC3\xBCppel"), QStringLiteral("W-Düppel"));
        QCOMPARE(uisupport::toNameBytes(QStringLiteral("W-Düppel")), std::string("W-D\xC3\xBCppel"));
        QCOMPARE(uisupport::fromGameBytes("D\xFC"), QStringLiteral("Dü"));
        QCOMPARE(uisupport::toGameBytes(QStringLiteral("Dü")), std::string("D\xFC"));
        QCOMPARE(uisupport::fromGameLines("a\r\nb\rc\r\n"), QStringLiteral("a\nb\nc"));
        // A message holding a name reads as UTF-8; one quoting Latin-1 game text stays readable.
        QCOMPARE(uisupport::fromMessage("saved as \"\xC3\x9C"
                                        "bung\""),
                 QStringLiteral("saved as \"Übung\""));
        QCOMPARE(uisupport::fromMessage("No picture for \"M\xFC"
                                        "nchen\""),
                 QStringLiteral("No picture for \"München\""));
    }

    void aNameTheEncodingCannotShowStillGoesBackUnchanged() {
        const std::string latin1Name = "W-D\xFCppel"; // a folder made under another encoding
        QVERIFY(!uisupport::fromName(std::filesystem::path(latin1Name)).isEmpty());
        QListWidget list;
        auto* item = uisupport::addNameItem(&list, latin1Name);
        QVERIFY(item->text().startsWith(QStringLiteral("W-D")));
        QCOMPARE(uisupport::nameBytes(item), latin1Name);
        QListWidgetItem typed(QStringLiteral("Übung"));
        QCOMPARE(uisupport::nameBytes(&typed), std::string("\xC3\x9C"
                                                           "bung"));
        QCOMPARE(uisupport::toName(QStringLiteral("Übung")), std::filesystem::path(u8"Übung"));
    }
};

QTEST_MAIN(UiSupportTest)
#include "ui_support_tests.moc"
