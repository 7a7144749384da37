// Generates the aircraft records of the demo: "planes.dat", "pnames.str" and the "*.qiv" files.

#include "make_demo_game/planes.h"

#include "common/string_table.h"

namespace demo {

const std::array<std::string, kSlotCount>& planeCodes() {
    static const std::array<std::string, kSlotCount> codes = {
        "p38h", "p38j", "p47c", "p47d", "p51b", "p51d", "bb17", "b24a", "b26a", "hurr",
        "sp2a", "sp09", "sp14", "typh", "temp", "mosq", "109e", "109g", "109k", "110c",
        "110g", "m410", "190a", "190d", "262a", "j88a", "j88c", "ju87", "h111", "v1v1",
    };
    return codes;
}

const std::array<std::string, kSlotCount>& planeNames() {
    static const std::array<std::string, kSlotCount> names = {
        "P-38H Lightning",   "P-38J Lightning", "P-47C Thunderbolt", "P-47D Thunderbolt", "P-51B Mustang",
        "P-51D Mustang",     "B-17G Fortress",  "B-24J Liberator",   "B-26B Marauder",    "Hurricane Mk I",
        "Spitfire Mk IIa",   "Spitfire Mk IX",  "Spitfire Mk XIV",   "Typhoon Mk Ib",     "Tempest Mk V",
        "Mosquito FB Mk VI", "Bf 109E-4",       "Bf 109G-6",         "Bf 109K-4",         "Bf 110C-4",
        "Bf 110G-2",         "Me 410A-1",       "Fw 190A-8",         "Fw 190D-9",         "Me 262A-1a",
        "Ju 88A-4",          "Ju 88C-6",        "Ju 87B Stuka",      "He 111H-6",         "V-1 Flying Bomb",
    };
    return names;
}

namespace {

// Full fuel load of each slot, in the game's own units: fighters small, bombers large.
constexpr std::array<int, kSlotCount> kFuel = {
    2460, 2700, 1820, 2100, 1450, 1610, 5200, 5400, 3900, 620,  680,  770,  900, 1050, 1100,
    2800, 400,  420,  450,  1270, 1400, 1600, 640,  680,  2570, 3500, 3300, 480, 3450, 560,
};

} // namespace

std::vector<std::uint8_t> planeRecord(int slot, int variant) {
    std::vector<std::uint8_t> record(kPlaneRecordSize);
    record[0] = static_cast<std::uint8_t>(slot);
    // Invented performance bytes; deterministic so tests can compare runs.
    for (int i = 1; i < kPlaneRecordSize; ++i) {
        record[static_cast<std::size_t>(i)] =
            static_cast<std::uint8_t>((slot * 37 + i * 11 + variant * 53 + (i * i) % 7) % 256);
    }
    const int fuel = kFuel[static_cast<std::size_t>(slot)] + variant * 40;
    record[36] = static_cast<std::uint8_t>(fuel % 256);
    record[37] = static_cast<std::uint8_t>(fuel / 256);
    const std::string& code = planeCodes()[static_cast<std::size_t>(slot)];
    for (std::size_t k = 0; k < 4; ++k) {
        record[164 + k] = static_cast<std::uint8_t>(code[k]);
    }
    return record;
}

std::string planesDat(int variant) {
    std::string bytes = {'\x1e', '\0', '\xd8', '\0'}; // header: 30 records of 216 bytes
    for (int slot = 0; slot < kSlotCount; ++slot) {
        for (const std::uint8_t b : planeRecord(slot, variant)) {
            bytes.push_back(static_cast<char>(b));
        }
    }
    return bytes;
}

std::vector<std::string> qivLines(const std::string& name, int slot, int variant) {
    std::vector<std::string> lines;
    lines.push_back(name);
    const auto record = planeRecord(slot, variant);
    for (int i = 0; i < kQivBytes; ++i) {
        lines.push_back(std::to_string(record[static_cast<std::size_t>(i)]));
    }
    return lines;
}

std::string pnamesStr() {
    const std::vector<std::string> names(planeNames().begin(), planeNames().end());
    return common::encodeStringTable(names).value;
}

} // namespace demo
