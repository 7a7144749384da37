#include "sortie/theatre/data_locator.h"

#include "common/resolver.h"

#include <utility>

namespace sortie {

DataLocator::DataLocator(std::filesystem::path gameFolder, BuildSettings settings,
                         std::filesystem::path scenarioFolder)
    : gameFolder_(std::move(gameFolder)), settings_(std::move(settings)),
      scenarioFolder_(std::move(scenarioFolder)) {}

common::Result<std::filesystem::path> DataLocator::locate(std::string_view name) const {
    common::Result<std::filesystem::path> result;
    const auto found = [&](const std::filesystem::path& base, std::string_view relative) {
        auto r = common::resolve(base, relative);
        if (r.ok() && r.value.exists) {
            result.value = r.value.path;
            return true;
        }
        return false;
    };
    if (settings_.dataSource == DataSource::Scenario) {
        if (scenarioFolder_.empty()) {
            result.problem = common::Problem{std::string(name), "finding", "no scenario has been chosen"};
            return result;
        }
        if (!found(scenarioFolder_, name))
            result.problem = common::Problem{scenarioFolder_ / common::pathFromText(name), "finding",
                                             "not in the scenario folder"};
        return result;
    }
    if (found(gameFolder_, name))
        return result;
    if (found(gameFolder_, settings_.builderFolder + "\\" + std::string(name)))
        return result;
    result.problem = common::Problem{gameFolder_ / common::pathFromText(name), "finding",
                                     "not in the game folder nor in the builder folder \"" +
                                         settings_.builderFolder + "\""};
    return result;
}

} // namespace sortie
