#include "sortie/map/map_scroll.h"

namespace sortie {

int scrollTowardsEnd(int position, int pictureSize, int frameSize, int step) {
    int next = position - step;
    if (next + pictureSize < frameSize)
        next = frameSize - pictureSize;
    return next;
}

int scrollTowardsStart(int position, int step) {
    if (position == 0)
        return 0;
    const int next = position + step;
    return next > 0 ? 0 : next;
}

} // namespace sortie
