#include "common/string_table.h"

#include "common/atomic_file.h"
#include "common/text_file.h"

#include <ostream>

namespace common {

namespace {

constexpr std::size_t headerSize = 8;
constexpr std::size_t limit = 65536; // every stored number has two bytes

std::size_t low16(std::string_view bytes, std::size_t at) {
    return static_cast<unsigned char>(bytes[at]) + 256u * static_cast<unsigned char>(bytes[at + 1]);
}

void put32(std::string& out, std::size_t at, std::size_t value) {
    out[at] = static_cast<char>(value & 0xFF);
    out[at + 1] = static_cast<char>((value >> 8) & 0xFF);
    out[at + 2] = 0;
    out[at + 3] = 0;
}

} // namespace

Result<std::vector<std::string>> decodeStringTable(std::string_view bytes) {
    Result<std::vector<std::string>> result;
    const auto fail = [&](std::string reason) {
        result.problem = Problem{{}, "reading string table", std::move(reason)};
        return result;
    };
    if (bytes.size() < headerSize)
        return fail("the header is cut short (" + std::to_string(bytes.size()) + " of 8 bytes)");
    const std::size_t textSize = low16(bytes, 0);
    const std::size_t count = low16(bytes, 4);
    const std::size_t available = bytes.size() - headerSize;

    // Offsets count from byte 8; a run [start, end) must lie inside the file and hold its terminator.
    const auto offsetAt = [&](std::size_t i, std::size_t& offset) {
        const std::size_t at = headerSize + 4 * i;
        if (at + 2 > bytes.size())
            return false;
        offset = low16(bytes, at);
        return true;
    };
    if (headerSize + 4 * count > bytes.size())
        return fail("the offset table of " + std::to_string(count) + " entries is cut short");
    for (std::size_t i = 0; i < count; ++i) {
        const std::string which = "string " + std::to_string(i + 1);
        std::size_t start = 0;
        std::size_t end = textSize;
        if (!offsetAt(i, start) || (i + 1 < count && !offsetAt(i + 1, end)))
            return fail("the offset table of " + std::to_string(count) + " entries is cut short");
        if (start >= available)
            return fail("the offset of " + which + " points outside the file");
        if (end <= start)
            return fail(i + 1 == count ? "the stated text size ends before the last string"
                                       : "the offsets run backwards at " + which);
        if (end > available) {
            if (i + 1 == count)
                return fail("the stated text size " + std::to_string(textSize) + " is beyond the file's " +
                            std::to_string(available));
            return fail("the offset of " + std::to_string(i + 2) + " points outside the file");
        }
        result.value.emplace_back(bytes.substr(headerSize + start, end - start - 1));
    }
    if (textSize > available)
        return fail("the stated text size " + std::to_string(textSize) + " is beyond the file's " +
                    std::to_string(available));
    return result;
}

Result<std::vector<std::string>> readStringTable(const std::filesystem::path& file) {
    Result<std::vector<std::string>> result;
    auto bytes = readFileBytes(file);
    if (bytes.problem) {
        result.problem = std::move(bytes.problem);
        return result;
    }
    result = decodeStringTable(bytes.value);
    if (result.problem) {
        result.problem->path = file;
        result.problem->action = "reading";
    }
    return result;
}

Result<std::string> encodeStringTable(const std::vector<std::string>& strings) {
    Result<std::string> result;
    const std::size_t count = strings.size();
    const auto fail = [&](std::string reason) {
        result.problem = Problem{{}, "writing string table", std::move(reason)};
        return result;
    };
    if (count >= limit)
        return fail(std::to_string(count) + " strings are more than a string table holds (65535)");
    std::size_t textSize = 4 * count;
    for (const auto& s : strings) {
        // The next offset (or the total) is what must fit in two bytes.
        textSize += s.size() + 1;
        if (textSize >= limit)
            return fail("the strings are too long for a string table (more than 65535 bytes)");
    }
    if (textSize >= limit)
        return fail("the offset table is too long for a string table (more than 65535 bytes)");

    std::string& out = result.value;
    out.assign(headerSize + 4 * count, '\0');
    out.reserve(headerSize + textSize);
    put32(out, 0, textSize);
    put32(out, 4, count);
    std::size_t offset = 4 * count;
    for (std::size_t i = 0; i < count; ++i) {
        put32(out, headerSize + 4 * i, offset);
        out += strings[i];
        out += '\0';
        offset += strings[i].size() + 1;
    }
    return result;
}

std::optional<Problem> writeStringTable(std::ostream& out, const std::vector<std::string>& strings) {
    auto encoded = encodeStringTable(strings);
    if (encoded.problem)
        return encoded.problem;
    out.write(encoded.value.data(), static_cast<std::streamsize>(encoded.value.size()));
    out.flush();
    if (!out)
        return Problem{{}, "writing string table", "the output refused the bytes"};
    return std::nullopt;
}

std::optional<Problem> writeStringTable(const std::filesystem::path& file,
                                        const std::vector<std::string>& strings) {
    auto encoded = encodeStringTable(strings);
    if (encoded.problem) {
        encoded.problem->path = file;
        encoded.problem->action = "writing";
        return encoded.problem;
    }
    return writeFileAtomically(file, encoded.value);
}

} // namespace common
