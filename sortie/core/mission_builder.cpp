#include "sortie/core/mission_builder.h"

#include "common/folder_listing.h"
#include "common/numbers.h"
#include "common/resolver.h"
#include "common/text_file.h"
#include "sortie/theatre/name_lists.h"

#include <utility>

namespace sortie {

namespace {

std::filesystem::path below(const std::filesystem::path& base, std::string_view relative) {
    return common::resolve(base, relative).value.path;
}

} // namespace

MissionBuilder::MissionBuilder(std::filesystem::path gameFolder, BuildSettings settings)
    : gameFolder_(std::move(gameFolder)), settings_(std::move(settings)),
      catalog_(makeOptionCatalog(settings_)), data_(gameFolder_, settings_) {
    builderFolder_ = below(gameFolder_, settings_.builderFolder);
    picturesFolder_ = below(gameFolder_, settings_.picturesFolder);
    missionsFolder_ = below(gameFolder_, settings_.missionsFolder);
    choices_.PNat = nationForPlane(common::readInteger(choices_.Text1[0]));
}

void MissionBuilder::report(const std::string& text) {
    messages_.push_back(text);
}
void MissionBuilder::report(const common::Problem& problem) {
    messages_.push_back(problem.text());
}
void MissionBuilder::reportAll(const std::vector<std::string>& notes, const common::Problems& problems) {
    for (const auto& problem : problems)
        report(problem);
    for (const auto& note : notes)
        report(note);
}

std::filesystem::path MissionBuilder::builderFile(std::string_view name) const {
    return below(gameFolder_, settings_.builderFolder + "\\" + std::string(name));
}

void MissionBuilder::start() {
    std::error_code ec;
    if (!std::filesystem::is_directory(builderFolder_, ec))
        report("The builder folder " + common::pathText(builderFolder_) + " does not exist");
    auto saved = common::listFiles(missionsFolder_, "*.mpf");
    if (saved.ok())
        savedMissions_ = std::move(saved.value);
    else
        report("The saved-missions folder " + common::pathText(missionsFolder_) +
               " cannot be listed: " + saved.problem->reason);

    if (settings_.dataSource == DataSource::GameThenBuilder)
        loadTheatre();
    else
        for (const auto& problem : scenario_.start(gameFolder_, below(gameFolder_, settings_.scenariosFolder),
                                                   below(picturesFolder_, kScenarioPictureName)))
            report(problem);
    refreshNames();

    const auto pictureFile = below(picturesFolder_, kPictureTableName);
    auto pictures = readPictureTable(pictureFile);
    pictures_ = pictures.value;
    if (pictures.problem)
        report(*pictures.problem);

    geometry_ = BoardGeometry::fromBoard(11580, 9750, 90, 60);
    std::error_code existsError;
    if (std::filesystem::exists(below(gameFolder_, settings_.choicesFile), existsError))
        ReadLast();
    ShowChoice();
}

void MissionBuilder::setScenarioFolder(std::filesystem::path folder) {
    data_ = DataLocator(gameFolder_, settings_, std::move(folder));
}

void MissionBuilder::loadTheatre() {
    TheatreNames names = LoadNameLists(data_);
    for (const auto& problem : names.problems)
        report(problem);
    PList_ = std::move(names.PList);
    TList_ = std::move(names.TList);
    targets_ = std::move(names.targets);
    Tg_ = TargDat(targets_, TList_);
    refreshNames();

    auto weapons = StrToArray(data_, "weapons.str");
    if (weapons.problem)
        report(*weapons.problem);
    weaponNames_ = std::move(weapons.value);
    // New names change the cell captions and the summary.
    ShowChoice();
}

std::string MissionBuilder::Label3() const {
    return choices_.PNat == kNoneSelected ? std::string() : std::to_string(choices_.PNat);
}

std::string MissionBuilder::planeName(const std::string& text) const {
    long n = common::readInteger(text);
    // "None" and "Random" are stored as -2 and -1 but listed as the last two entries.
    if (n == -2 || n == -1)
        n += static_cast<long>(PList_.size());
    if (n < 0 || n >= static_cast<long>(PList_.size()))
        return {};
    return PList_[static_cast<std::size_t>(n)];
}

std::string MissionBuilder::targetName(const std::string& text) const {
    const long n = common::readInteger(text);
    if (n < 0 || n >= static_cast<long>(TList_.size()))
        return {};
    return TList_[static_cast<std::size_t>(n)];
}

void MissionBuilder::refreshNames() {
    for (std::size_t r = 0; r < Label1_.size(); ++r)
        Label1_[r] = planeName(choices_.Text1[r]);
    for (std::size_t i = 0; i < Label2_.size(); ++i)
        Label2_[i] = targetName(choices_.Text6[i]);
}

void MissionBuilder::ReadLast() {
    const auto file = below(gameFolder_, settings_.choicesFile);
    const auto limits = catalog_.limits(static_cast<int>(PList_.size()), static_cast<int>(TList_.size()));
    auto result = sortie::ReadLast(file, choices_, limits);
    if (result.problem) {
        report(*result.problem);
        return;
    }
    choices_ = result.value.choices;
    for (const auto& note : result.value.notes)
        report(common::pathText(file.filename()) + ", " + note);
    refreshNames();
}

void MissionBuilder::restoreChoices() {
    ReadLast();
    ShowChoice();
}

void MissionBuilder::ShowChoice() {
    apply(sortie::ShowChoice(snapshot()));
}

void MissionBuilder::apply(const MissionSummary& summary) {
    Label9_ = summary.Label9;
    view_.cellCaption = summary.Label18;
    Frame3_ = summary.Frame3;
    Frame6_ = summary.Frame6;
}

const std::string& MissionBuilder::PicShow(int entry) {
    if (auto it = pictureCache_.find(entry); it != pictureCache_.end())
        return it->second;
    std::string bytes;
    const std::string name =
        entry >= 0 && entry < kPictureEntries ? pictures_[static_cast<std::size_t>(entry)] : std::string();
    std::error_code ec;
    auto file = name.empty() ? std::filesystem::path() : below(picturesFolder_, name);
    if (file.empty() || !std::filesystem::is_regular_file(file, ec))
        file = below(picturesFolder_, kDefaultPictureName);
    if (std::filesystem::is_regular_file(file, ec)) {
        auto read = common::readFileBytes(file);
        if (read.ok())
            bytes = std::move(read.value);
        else
            report(*read.problem);
    } else if (!missingPictureReported_) {
        missingPictureReported_ = true;
        report("No board picture for \"" + name + "\" and no " + std::string(kDefaultPictureName) + " in " +
               common::pathText(picturesFolder_));
    }
    return pictureCache_.emplace(entry, std::move(bytes)).first->second;
}

} // namespace sortie
