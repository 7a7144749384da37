// The session's views of the game folder against what is loaded, and the refusal to change it while
// the game runs from it.

#include "outfitter/session/selector_session.h"

#include "outfitter/core/original_store.h"

#include "common/game_file_ops.h"

namespace outfitter {

namespace fs = std::filesystem;

std::optional<common::RunningProgram> SelectorSession::gameRunning() const {
    return common::programRunningIn(gameFolder_);
}

std::optional<std::string> SelectorSession::changeRefusal() const {
    if (gameRunning())
        return std::string("EAW is running from this game folder: close the game first, then try again. "
                           "Nothing was changed.");
    return std::nullopt;
}

SetFiles SelectorSession::setFiles(std::size_t row) const {
    const auto& rows = browser_.rows();
    if (row >= rows.size())
        return {};
    SetFilesQuery query;
    query.name = rows[row].name;
    query.folder = common::pathFromText(rows[row].path);
    query.loaded = rows[row].loaded;
    query.gameFolder = gameFolder_;
    query.originalsFolder = OriginalStore(gameFolder_, startup_.selectorFolder).folder();
    query.loadedOwners = browser_.owners(true, true);
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (i != row && !rows[i].loaded)
            query.unloadedSets.push_back(setOwner(rows[i].name, common::pathFromText(rows[i].path)));
    return listSetFiles(query);
}

std::string SelectorSession::sharedSummary(std::size_t row) const {
    const auto& rows = browser_.rows();
    if (row >= rows.size())
        return {};
    const auto owner = setOwner(rows[row].name, common::pathFromText(rows[row].path));
    return sharedText(sharedWithLoaded(owner, browser_.owners(true, true)));
}

FolderCheck
SelectorSession::checkGameFolder(const std::function<bool(std::size_t, std::size_t)>& progress) const {
    return outfitter::checkGameFolder(gameFolder_, browser_.owners(true, true), progress);
}

FileWorkReport SelectorSession::loadAgain(const FolderCheck& check) {
    FileWorkReport work;
    ChangeSpan span(*this, gameFolder_, "loading again", "Load again after the check");
    if (auto refused = span.refused()) {
        work.problems.push_back(std::move(*refused));
        return work;
    }
    for (const auto& finding : check.findings) {
        if (auto problem = common::copyReplacing(finding.copy, finding.gameFile)) {
            work.problems.push_back(std::move(*problem));
            continue;
        }
        work.done.push_back(finding.gameFile);
        record(
            {ChangeKind::Copy, finding.gameFile, "from " + finding.owner + ", loaded again after the check"});
    }
    return work;
}

} // namespace outfitter
