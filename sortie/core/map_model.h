#pragma once
// The target map page `Frame4`: building the map and its front line, names under the pointer, and
// choosing the target and home base on the map, in the target list or by their record numbers.

#include "sortie/core/mission_state.h"
#include "sortie/map/theatre_map.h"

#include <string>
#include <vector>

namespace sortie {

// The target or home base as the map marks it: where its marker is and the name beside it.
struct ChosenPlace {
    int which = kTargoTarget; // kTargoTarget or kTargoHomeBase
    long mapX = 0;
    long mapY = 0;
    std::string name;
};

class MapModel final {
  public:
    explicit MapModel(MissionState& mission) : mission_(mission) {}

    const TheatreMap& theatreMap() const { return map_; }
    // `Label4`: builds the map anew; false (and a message) when it cannot be drawn.
    bool build();
    // "Make a new map": the build, then a message saying what was drawn and how long it took.
    bool makeNewMap();
    // The chosen target and home base whose markers lie on the built map; none before a build.
    std::vector<ChosenPlace> chosenPlaces() const;
    // `FrontLine(set)`: draws that front-line set over the map; false (and a message) on failure.
    bool FrontLine(int set);
    // `FL(index)`: the map rebuilt with front-line set index x 12.
    void chooseFrontLine(int index);
    void hover(double x, double y, bool buttonHeld);
    // A click on the map: sets the target or home base as the pick switch says and alternates it.
    void click();
    void setPointerEnabled(bool enabled);

    void chooseTarget(int index); // `TList` choice: the target or home base, as the pick switch says
    // A record number typed for either; one outside the target list is refused with a message (false).
    bool setPlaceRecord(int which, const std::string& text);
    void selectPick(int index); // `Targo`

  private:
    MissionState& mission_;
    TheatreMap map_;
};

} // namespace sortie
