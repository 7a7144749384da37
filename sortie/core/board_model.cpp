#include "sortie/core/board_model.h"

#include "common/numbers.h"
#include "common/text_file.h"
#include "sortie/theatre/name_lists.h"

#include <algorithm>

namespace sortie {

namespace {

constexpr std::size_t at(int i) {
    return static_cast<std::size_t>(i);
}

} // namespace

BoardModel::BoardModel(MissionState& mission)
    : mission_(mission), geometry_(BoardGeometry::fromBoard(11580, 9750, 90, 60)) {}

void BoardModel::readPictures() {
    auto pictures = readPictureTable(pathBelow(mission_.places().picturesFolder, kPictureTableName));
    pictures_ = pictures.value;
    pictureCache_.clear();
    if (pictures.problem)
        mission_.report(*pictures.problem);
}

const std::string& BoardModel::PicShow(int entry) {
    if (auto it = pictureCache_.find(entry); it != pictureCache_.end())
        return it->second;
    const auto& folder = mission_.places().picturesFolder;
    std::string bytes;
    const std::string name =
        entry >= 0 && entry < kPictureEntries ? pictures_[static_cast<std::size_t>(entry)] : std::string();
    std::error_code ec;
    auto file = name.empty() ? std::filesystem::path() : pathBelow(folder, name);
    if (file.empty() || !std::filesystem::is_regular_file(file, ec))
        file = pathBelow(folder, kDefaultPictureName);
    if (std::filesystem::is_regular_file(file, ec)) {
        auto read = common::readFileBytes(file);
        if (read.ok())
            bytes = std::move(read.value);
        else
            mission_.report(*read.problem);
    } else if (!missingPictureReported_) {
        missingPictureReported_ = true;
        mission_.report("No board picture for \"" + name + "\" and no " + std::string(kDefaultPictureName) +
                        " in " + common::pathText(folder));
    }
    return pictureCache_.emplace(entry, std::move(bytes)).first->second;
}

std::string BoardModel::optionRowValue(int row) const {
    const OptionCatalog& catalog = mission_.catalog();
    const BoardRow& info = catalog.boardRows[at(row)];
    if (!info.group)
        return mission_.choices().aircraftCount;
    return catalog.selectedCaption(*info.group, mission_.choices().group(*info.group));
}

void BoardModel::hover(double xTwips, double yTwips) {
    // Until a scenario is loaded there is nothing to choose on the board: only its default picture.
    if (locked_) {
        view_.picture = -1;
        return;
    }
    // The report stays while the pointer travels to close it: were it to vanish on the way, the click
    // meant for it would land on whatever cell or row had appeared beneath.
    if (view_.reportShown)
        return;
    const BoardHit hit = geometry_.hitTest(xTwips, yTwips);
    if (hit.area == BoardArea::Edge)
        return;
    view_.hideCellsAndRows();
    if (hit.area == BoardArea::Border)
        return;
    const OptionCatalog& catalog = mission_.catalog();
    if (hit.area == BoardArea::OptionRow) {
        view_.nameShown = false;
        view_.valueShown = false;
        currentRow_ = hit.index;
        const BoardRow& row = catalog.boardRows[at(currentRow_)];
        view_.picture = row.pictureEntry;
        view_.nameCaption = row.name;
        view_.valueCaption = optionRowValue(currentRow_);
        view_.rowCaption[at(currentRow_)] = row.name + "\r" + view_.valueCaption;
        view_.rowShown[at(currentRow_)] = true;
        return;
    }
    view_.picture = 0;
    currentCell_ = hit.index;
    const auto& names = mission_.lists().aircraftNames;
    const std::string name = at(currentCell_) < names.size() ? names[at(currentCell_)] : std::string();
    view_.cellShown[at(currentCell_)] = true;
    const int role = mission_.choices().roleToFill;
    view_.nameCaption = role >= 0 && role < kRoleCount ? catalog.roleCaptions[at(role)] : "";
    view_.valueCaption = name;
    mission_.showCellName(currentCell_, name);
    view_.nameShown = true;
    view_.valueShown = false;
}

void BoardModel::releaseOnBoard(MouseButton button, bool overRowLabel) {
    // A click on the report only closes it.
    if (view_.reportShown) {
        closeReport();
        return;
    }
    const int row = currentRow_;
    const OptionCatalog& catalog = mission_.catalog();
    const BoardRow& info = catalog.boardRows[at(row)];
    if (!info.group) {
        long n = common::readInteger(mission_.choices().aircraftCount);
        if (button == MouseButton::Left)
            n = n + 1 > 12 ? 1 : n + 1;
        else if (button == MouseButton::Right)
            n = n - 1 < 1 ? 12 : n - 1;
        if (button == MouseButton::Left || button == MouseButton::Right)
            mission_.change([&](MissionChoices& c) { c.aircraftCount = std::to_string(n); });
        view_.valueCaption = mission_.choices().aircraftCount;
    } else {
        const Group g = *info.group;
        mission_.change([&](MissionChoices& c) { c.group(g) = catalog.nextOption(g, c.group(g)); });
        view_.valueCaption = catalog.selectedCaption(g, mission_.choices().group(g));
    }
    if (overRowLabel)
        view_.rowCaption[at(row)] = info.name + "\r" + view_.valueCaption;
}

void BoardModel::pressOnCell(MouseButton button, int /*cell*/) {
    if (button == MouseButton::Middle)
        view_.cellShown.fill(true);
}

void BoardModel::nextRole() {
    mission_.change([](MissionChoices& c) {
        c.roleToFill = (c.roleToFill + 1) % kRoleCount;
        if (c.roleToFill < 0)
            c.roleToFill = 0;
    });
    view_.nameCaption = mission_.catalog().roleCaptions[at(mission_.choices().roleToFill)];
}

void BoardModel::releaseOnCell(MouseButton button, int cell) {
    switch (button) {
    case MouseButton::Right:
        nextRole();
        break;
    case MouseButton::Left: {
        // The aircraft and the role moving on are one click, so one undo takes both back.
        const MissionState::OneStep step(mission_);
        choosePlane(cell);
        nextRole();
        break;
    }
    case MouseButton::Middle:
        view_.cellShown.fill(false);
        mission_.ShowChoice();
        break;
    case MouseButton::Other:
        break;
    }
}

void BoardModel::followChoices() {
    const int role = mission_.choices().roleToFill;
    if (view_.rowShown[at(currentRow_)]) {
        view_.valueCaption = optionRowValue(currentRow_);
        view_.rowCaption[at(currentRow_)] =
            mission_.catalog().boardRows[at(currentRow_)].name + "\r" + view_.valueCaption;
    } else if (view_.nameShown && role >= 0 && role < kRoleCount) {
        view_.nameCaption = mission_.catalog().roleCaptions[at(role)];
    }
}

void BoardModel::closeReport() {
    view_.reportShown = false;
}

void BoardModel::showReport(std::string text) {
    view_.picture = 0;
    view_.hideCellsAndRows();
    view_.reportText = std::move(text);
    view_.reportShown = true;
}

void BoardModel::choosePlane(int index) {
    const int role = mission_.choices().roleToFill;
    if (index < 0 || at(index) >= mission_.lists().aircraftNames.size())
        return;
    // The player's own aircraft must be a real one.
    if (role == 0 && index >= static_cast<int>(kAircraftSlots))
        return;
    if (role < 0 || role >= kRoleCount)
        return;
    std::string text = std::to_string(index);
    if (index == static_cast<int>(kAircraftSlots))
        text = "-2";
    else if (index == static_cast<int>(kAircraftSlots) + 1)
        text = "-1";
    mission_.setRolePlane(role, text);
}

bool BoardModel::setRolePlane(int role, const std::string& text) {
    if (role < 0 || role >= kRoleCount)
        return false;
    // The slots the game has; a shorter name list names fewer of them.
    const long names = static_cast<long>(mission_.lists().aircraftNames.size());
    const long slots =
        names >= 2 ? std::min<long>(names - 2, kAircraftSlots) : static_cast<long>(kAircraftSlots);
    const long lowest = role == 0 ? 0 : kLowestPlaneText;
    const auto n = typedWholeNumber(text);
    if (!n || *n < lowest || *n >= slots) {
        const std::string range = "a whole number from 0 to " + std::to_string(slots - 1) +
                                  (role == 0 ? std::string() : ", -2 for None or -1 for Random");
        mission_.report(mission_.catalog().roleCaptions[at(role)] + ": \"" + text +
                        "\" was refused; the game takes " + range);
        return false;
    }
    mission_.setRolePlane(role, std::to_string(*n), "Text1 " + std::to_string(role));
    return true;
}

bool BoardModel::setAircraftCount(const std::string& text) {
    const auto n = typedWholeNumber(text);
    if (!n || *n < kAircraftCountMin || *n > kAircraftCountMax) {
        mission_.report("Number of aircraft: \"" + text +
                        "\" was refused; the game takes a whole number from " +
                        std::to_string(kAircraftCountMin) + " to " + std::to_string(kAircraftCountMax));
        return false;
    }
    mission_.change([&](MissionChoices& c) { c.aircraftCount = std::to_string(*n); }, {}, "Text5");
    return true;
}

void BoardModel::setGroundStart(bool groundStart) {
    mission_.change([&](MissionChoices& c) { c.groundStart = groundStart; });
}

void BoardModel::selectOption(Group g, int index) {
    mission_.change([&](MissionChoices& c) { c.group(g) = index; });
}

void BoardModel::selectNation(int index) {
    mission_.change([&](MissionChoices& c) { c.nation = index; });
}
void BoardModel::selectRole(int index) {
    mission_.change([&](MissionChoices& c) { c.roleToFill = index; });
}

} // namespace sortie
