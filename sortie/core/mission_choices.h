#pragma once
// Every choice of one mission as plain values, and the 20-line choices file ("pevset.txt", ".jsv")
// that remembers them between runs.

#include "common/problem.h"

#include <array>
#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sortie {

// An option group with no selected option.
inline constexpr int kNoneSelected = -1;

inline constexpr int kRoleCount = 4;
inline constexpr int kOptionGroupCount = 12;

// The twelve stored option groups, in the order of lines 9 to 20 of the choices file.
enum class Group { TOD, W, MT, YR, EPS, AA, EAL, FS, HT, SPS, IntType, ISize };

// Nation indices (`PNat`, `Label3`, "PlayerNation=").
inline constexpr int kGerman = 0;
inline constexpr int kBritish = 1;
inline constexpr int kUS = 2;

// What a map or target-list pick sets (`Targo`).
inline constexpr int kTargoTarget = 0;
inline constexpr int kTargoHomeBase = 1;

struct MissionChoices {
    // `Text1`: plane index of each role as text: "0".."29", "-2" None, "-1" Random. Role 0 is the player's.
    std::array<std::string, kRoleCount> rolePlanes{"9", "10", "16", "19"};
    std::string aircraftCount = "4";                       // number of aircraft, 1 to 12, as text
    std::array<std::string, 2> targetAndBase{"127", "95"}; // record index of target (0) and home base (1)
    bool groundStart = false;                              // ground start

    // Selected option index of each group, kNoneSelected when none is.
    int timeOfDay = 0;        // time of day: Random
    int weather = 0;          // weather: Random
    int missionType = 1;      // mission type: Sweep
    int year = 0;             // year: 1940
    int enemySkill = 0;       // enemy pilot skill
    int enemyAAA = 0;         // enemy AAA level
    int enemyActivity = 0;    // enemy activity level
    int formationSize = 0;    // secondary formation size
    int altitude = 0;         // altitude
    int friendlySkill = 0;    // secondary pilot skill
    int interdictionType = 1; // interdiction type: Armour
    int convoySize = 1;       // convoy size: Medium

    // Not stored in the choices file.
    int nation = kBritish;           // `PNat`, follows rolePlanes[0] (see nationForPlane)
    int roleToFill = 0;              // `Plane`: the role that the next plane-cell click fills
    int nextPick = kTargoHomeBase;   // `Targo`: what the next map or list pick sets
    int frontLine = 0;               // `FL`: front line: 0 "1940-44", 1 "1945"
    int loadoutLine = kNoneSelected; // the line of `LodList` chosen for the player's aircraft

    int& group(Group g);
    int group(Group g) const;

    bool operator==(const MissionChoices&) const = default;
};

// The groups in file order, for loops.
inline constexpr std::array<Group, kOptionGroupCount> kStoredGroups{
    Group::TOD, Group::W,  Group::MT, Group::YR,  Group::EPS,     Group::AA,
    Group::EAL, Group::FS, Group::HT, Group::SPS, Group::IntType, Group::ISize};

// The control name of a group ("TOD", "W", ...).
std::string_view groupName(Group g);

// A whole number typed by the player: optional blanks around an optional minus sign and digits;
// nothing else. Nullopt for anything else, an empty text included.
std::optional<long> typedWholeNumber(std::string_view text);

// The aircraft numbers a role can take, "None" (-2) and "Random" (-1) for all roles but the player's.
inline constexpr long kLowestPlaneText = -2;
inline constexpr int kAircraftCountMin = 1;
inline constexpr int kAircraftCountMax = 12;

// Nation of the player's aircraft: 0..8 US, 9..15 British, 16 and above German (negative: US).
int nationForPlane(long planeIndex);

// What a stored value is checked against. Counts of zero skip that check (the list could not be read,
// which has been reported already).
struct ChoiceLimits {
    std::array<int, kOptionGroupCount> optionCounts{5, 5, 5, 4, 4, 4, 4, 4, 4, 4, 4, 4};
    int planeCount = 0;  // entries of PList, "None" and "Random" included
    int targetCount = 0; // entries of TList
};

inline constexpr const char* kChoicesFileName = "pevset.txt";
inline constexpr int kChoicesLineCount = 20;

// The 20 lines of the choices file, without line ends. A group with no selected option writes "-1 " so
// that the lines after it keep their places.
std::vector<std::string> choicesLines(const MissionChoices& choices);
void writeChoices(std::ostream& out, const MissionChoices& choices);
std::optional<common::Problem> writeChoicesFile(const std::filesystem::path& file,
                                                const MissionChoices& choices);

struct ReadLastResult {
    MissionChoices choices;
    std::vector<std::string> notes; // what was missing or invalid and kept its previous value
};

// Applies the lines of a choices file to `current`. Numbers are read leniently; a missing line or a
// value outside its limits keeps the current value and adds a note. The nation is re-derived from
// Text1[0].
ReadLastResult parseChoices(const std::vector<std::string>& lines, const MissionChoices& current,
                            const ChoiceLimits& limits);

// Reads the file and applies it as parseChoices does; an unreadable file gives a problem and `current`.
common::Result<ReadLastResult> ReadLast(const std::filesystem::path& file, const MissionChoices& current,
                                        const ChoiceLimits& limits);

} // namespace sortie
