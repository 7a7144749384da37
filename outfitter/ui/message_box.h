#pragma once
// The selector's modal boxes, through one door so that a test can answer them instead of a player.

#include <QMessageBox>
#include <QString>

#include <optional>

namespace outfitter {

class MessageBox final {
  public:
    struct Shown {
        QString title;
        QString text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QMessageBox::StandardButtons buttons;
    };

    // A box with the exclamation icon and an OK button.
    static QMessageBox::StandardButton exclamation(QWidget* parent, const QString& title,
                                                   const QString& text);

    // A question with Yes and No; No is the default, so Enter or Esc never starts what is asked.
    static QMessageBox::StandardButton question(QWidget* parent, const QString& title, const QString& text);

    // The next box is not shown but answered at once with `answer` (tests).
    static void setNextAnswer(QMessageBox::StandardButton answer);
    // What the last box held, shown or answered.
    static const std::optional<Shown>& lastShown();
};

} // namespace outfitter
