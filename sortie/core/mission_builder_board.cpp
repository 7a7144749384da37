// The option board and the choices made directly in controls.
#include "sortie/core/mission_builder.h"

#include "common/numbers.h"
#include "sortie/theatre/name_lists.h"

namespace sortie {

namespace {

constexpr std::size_t at(int i) {
    return static_cast<std::size_t>(i);
}

} // namespace

std::string MissionBuilder::optionRowValue(int row) const {
    const BoardRow& info = catalog_.boardRows[at(row)];
    if (!info.group)
        return choices_.Text5;
    return catalog_.selectedCaption(*info.group, choices_.group(*info.group));
}

void MissionBuilder::hoverBoard(double xTwips, double yTwips) {
    // Until a scenario is loaded there is nothing to choose on the board: only its default picture.
    if (settings_.dataSource == DataSource::Scenario && scenario_.frameShown()) {
        view_.picture = -1;
        return;
    }
    view_.Label22Shown = false;
    const BoardHit hit = geometry_.hitTest(xTwips, yTwips);
    if (hit.area == BoardArea::Edge)
        return;
    view_.hideCellsAndRows();
    if (hit.area == BoardArea::Border)
        return;
    if (hit.area == BoardArea::OptionRow) {
        view_.label20Shown = false;
        view_.label11Shown = false;
        currentRow_ = hit.index;
        const BoardRow& row = catalog_.boardRows[at(currentRow_)];
        view_.picture = row.pictureEntry;
        view_.Label20 = row.name;
        view_.Label11 = optionRowValue(currentRow_);
        view_.rowCaption[at(currentRow_)] = row.name + "\r" + view_.Label11;
        view_.rowShown[at(currentRow_)] = true;
        return;
    }
    view_.picture = 0;
    currentCell_ = hit.index;
    const std::string name = at(currentCell_) < PList_.size() ? PList_[at(currentCell_)] : std::string();
    view_.cellShown[at(currentCell_)] = true;
    view_.Label20 =
        choices_.Plane >= 0 && choices_.Plane < kRoleCount ? catalog_.Plane[at(choices_.Plane)] : "";
    view_.Label11 = name;
    view_.cellCaption[at(currentCell_)] = name;
    view_.label20Shown = true;
    view_.label11Shown = false;
}

void MissionBuilder::releaseOnBoard(MouseButton button, bool overRowLabel) {
    const int row = currentRow_;
    const BoardRow& info = catalog_.boardRows[at(row)];
    if (!info.group) {
        long n = common::readInteger(choices_.Text5);
        if (button == MouseButton::Left)
            n = n + 1 > 12 ? 1 : n + 1;
        else if (button == MouseButton::Right)
            n = n - 1 < 1 ? 12 : n - 1;
        if (button == MouseButton::Left || button == MouseButton::Right)
            choices_.Text5 = std::to_string(n);
        view_.Label11 = choices_.Text5;
    } else {
        int& selected = choices_.group(*info.group);
        selected = catalog_.nextOption(*info.group, selected);
        view_.Label11 = catalog_.selectedCaption(*info.group, selected);
    }
    ShowChoice();
    if (overRowLabel)
        view_.rowCaption[at(row)] = info.name + "\r" + view_.Label11;
}

void MissionBuilder::pressOnCell(MouseButton button, int /*cell*/) {
    if (button == MouseButton::Middle)
        view_.cellShown.fill(true);
}

void MissionBuilder::releaseOnCell(MouseButton button, int cell) {
    const auto nextRole = [this] {
        choices_.Plane = (choices_.Plane + 1) % kRoleCount;
        if (choices_.Plane < 0)
            choices_.Plane = 0;
        view_.Label20 = catalog_.Plane[at(choices_.Plane)];
    };
    switch (button) {
    case MouseButton::Right:
        nextRole();
        break;
    case MouseButton::Left:
        choosePlane(cell);
        nextRole();
        ShowChoice();
        break;
    case MouseButton::Middle:
        view_.cellShown.fill(false);
        ShowChoice();
        break;
    case MouseButton::Other:
        break;
    }
}

void MissionBuilder::choosePlane(int index) {
    const int role = choices_.Plane;
    if (index < 0 || at(index) >= PList_.size())
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
    setText1(role, text);
    Label1_[at(role)] = PList_[at(index)];
}

void MissionBuilder::chooseTarget(int index) {
    const int which = choices_.Targo;
    if (which != kTargoTarget && which != kTargoHomeBase)
        return;
    if (index < 0 || at(index) >= TList_.size())
        return;
    choices_.Text6[at(which)] = std::to_string(index);
    Label2_[at(which)] = TList_[at(index)];
}

void MissionBuilder::setText1(int role, const std::string& text) {
    if (role < 0 || role >= kRoleCount)
        return;
    choices_.Text1[at(role)] = text;
    if (role == 0)
        choices_.PNat = nationForPlane(common::readInteger(text));
}

void MissionBuilder::setText5(const std::string& text) {
    choices_.Text5 = text;
}

void MissionBuilder::setText6(int which, const std::string& text) {
    if (which == 0 || which == 1)
        choices_.Text6[at(which)] = text;
}

void MissionBuilder::setCheck1(bool groundStart) {
    choices_.Check1 = groundStart;
    ShowChoice();
}

void MissionBuilder::selectOption(Group g, int index) {
    choices_.group(g) = index;
    ShowChoice();
}

void MissionBuilder::selectNation(int index) {
    choices_.PNat = index;
}
void MissionBuilder::selectRole(int index) {
    choices_.Plane = index;
}
void MissionBuilder::selectTargo(int index) {
    choices_.Targo = index;
}
void MissionBuilder::selectFL(int index) {
    choices_.FL = index;
}

} // namespace sortie
