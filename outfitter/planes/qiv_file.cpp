#include "outfitter/planes/qiv_file.h"

#include "outfitter/core/plane_codes.h"

#include "common/folder_listing.h"
#include "common/names.h"
#include "common/numbers.h"
#include "common/text_file.h"

#include <cmath>

namespace outfitter {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kFuelLowByte = 36;    // record bytes 36 and 37: lines 38 and 39
constexpr std::size_t kCodeFirstLine = 166; // 1-based line number

// The model code's characters take the integer part, not the rounded byte.
char codeCharacter(const std::string& line) {
    const double value = std::floor(common::readNumber(line));
    return value >= 0 && value <= 255 ? static_cast<char>(static_cast<unsigned char>(value)) : '?';
}

} // namespace

std::string QivFile::name() const {
    const auto first = aircraft.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return aircraft.substr(first, aircraft.find_last_not_of(' ') - first + 1);
}

QivFile parseQiv(const std::vector<std::string>& lines, const fs::path& file) {
    QivFile qiv;
    qiv.file = file;
    const auto fault = [&](std::string reason) {
        if (!qiv.fault)
            qiv.fault = common::Problem{file, "reading plane set", std::move(reason)};
    };
    if (!lines.empty())
        qiv.aircraft = lines[0];
    if (lines.size() > 1)
        qiv.plnSlot = lines[1];
    std::string code;
    for (std::size_t n = kCodeFirstLine; n < kCodeFirstLine + 4 && n <= lines.size(); ++n)
        code += codeCharacter(lines[n - 1]);
    qiv.skinSlot = common::toUpperAscii(code);

    if (lines.size() < kQivLines) {
        fault("the file has " + std::to_string(lines.size()) + " lines, a plane set needs 169");
        return qiv;
    }
    for (std::size_t k = 0; k < kQivRecordBytes; ++k) {
        const auto& line = lines[k + 1];
        const double value = common::readNumber(line);
        const auto byte = common::roundToByte(value);
        if (!byte)
            fault("line " + std::to_string(k + 2) + ": \"" + line + "\" is not a byte value (0 to 255)");
        else
            qiv.record[k] = *byte;
    }
    // The slot decides where the record goes and is also its byte 0; they must agree.
    const double slot = common::readNumber(lines[1]);
    if (slot != std::floor(slot) || slot < 0 || slot >= kSlotCount)
        fault("line 2: \"" + lines[1] + "\" is not an aircraft slot (0 to 29)");
    else
        qiv.slot = static_cast<int>(slot);
    qiv.fuel = qiv.record[kFuelLowByte + 1] * 256u + qiv.record[kFuelLowByte];
    return qiv;
}

QivFile readQiv(const fs::path& file) {
    auto lines = common::readLines(file);
    if (!lines.ok()) {
        QivFile qiv;
        qiv.file = file;
        qiv.fault = lines.problem;
        return qiv;
    }
    return parseQiv(lines.value, file);
}

std::optional<fs::path> findQivFile(const fs::path& planeSetFolder) {
    const auto files = common::listFiles(planeSetFolder, "*.qiv");
    if (files.value.empty())
        return std::nullopt;
    return planeSetFolder / common::pathFromText(files.value.front());
}

} // namespace outfitter
