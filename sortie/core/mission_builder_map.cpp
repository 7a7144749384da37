// The mission builder's forwarding to its theatre map, and what a pick on the map sets.
#include "sortie/core/mission_builder.h"

namespace sortie {

bool MissionBuilder::buildMap() {
    if (auto problem = map_.build(data_, Tg_)) {
        report("The map cannot be drawn: " + problem->text());
        return false;
    }
    return true;
}

bool MissionBuilder::FrontLine(int set) {
    if (auto problem = map_.FrontLine(data_, set)) {
        report("No front line is drawn: " + problem->text());
        return false;
    }
    return true;
}

void MissionBuilder::chooseFrontLine(int index) {
    if (index != 0 && index != 1)
        return;
    selectFL(index);
    if (buildMap())
        FrontLine(index * 12);
}

void MissionBuilder::hoverMap(double x, double y, bool buttonHeld) {
    map_.hover(x, y, buttonHeld);
}

void MissionBuilder::clickMap() {
    const auto pick = map_.pick(choices_.Targo);
    if (!pick)
        return;
    const auto which = static_cast<std::size_t>(pick->which);
    choices_.Text6[which] = std::to_string(pick->record);
    Label2_[which] = pick->name;
    // The next click picks the other one; the summary follows at its next rebuild.
    choices_.Targo = pick->which == kTargoTarget ? kTargoHomeBase : kTargoTarget;
}

void MissionBuilder::setMapPointerEnabled(bool enabled) {
    map_.setPointerEnabled(enabled);
}

} // namespace sortie
