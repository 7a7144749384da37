#include "sortie/core/option_catalog.h"

namespace sortie {

std::string OptionCatalog::selectedCaption(Group g, int index) const {
    const auto& captions = info(g).captions;
    if (index < 0 || index >= static_cast<int>(captions.size()))
        return {};
    return captions[static_cast<std::size_t>(index)];
}

int OptionCatalog::nextOption(Group g, int index) const {
    const int next = index + 1;
    return next >= info(g).cycleCount || next < 0 ? 0 : next;
}

ChoiceLimits OptionCatalog::limits(int planeCount, int targetCount) const {
    ChoiceLimits l;
    for (std::size_t k = 0; k < kStoredGroups.size(); ++k)
        l.optionCounts[k] = static_cast<int>(info(kStoredGroups[k]).captions.size());
    l.planeCount = planeCount;
    l.targetCount = targetCount;
    return l;
}

OptionCatalog makeOptionCatalog(const BuildSettings& settings) {
    OptionCatalog c;
    const std::vector<std::string> randomLowMediumHigh{"Random", "Low", "Medium", "High"};
    const std::vector<std::string> skills{"Random", "Green", "Seasoned", "Expert"};
    auto set = [&](Group g, std::string frame, std::vector<std::string> captions) {
        auto& info = c.groups[static_cast<std::size_t>(g)];
        info.name = std::string(groupName(g));
        info.frameCaption = std::move(frame);
        info.captions = std::move(captions);
        info.cycleCount = static_cast<int>(info.captions.size());
    };
    set(Group::YR, "Year", {"1940", "1943", "1944", "1945"});
    set(Group::TOD, "Time of Day", {"Random", "Dawn", "Day", "Dusk", "Night"});
    set(Group::W, "Weather", {"Random", "Clear", "Broken clouds", "Heavy cloud", "Overcast"});
    c.groups[static_cast<std::size_t>(Group::W)].cycleCount = 4; // "Overcast" only through stored choices
    set(Group::MT, "Mission Type", {"Escort", "Sweep", "Bomb", "Intercept", "Ground Attack"});
    set(Group::HT, "Altitude", randomLowMediumHigh);
    set(Group::FS, "Secondary formation size", {"Random", "Small", "Medium", "Large"});
    set(Group::SPS, "Secondary Pilot Skill", skills);
    set(Group::EAL, "Enemy activity level", randomLowMediumHigh);
    set(Group::EPS, "Enemy pilot skill", skills);
    set(Group::AA, "Enemy AAA Level", randomLowMediumHigh);
    set(Group::IntType, "Interdiction type", settings.interdictionTypes);
    set(Group::ISize, "Convoy Size", {"Small", "Medium", "Large", "Random"});

    c.frameOrder = {Group::YR, Group::TOD, Group::W,   Group::MT,  Group::HT,
                    Group::FS, Group::SPS, Group::EAL, Group::EPS, Group::AA};

    c.boardRows = {BoardRow{"Number of planes", std::nullopt, 1},
                   BoardRow{"Year", Group::YR, 2},
                   BoardRow{"Time of day", Group::TOD, 3},
                   BoardRow{"Weather", Group::W, 4},
                   BoardRow{"Mission type", Group::MT, 5},
                   BoardRow{"Altitude", Group::HT, 6},
                   BoardRow{"Formation size", Group::FS, 7},
                   BoardRow{"Friendly skill", Group::SPS, 8},
                   BoardRow{"Enemy Activity", Group::EAL, 9},
                   BoardRow{"Enemy skill", Group::EPS, 10},
                   BoardRow{"AAA", Group::AA, 11}};
    return c;
}

} // namespace sortie
