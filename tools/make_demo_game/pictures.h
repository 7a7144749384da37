#pragma once
// The pictures of the demo: set and skin previews, the selector's background pictures and the
// mission builder's board pictures, drawn with our own canvas.

#include "make_demo_game/canvas.h"

#include <string>
#include <vector>

namespace demo {

enum class Scene { Channel, Desert, Night, Winter, Cockpit };

// A 240 x 160 preview: scenery, an aircraft and the caption.
Canvas previewPicture(const std::string& caption, Scene scene);
// A 320 x 160 scenery picture with one short word in letters of 8 x 8 blocks (for JPEG files).
Canvas sceneryPicture(const std::string& word, Scene scene);
// A skin preview: the aircraft large in the skin's colours and the skin's name.
Canvas skinPicture(const std::string& name, Colour body, Colour marking);

// The board's default picture "KobPic" and the aircraft-roles picture, both 460 x 650.
Canvas boardPicture();
Canvas rolesPicture();
// The picture of an option row, 450 x 150: its name as large as it fits, on one or two lines.
Canvas optionRowPicture(const std::string& name);

} // namespace demo
