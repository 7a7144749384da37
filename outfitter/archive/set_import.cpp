#include "outfitter/archive/set_import.h"

#include "outfitter/archive/entry_names.h"
#include "outfitter/archive/import_rules.h"
#include "outfitter/archive/source_reader.h"

#include "common/file_identity.h"
#include "common/folder_index.h"

#include <algorithm>

namespace outfitter {

namespace fs = std::filesystem;

namespace {

// A hostile archive may hold thousands of bad names; the first ones say enough.
constexpr std::size_t kMostEntryProblems = 20;

std::unique_ptr<SourceReader> openSource(const ImportPlan& plan, const fs::path& selectorFolder,
                                         std::optional<common::Problem>& problem) {
    if (plan.isFolder)
        return openFolderReader(plan.source, plan.folderPrefix, selectorFolder);
    return openArchiveReader(plan.source, problem);
}

// A folder source that holds the selector folder, or lies in it, would be walked while it is written to.
// Told by identity, so a bind mount or a link of "QIV128" under another name is known too.
bool overlapsSelectorFolder(const fs::path& source, const fs::path& selectorFolder) {
    return common::isSameOrInside(source, selectorFolder) || common::isSameOrInside(selectorFolder, source);
}

std::vector<std::string> setFoldersOf(const ImportPlan& plan) {
    std::vector<std::string> folders;
    for (const auto& set : plan.sets)
        folders.push_back(set.sourceFolder);
    return folders;
}

bool isCategoryLetter(const std::string& letter, const CategoryTable& categories) {
    return letter.size() == 1 &&
           std::any_of(categories.categories().begin(), categories.categories().end(),
                       [&](const Category& category) { return category.letter == letter; });
}

// The proposal of a set folder "LETTER-Name" (or "LETTER Name") as the source names it.
ImportProposal proposalOfSetFolder(const std::string& folder) {
    return {folder, folder.substr(0, 1), folder.substr(std::min<std::size_t>(2, folder.size())), {}, folder};
}

void applyOverrides(ImportProposal& set, const std::optional<std::string>& letter,
                    const std::optional<std::string>& name) {
    if (letter)
        set.letter = *letter;
    if (name)
        set.name = *name;
    if (letter || name)
        set.folderName = set.letter.empty() ? std::string() : set.letter + "-" + set.name;
}

void proposeSets(ImportPlan& plan, const LayoutChoice& choice, const std::string& baseName,
                 const std::optional<std::string>& letter, const std::optional<std::string>& name) {
    switch (choice.layout) {
    case ImportLayout::SelectorFolder:
        for (const auto& folder : choice.setFolders)
            plan.sets.push_back(proposalOfSetFolder(folder));
        for (const auto& folder : choice.notSets)
            plan.problems.push_back(entryProblem(plan.source, joinEntryName(plan.prefix) + "/" + folder,
                                                 "the folder is not named as a set (a category letter of "
                                                 "\"qiv.ini\", a dash and a name)"));
        if (plan.sets.empty() && choice.notSets.empty())
            plan.problems.push_back({plan.source, "adding", "its \"QIV128\" folder holds no set folder"});
        if (plan.sets.size() == 1)
            applyOverrides(plan.sets.front(), letter, name);
        break;
    case ImportLayout::NamedFolder:
        plan.sets.push_back(proposalOfSetFolder(choice.setFolders.front()));
        applyOverrides(plan.sets.front(), letter, name);
        break;
    case ImportLayout::Wrapped:
    case ImportLayout::Loose: {
        ImportProposal set;
        set.name = baseName;
        plan.sets.push_back(set);
        applyOverrides(plan.sets.front(), letter, name ? name : std::optional<std::string>(baseName));
        plan.letterNeeded = !letter;
        break;
    }
    }
}

void checkProposals(ImportPlan& plan, const CategoryTable& categories, const fs::path& selectorFolder) {
    for (const auto& set : plan.sets) {
        if (set.letter.empty())
            continue;
        if (!isCategoryLetter(set.letter, categories)) {
            plan.problems.push_back(
                {plan.source, "adding",
                 "there is no category with the letter " + inQuotes(set.letter) + " in \"qiv.ini\""});
            continue;
        }
        const auto fault = set.name.empty() ? "the name is empty" : folderNameFault(set.folderName);
        if (!fault.empty())
            plan.problems.push_back(
                {plan.source, "adding", "the set name " + inQuotes(set.name) + ": " + fault});
    }
    const auto index = common::FolderIndex::scan(selectorFolder);
    if (!index.ok()) {
        plan.problems.push_back(*index.problem);
        return;
    }
    for (auto& set : plan.sets) {
        if (set.folderName.empty())
            continue;
        const auto existing = index.value.find(set.folderName);
        if (!existing.ok())
            plan.problems.push_back(*existing.problem);
        else if (existing.value && existing.value->kind != common::EntryKind::Folder)
            plan.problems.push_back({selectorFolder / common::pathFromText(existing.value->name),
                                     "adding the set", "something that is not a set folder has its name"});
        else if (existing.value)
            set.existingFolder = existing.value->name;
    }
}

} // namespace

void planFromListing(ImportPlan& plan, SourceReader& reader, const CategoryTable& categories,
                     const std::string& baseName, const std::optional<std::string>& letter,
                     const std::optional<std::string>& name) {
    const auto& source = plan.source;
    std::optional<common::Problem> readFailure;
    std::vector<ListedEntry> listed;
    EntryNameSet names;
    std::size_t refused = 0;
    while (const auto entry = reader.next(readFailure)) {
        std::string fault;
        auto parts = checkEntry(*entry, fault);
        if (parts && !isMacMetadata(*parts))
            fault = names.add(*parts, entry->kind == SourceEntryKind::File);
        if (!fault.empty()) {
            if (++refused <= kMostEntryProblems)
                plan.problems.push_back(entryProblem(source, entry->name, fault));
            continue;
        }
        listed.push_back({std::move(*parts), entry->kind == SourceEntryKind::File, entry->size});
    }
    if (refused > kMostEntryProblems)
        plan.problems.push_back(
            {source, "adding",
             "and " + std::to_string(refused - kMostEntryProblems) + " more entries like these"});
    if (readFailure)
        plan.problems.push_back(*readFailure);
    if (!plan.problems.empty())
        return;

    const auto choice = chooseLayout(listed, categories);
    plan.layout = choice.layout;
    plan.prefix = choice.prefix;
    proposeSets(plan, choice, baseName, letter, name);

    const auto setFolders = setFoldersOf(plan);
    for (const auto& entry : listed) {
        EntryRoute route;
        const auto kind = routeEntry(plan.layout, plan.prefix, setFolders, entry.parts, route);
        if (kind == RouteKind::LeftOut && entry.isFile)
            plan.leftOut.push_back(joinEntryName(entry.parts));
        if (kind != RouteKind::IntoSet || !entry.isFile)
            continue;
        ++plan.files;
        plan.bytes += entry.size;
    }
    if (plan.files == 0)
        plan.problems.push_back({source, "adding", "it holds no file to add as a set"});
}

ImportPlan planImport(const fs::path& source, const CategoryTable& categories, const fs::path& selectorFolder,
                      std::optional<std::string> letter, std::optional<std::string> name) {
    ImportPlan plan;
    plan.source = source;
    if (letter && letter->empty())
        letter.reset(); // a dialog with no category chosen
    std::error_code ec;
    const auto status = fs::status(source, ec);
    if (ec || !fs::exists(status)) {
        plan.problems.push_back(common::problemFromError(
            source, "adding", ec ? ec : std::make_error_code(std::errc::no_such_file_or_directory)));
        return plan;
    }
    plan.isFolder = fs::is_directory(status);
    if (!plan.isFolder && !fs::is_regular_file(status)) {
        plan.problems.push_back({source, "adding", "it is neither an archive nor a folder"});
        return plan;
    }
    if (plan.isFolder && overlapsSelectorFolder(source, selectorFolder)) {
        plan.problems.push_back({source, "adding", kSelectorFolderInside});
        return plan;
    }
    const auto sourceName = source.has_filename() ? source.filename() : source.parent_path().filename();
    const auto baseName = sourceBaseName(common::pathText(sourceName), plan.isFolder);
    if (plan.isFolder && setFolderLetter(baseName, categories))
        plan.folderPrefix = baseName; // the folder is itself the set

    std::optional<common::Problem> openFailure;
    const auto reader = openSource(plan, selectorFolder, openFailure);
    if (!reader) {
        plan.problems.push_back(*openFailure);
        return plan;
    }
    planFromListing(plan, *reader, categories, baseName, letter, name);
    if (!plan.problems.empty())
        return plan;
    checkProposals(plan, categories, selectorFolder);
    // The sizes the listing declares are asked first; what is written is counted again as it arrives.
    std::error_code sizeError;
    if (!plan.isFolder)
        if (auto bomb = bombRefusal(source, plan.limits, fs::file_size(source, sizeError), plan.bytes))
            plan.problems.push_back(*bomb);
    if (auto full = freeSpaceRefusal(selectorFolder, plan.bytes))
        plan.problems.push_back(*full);
    return plan;
}

} // namespace outfitter
