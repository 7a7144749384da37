#pragma once
// A label that reports mouse presses and releases with their button, as the window's labels act.

#include <QLabel>
#include <QMouseEvent>

namespace sortie::ui {

class ClickableLabel final : public QLabel {
    Q_OBJECT
  public:
    ClickableLabel(const QString& objectName, const QString& caption, QWidget* parent, int index = -1);

  signals:
    void pressed(Qt::MouseButton button);
    void released(Qt::MouseButton button);
    void clicked();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace sortie::ui
