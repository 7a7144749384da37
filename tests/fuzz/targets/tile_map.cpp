// "eaw.tm": drawing the land of any tile bytes stays inside the picture.
#include "fuzz_input.h"

#include "sortie/map/tile_map.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // 13 MB: made once and drawn over, since clearing it would cost more than the drawing.
    static sortie::MapPicture picture;
    sortie::drawTiles(picture, fuzzing::asBytes(data, size));
    return 0;
}
