#pragma once
// A game folder in a fresh temporary folder, with subfolders spelled the way players' folders often are.

#include "common/problem.h"
#include "test_support/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace outfitter::test_support {

class GameFixture : public ::testing::Test {
  protected:
    GameFixture()
        : game_(dir_.folder("EAW")), selector_(dir_.folder("EAW/QIV128")),
          savedata_(dir_.folder("EAW/SaveData")), music_(dir_.folder("EAW/MUSIC")) {}

    // Names are text as the model keeps them (UTF-8 on Windows), not paths.
    std::filesystem::path set(const std::string& name, const std::vector<std::string>& files) {
        const auto folder = dir_.folder(std::filesystem::path("EAW/QIV128") / common::pathFromText(name));
        for (const auto& file : files)
            dir_.write(folder / common::pathFromText(file), name + ":" + file);
        return folder;
    }
    std::filesystem::path write(const std::filesystem::path& file, const std::string& bytes) {
        return dir_.write(file, bytes);
    }
    static bool exists(const std::filesystem::path& path) {
        std::error_code ec;
        return std::filesystem::exists(std::filesystem::symlink_status(path, ec));
    }
    static std::string read(const std::filesystem::path& file) { return testsupport::slurp(file); }
    static std::vector<std::string> names(const std::filesystem::path& folder) {
        std::vector<std::string> out;
        for (const auto& entry : std::filesystem::directory_iterator(folder))
            out.push_back(common::pathText(entry.path().filename()));
        std::sort(out.begin(), out.end());
        return out;
    }

    testsupport::TempFolder dir_;
    std::filesystem::path game_, selector_, savedata_, music_;
};

} // namespace outfitter::test_support
