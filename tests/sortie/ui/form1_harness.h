#pragma once
// What the mission builder's window suites share: finding controls by name and index, the message
// line, board positions, and opening Form1 on a game folder.

#include "sortie/ui/form1.h"

#include <QListWidget>
#include <QPlainTextEdit>
#include <QtTest>

#include <filesystem>
#include <memory>

namespace sortie::testing {

template <class W> W* find(QWidget* root, const char* name, int index = -1) {
    for (W* w : root->findChildren<W*>(QString::fromLatin1(name)))
        if (index < 0 || w->property("index").toInt() == index)
            return w;
    return nullptr;
}

inline QString messages(QWidget* root) {
    return find<QPlainTextEdit>(root, "messages")->toPlainText();
}

// Centre of plane cell `i` and of option row `r` on the board, in pixels of the board as drawn: the
// window fits the board to the screen, so it is seldom at its design size.
inline QPointF boardScale(const QWidget* board) {
    return {board->width() * 15.0 / 11580.0, board->height() * 15.0 / 9750.0};
}
inline QPoint cellCentre(int i, const QWidget* board) {
    const QPointF s = boardScale(board);
    return QPointF(((i % 4) * 2316 / 15 + 77) * s.x(), ((i / 4) * 1218 / 15 + 40) * s.y()).toPoint();
}
inline QPoint rowCentre(int r, const QWidget* board) {
    const QPointF s = boardScale(board);
    return QPointF((4 * 2316 / 15 + 77) * s.x(), (r * 886 / 15 + 30) * s.y()).toPoint();
}

// Chooses entry `row` of a list as the player does, with a click on it.
inline void chooseEntry(QListWidget* list, int row) {
    QListWidgetItem* item = list->item(row);
    list->scrollToItem(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
}

// Opens the window shown and exposed, replacing any window the holder had.
inline ui::Form1* openForm1(std::unique_ptr<ui::Form1>& holder, const std::filesystem::path& game,
                            const BuildSettings& settings) {
    holder = std::make_unique<ui::Form1>(game, settings);
    holder->show();
    if (!QTest::qWaitForWindowExposed(holder.get()))
        qWarning("window not exposed");
    return holder.get();
}

// Saves a picture of the window when SORTIE_GRAB_DIR names a folder, so a person can look at it.
inline void grabTo(QWidget* window, const char* name) {
    const QByteArray dir = qgetenv("SORTIE_GRAB_DIR");
    if (!dir.isEmpty())
        window->grab().save(QString::fromLocal8Bit(dir) + QLatin1Char('/') + QLatin1String(name));
}

} // namespace sortie::testing
