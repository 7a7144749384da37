#include "import_commit.h"

#include "stale_temporaries.h"

#include "common/atomic_file.h"
#include "common/file_faults.h"
#include "common/folder_index.h"
#include "common/text_file.h"

namespace outfitter {

namespace fs = std::filesystem;

namespace {

std::optional<common::Problem> renameFolder(const fs::path& from, const fs::path& to, const char* action) {
    std::error_code ec;
    if (const int err = common::faults::injected(common::faults::Operation::Rename, to))
        ec = std::error_code(err, std::generic_category());
    else
        fs::rename(from, to, ec);
    if (ec)
        return common::problemFromError(to, action, ec);
    return std::nullopt;
}

// Takes every set of the commit back out of its place and returns what was moved aside.
void takeBack(const fs::path& selectorFolder, const fs::path& importFolder, const ImportCommit& commit,
              common::Problems& problems) {
    const auto staged = importFolder / kImportStagedFolder;
    const auto aside = importFolder / kImportReplacedFolder;
    for (auto set = commit.sets.rbegin(); set != commit.sets.rend(); ++set) {
        const auto name = common::pathFromText(*set);
        const auto placed = selectorFolder / name;
        if (!common::entryKindAt(staged / name) && common::entryKindAt(placed) == common::EntryKind::Folder)
            if (auto failed = renameFolder(placed, staged / name, "taking back the set folder"))
                problems.push_back(*failed);
        const auto moved = common::FolderIndex::scan(aside);
        if (!moved.ok())
            continue;
        const auto old = moved.value.find(*set);
        if (old.ok() && old.value && !common::entryKindAt(placed))
            if (auto failed = renameFolder(aside / common::pathFromText(old.value->name),
                                           selectorFolder / common::pathFromText(old.value->name),
                                           "putting back the set folder"))
                problems.push_back(*failed);
    }
}

} // namespace

std::optional<common::Problem> writeImportCommit(const fs::path& importFolder, const ImportCommit& commit) {
    std::vector<std::string> lines{commit.replace ? "replace" : "add", commit.source};
    lines.insert(lines.end(), commit.sets.begin(), commit.sets.end());
    return common::writeLinesAtomically(importFolder / kImportCommitNote, lines);
}

common::Result<std::optional<ImportCommit>> readImportCommit(const fs::path& importFolder) {
    const auto note = importFolder / kImportCommitNote;
    if (!common::entryKindAt(note))
        return {std::nullopt, std::nullopt};
    auto lines = common::readLines(note);
    if (!lines.ok())
        return {std::nullopt, lines.problem};
    if (lines.value.size() < 3 || (lines.value[0] != "add" && lines.value[0] != "replace"))
        return {std::nullopt, common::Problem{note, "reading", "the note of an unfinished add is damaged"}};
    ImportCommit commit{
        lines.value[1], lines.value[0] == "replace", {lines.value.begin() + 2, lines.value.end()}};
    return {std::move(commit), std::nullopt};
}

common::Problems placeStagedSets(const fs::path& selectorFolder, const fs::path& importFolder,
                                 const ImportCommit& commit) {
    const auto staged = importFolder / kImportStagedFolder;
    const auto fail = [&](common::Problem problem) {
        common::Problems problems{std::move(problem)};
        takeBack(selectorFolder, importFolder, commit, problems);
        return problems;
    };
    auto index = common::FolderIndex::scan(selectorFolder);
    if (!index.ok())
        return fail(*index.problem);
    for (const auto& set : commit.sets) {
        const auto from = staged / common::pathFromText(set);
        if (!common::entryKindAt(from))
            continue; // placed already, by a run that died after it
        const auto existing = index.value.find(set);
        if (!existing.ok())
            return fail(*existing.problem);
        if (existing.value) {
            const auto& entry = *existing.value;
            const auto inTheWay = selectorFolder / common::pathFromText(entry.name);
            if (entry.kind != common::EntryKind::Folder)
                return fail({inTheWay, "adding the set", "something that is not a set folder has its name"});
            if (!commit.replace)
                return fail({inTheWay, "adding the set", "a set folder of that name is already there"});
            std::error_code ec;
            const auto aside = importFolder / kImportReplacedFolder;
            fs::create_directory(aside, ec);
            if (ec)
                return fail(common::problemFromError(aside, "making the folder", ec));
            if (auto failed = renameFolder(inTheWay, aside / common::pathFromText(entry.name),
                                           "moving aside the set folder"))
                return fail(*failed);
            index.value.noteRemoved(entry.name);
        }
        const auto target = selectorFolder / common::pathFromText(set);
        if (auto failed = renameFolder(from, target, "renaming the unpacked set into place as"))
            return fail(*failed);
        index.value.noteCreated({set, common::EntryKind::Folder});
    }
    return {};
}

} // namespace outfitter
