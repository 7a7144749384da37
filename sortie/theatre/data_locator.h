#pragma once
// Finds a theatre data file for one build: game folder then builder folder, or the chosen scenario.

#include "common/problem.h"
#include "sortie/second/build_settings.h"

#include <filesystem>
#include <string_view>

namespace sortie {

class DataLocator final {
  public:
    DataLocator(std::filesystem::path gameFolder, BuildSettings settings,
                std::filesystem::path scenarioFolder = {});

    // The existing file of that name (any letter case), or a problem saying where it was looked for.
    common::Result<std::filesystem::path> locate(std::string_view name) const;

    const std::filesystem::path& gameFolder() const { return gameFolder_; }
    const BuildSettings& settings() const { return settings_; }

  private:
    std::filesystem::path gameFolder_;
    BuildSettings settings_;
    std::filesystem::path scenarioFolder_;
};

} // namespace sortie
