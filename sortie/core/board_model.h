#pragma once
// The option board `Image2` and the aircraft page's direct choices: hovering shows a row or a plane
// cell, releases change the hovered row or fill the roles, and the board's pictures.

#include "sortie/core/board_geometry.h"
#include "sortie/core/board_view.h"
#include "sortie/core/mission_state.h"
#include "sortie/core/picture_table.h"

#include <map>
#include <string>

namespace sortie {

enum class MouseButton { Left, Right, Middle, Other };

class BoardModel final {
  public:
    explicit BoardModel(MissionState& mission);

    // Reads the picture table; the second build again for each scenario.
    void readPictures();
    const PictureTable& pictures() const { return pictures_; }
    // `PicShow`: the bytes of a picture-table entry's file, else of "KobPic"; empty when neither exists.
    const std::string& PicShow(int entry);
    const BoardGeometry& geometry() const { return geometry_; }
    const BoardView& view() const { return view_; }
    int currentOptionRow() const { return currentRow_; }
    int currentPlaneCell() const { return currentCell_; }
    // While locked (the second build before a scenario is loaded) the board only shows its picture.
    void setLocked(bool locked) { locked_ = locked; }

    void hover(double xTwips, double yTwips);
    // Button released over `Image2` (overRowLabel false) or over a `Label21` (true).
    void releaseOnBoard(MouseButton button, bool overRowLabel);
    void pressOnCell(MouseButton button, int cell);
    void releaseOnCell(MouseButton button, int cell);
    // The results report over picture entry 0. It stays until a click on the board closes it; that
    // click and the pointer's moves meanwhile change nothing else.
    void showReport(std::string text);
    void closeReport();
    // After an undo or redo: the row or role on show names the value in force.
    void followChoices();

    // Choices made in the page's own controls. A typed value outside what the game takes is refused
    // with a message and changes nothing (false).
    void choosePlane(int index); // `PList` choice: the aircraft of the role being filled
    bool setRolePlane(int role, const std::string& text);
    bool setAircraftCount(const std::string& text);
    void setGroundStart(bool groundStart);
    void selectOption(Group g, int index);
    void selectNation(int index);
    void selectRole(int index);

  private:
    std::string optionRowValue(int row) const;
    void nextRole();

    MissionState& mission_;
    PictureTable pictures_;
    BoardGeometry geometry_;
    BoardView view_;
    int currentRow_ = 0;
    int currentCell_ = 0;
    bool locked_ = false;
    std::map<int, std::string> pictureCache_;
    bool missingPictureReported_ = false;
};

} // namespace sortie
