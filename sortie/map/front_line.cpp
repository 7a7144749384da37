#include "sortie/map/front_line.h"

#include "sortie/map/map_position.h"

#include <algorithm>

namespace sortie {

bool FrontLinePoint::terminator() const {
    return std::all_of(bytes.begin(), bytes.end(), [](std::uint8_t b) { return b == 255; });
}

common::Result<FrontLineGrid> readFrontLine(std::string_view bytes, int set) {
    common::Result<FrontLineGrid> result;
    result.value.set = set;
    if (set < 0) {
        result.problem =
            common::Problem{"frntline.dat", "reading", "there is no front-line set " + std::to_string(set)};
        return result;
    }
    const std::size_t start = kFrontLineSetSize * static_cast<std::size_t>(set);
    if (bytes.size() < start + kFrontLineSetSize) {
        result.problem =
            common::Problem{"frntline.dat", "reading",
                            "the file holds " + std::to_string(bytes.size()) + " bytes, front-line set " +
                                std::to_string(set) + " needs bytes " + std::to_string(start) + " to " +
                                std::to_string(start + kFrontLineSetSize - 1)};
        return result;
    }
    FrontLineGrid& G = result.value;
    for (int p = 0; p < kFrontLinePoints; ++p) {
        FrontLinePoint& point = G.points[static_cast<std::size_t>(p)];
        const std::size_t at = start + kFrontLinePointSize * static_cast<std::size_t>(p);
        for (std::size_t i = 0; i < point.bytes.size(); ++i)
            point.bytes[i] = static_cast<std::uint8_t>(bytes[at + i]);
        point.mapX = mapXFrom(point.bytes[2], point.bytes[3]);
        point.mapY = mapYFrom(point.bytes[6], point.bytes[7]);
    }
    // Scanning down from the last point, every terminator sets the end; the lowest one stays.
    for (int p = kFrontLinePoints; p >= 1; --p)
        if (G.points[static_cast<std::size_t>(p - 1)].terminator())
            G.end = p - 1;
    return result;
}

void drawFrontLine(MapPicture& picture, const FrontLineGrid& G) {
    for (int p = 2; p <= G.end; ++p) {
        const FrontLinePoint& a = G.points[static_cast<std::size_t>(p - 1)];
        const FrontLinePoint& b = G.points[static_cast<std::size_t>(p - 2)];
        picture.drawLine(static_cast<int>(a.mapX), static_cast<int>(a.mapY), static_cast<int>(b.mapX),
                         static_cast<int>(b.mapY), kFrontLineWidth, kFrontLineColour);
    }
}

} // namespace sortie
