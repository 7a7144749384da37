#pragma once
// The map picture `MyImage`: shows the theatre map's pixels one map unit to the pixel, so a position
// in this widget is a position in map units whatever the scroll position. Holds the floating name
// label `TargetLabel` and turns presses, drags, clicks and the wheel into signals.

#include "sortie/map/map_picture.h"

#include <QColor>
#include <QPointF>
#include <QVector>
#include <QWidget>

class QLabel;

namespace sortie::ui {

// A chosen place drawn over the picture: a ring round its marker and its name beside it.
struct MapRing {
    QPoint at; // map units
    QColor colour;
    QString name;
    bool operator==(const MapRing&) const = default;
};

class MapImage final : public QWidget {
    Q_OBJECT
  public:
    MapImage(const MapPicture& picture, QWidget* parent);

    QLabel* targetLabel() const { return targetLabel_; }
    // Shows the name label at (left, top) map units, or hides it.
    void showTargetLabel(bool visible, const QString& caption, double left, double top);
    // The chosen target and home base, drawn over the picture until replaced.
    void setRings(const QVector<MapRing>& rings);
    const QVector<MapRing>& rings() const { return rings_; }

  signals:
    // The pointer moved to `mapPos`; `buttonHeld` when any mouse button is down.
    void pointerMoved(QPointF mapPos, bool buttonHeld);
    // A left click that did not drag the picture.
    void clicked();
    // The picture dragged by `delta` pixels, or the wheel turned by `steps` (positive towards the start).
    void dragged(QPoint delta);
    void wheeled(int verticalSteps, int horizontalSteps);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

  private:
    void paintRings(class QPainter& painter);

    static constexpr int kRingRadius = 9;
    static constexpr int kRingPen = 3;

    const MapPicture& picture_;
    QVector<MapRing> rings_;
    QLabel* targetLabel_ = nullptr;
    bool pressed_ = false;
    bool dragging_ = false;
    QPointF pressGlobal_;
    QPointF lastGlobal_;
    int wheelRemainderX_ = 0;
    int wheelRemainderY_ = 0;
};

} // namespace sortie::ui
