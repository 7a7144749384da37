#pragma once
// The map area of the target map page: the frame `Frame7` showing part of the map picture `MyImage`,
// the arrows `UpDown1` (vertical) and `UpDown2` (horizontal), scroll bars, dragging and the wheel, and
// the pointer's names and picks forwarded to the mission builder.

#include "sortie/core/mission_builder.h"

#include <QWidget>

class QFrame;
class QScrollBar;

namespace sortie::ui {

class MapImage;

class MapView final : public QWidget {
    Q_OBJECT
  public:
    MapView(MissionBuilder& model, QWidget* parent);

    MapImage* image() const { return image_; }
    QFrame* viewport() const { return viewport_; }
    // Shows the model's picture and name label as they now stand.
    void refresh();
    void refreshLabel();
    // Top-left of the picture inside `Frame7`: 0 or less, never leaving a gap at the far edge.
    QPoint pictureOffset() const;
    void setPictureOffset(QPoint offset);
    QSize sizeHint() const override;

  signals:
    // A click on the map picked a target or home base.
    void picked();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void fitScrollBars();
    QWidget* buildUpDown(const char* name, Qt::Orientation orientation);
    void step(Qt::Orientation orientation, bool towardsEnd);
    void onPointer(QPointF mapPos, bool buttonHeld);

    MissionBuilder& model_;
    QFrame* viewport_ = nullptr; // `Frame7`
    MapImage* image_ = nullptr;
    QScrollBar* scrollX_ = nullptr;
    QScrollBar* scrollY_ = nullptr;
};

} // namespace sortie::ui
