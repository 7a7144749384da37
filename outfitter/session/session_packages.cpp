// Packages, autoscripts, "Del MSN" and the music switch: what the Autoscripts tab, the package panel,
// "World Settings" and `--apply` do, each one call with the session's rules, read, done and logged alike.

#include "outfitter/session/selector_session.h"

#include "outfitter/sets/default_missions.h"
#include "outfitter/sets/music_switch.h"
#include "outfitter/sets/package_loader.h"

#include "common/change_recorder.h"
#include "common/names.h"
#include "common/resolver.h"

namespace outfitter {

namespace fs = std::filesystem;

bool SelectorSession::namesPackageFile(const std::string& name) {
    return name.size() >= 4 && common::toUpperAscii(name.substr(name.size() - 4)) == ".SET";
}

AutoscriptStore SelectorSession::autoscripts() const {
    return AutoscriptStore(startup_.selectorFolder);
}

std::vector<std::string> SelectorSession::packageNames() const {
    return autoscripts().list();
}

std::optional<fs::path> SelectorSession::findPackage(const std::string& package) const {
    std::error_code ec;
    if (package.find_first_of("/\\") != std::string::npos) {
        const fs::path file = common::pathFromText(package);
        return namesPackageFile(package) && fs::is_regular_file(file, ec) ? std::optional(file)
                                                                          : std::nullopt;
    }
    const bool hasExtension = namesPackageFile(package);
    const auto found = common::resolve(autoscripts().folder(), hasExtension ? package : package + ".set");
    if (found.ok() && found.value.exists && fs::is_regular_file(found.value.path, ec))
        return found.value.path;
    return std::nullopt;
}

common::Result<PackageContents> SelectorSession::readPackage(const std::string& name) const {
    return readPackageFile(autoscripts().folder() / common::pathFromText(name));
}

common::Result<PackageContents> SelectorSession::readPackageFile(const fs::path& file) const {
    return outfitter::readPackage(file);
}

std::optional<fs::path> SelectorSession::packagePicture(const std::vector<std::string>& items,
                                                        common::Problems& problems) const {
    return findPackagePicture(startup_.selectorFolder, items, problems);
}

SetDescription SelectorSession::describePackageItem(const std::string& item) const {
    return outfitter::describePackageItem(startup_.selectorFolder, item);
}

BrowserChange SelectorSession::applyPackage(const std::vector<std::string>& items,
                                            const PackageLoadOptions& options,
                                            const ProgressCallback& progress) {
    ChangeSpan span(*this, gameFolder_, "loading the package in", "Load a package");
    if (auto refused = span.refused()) {
        BrowserChange change;
        change.work.problems.push_back(std::move(*refused));
        return change;
    }
    return loadPackage(browser_, items, options, progress);
}

AutoscriptStore::SaveResult SelectorSession::saveAutoscript(const std::string& name, const std::string& text,
                                                            bool overwrite) {
    ChangeSpan span(*this, autoscripts().folder(), "saving the autoscript in", "Save the autoscript " + name);
    if (auto refused = span.refused()) {
        AutoscriptStore::SaveResult result;
        result.outcome = AutoscriptStore::Outcome::Refused;
        result.problem = std::move(refused);
        return result;
    }
    auto result = autoscripts().save(name, text, overwrite);
    if (result.outcome == AutoscriptStore::Outcome::Saved)
        record({overwrite ? ChangeKind::Patch : ChangeKind::Copy, result.file, "autoscript saved"});
    return result;
}

std::vector<fs::path> SelectorSession::defaultMissions(common::Problems& problems) const {
    return listDefaultMissions(gameFolder_, problems);
}

FileWorkReport SelectorSession::deleteDefaultMissions(const std::vector<fs::path>& missions) {
    ChangeSpan span(*this, gameFolder_, "deleting the missions in", "Del MSN");
    if (auto refused = span.refused()) {
        FileWorkReport report;
        report.problems.push_back(std::move(*refused));
        return report;
    }
    auto report = deleteMissions(missions);
    recordFiles(sink(), report.done, "by Del MSN", ChangeKind::Delete);
    return report;
}

// A loaded set's tune belongs in the active "Music" whichever music is chosen: it went with the old
// folder, so it comes back into the new one (a tune of the chosen music under the same name is left
// where it is, and the player told).
void SelectorSession::keepLoadedMusic(const fs::path& oldMusic, common::Problems& problems) {
    const auto active = common::resolve(gameFolder_, kActiveMusicFolderName);
    if (!active.ok() || !active.value.exists)
        return;
    for (const auto& owner : browser_.owners(true, true))
        for (const auto& file : owner.files) {
            if (file.place != GameSubfolder::Music)
                continue;
            const auto carried = common::resolve(oldMusic, file.name);
            if (!carried.ok() || !carried.value.exists)
                continue;
            const auto target = common::resolve(active.value.path, file.name);
            if (target.ok() && target.value.exists) {
                problems.push_back({target.value.path,
                                    "bringing back " + file.name + " of " + owner.name + " to",
                                    "the chosen music has a tune of that name; the set's stays in " +
                                        common::pathText(oldMusic.filename())});
                continue;
            }
            const auto into = active.value.path / carried.value.path.filename();
            if (auto problem = common::renameEntry(carried.value.path, into, "bringing back"))
                problems.push_back(std::move(*problem));
            else
                record({ChangeKind::Rename, into, "of " + owner.name + ", kept in the active music"});
        }
}

const MusicList& SelectorSession::music() const {
    return startup_.music;
}

MusicSwitch SelectorSession::switchMusic(const std::string& chosen) {
    ChangeSpan span(*this, gameFolder_ / kActiveMusicFolderName, "switching the music in",
                    "Switch the music to " + chosen);
    if (auto refused = span.refused()) {
        MusicSwitch result;
        result.music = startup_.music;
        result.problems.push_back(std::move(*refused));
        return result;
    }
    const std::string before = startup_.music.current;
    auto result = outfitter::switchMusic(gameFolder_, chosen, before);
    if (result.switched) {
        record(
            {ChangeKind::Rename, gameFolder_ / common::pathFromText(before), "from Music (music switched)"});
        record({ChangeKind::Rename, gameFolder_ / kActiveMusicFolderName,
                "from " + chosen + " (music switched)"});
        keepLoadedMusic(gameFolder_ / common::pathFromText(before), result.problems);
    }
    startup_.music = result.music;
    return result;
}

} // namespace outfitter
