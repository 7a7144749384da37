#pragma once
// A game folder whose selector folder holds 2,000 set folders spread over the default categories,
// made once per benchmark program and removed at its end.

#include "outfitter/core/category_table.h"

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>

namespace outfitter::bench {

class SelectorFixture final {
  public:
    explicit SelectorFixture(int setCount = 2000) {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "eaw-outfitter-bench-XXXXXX").string();
        if (!::mkdtemp(pattern.data()))
            throw std::runtime_error("cannot make a temporary folder");
        game_ = pattern;
        selector_ = game_ / "QIV128";
        const auto& lines = CategoryTable::defaultLines();
        for (int i = 0; i < setCount; ++i) {
            const std::string& line = lines[static_cast<std::size_t>(i) % lines.size()];
            std::filesystem::create_directories(selector_ /
                                                (line.substr(line.size() - 1) + "-Set " + std::to_string(i)));
        }
    }
    SelectorFixture(const SelectorFixture&) = delete;
    SelectorFixture& operator=(const SelectorFixture&) = delete;
    ~SelectorFixture() {
        std::error_code ec;
        std::filesystem::remove_all(game_, ec);
    }

    const std::filesystem::path& game() const { return game_; }
    const std::filesystem::path& selector() const { return selector_; }

  private:
    std::filesystem::path game_;
    std::filesystem::path selector_;
};

} // namespace outfitter::bench
