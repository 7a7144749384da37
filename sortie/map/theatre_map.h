#pragma once
// The theatre map of the target map page: the picture built from "eaw.tm", the target markers and
// one front line, the map-ready flag, the name shown under the pointer and picking on the map.
// Owned by the mission builder; the window shows the picture and forwards pointer events here.

#include "common/problem.h"
#include "sortie/map/front_line.h"
#include "sortie/map/map_picture.h"
#include "sortie/theatre/data_locator.h"
#include "sortie/theatre/target_grid.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sortie {

inline constexpr int kMarkerWidth = 5;
inline constexpr double kPickReach = 2.0; // map units from a marker, in both directions

struct MapMarker {
    long mapX = 0;
    long mapY = 0;
    bool airfield = false;
    bool onPicture = false; // markers whose centre lies off the picture are neither drawn nor picked
};

// The floating name label `TargetLabel`, in map units of the picture.
struct TargetLabelState {
    bool visible = false;
    std::string caption;
    double left = 0;
    double top = 0;
};

// What a click on the map chose: the record index for `Text6(which)` and its name for `Label2(which)`.
struct MapPick {
    int which = 0; // 0 mission target, 1 home base
    int record = 0;
    std::string name;
};

class TheatreMap final {
  public:
    // The `Label4` build: empties the picture, draws the land of "eaw.tm" and then the markers
    // (`TargPlot`). Without a readable "eaw.tm" the picture stays empty, the flag False, and the
    // problem is returned.
    std::optional<common::Problem> build(const DataLocator& data, TargetGrid& grid);
    void buildFrom(std::string_view tiles, TargetGrid& grid);
    // Map positions into `Tg` columns 34 and 35 and a marker per record.
    void TargPlot(TargetGrid& grid);
    // Reads front-line set `set` into `G` and draws it over the map.
    std::optional<common::Problem> FrontLine(const DataLocator& data, int set);
    std::optional<common::Problem> FrontLineFrom(std::string_view bytes, int set);

    // The pointer at (x, y) map units. Nothing changes while the map is not ready, a button is held,
    // or the pointer is switched off.
    void hover(double x, double y, bool buttonHeld);
    // A click on the picture with `Targo` option `targo` selected: what it picks, if anything. A home
    // base must be an airfield.
    std::optional<MapPick> pick(int targo) const;
    // Off: no names under the pointer and no picks (the second build's scenario frame is showing).
    void setPointerEnabled(bool enabled);

    bool ready() const { return ready_; }
    std::size_t landTiles() const { return landTiles_; } // tiles the last build drew
    bool pointerEnabled() const { return pointerEnabled_; }
    const MapPicture& picture() const { return picture_; }
    const std::vector<MapMarker>& markers() const { return markers_; }
    const FrontLineGrid& frontLineGrid() const { return frontLineGrid_; }
    const TargetLabelState& nameLabel() const { return label_; }
    int hoveredRow() const { return hovered_; } // `Tg` row, 0 before any marker was found

  private:
    MapPicture picture_;
    bool ready_ = false;
    std::size_t landTiles_ = 0;
    bool pointerEnabled_ = true;
    std::vector<MapMarker> markers_; // markers_[k] is `Tg` row k + 1
    std::vector<std::string> names_;
    FrontLineGrid frontLineGrid_;
    TargetLabelState label_;
    int hovered_ = 0;
};

} // namespace sortie
