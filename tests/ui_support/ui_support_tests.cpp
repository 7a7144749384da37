// The shared window pieces: what the clickable label answers to, and how names, game text and
// messages become Qt text and back.
#include "ui_support/click_label.h"
#include "ui_support/name_items.h"
#include "ui_support/qt_text.h"

#include <QSignalSpy>
#include <QtTest>

#include <filesystem>

using namespace Qt::StringLiterals;

class UiSupportTest final : public QObject {
    Q_OBJECT

  private slots:
    void theLabelClicksOnEnterReturnSpaceAndALeftReleaseOnly() {
        uisupport::ClickLabel label(u"Label7"_s, u"Save/Load"_s, nullptr, 2);
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
        QTest::sendKeyEvent(QTest::Press, &label, Qt::Key_Space, u" "_s, Qt::NoModifier);
        QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, u" "_s, true);
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
        QCOMPARE(uisupport::fromPath(folder), QDir::toNativeSeparators(u"/home/j/Spiele Jörg/EAW"_s));
        QCOMPARE(uisupport::fromPath(std::filesystem::path("/")), QDir::toNativeSeparators(u"/"_s));
        const common::Problem problem{folder / "eaw.ini", "writing", "Permission denied"};
        QCOMPARE(uisupport::fromProblem(problem),
                 u"writing "_s + QDir::toNativeSeparators(u"/home/j/Spiele Jörg/EAW/eaw.ini"_s) +
                     u": Permission denied"_s);
    }

    void namesAreNotLatin1ButGameTextIs() {
        QCOMPARE(uisupport::fromNameBytes("W-D\xC3\xBCppel"), u"W-Düppel"_s);
        QCOMPARE(uisupport::toNameBytes(u"W-Düppel"_s), std::string("W-D\xC3\xBCppel"));
        QCOMPARE(uisupport::fromGameBytes("D\xFC"), u"Dü"_s);
        QCOMPARE(uisupport::toGameBytes(u"Dü"_s), std::string("D\xFC"));
        QCOMPARE(uisupport::fromGameLines("a\r\nb\rc\r\n"), u"a\nb\nc"_s);
        // A message holding a name reads as UTF-8; one quoting Latin-1 game text stays readable.
        QCOMPARE(uisupport::fromMessage("saved as \"\xC3\x9C"
                                        "bung\""),
                 u"saved as \"Übung\""_s);
        QCOMPARE(uisupport::fromMessage("No picture for \"M\xFC"
                                        "nchen\""),
                 u"No picture for \"München\""_s);
    }

    void aNameTheEncodingCannotShowStillGoesBackUnchanged() {
        const std::string latin1Name = "W-D\xFCppel"; // a folder made under another encoding
        QVERIFY(!uisupport::fromName(std::filesystem::path(latin1Name)).isEmpty());
        QListWidget list;
        auto* item = uisupport::addNameItem(&list, latin1Name);
        QVERIFY(item->text().startsWith(u"W-D"_s));
        QCOMPARE(uisupport::nameBytes(item), latin1Name);
        QListWidgetItem typed(u"Übung"_s);
        QCOMPARE(uisupport::nameBytes(&typed), std::string("\xC3\x9C"
                                                           "bung"));
        QCOMPARE(uisupport::toName(u"Übung"_s), std::filesystem::path(u8"Übung"));
    }
};

QTEST_MAIN(UiSupportTest)
#include "ui_support_tests.moc"
