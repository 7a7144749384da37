// The second reading of a source: every entry is checked again as it comes (the archive may have
// changed since its listing was read), written below the temporary folder, and counted as it arrives.

#include "outfitter/archive/entry_names.h"
#include "outfitter/archive/file_writer.h"
#include "outfitter/archive/import_rules.h"
#include "outfitter/archive/import_staging.h"
#include "outfitter/archive/set_import.h"
#include "outfitter/archive/source_reader.h"

#include "common/folder_index.h"

#include <limits>

namespace outfitter {

namespace fs = std::filesystem;

namespace {

class Unpacker final {
  public:
    Unpacker(const ImportPlan& plan, const ImportStaging& staging,
             const std::function<bool(const ImportProgress&)>& progress)
        : plan_(plan), staging_(staging), progress_(progress) {
        for (const auto& set : plan.sets)
            setFolders_.push_back(set.sourceFolder);
    }

    // Writes every entry that belongs to a set; a problem or a cancel stops it at once.
    common::Problems run(ImportResult& result) {
        std::optional<common::Problem> failure;
        std::unique_ptr<SourceReader> reader =
            plan_.isFolder ? openFolderReader(plan_.source, plan_.folderPrefix, staging_.selectorFolder())
                           : openArchiveReader(plan_.source, failure);
        if (!reader)
            return {*failure};
        std::error_code ec;
        archiveSize_ = plan_.isFolder ? 0 : fs::file_size(plan_.source, ec);
        const auto space = fs::space(staging_.folder(), ec);
        freeSpace_ = ec ? std::numeric_limits<std::uint64_t>::max() : space.available;
        if (!report())
            return cancel(result);
        while (const auto entry = reader->next(failure)) {
            std::string fault;
            auto parts = checkEntry(*entry, fault);
            if (parts && !isMacMetadata(*parts))
                fault = names_.add(*parts, entry->kind == SourceEntryKind::File);
            if (!fault.empty())
                return {entryProblem(plan_.source, entry->name, fault)};
            EntryRoute route;
            if (routeEntry(plan_.layout, plan_.prefix, setFolders_, *parts, route) != RouteKind::IntoSet)
                continue;
            auto target = staging_.setFolder(route.set);
            for (const auto& part : route.relative)
                target /= common::pathFromText(part);
            if (entry->kind == SourceEntryKind::Folder) {
                std::error_code ec;
                fs::create_directories(target, ec);
                if (ec)
                    return {common::problemFromError(target, "making the folder", ec)};
                continue;
            }
            auto problems = unpackFile(*reader, target, result);
            if (!problems.empty() || result.cancelled)
                return problems;
        }
        if (failure)
            return {*failure};
        return {};
    }

  private:
    bool report() { return !progress_ || progress_(ImportProgress{done_, std::max(done_, plan_.bytes)}); }

    common::Problems cancel(ImportResult& result) {
        result.cancelled = true;
        return {};
    }

    common::Problems unpackFile(SourceReader& reader, const fs::path& target, ImportResult& result) {
        std::error_code ec;
        fs::create_directories(target.parent_path(), ec);
        if (ec)
            return {common::problemFromError(target.parent_path(), "making the folder", ec)};
        if (auto failed = writer_.create(target))
            return {*failed};
        std::uint64_t written = 0;
        std::optional<common::Problem> stopped;
        bool cancelled = false;
        auto readFailure = reader.readContents([&](std::string_view block) {
            if (auto failed = writer_.write(block)) {
                stopped = std::move(failed);
                return false;
            }
            written += block.size();
            done_ += block.size();
            if (auto refused = overLimit()) {
                stopped = std::move(refused);
                return false;
            }
            if (!report()) {
                cancelled = true;
                return false;
            }
            return true;
        });
        if (readFailure || stopped || cancelled) {
            writer_.abandon();
            if (cancelled)
                return cancel(result);
            return {stopped ? *stopped : *readFailure};
        }
        if (auto failed = writer_.finish())
            return {*failed};
        ++result.files;
        result.bytes += written;
        return {};
    }

    // The whole archive is measured, counted as written, so a header that understates a size, many
    // entries just under a limit each, or a sparse file's holes change nothing.
    std::optional<common::Problem> overLimit() const {
        if (!plan_.isFolder)
            if (auto bomb = bombRefusal(plan_.source, plan_.limits, archiveSize_, done_))
                return bomb;
        if (done_ > freeSpace_)
            return common::Problem{plan_.source, "adding",
                                   "it unpacks to more than the " + withThousands(freeSpace_ / 1'000'000) +
                                       " MB the disk had free"};
        return std::nullopt;
    }

    const ImportPlan& plan_;
    const ImportStaging& staging_;
    const std::function<bool(const ImportProgress&)>& progress_;
    std::vector<std::string> setFolders_;
    EntryNameSet names_;
    FileWriter writer_;
    std::uint64_t done_ = 0;
    std::uint64_t archiveSize_ = 0;
    std::uint64_t freeSpace_ = 0;
};

// What stands in the way of writing the plan now, before a byte is unpacked.
common::Problems refusalOf(const ImportPlan& plan, const fs::path& selectorFolder, bool replaceExisting) {
    if (!plan.problems.empty())
        return plan.problems;
    if (plan.sets.empty() || plan.letterNeeded)
        return {{plan.source, "adding", "choose a category for the set first"}};
    const auto index = common::FolderIndex::scan(selectorFolder);
    if (!index.ok())
        return {*index.problem};
    common::Problems problems;
    for (const auto& set : plan.sets) {
        if (set.folderName.empty() || !folderNameFault(set.folderName).empty()) {
            problems.push_back(
                {plan.source, "adding", "the set name " + inQuotes(set.folderName) + " cannot be used"});
            continue;
        }
        const auto existing = index.value.find(set.folderName);
        if (!existing.ok())
            problems.push_back(*existing.problem);
        else if (existing.value && !replaceExisting)
            problems.push_back({selectorFolder / common::pathFromText(existing.value->name), "adding the set",
                                "a set folder of that name is already there"});
    }
    if (auto full = freeSpaceRefusal(selectorFolder, plan.bytes))
        problems.push_back(*full);
    return problems;
}

} // namespace

ImportResult importSets(const ImportPlan& plan, const fs::path& selectorFolder, bool replaceExisting,
                        const std::function<bool(const ImportProgress&)>& progress) {
    ImportResult result;
    result.problems = refusalOf(plan, selectorFolder, replaceExisting);
    if (!result.problems.empty())
        return result;
    std::vector<std::string> folderNames;
    for (const auto& set : plan.sets)
        folderNames.push_back(set.folderName);
    const auto staging = ImportStaging::create(selectorFolder, folderNames, result.problems);
    if (!staging)
        return result;
    result.problems = Unpacker(plan, *staging, progress).run(result);
    if (result.problems.empty() && !result.cancelled)
        result.problems = staging->commit(replaceExisting, common::pathText(plan.source));
    if (!result.problems.empty() || result.cancelled) {
        result.files = result.bytes = 0;
        return result;
    }
    result.addedFolders = std::move(folderNames);
    return result;
}

} // namespace outfitter
