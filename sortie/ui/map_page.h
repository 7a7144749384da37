#pragma once
// The target map page `Frame4`: the map picture in its frame with the scroll arrows, the pick and
// front-line buttons, target and home base, the legend, the target list and the target grid.
// The map itself is drawn by the map subsystem; until then the picture stays empty.

#include "sortie/core/mission_builder.h"

#include <QFrame>

#include <array>

class QButtonGroup;
class QLabel;
class QLineEdit;
class QListWidget;
class QTableWidget;

namespace sortie::ui {

class MapPage final : public QFrame {
    Q_OBJECT
  public:
    MapPage(MissionBuilder& model, QWidget* parent);
    void sync();
    // Fills the target list and grid once the theatre data is read.
    void loadTargets();

    // The map's build steps, called by the second build's OK sequence.
    void buildOnFirstVisit();
    void rebuildMap();
    void chooseFrontLine(int index);
    void setPointerEnabled(bool enabled);

  signals:
    void changed();
    void showAircraftPage();
    void fly();

  private:
    QWidget* buildSidePanel();
    QWidget* buildUpDown(const char* name, Qt::Orientation orientation);

    MissionBuilder& model_;
    QFrame* frame7_ = nullptr;
    QLabel* myImage_ = nullptr;
    QButtonGroup* targo_ = nullptr;
    QButtonGroup* fl_ = nullptr;
    std::array<QLabel*, 2> label2_{};
    std::array<QLineEdit*, 2> text6_{};
    QListWidget* tList_ = nullptr;
    QTableWidget* tg_ = nullptr;
};

} // namespace sortie::ui
