#pragma once
// The target map page `Frame4`: the map area, the pick and front-line buttons, target and home base,
// the legend, the target list and the target grid, and "Make a new map".

#include "sortie/core/mission_builder.h"

#include <QFrame>

#include <array>

class QButtonGroup;
class QLabel;
class QLineEdit;
class QListWidget;
class QTableWidget;

namespace uisupport {
class ClickLabel;
}

namespace sortie::ui {

class MapLegend;
class MapView;

class MapPage final : public QFrame {
    Q_OBJECT
  public:
    MapPage(MissionBuilder& model, QWidget* parent);
    void sync();
    // Fills the target list and grid once the theatre data is read.
    void loadTargets();

    // What showing the page does for the map: builds it with front-line set 0 unless it is ready,
    // then draws the legend.
    void buildOnFirstVisit();
    // `Label4`, "Make a new map": "..building.." while the map is built anew.
    void rebuildMap();
    // `FL(index)`: the map rebuilt with front-line set 0 (index 0) or 12 (index 1).
    void chooseFrontLine(int index);
    // Off: no names under the pointer and no picks.
    void setPointerEnabled(bool enabled);

    MapView* mapView() const { return mapView_; }

  signals:
    void changed();
    void showAircraftPage();
    void fly();

  private:
    QWidget* buildSidePanel();
    // Runs a build with "..building.." on `Label4`, then shows the new picture and grid positions.
    template <class Build> void building(Build build);
    void showMapColumns();

    MissionBuilder& model_;
    MapView* mapView_ = nullptr;
    QButtonGroup* targo_ = nullptr;
    QButtonGroup* fl_ = nullptr;
    std::array<QLabel*, 2> placeNames_{};      // `Label2`: target, home base
    std::array<QLineEdit*, 2> placeRecords_{}; // `Text6`
    MapLegend* legend_ = nullptr;
    uisupport::ClickLabel* makeMapAction_ = nullptr; // `Label4`
    QListWidget* tList_ = nullptr;
    QTableWidget* tg_ = nullptr;
};

} // namespace sortie::ui
