#include "outfitter/planes/plane_names_table.h"

#include "common/resolver.h"
#include "common/string_table.h"

namespace outfitter {

namespace fs = std::filesystem;

std::optional<common::Problem> PlaneNamesTable::LoadPnames(const fs::path& gameFolder) {
    rows_.clear();
    loaded_ = false;
    const auto where = common::resolve(gameFolder, kPlaneNamesFile);
    if (!where.ok())
        return where.problem;
    if (!where.value.exists)
        return common::Problem{where.value.path, "reading", "the file is missing"};
    auto table = common::readStringTable(where.value.path);
    if (!table.ok())
        return table.problem; // half a table must never be written back as the whole one
    rows_ = std::move(table.value);
    loaded_ = true;
    return std::nullopt;
}

std::optional<common::Problem> PlaneNamesTable::SavePnames(const fs::path& gameFolder) const {
    const auto where = common::resolve(gameFolder, kPlaneNamesFile);
    if (!where.ok())
        return where.problem;
    if (!loaded_)
        return common::Problem{where.value.path, "writing", "the names were not read first; file left alone"};
    return common::writeStringTable(where.value.path, rows_);
}

bool PlaneNamesTable::setName(std::size_t row, std::string name) {
    if (row >= rows_.size())
        return false;
    rows_[row] = std::move(name);
    return true;
}

} // namespace outfitter
