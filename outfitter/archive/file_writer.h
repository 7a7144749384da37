#pragma once
// Writes the files of a set being unpacked, one after another, through one large buffer. Each file is
// new in a fresh temporary folder, so it is a plain create; the rename of the whole set is what commits.

#include "common/problem.h"

#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string_view>

namespace outfitter {

class FileWriter final {
  public:
    FileWriter();
    FileWriter(const FileWriter&) = delete;
    FileWriter& operator=(const FileWriter&) = delete;

    std::optional<common::Problem> create(const std::filesystem::path& file);
    std::optional<common::Problem> write(std::string_view block);
    // Hands the last bytes to the system and closes the file; a late failure of the disk shows here.
    std::optional<common::Problem> finish();
    // Closes the file without caring for its contents (the whole unpack is given up).
    void abandon();

  private:
    common::Problem failure(const char* action) const;

    std::unique_ptr<char[]> buffer_;
    std::ofstream out_;
    std::filesystem::path file_;
};

} // namespace outfitter
