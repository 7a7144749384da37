#pragma once
// Folder lists as the windows show them: filtered by a pattern list, sorted case-insensitively.

#include "common/problem.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace common {

// Names (not paths) of the plain files directly in `folder` that match any pattern of the
// ";"-separated list (e.g. "*.exe" or "*.bmp;*.jpg;mypic"), case-insensitively, in file-list order.
// An empty list shows every file; "*.*" also matches names without a dot. Links count as what
// they point to. A missing folder gives a problem and no names.
Result<std::vector<std::string>> listFiles(const std::filesystem::path& folder, std::string_view patterns);

// Names of the subfolders directly in `folder`, in file-list order.
Result<std::vector<std::string>> listFolders(const std::filesystem::path& folder);

} // namespace common
