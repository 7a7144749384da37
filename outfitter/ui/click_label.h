#pragma once
// A label the player clicks, as the window's text commands ("Refresh!", the launch labels) are.

#include <QLabel>

namespace outfitter {

class ClickLabel final : public QLabel {
    Q_OBJECT
  public:
    explicit ClickLabel(const QString& text, QWidget* parent = nullptr);

  signals:
    void clicked();

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace outfitter
