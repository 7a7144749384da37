#pragma once
// The game's aircraft names "pnames.str" held in memory, one row per slot, so an install can change
// one name and write the table back through the shared ".str" codec.

#include "common/problem.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace outfitter {

inline constexpr const char* kPlaneNamesFile = "pnames.str";

class PlaneNamesTable final {
  public:
    // Replaces the rows with the names of the game folder's "pnames.str". A missing or corrupt file
    // leaves no rows and a problem; the table then refuses to be saved.
    std::optional<common::Problem> LoadPnames(const std::filesystem::path& gameFolder);
    // Writes every row, in order, as the game folder's "pnames.str", atomically. Refused (file left
    // alone) unless a load succeeded, or when the table exceeds the format's two-byte limits.
    std::optional<common::Problem> SavePnames(const std::filesystem::path& gameFolder) const;

    const std::vector<std::string>& rows() const { return rows_; }
    bool loaded() const { return loaded_; }
    // False when the row does not exist: the table never grows behind the game's back.
    bool setName(std::size_t row, std::string name);

  private:
    std::vector<std::string> rows_;
    bool loaded_ = false;
};

} // namespace outfitter
