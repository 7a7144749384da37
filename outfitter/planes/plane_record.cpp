#include "outfitter/planes/plane_record.h"

#include "outfitter/planes/plane_game_file.h"

#include <algorithm>

namespace outfitter {

common::Result<std::string> patchPlaneRecord(std::string bytes, int slot,
                                             const std::array<std::uint8_t, kQivRecordBytes>& record) {
    common::Result<std::string> result;
    if (slot < 0 || slot >= kSlotCount) {
        result.problem = common::Problem{{}, "writing", "slot " + std::to_string(slot) + " does not exist"};
        return result;
    }
    const std::size_t start = planeRecordOffset(slot);
    if (bytes.size() < start + kPlaneRecordSize) {
        result.problem = common::Problem{{},
                                         "writing",
                                         "the file has " + std::to_string(bytes.size()) +
                                             " bytes, too short for the record of slot " +
                                             std::to_string(slot) + "; file left alone"};
        return result;
    }
    std::copy(record.begin(), record.end(), bytes.begin() + static_cast<std::ptrdiff_t>(start));
    result.value = std::move(bytes);
    return result;
}

SlotFuelTable readSlotFuel(std::string_view planesDat) {
    SlotFuelTable table;
    for (int slot = 1; slot < kSlotCount; ++slot) {
        const std::size_t low = fuelPosition(slot) - 1; // 0-based
        table.position[static_cast<std::size_t>(slot)] = fuelPosition(slot);
        if (low + 1 < planesDat.size())
            table.fuel[static_cast<std::size_t>(slot)] =
                256u * static_cast<unsigned char>(planesDat[low + 1]) +
                static_cast<unsigned char>(planesDat[low]);
    }
    return table;
}

std::optional<common::Problem> writePlaneRecord(const std::filesystem::path& gameFolder, int slot,
                                                const std::array<std::uint8_t, kQivRecordBytes>& record) {
    auto file = readGameFile(gameFolder, kPlanesFile);
    if (!file.ok())
        return file.problem;
    auto patched = patchPlaneRecord(std::move(file.value.bytes), slot, record);
    if (!patched.ok()) {
        patched.problem->path = file.value.path;
        return patched.problem;
    }
    file.value.bytes = std::move(patched.value);
    return writeGameFile(file.value);
}

} // namespace outfitter
