// Generates the demo's airfields and targets on both sides of the Channel.

#include "make_demo_game/targets.h"

#include "make_demo_game/geography.h"

#include "common/string_table.h"

#include <algorithm>

namespace demo {
namespace {

struct Place {
    const char* name;
    int column;
    int row;
};

// Airfields and targets at approximate tile positions; they are moved onto land when needed.
const Place kEnglishAirfields[] = {
    {"Tangmere", 330, 118},       {"Westhampnett", 325, 116}, {"Ford", 336, 119},
    {"Thorney Island", 315, 118}, {"Biggin Hill", 390, 95},   {"Kenley", 375, 95},
    {"Croydon", 372, 90},         {"Gravesend", 405, 90},     {"Hawkinge", 428, 110},
    {"Lympne", 418, 116},         {"Manston", 440, 90},       {"Detling", 405, 100},
    {"West Malling", 398, 101},   {"Hornchurch", 400, 74},    {"North Weald", 395, 65},
    {"Debden", 400, 50},          {"Duxford", 390, 40},       {"Northolt", 360, 80},
    {"Middle Wallop", 290, 100},  {"Warmwell", 240, 118},     {"Exeter", 170, 125},
    {"St Eval", 40, 140},         {"Filton", 182, 72},        {"Boscombe Down", 270, 95},
};
const Place kContinentalAirfields[] = {
    {"Abbeville", 420, 190},
    {"Saint-Omer", 445, 168},
    {"Wissant", 433, 157},
    {"Caffiers", 438, 161},
    {"Guines", 446, 159},
    {"Marquise", 430, 162},
    {"Desvres", 428, 172},
    {"Cherbourg-Maupertus", 250, 176},
    {"Carpiquet", 300, 215},
    {"Beaumont-le-Roger", 345, 240},
    {"Evreux", 370, 250},
    {"Bernay", 330, 235},
    {"Rouen-Boos", 375, 215},
    {"Lille-Nord", 480, 190},
    {"Merville", 470, 176},
    {"Vitry-en-Artois", 480, 210},
    {"Amiens-Glisy", 430, 220},
    {"Poix", 410, 226},
    {"Beauvais", 430, 260},
    {"Creil", 450, 280},
    {"Dinard", 150, 240},
    {"Morlaix", 80, 235},
    {"Brest-Guipavas", 36, 262},
    {"Lannion", 95, 230},
    {"Ostend-Middelkerke", 520, 142},
    {"Antwerp-Deurne", 612, 128},
    {"Melsbroek", 600, 190},
    {"Chievres", 560, 215},
};
const Place kTargets[] = {
    {"Dover radar", 432, 104},
    {"Rye radar", 405, 121},
    {"Pevensey radar", 370, 122},
    {"Poling radar", 340, 116},
    {"Ventnor radar", 300, 136},
    {"Dover harbour", 433, 106},
    {"Folkestone harbour", 425, 113},
    {"Newhaven harbour", 360, 124},
    {"Portsmouth docks", 312, 119},
    {"Southampton docks", 298, 115},
    {"Poole harbour", 262, 121},
    {"Portland harbour", 235, 134},
    {"Plymouth docks", 100, 147},
    {"Falmouth harbour", 50, 147},
    {"Supermarine works", 299, 113},
    {"Hawker works Kingston", 365, 86},
    {"Vickers works Weybridge", 355, 89},
    {"Bristol aircraft works", 184, 74},
    {"Calais harbour", 446, 154},
    {"Boulogne harbour", 421, 168},
    {"Dunkirk harbour", 471, 150},
    {"Dieppe harbour", 381, 183},
    {"Le Havre docks", 346, 197},
    {"Cherbourg harbour", 245, 173},
    {"St Malo harbour", 150, 235},
    {"Brest naval base", 34, 256},
    {"Ostend harbour", 522, 138},
    {"Fecamp radar", 360, 190},
    {"Cap Gris-Nez guns", 432, 155},
    {"Abbeville rail yard", 422, 193},
    {"Amiens rail yard", 432, 224},
    {"Rouen bridges", 378, 218},
    {"Caen bridges", 302, 213},
};
const Place kConvoys[] = {
    {"Convoy Peewit", 340, 150},
    {"Convoy Bread", 400, 140},
    {"Convoy Agent", 260, 160},
    {"Convoy Booty", 470, 120},
};

// Targets beside an airfield, within 2 map units of its marker, so the map shows the later record's
// name where both markers meet.
struct Neighbour {
    const char* name;
    const char* airfield;
    int dx;
    int dy;
};
const Neighbour kNeighbours[] = {
    {"Tangmere fuel dump", "Tangmere", 1, 1},
    {"Hawkinge flak battery", "Hawkinge", -2, 0},
    {"Caffiers dispersal", "Caffiers", 0, 2},
};

const char* const kGeneratedKinds[] = {"Rail yard",     "Bridge",        "Fuel depot",    "Army camp",
                                       "Flak battery",  "Supply dump",   "Power station", "Factory",
                                       "Road junction", "Landing ground"};

Target placed(const Place& place, Region region, bool airfield) {
    int column = place.column;
    int row = place.row;
    if (region != Region::Sea) {
        nearestLand(region, column, row);
    }
    return {place.name, tileCentre(column), tileCentre(row), airfield, region == Region::England};
}

std::vector<Target> buildTargets() {
    std::vector<Target> list;
    for (const Place& p : kEnglishAirfields) {
        list.push_back(placed(p, Region::England, true));
    }
    for (const Place& p : kContinentalAirfields) {
        list.push_back(placed(p, Region::Continent, true));
    }
    for (const Place& p : kTargets) {
        list.push_back(placed(p,
                              regionAt(p.column, p.row) == Region::England || p.row < 140 ? Region::England
                                                                                          : Region::Continent,
                              false));
    }
    for (const Place& p : kConvoys) {
        list.push_back(placed(p, Region::Sea, false));
    }
    for (const Neighbour& n : kNeighbours) {
        const auto airfield =
            std::find_if(list.begin(), list.end(), [&n](const Target& t) { return t.name == n.airfield; });
        Target t = *airfield;
        t.name = n.name;
        t.mapX += n.dx;
        t.mapY += n.dy;
        t.airfield = false;
        list.push_back(t);
    }
    // Fill the table with generated objects on land, named by kind and tile reference.
    unsigned seed = 12345;
    while (static_cast<int>(list.size()) < kTargetRecords) {
        seed = seed * 1103515245U + 12345U;
        const int column = static_cast<int>((seed >> 8) % 600) + 20;
        seed = seed * 1103515245U + 12345U;
        const int row = static_cast<int>((seed >> 8) % 300) + 10;
        const Region region = regionAt(column, row);
        if (region == Region::Sea) {
            continue;
        }
        const std::size_t kind = list.size() % std::size(kGeneratedKinds);
        const std::string name =
            std::string(kGeneratedKinds[kind]) + " " + std::to_string(column) + "-" + std::to_string(row);
        list.push_back({name, tileCentre(column), tileCentre(row), kind == std::size(kGeneratedKinds) - 1,
                        region == Region::England});
    }
    // The builder's default home base and target sit at fixed records.
    const auto find = [&list](const std::string& name) {
        return static_cast<std::size_t>(
            std::find_if(list.begin(), list.end(), [&name](const Target& t) { return t.name == name; }) -
            list.begin());
    };
    std::swap(list[95], list[find("Tangmere")]);
    std::swap(list[127], list[find("Boulogne harbour")]);
    return list;
}

} // namespace

const std::vector<Target>& targets() {
    static const std::vector<Target> list = buildTargets();
    return list;
}

std::string targetsDat() {
    const auto& list = targets();
    std::string bytes;
    const int count = static_cast<int>(list.size());
    bytes.push_back(static_cast<char>(count % 256));
    bytes.push_back(static_cast<char>(count / 256));
    bytes.append(2, '\0');
    int subRecord = 0;
    for (int k = 0; k < count; ++k) {
        const Target& t = list[static_cast<std::size_t>(k)];
        const WorldBytes x = worldX(t.mapX, k);
        const WorldBytes y = worldY(t.mapY, k);
        const int nameIndex = count - 1 - k;
        const int parts = t.airfield ? 6 : 1 + k % 4;
        // Check: bit 6 marks an airfield; the low bits carry an invented object class.
        const int check = (t.airfield ? 64 : 0) | (k % 5);
        const std::uint8_t record[kTargetRecordSize] = {x.b1,
                                                        x.b2,
                                                        x.b3,
                                                        x.b4,
                                                        y.b1,
                                                        y.b2,
                                                        y.b3,
                                                        y.b4,
                                                        static_cast<std::uint8_t>(k % 7),
                                                        0,
                                                        0,
                                                        0,
                                                        static_cast<std::uint8_t>(k % 3),
                                                        0,
                                                        0,
                                                        0,
                                                        static_cast<std::uint8_t>(nameIndex % 256),
                                                        static_cast<std::uint8_t>(nameIndex / 256),
                                                        static_cast<std::uint8_t>(check),
                                                        static_cast<std::uint8_t>(parts),
                                                        static_cast<std::uint8_t>(subRecord % 256),
                                                        static_cast<std::uint8_t>(subRecord / 256),
                                                        0,
                                                        0,
                                                        static_cast<std::uint8_t>(t.british ? 1 : 2),
                                                        0,
                                                        0,
                                                        0,
                                                        0,
                                                        0,
                                                        0,
                                                        0};
        bytes.append(reinterpret_cast<const char*>(record), kTargetRecordSize);
        subRecord += parts;
    }
    return bytes;
}

std::string tarnamesStr() {
    std::vector<std::string> names;
    for (auto it = targets().rbegin(); it != targets().rend(); ++it) {
        names.push_back(it->name);
    }
    return common::encodeStringTable(names).value;
}

} // namespace demo
