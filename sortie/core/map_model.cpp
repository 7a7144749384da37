#include "sortie/core/map_model.h"

#include "common/numbers.h"

#include <chrono>
#include <cstdio>

namespace sortie {

bool MapModel::build() {
    if (auto problem = map_.build(mission_.data(), mission_.targetGrid())) {
        mission_.report("The map cannot be drawn: " + problem->text());
        return false;
    }
    return true;
}

bool MapModel::makeNewMap() {
    const auto started = std::chrono::steady_clock::now();
    if (!build())
        return false;
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - started;
    std::size_t shown = 0;
    for (const MapMarker& marker : map_.markers())
        shown += marker.onPicture ? 1 : 0;
    char seconds[32];
    std::snprintf(seconds, sizeof seconds, "%.2f", took.count());
    mission_.report("A new map was made: " + std::to_string(map_.landTiles()) + " land tiles and " +
                    std::to_string(shown) + " target markers in " + seconds + " s");
    return true;
}

std::vector<ChosenPlace> MapModel::chosenPlaces() const {
    std::vector<ChosenPlace> places;
    if (!map_.ready())
        return places;
    const auto& markers = map_.markers();
    for (const int which : {kTargoHomeBase, kTargoTarget}) {
        const long record =
            common::readInteger(mission_.choices().targetAndBase[static_cast<std::size_t>(which)]);
        if (record < 0 || static_cast<std::size_t>(record) >= markers.size())
            continue;
        const MapMarker& marker = markers[static_cast<std::size_t>(record)];
        if (marker.onPicture)
            places.push_back(
                {which, marker.mapX, marker.mapY, mission_.placeNames()[static_cast<std::size_t>(which)]});
    }
    return places;
}

bool MapModel::FrontLine(int set) {
    if (auto problem = map_.FrontLine(mission_.data(), set)) {
        mission_.report("No front line is drawn: " + problem->text());
        return false;
    }
    return true;
}

void MapModel::chooseFrontLine(int index) {
    if (index != 0 && index != 1)
        return;
    mission_.change([&](MissionChoices& c) { c.frontLine = index; });
    if (build())
        FrontLine(index * 12);
}

void MapModel::hover(double x, double y, bool buttonHeld) {
    map_.hover(x, y, buttonHeld);
}

void MapModel::click() {
    const auto pick = map_.pick(mission_.choices().nextPick);
    if (!pick)
        return;
    mission_.change([&](MissionChoices& c) {
        c.targetAndBase[static_cast<std::size_t>(pick->which)] = std::to_string(pick->record);
        // The next click picks the other one.
        c.nextPick = pick->which == kTargoTarget ? kTargoHomeBase : kTargoTarget;
    });
}

void MapModel::setPointerEnabled(bool enabled) {
    map_.setPointerEnabled(enabled);
}

void MapModel::chooseTarget(int index) {
    const int which = mission_.choices().nextPick;
    if (which != kTargoTarget && which != kTargoHomeBase)
        return;
    if (index < 0 || static_cast<std::size_t>(index) >= mission_.lists().targetNames.size())
        return;
    mission_.change(
        [&](MissionChoices& c) { c.targetAndBase[static_cast<std::size_t>(which)] = std::to_string(index); });
}

bool MapModel::setPlaceRecord(int which, const std::string& text) {
    if (which != kTargoTarget && which != kTargoHomeBase)
        return false;
    const long records = static_cast<long>(mission_.lists().targetNames.size());
    const auto n = typedWholeNumber(text);
    if (!n || *n < 0 || *n >= records) {
        mission_.report(std::string(which == kTargoTarget ? "Target" : "Home base") + ": \"" + text +
                        "\" was refused; the game takes a record number of the target list, 0 to " +
                        std::to_string(records - 1));
        return false;
    }
    mission_.change(
        [&](MissionChoices& c) { c.targetAndBase[static_cast<std::size_t>(which)] = std::to_string(*n); }, {},
        which == kTargoTarget ? "Text6 0" : "Text6 1");
    return true;
}

void MapModel::selectPick(int index) {
    mission_.change([&](MissionChoices& c) { c.nextPick = index; });
}

} // namespace sortie
