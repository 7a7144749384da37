#include "outfitter/sets/package_items.h"

#include "common/names.h"
#include "common/text_file.h"

namespace outfitter {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// One line's fields. A quoted field runs to its closing quote, commas included; whatever follows the
// closing quote up to the next comma is dropped, as the old readers did.
void splitLine(std::string_view line, std::vector<std::string>& out) {
    std::size_t at = 0;
    while (at <= line.size()) {
        while (at < line.size() && isBlank(line[at]))
            ++at;
        std::string field;
        std::size_t next;
        if (at < line.size() && line[at] == '"') {
            const std::size_t close = line.find('"', at + 1);
            if (close == std::string_view::npos) {
                field = line.substr(at + 1);
                next = line.size();
            } else {
                field = line.substr(at + 1, close - at - 1);
                next = line.find(',', close + 1);
                if (next == std::string_view::npos)
                    next = line.size();
            }
        } else {
            next = line.find(',', at);
            if (next == std::string_view::npos)
                next = line.size();
            field = trimmed(line.substr(at, next - at));
        }
        if (!field.empty())
            out.push_back(std::move(field));
        at = next + 1;
    }
}

} // namespace

std::vector<std::string> splitPackageFields(std::string_view bytes) {
    std::vector<std::string> fields;
    for (const auto& line : common::splitLines(bytes))
        splitLine(line, fields);
    return fields;
}

std::string reducePackageItem(std::string_view item) {
    const std::size_t slash = item.rfind('\\');
    return std::string(slash == std::string_view::npos ? item : item.substr(slash + 1));
}

PackageContents parsePackage(std::string_view bytes) {
    PackageContents package;
    std::vector<std::string> before;
    for (const auto& field : splitPackageFields(bytes)) {
        std::string item = reducePackageItem(field);
        if (item.empty())
            continue;
        if (package.descriptionItems == 0) {
            if (item.compare(0, kDescriptionMarker.size(), kDescriptionMarker) == 0) {
                package.description = before;
                package.descriptionItems = package.items.size() + 1;
            } else {
                before.push_back(item);
            }
        }
        package.items.push_back(std::move(item));
    }
    return package;
}

common::Result<PackageContents> readPackage(const std::filesystem::path& file) {
    const auto bytes = common::readFileBytes(file);
    if (!bytes.ok())
        return {{}, bytes.problem};
    return {parsePackage(bytes.value), std::nullopt};
}

bool packageItemMatches(std::string_view item, std::string_view rowName) {
    if (item.empty() || rowName.empty() || item.front() != rowName.front())
        return false;
    return common::equalsIgnoreCase(item.substr(1), rowName.substr(1));
}

} // namespace outfitter
