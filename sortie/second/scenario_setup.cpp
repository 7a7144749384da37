#include "sortie/second/scenario_setup.h"

#include "common/folder_listing.h"
#include "common/resolver.h"
#include "common/text_file.h"

namespace sortie {

namespace {

constexpr std::string_view kPad = "   ";

std::string withSeparator(const std::filesystem::path& folder) {
    std::string text = common::pathText(folder);
    text += static_cast<char>(std::filesystem::path::preferred_separator);
    return text;
}

} // namespace

common::Problems ScenarioSetup::start(const std::filesystem::path& gameFolder,
                                      const std::filesystem::path& scenariosFolder,
                                      const std::filesystem::path& formPicture) {
    common::Problems problems;
    framePicture_.clear();
    std::error_code pictureError;
    if (std::filesystem::is_regular_file(formPicture, pictureError)) {
        auto bytes = common::readFileBytes(formPicture);
        if (bytes.problem)
            problems.push_back(*bytes.problem);
        framePicture_ = std::move(bytes.value);
    } else {
        problems.push_back(
            common::Problem{formPicture, "showing the scenario picture", "the picture is missing"});
    }
    gameFolderText_ = common::pathText(gameFolder);
    scenariosFolder_ = scenariosFolder;
    names_.clear();
    scenarioCaptions_ = {common::pathText(scenariosFolder)};
    chosen_ = -1;
    folder_.clear();
    chosenFolderText_.clear();
    filePaths_.fill({});
    frameShown_ = true;

    std::error_code ec;
    if (!std::filesystem::is_directory(scenariosFolder, ec)) {
        problems.push_back(
            common::Problem{scenariosFolder, "listing scenarios", "the scenarios folder is missing"});
        return problems;
    }
    auto listed = common::listFolders(scenariosFolder);
    if (listed.problem) {
        problems.push_back(*listed.problem);
        return problems;
    }
    names_ = std::move(listed.value);
    if (names_.empty()) {
        problems.push_back(
            common::Problem{scenariosFolder, "listing scenarios", "the folder holds no scenario"});
        return problems;
    }
    scenarioCaptions_.clear();
    for (const auto& name : names_)
        scenarioCaptions_.push_back(std::string(kPad) + name + std::string(kPad));
    return problems;
}

bool ScenarioSetup::choose(int k) {
    if (k < 0 || static_cast<std::size_t>(k) >= names_.size())
        return false;
    chosen_ = k;
    folder_ = scenariosFolder_ / common::pathFromText(names_[static_cast<std::size_t>(k)]);
    chosenFolderText_ = withSeparator(folder_);
    for (std::size_t i = 0; i < kScenarioFileRows; ++i) {
        if (!isScenarioDataRow(i))
            continue;
        // The spelling on disk where the file exists, so the table names what the readers open.
        const auto resolved = common::resolve(folder_, kScenarioFileNames[i]);
        filePaths_[i] = resolved.ok() && resolved.value.exists
                            ? common::pathText(resolved.value.path)
                            : chosenFolderText_ + std::string(kScenarioFileNames[i]);
    }
    return true;
}

std::vector<std::string> ScenarioSetup::missingFiles() const {
    std::vector<std::string> missing;
    for (std::size_t i = 0; i < kScenarioFileRows; ++i) {
        if (!isScenarioDataRow(i))
            continue;
        bool present = false;
        if (chosen_ >= 0) {
            const auto resolved = common::resolve(folder_, kScenarioFileNames[i]);
            std::error_code ec;
            present = resolved.ok() && resolved.value.exists &&
                      std::filesystem::is_regular_file(resolved.value.path, ec);
        }
        if (!present)
            missing.emplace_back(kScenarioFileNames[i]);
    }
    return missing;
}

} // namespace sortie
