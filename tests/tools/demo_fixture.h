#pragma once
// A demo game folder written once per suite into a fresh temporary folder, and small readers.

#include "make_demo_game/demo_game.h"

#include "common/text_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>

namespace demo_test {

inline std::filesystem::path freshTempFolder(const std::string& tag) {
    std::random_device random;
    auto folder =
        std::filesystem::temp_directory_path() / ("demo-game-test-" + tag + "-" + std::to_string(random()));
    std::filesystem::create_directories(folder);
    return folder;
}

inline std::string bytesOf(const std::filesystem::path& file) {
    auto result = common::readFileBytes(file);
    EXPECT_TRUE(result.ok()) << file;
    return result.value;
}

inline std::uint8_t byteAt(const std::string& bytes, std::size_t offset) {
    return static_cast<std::uint8_t>(bytes.at(offset));
}

// Writes the demo once for all tests of a suite; the tests only read it.
class DemoGameSuite : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        base_ = freshTempFolder("suite");
        root_ = base_ / "game";
        const auto outcome = demo::writeDemoGame(root_);
        ASSERT_TRUE(outcome.ok()) << outcome.refusal
                                  << (outcome.problems.empty() ? "" : outcome.problems.front().text());
    }
    static void TearDownTestSuite() {
        std::error_code ec;
        std::filesystem::remove_all(base_, ec);
    }

    static const std::filesystem::path& root() { return root_; }

  private:
    static inline std::filesystem::path base_;
    static inline std::filesystem::path root_;
};

} // namespace demo_test
