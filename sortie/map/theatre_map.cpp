#include "sortie/map/theatre_map.h"

#include "common/numbers.h"
#include "common/text_file.h"
#include "sortie/map/map_position.h"
#include "sortie/map/tile_map.h"

namespace sortie {

namespace {

long cell(const TargetGrid::Row& row, int column) {
    return common::readInteger(row[static_cast<std::size_t>(column)]);
}

common::Result<std::string> readLocated(const DataLocator& data, std::string_view name) {
    common::Result<std::string> result;
    auto file = data.locate(name);
    if (!file.ok()) {
        result.problem = file.problem;
        return result;
    }
    return common::readFileBytes(file.value);
}

} // namespace

std::optional<common::Problem> TheatreMap::build(const DataLocator& data, TargetGrid& grid) {
    ready_ = false;
    label_ = TargetLabelState{};
    picture_.clear();
    auto tiles = readLocated(data, "eaw.tm");
    if (!tiles.ok())
        return tiles.problem;
    buildFrom(tiles.value, grid);
    return std::nullopt;
}

void TheatreMap::buildFrom(std::string_view tiles, TargetGrid& grid) {
    ready_ = false;
    // A name shown over the old picture may not belong to the new one.
    label_ = TargetLabelState{};
    picture_.clear();
    drawTiles(picture_, tiles);
    landTiles_ = 0;
    for (const char tile : tiles)
        landTiles_ += isLandTile(static_cast<std::uint8_t>(tile)) ? 1 : 0;
    TargPlot(grid);
    ready_ = true;
}

void TheatreMap::TargPlot(TargetGrid& grid) {
    markers_.clear();
    names_.clear();
    markers_.reserve(grid.rows.size());
    names_.reserve(grid.rows.size());
    for (auto& row : grid.rows) {
        MapMarker m;
        m.mapX = mapXFrom(cell(row, 3), cell(row, 4));
        m.mapY = mapYFrom(cell(row, 7), cell(row, 8));
        m.airfield = (cell(row, kTgCheckColumn) / 64) % 2 == 1;
        // Positions are at most a few times 65536 in size, so they fit an int.
        m.onPicture = picture_.contains(static_cast<int>(m.mapX), static_cast<int>(m.mapY));
        row[kTgMapXColumn] = std::to_string(m.mapX);
        row[kTgMapYColumn] = std::to_string(m.mapY);
        markers_.push_back(m);
        names_.push_back(row[kTgNameColumn]);
    }
    for (const MapMarker& m : markers_)
        if (m.onPicture)
            picture_.drawPoint(static_cast<int>(m.mapX), static_cast<int>(m.mapY), kMarkerWidth,
                               m.airfield ? kAirfieldColour : kTargetColour);
}

std::optional<common::Problem> TheatreMap::FrontLine(const DataLocator& data, int set) {
    auto file = data.locate("frntline.dat");
    if (!file.ok()) {
        frontLineGrid_ = FrontLineGrid{};
        return file.problem;
    }
    auto bytes = common::readFileBytes(file.value);
    if (!bytes.ok()) {
        frontLineGrid_ = FrontLineGrid{};
        return bytes.problem;
    }
    auto problem = FrontLineFrom(bytes.value, set);
    if (problem)
        problem->path = file.value;
    return problem;
}

std::optional<common::Problem> TheatreMap::FrontLineFrom(std::string_view bytes, int set) {
    auto line = readFrontLine(bytes, set);
    frontLineGrid_ = line.value;
    if (line.ok())
        drawFrontLine(picture_, frontLineGrid_);
    return line.problem;
}

void TheatreMap::hover(double x, double y, bool buttonHeld) {
    if (!ready_ || buttonHeld || !pointerEnabled_)
        return;
    label_ = TargetLabelState{};
    // The game compares in single precision; so do we, so borderline pointers behave alike.
    const float px = static_cast<float>(x);
    const float py = static_cast<float>(y);
    const float reach = static_cast<float>(kPickReach);
    for (std::size_t k = 0; k < markers_.size(); ++k) {
        const MapMarker& m = markers_[k];
        if (!m.onPicture)
            continue;
        const float mx = static_cast<float>(m.mapX);
        const float my = static_cast<float>(m.mapY);
        if (mx - reach <= px && px <= mx + reach && my - reach <= py && py <= my + reach) {
            label_ = TargetLabelState{true, names_[k], x + 5, y};
            hovered_ = static_cast<int>(k) + 1;
        }
    }
}

std::optional<MapPick> TheatreMap::pick(int targo) const {
    // Only a marker under the pointer can be picked, whatever its name.
    if (!ready_ || !pointerEnabled_ || !label_.visible || hovered_ < 1 ||
        hovered_ > static_cast<int>(markers_.size()))
        return std::nullopt;
    const auto k = static_cast<std::size_t>(hovered_ - 1);
    if (targo == 0)
        return MapPick{0, hovered_ - 1, names_[k]};
    if (targo == 1 && markers_[k].airfield)
        return MapPick{1, hovered_ - 1, names_[k]};
    return std::nullopt;
}

void TheatreMap::setPointerEnabled(bool enabled) {
    pointerEnabled_ = enabled;
    if (!enabled)
        label_ = TargetLabelState{};
}

} // namespace sortie
