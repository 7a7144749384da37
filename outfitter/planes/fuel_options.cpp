#include "outfitter/planes/fuel_options.h"

#include "outfitter/planes/plane_game_file.h"
#include "outfitter/planes/plane_record.h"

namespace outfitter {

unsigned scaledFuel(unsigned full, int option) {
    static constexpr std::array<std::array<unsigned, 2>, kFuelOptions> fractions = {
        {{1, 1}, {3, 4}, {1, 2}, {1, 4}, {1, 10}, {1, 20}}};
    if (option < 0 || option >= kFuelOptions)
        return full;
    const auto& f = fractions[static_cast<std::size_t>(option)];
    return full * f[0] / f[1];
}

std::optional<common::Problem> writeFuel(const std::filesystem::path& gameFolder, std::size_t position,
                                         unsigned value) {
    auto file = readGameFile(gameFolder, kPlanesFile);
    if (!file.ok())
        return file.problem;
    auto& bytes = file.value.bytes;
    if (position < 1 || position + 1 > bytes.size())
        return common::Problem{file.value.path, "writing fuel",
                               "position " + std::to_string(position) + " lies beyond the file's " +
                                   std::to_string(bytes.size()) + " bytes; file left alone"};
    bytes[position - 1] = static_cast<char>(value % 256);
    bytes[position] = static_cast<char>((value / 256) % 256);
    return writeGameFile(file.value);
}

} // namespace outfitter
