// Skins and plane sets: "Planes and Skins" installs, removes and renames through these calls, which
// apply the session's rules and write the log lines, so the tab only shows what came back.

#include "outfitter/session/selector_session.h"

namespace outfitter {

namespace fs = std::filesystem;

SkinChange SelectorSession::toggleSkin(std::size_t row, const ProgressCallback& progress) {
    return skinChange([&] { return skins_.toggle(row, progress); });
}

SkinChange SelectorSession::removeAllSkins(const ProgressCallback& progress) {
    return skinChange([&] { return skins_.Skinkill(progress); });
}

SkinChange SelectorSession::skinChange(const std::function<SkinChange()>& change) {
    if (auto refused = refusal(skins_.storeFolder(), "changing the skins in")) {
        SkinChange refusedChange;
        refusedChange.work.problems.push_back(std::move(*refused));
        return refusedChange;
    }
    auto done = change();
    recordFiles(sink(), done.work.done, "for a skin");
    for (const auto& kept : done.originals)
        record(kept);
    return done;
}

SkinRename SelectorSession::renameSkin(std::size_t row, const std::string& newName) {
    if (auto refused = refusal(skins_.storeFolder(), "renaming a skin in")) {
        SkinRename refusedRename;
        refusedRename.problem = std::move(refused);
        return refusedRename;
    }
    const std::string oldName = row < skins_.rows().size() ? skins_.rows()[row].name : std::string();
    auto outcome = skins_.rename(row, newName);
    if (outcome.renamed)
        record({ChangeKind::Rename, skins_.storeFolder() / common::pathFromText(skins_.rows()[row].name),
                "from the skin " + oldName});
    return outcome;
}

PlaneInstallReport SelectorSession::installPlaneSet(std::size_t row) {
    if (row >= planeSets_.rows().size())
        return {};
    if (auto refused = refusal(gameFolder_, "installing the aircraft in")) {
        PlaneInstallReport report;
        report.problems.push_back(std::move(*refused));
        return report;
    }
    const auto name = planeSets_.rows()[row].folder;
    auto outcome = planeSets_.install(row);
    recordFiles(sink(), outcome.written, "for " + name, ChangeKind::Patch);
    return outcome;
}

} // namespace outfitter
