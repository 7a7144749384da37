#include "sortie/core/saved_missions.h"

#include "common/atomic_file.h"
#include "common/folder_listing.h"
#include "common/names.h"
#include "common/resolver.h"
#include "common/text_file.h"
#include "common/write_check.h"
#include "sortie/core/mission_file.h"

#include <array>

namespace sortie {

namespace {

constexpr std::string_view kForbiddenCharacters = "<>:\"|?*";
// The longest file name most file systems hold, in bytes, extension included.
constexpr std::size_t kLongestFileName = 255;

bool reservedDeviceName(std::string_view name) {
    // Windows refuses these with any extension: "CON.mpf" is the console.
    const std::string_view base = name.substr(0, name.find('.'));
    static constexpr std::array<std::string_view, 4> plain{"CON", "PRN", "AUX", "NUL"};
    for (auto reserved : plain)
        if (common::equalsIgnoreCase(base, reserved))
            return true;
    if (base.size() == 4 && base[3] >= '1' && base[3] <= '9')
        return common::equalsIgnoreCase(base.substr(0, 3), "COM") ||
               common::equalsIgnoreCase(base.substr(0, 3), "LPT");
    return false;
}

std::filesystem::path withExtension(const std::filesystem::path& folder, std::string_view name,
                                    std::string_view extension, std::optional<common::Problem>& problem) {
    auto found = common::resolve(folder, std::string(name) + std::string(extension));
    if (found.problem && !problem)
        problem = found.problem;
    return found.value.path;
}

struct Backup {
    std::filesystem::path file;
    bool existed = false;
    std::string bytes;
};

std::optional<common::Problem> takeBackup(const std::filesystem::path& file, Backup& backup) {
    backup.file = file;
    std::error_code ec;
    backup.existed = std::filesystem::exists(file, ec);
    if (!backup.existed)
        return std::nullopt;
    auto read = common::readFileBytes(file);
    backup.bytes = std::move(read.value);
    return read.problem;
}

void restore(const Backup& backup, common::Problems& problems) {
    if (backup.existed) {
        if (auto problem = common::writeFileAtomically(backup.file, backup.bytes))
            problems.push_back(*problem);
        return;
    }
    std::error_code ec;
    std::filesystem::remove(backup.file, ec);
    if (ec)
        problems.push_back(common::problemFromError(backup.file, "removing", ec));
}

// Two files that belong together: either both are replaced or, as far as the disk allows, neither.
bool writePair(const std::filesystem::path& first, const std::string& firstBytes,
               const std::filesystem::path& second, const std::string& secondBytes,
               common::Problems& problems) {
    Backup backup;
    if (auto problem = takeBackup(first, backup)) {
        problems.push_back(*problem);
        return false;
    }
    if (auto problem = common::writeFileAtomically(first, firstBytes)) {
        problems.push_back(*problem);
        return false;
    }
    if (auto problem = common::writeFileAtomically(second, secondBytes)) {
        problems.push_back(*problem);
        problems.push_back(common::Problem{
            first, "putting back", "so that it still matches " + common::pathText(second.filename())});
        restore(backup, problems);
        return false;
    }
    return true;
}

} // namespace

std::optional<std::string> savedNameFault(std::string_view name) {
    if (name.empty())
        return "enter a name for the mission first";
    for (char ch : name) {
        const auto byte = static_cast<unsigned char>(ch);
        if (ch == '\\' || ch == '/')
            return "a name cannot hold \"\\\" or \"/\"; the mission is saved in the saved-missions folder";
        if (byte < 32)
            return "a file name cannot hold control characters";
        if (kForbiddenCharacters.find(ch) != std::string_view::npos)
            return std::string("a file name cannot hold \"") + ch + "\"";
    }
    if (name.back() == '.' || name.back() == ' ')
        return "a file name cannot end with a dot or a blank";
    if (reservedDeviceName(name))
        return "\"" + std::string(name.substr(0, name.find('.'))) + "\" is reserved for a device";
    if (name.size() + 4 > kLongestFileName)
        return "the name is too long for a file name";
    return std::nullopt;
}

SaveResult saveMission(const std::filesystem::path& missionsFolder, std::string_view name,
                       const MissionSnapshot& mission) {
    SaveResult result;
    result.summary = ShowChoice(mission);
    const std::string action = "saving the mission \"" + std::string(name) + "\" in";
    if (auto fault = savedNameFault(name)) {
        result.problems.push_back(common::Problem{{}, "saving the mission", *fault});
        return result;
    }
    std::error_code ec;
    if (!std::filesystem::is_directory(missionsFolder, ec)) {
        result.problems.push_back(
            common::Problem{missionsFolder, action, "the saved-missions folder does not exist"});
        return result;
    }

    std::optional<common::Problem> resolveProblem;
    const auto mpf = withExtension(missionsFolder, name, ".mpf", resolveProblem);
    const auto jsv = withExtension(missionsFolder, name, ".jsv", resolveProblem);
    if (resolveProblem) {
        result.problems.push_back(*resolveProblem);
        return result;
    }
    for (const auto& file : {mpf, jsv})
        if (auto refused = common::replaceRefusal(file, action))
            result.problems.push_back(*refused);
    if (!result.problems.empty())
        return result;
    result.replaced = std::filesystem::exists(mpf, ec) || std::filesystem::exists(jsv, ec);

    const std::string choices = common::joinLinesCrLf(choicesLines(mission.choices));
    result.saved = writePair(mpf, missionBytes(mission.choices, result.summary.summaryText), jsv, choices,
                             result.problems);
    if (result.saved)
        result.notes.push_back(result.replaced
                                   ? "The saved mission \"" + std::string(name) + "\" was replaced"
                                   : "The mission was saved as \"" + std::string(name) + "\"");

    auto listed = listSavedMissions(missionsFolder);
    result.File1 = std::move(listed.value);
    if (listed.problem)
        result.problems.push_back(*listed.problem);
    return result;
}

common::Result<std::vector<std::string>> listSavedMissions(const std::filesystem::path& missionsFolder) {
    return common::listFiles(missionsFolder, kSavedMissionPattern);
}

SavedMissionDetails selectSavedMission(const std::filesystem::path& missionsFolder,
                                       std::string_view fileName) {
    SavedMissionDetails details;
    details.selectedMissionPath = missionsFolder / common::pathFromText(fileName);
    auto lines = common::readLines(details.selectedMissionPath);
    if (lines.problem) {
        details.problem = lines.problem;
        return details;
    }
    bool inDetails = false;
    for (const auto& line : lines.value) {
        inDetails = inDetails || line == kDetailsLine;
        if (inDetails) {
            details.missionDetails += line;
            details.missionDetails += "\r\n";
        }
    }
    return details;
}

LoadResult loadSavedMission(const std::filesystem::path& gameFolder, const BuildSettings& settings,
                            const std::filesystem::path& selected, const MissionSnapshot& current) {
    LoadResult result;
    result.choices = current.choices;
    result.summary = ShowChoice(current);
    auto refuse = [&](std::filesystem::path path, std::string reason) {
        result.problems.push_back(
            common::Problem{std::move(path), "loading the saved mission", std::move(reason)});
        return result;
    };

    std::error_code ec;
    if (selected.empty() || !std::filesystem::is_regular_file(selected, ec))
        return refuse({}, "select a saved mission first");
    const std::string mpfName = common::pathText(selected.filename());
    // The choices file is the mission file's name with its last three characters made "jsv".
    const std::string jsvName =
        mpfName.substr(0, mpfName.size() - std::min<std::size_t>(3, mpfName.size())) + "jsv";
    const auto jsv = common::resolve(selected.parent_path(), jsvName);
    if (jsv.problem)
        return refuse(jsv.value.path, jsv.problem->reason);
    if (!jsv.value.exists)
        return refuse(selected.parent_path() / common::pathFromText(jsvName),
                      "its choices file is missing, so the mission cannot be restored");

    auto mpfBytes = common::readFileBytes(selected);
    if (mpfBytes.problem) {
        result.problems.push_back(*mpfBytes.problem);
        return result;
    }
    auto jsvBytes = common::readFileBytes(jsv.value.path);
    if (jsvBytes.problem) {
        result.problems.push_back(*jsvBytes.problem);
        return result;
    }

    const auto missionFile = common::resolve(gameFolder, settings.missionFile);
    const auto choicesFile = common::resolve(gameFolder, settings.choicesFile);
    for (const auto* target : {&missionFile, &choicesFile})
        if (target->problem) {
            result.problems.push_back(*target->problem);
            return result;
        }
    // Both are checked first: a refused second file would otherwise undo the first one's change.
    for (const auto* target : {&missionFile, &choicesFile})
        if (auto refused = common::replaceRefusal(target->value.path, "loading the saved mission: writing"))
            result.problems.push_back(*refused);
    if (!result.problems.empty())
        return result;
    if (!writePair(missionFile.value.path, mpfBytes.value, choicesFile.value.path, jsvBytes.value,
                   result.problems))
        return result;
    result.loaded = true;

    const auto limits = current.catalog.limits(static_cast<int>(current.aircraftNames.size()),
                                               static_cast<int>(current.targetNames.size()));
    auto restored = ReadLast(choicesFile.value.path, current.choices, limits);
    if (restored.problem)
        result.problems.push_back(*restored.problem);
    result.choices = restored.value.choices;
    for (const auto& note : restored.value.notes)
        result.notes.push_back(common::pathText(jsv.value.path.filename()) + ", " + note);

    const MissionSnapshot loaded{result.choices, current.catalog, current.aircraftNames, current.targetNames};
    result.summary = ShowChoice(loaded);
    result.notes.push_back("Loaded " + mpfName + " as the mission to fly");
    return result;
}

} // namespace sortie
