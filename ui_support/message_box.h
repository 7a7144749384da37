#pragma once
// The windows' modal boxes, through one door so that a test can answer them instead of a player.

#include <QIcon>
#include <QMessageBox>
#include <QString>

#include <optional>

namespace uisupport {

class MessageBox final {
  public:
    struct Shown {
        QString title;
        QString text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QMessageBox::StandardButtons buttons;
        QString details;
    };

    // A box with the exclamation icon and an OK button.
    static QMessageBox::StandardButton exclamation(QWidget* parent, const QString& title,
                                                   const QString& text);
    // A box of information (rich text allowed) with a picture in place of the icon and an OK button.
    static QMessageBox::StandardButton information(QWidget* parent, const QString& title, const QString& text,
                                                   const QIcon& picture = {});

    // A question with Yes and No; No is the default, so Enter or Esc never starts what is asked.
    // `details`, when given, is the list behind "Show Details...".
    static QMessageBox::StandardButton question(QWidget* parent, const QString& title, const QString& text,
                                                const QString& details = {});

    // The next box is not shown but answered at once with `answer` (tests).
    static void setNextAnswer(QMessageBox::StandardButton answer);
    // What the last box held, shown or answered.
    static const std::optional<Shown>& lastShown();

  private:
    static QMessageBox::StandardButton run(QMessageBox& box);
};

} // namespace uisupport
