#pragma once
// The legend box `Picture1` of the map page: a red point beside "Airfields (bases)" and a blue point
// beside "Targets", drawn when the map page is first shown.

#include <QFrame>

namespace sortie::ui {

class MapLegend final : public QFrame {
    Q_OBJECT
  public:
    explicit MapLegend(QWidget* parent);
    // Empties the box and draws the two points.
    void drawLegend();
    bool drawn() const { return drawn_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    bool drawn_ = false;
};

} // namespace sortie::ui
