#pragma once
// What the option board shows at a moment: which cell and row labels are up, their captions, the
// name and value captions and the picture. The window draws exactly this.

#include "sortie/core/board_geometry.h"
#include "sortie/core/option_catalog.h"

#include <array>
#include <string>

namespace sortie {

struct BoardView {
    std::array<bool, kPlaneCellCount> cellShown{}; // `Label18`; captions in the summary
    std::array<bool, kBoardRowCount> rowShown{};   // `Label21`
    std::array<std::string, kBoardRowCount> rowCaption;
    std::string nameCaption;  // `Label20`: name of the row, or the role being filled
    std::string valueCaption; // `Label11`: value of the row, or the aircraft under the pointer
    bool nameShown = false;
    bool valueShown = false;
    bool reportShown = false; // the results report `Label22`
    std::string reportText;   // its text, lines ended by CR
    int picture = 0;          // picture-table entry on the board

    void hideCellsAndRows() {
        cellShown.fill(false);
        rowShown.fill(false);
    }
};

} // namespace sortie
