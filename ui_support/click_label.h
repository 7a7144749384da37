#pragma once
// A label the player clicks, as the windows' text commands are ("Refresh!", "FLY!", the launch labels).
// It takes keyboard focus, Enter, Return and Space act as a left click, it shows a focus frame and
// screen readers announce it as a button named by its caption.

#include <QLabel>

class QKeyEvent;
class QMouseEvent;
class QPaintEvent;

namespace uisupport {

class ClickLabel final : public QLabel {
    Q_OBJECT
  public:
    explicit ClickLabel(const QString& caption, QWidget* parent = nullptr);
    // A named label, or a member `index` of the control array `objectName` when index >= 0.
    ClickLabel(const QString& objectName, const QString& caption, QWidget* parent, int index = -1);

  signals:
    // Every mouse press and release with its button; a key press reports a left press and release.
    void pressed(Qt::MouseButton button);
    void released(Qt::MouseButton button);
    // A left release inside the label, or Enter, Return or Space while it has focus.
    void clicked();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    void setUp();
};

} // namespace uisupport
