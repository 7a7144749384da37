#include "sortie/core/mission_builder.h"

#include "common/problem.h"
#include "sortie/core/surprise.h"

#include <utility>

namespace sortie {

namespace {

// The roles' aircraft every scenario starts from, before the stored choices are applied.
constexpr std::array<const char*, kRoleCount> kDefaultPlanes = {"9", "10", "16", "19"};

bool fileExists(const std::filesystem::path& file) {
    std::error_code ec;
    return std::filesystem::exists(file, ec);
}

} // namespace

MissionBuilder::Parts::Parts(std::filesystem::path gameFolder, BuildSettings settings)
    : mission(std::move(gameFolder), std::move(settings)), board(mission), saveLoad(mission),
      scenario(mission), loadout(mission, [this] { return loadoutReference(); }), map(mission),
      launch(mission) {}

// The second build lists the chosen scenario's table; without a scenario there is none.
std::filesystem::path MissionBuilder::Parts::loadoutReference() const {
    if (mission.settings().dataSource != DataSource::Scenario)
        return pathBelow(mission.places().builderFolder, kLoadoutFileName);
    if (scenario.setup().chosen() < 0)
        return {};
    return common::pathFromText(scenario.setup().filePaths()[kScenarioLoadoutRow]);
}

MissionBuilder::MissionBuilder(std::filesystem::path gameFolder, BuildSettings settings)
    : parts_(std::make_unique<Parts>(std::move(gameFolder), std::move(settings))) {
    board().setLocked(mission().settings().dataSource == DataSource::Scenario);
}

MissionBuilder::MissionBuilder(MissionBuilder&&) noexcept = default;
MissionBuilder& MissionBuilder::operator=(MissionBuilder&&) noexcept = default;
MissionBuilder::~MissionBuilder() = default;

void MissionBuilder::start() {
    MissionState& m = mission();
    const BuilderPlaces& places = m.places();
    std::error_code ec;
    if (!std::filesystem::is_directory(places.builderFolder, ec))
        m.report("The builder folder " + common::pathText(places.builderFolder) + " does not exist");
    saveLoad().start();
    if (settings().dataSource == DataSource::GameThenBuilder)
        m.loadTheatre();
    else
        scenario().start();
    board().readPictures();
    if (fileExists(pathBelow(places.gameFolder, settings().choicesFile)))
        m.ReadLast();
    m.ShowChoice();
    m.forgetHistory();
}

bool MissionBuilder::beginScenario() {
    if (!scenario().readyToLoad())
        return false;
    MissionState& m = mission();
    m.useScenarioFolder(scenario().setup().folder());
    m.loadTheatre();
    for (int r = 0; r < kRoleCount; ++r)
        m.setRolePlane(r, kDefaultPlanes[static_cast<std::size_t>(r)]);
    board().readPictures();
    return true;
}

void MissionBuilder::finishScenario() {
    MissionState& m = mission();
    if (fileExists(pathBelow(m.places().gameFolder, settings().choicesFile)))
        m.restoreChoices();
    m.readWeaponNames();
    m.ShowChoice();
    board().setLocked(false);
    scenario().finish();
    // The scenario's defaults and stored choices are where the player starts, not steps to undo.
    m.forgetHistory();
}

void MissionBuilder::showResults() {
    if (auto report = launch().resultsReport())
        board().showReport(std::move(*report));
}

void MissionBuilder::followChoices() {
    loadout().followChoice();
    board().followChoices();
}

bool MissionBuilder::undo() {
    if (!mission().undo())
        return false;
    followChoices();
    return true;
}

bool MissionBuilder::redo() {
    if (!mission().redo())
        return false;
    followChoices();
    return true;
}

bool MissionBuilder::surprise(std::uint64_t seed) {
    MissionState& m = mission();
    // Before a scenario is loaded there is nothing on the board to draw from.
    const bool waiting = settings().dataSource == DataSource::Scenario && scenario().setup().frameShown();
    const auto drawn = waiting ? std::nullopt : drawSurprise(seed, m.choices(), m.catalog(), m.lists());
    if (!drawn) {
        m.report("Surprise me needs the theatre's aircraft and targets; none are loaded");
        return false;
    }
    const std::string seedText = std::to_string(seed);
    m.change([&](MissionChoices& c) { c = *drawn; }, "Surprise me (seed " + seedText + ")");
    followChoices();
    m.report("Surprise me: seed " + seedText);
    return true;
}

} // namespace sortie
