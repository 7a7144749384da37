#pragma once
// The rows of the set grid: every set folder of the selector folder under each category line that
// names its first character, with the load mark each row carries.

#include "category_table.h"

#include "common/problem.h"

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace outfitter {

struct SetRow {
    std::string path;    // full path of the set folder (grid column 0)
    std::string name;    // the folder's name (grid column 1)
    bool loaded = false; // load mark "S" (grid column 2)
};

class SetCatalog final {
  public:
    // Whether a subfolder of the selector folder is kept out of the grid ("AUTOSCRIPTS", "SKINFOLDER",
    // "UNUSED" in any letter case).
    static bool isReservedName(std::string_view folderName);

    // Rows for these folder names (in folder-list order): by category line order, then folder order.
    // A folder whose first character is no letter of the table is left out; a letter on two lines
    // lists its sets under both.
    static SetCatalog build(const std::filesystem::path& selectorFolder,
                            const std::vector<std::string>& folderNames, const CategoryTable& categories);
    // Lists the subfolders of `selectorFolder` once and builds from them.
    static SetCatalog scan(const std::filesystem::path& selectorFolder, const CategoryTable& categories,
                           common::Problems& problems);

    const std::vector<SetRow>& rows() const { return rows_; }
    std::size_t size() const { return rows_.size(); }

    // Marks every row whose name equals `name` exactly; returns how many rows it marked.
    std::size_t markLoaded(std::string_view name);

  private:
    std::vector<SetRow> rows_;
};

} // namespace outfitter
