#pragma once
// The folder being written: places files below it by game-style relative names ("SaveData\x.msn"),
// reusing whatever letter case an existing entry has, and collects every problem met.

#include "common/problem.h"
#include "common/resolver.h"

#include <filesystem>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace demo {

class OutputFolder final {
  public:
    explicit OutputFolder(std::filesystem::path root);

    const std::filesystem::path& root() const { return root_; }

    // Replaces the file whole (through a temporary file), creating missing folders on the way.
    void writeBytes(std::string_view relative, std::string_view bytes);
    // Text lines, each ended by CR LF.
    void writeLines(std::string_view relative, const std::vector<std::string>& lines);
    void makeFolder(std::string_view relative);

    const common::Problems& problems() const { return problems_; }

  private:
    // Where to write, with the parent folders made; nothing when that failed (problem recorded).
    std::optional<common::Resolved> prepare(std::string_view relative);

    std::filesystem::path root_;
    common::Problems problems_;
    std::set<std::filesystem::path> created_; // files this run created
};

} // namespace demo
