#include "sortie/core/surprise.h"

#include "sortie/core/mission_state.h"
#include "sortie/theatre/name_lists.h"

#include <algorithm>
#include <array>
#include <limits>

namespace sortie {

namespace {

// The slots of each nation (see nationForPlane): US 0 to 8, British 9 to 15, German 16 and above.
struct SlotRange {
    int first;
    int end;
};
constexpr std::array<SlotRange, 3> kNationSlots{{{16, 30}, {9, 16}, {0, 9}}}; // by nation index

std::vector<int> slotsOf(std::initializer_list<int> nations, int slotCount) {
    std::vector<int> slots;
    for (const int nation : nations) {
        const SlotRange range = kNationSlots[static_cast<std::size_t>(nation)];
        for (int s = range.first; s < std::min(range.end, slotCount); ++s)
            slots.push_back(s);
    }
    std::sort(slots.begin(), slots.end());
    return slots;
}

} // namespace

std::uint64_t PortableRandom::below(std::uint64_t bound) {
    if (bound == 0)
        return 0;
    // Values from the top partial run of the engine's range would favour the low results: drawn again.
    constexpr std::uint64_t top = std::numeric_limits<std::uint64_t>::max();
    const std::uint64_t limit = top - (top % bound + 1) % bound;
    std::uint64_t value = engine_();
    while (value > limit)
        value = engine_();
    return value % bound;
}

std::optional<MissionChoices> drawSurprise(std::uint64_t seed, const MissionChoices& current,
                                           const OptionCatalog& catalog, const TheatreLists& lists) {
    // "None" and "Random" follow the aircraft; a shorter list names fewer slots.
    const auto names = static_cast<int>(lists.aircraftNames.size());
    const int slotCount = std::min(names - 2, static_cast<int>(kAircraftSlots));
    const auto records = lists.targetNames.size();
    if (slotCount <= 0 || records == 0)
        return std::nullopt;

    PortableRandom random(seed);
    MissionChoices c = current;
    std::vector<int> nations;
    for (const int nation : {kGerman, kBritish, kUS})
        if (!slotsOf({nation}, slotCount).empty())
            nations.push_back(nation);
    const int nation = nations[static_cast<std::size_t>(random.index(nations.size()))];
    const std::vector<int> own = slotsOf({nation}, slotCount);
    std::vector<int> enemies =
        nation == kGerman ? slotsOf({kBritish, kUS}, slotCount) : slotsOf({kGerman}, slotCount);
    const auto pick = [&random](const std::vector<int>& from) {
        return from.empty() ? std::string("-1")
                            : std::to_string(from[static_cast<std::size_t>(random.index(from.size()))]);
    };
    c.rolePlanes[0] = pick(own);
    c.rolePlanes[1] = pick(own);
    c.rolePlanes[2] = pick(enemies);
    // A quarter of the missions meet a single enemy type.
    c.rolePlanes[3] = random.below(4) == 0 ? std::string("-2") : pick(enemies);
    c.nation = nation;
    c.aircraftCount =
        std::to_string(kAircraftCountMin + random.index(kAircraftCountMax - kAircraftCountMin + 1));
    for (const Group g : kStoredGroups)
        c.group(g) = random.index(catalog.info(g).captions.size());
    c.groundStart = random.below(2) == 1;

    std::vector<std::size_t> airfields;
    for (std::size_t k = 0; k < records && k < lists.targets.records.size(); ++k)
        if (lists.targets.records[k].isAirfield())
            airfields.push_back(k);
    // The map takes only an airfield as home base; a theatre without one leaves the list's records.
    const std::size_t base = airfields.empty()
                                 ? random.below(records)
                                 : airfields[static_cast<std::size_t>(random.index(airfields.size()))];
    std::size_t target = base;
    if (records > 1) {
        target = random.below(records - 1);
        if (target >= base)
            ++target;
    }
    c.targetAndBase[kTargoTarget] = std::to_string(target);
    c.targetAndBase[kTargoHomeBase] = std::to_string(base);
    c.loadoutLine = kNoneSelected;
    return c;
}

std::optional<std::uint64_t> readSeed(const std::string& text) {
    if (text.empty() || text.size() > 20)
        return std::nullopt;
    std::uint64_t value = 0;
    for (const char ch : text) {
        if (ch < '0' || ch > '9')
            return std::nullopt;
        const auto digit = static_cast<std::uint64_t>(ch - '0');
        if (value > (std::numeric_limits<std::uint64_t>::max() - digit) / 10)
            return std::nullopt;
        value = value * 10 + digit;
    }
    return value;
}

} // namespace sortie
