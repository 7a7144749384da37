#include "outfitter/archive/import_staging.h"

#include "outfitter/core/stale_temporaries.h"

#include "common/folder_index.h"

namespace outfitter {

namespace fs = std::filesystem;

namespace {

struct Move {
    fs::path from, to;
};

void undo(std::vector<Move>& moves) {
    for (auto move = moves.rbegin(); move != moves.rend(); ++move) {
        std::error_code ec;
        fs::rename(move->to, move->from, ec);
    }
    moves.clear();
}

} // namespace

ImportStaging::ImportStaging(fs::path selectorFolder, fs::path folder, std::vector<std::string> setFolders)
    : selectorFolder_(std::move(selectorFolder)), folder_(std::move(folder)),
      setFolders_(std::move(setFolders)) {}

ImportStaging::~ImportStaging() {
    removeFolder();
}

void ImportStaging::removeFolder() {
    std::error_code ec;
    fs::remove_all(folder_, ec); // what cannot go now goes at the next start
}

std::unique_ptr<ImportStaging> ImportStaging::create(const fs::path& selectorFolder,
                                                     const std::vector<std::string>& setFolders,
                                                     common::Problems& problems) {
    std::error_code ec;
    for (int attempt = 0; attempt < 16; ++attempt) {
        const auto folder = selectorFolder / common::pathFromText(newImportFolderName());
        if (!fs::create_directory(folder, ec)) {
            if (ec)
                break;
            continue; // the name is taken: another draw
        }
        std::unique_ptr<ImportStaging> staging(new ImportStaging(selectorFolder, folder, setFolders));
        fs::create_directory(folder / kImportStagedFolder, ec);
        for (std::size_t set = 0; !ec && set < setFolders.size(); ++set)
            fs::create_directory(staging->setFolder(set), ec);
        if (!ec)
            return staging;
        problems.push_back(common::problemFromError(folder, "making the temporary folder", ec));
        return nullptr;
    }
    problems.push_back(common::problemFromError(selectorFolder, "making a temporary folder in",
                                                ec ? ec : std::make_error_code(std::errc::file_exists)));
    return nullptr;
}

fs::path ImportStaging::setFolder(std::size_t set) const {
    return folder_ / kImportStagedFolder / common::pathFromText(setFolders_.at(set));
}

common::Problems ImportStaging::commit(bool replaceExisting) {
    common::Problems problems;
    auto index = common::FolderIndex::scan(selectorFolder_);
    if (!index.ok())
        return {*index.problem};
    std::vector<Move> moves;
    const auto fail = [&](common::Problem problem) {
        undo(moves);
        return common::Problems{std::move(problem)};
    };
    for (std::size_t set = 0; set < setFolders_.size(); ++set) {
        const auto& name = setFolders_[set];
        const auto target = selectorFolder_ / common::pathFromText(name);
        const auto existing = index.value.find(name);
        if (!existing.ok())
            return fail(*existing.problem);
        if (existing.value) {
            const auto& entry = *existing.value;
            const auto inTheWay = selectorFolder_ / common::pathFromText(entry.name);
            if (entry.kind != common::EntryKind::Folder)
                return fail({inTheWay, "adding the set", "something that is not a set folder has its name"});
            if (!replaceExisting)
                return fail({inTheWay, "adding the set", "a set folder of that name is already there"});
            std::error_code ec;
            const auto aside = folder_ / kImportReplacedFolder;
            fs::create_directory(aside, ec);
            if (!ec)
                fs::rename(inTheWay, aside / common::pathFromText(entry.name), ec);
            if (ec)
                return fail(common::problemFromError(inTheWay, "moving aside the set folder", ec));
            moves.push_back({inTheWay, aside / common::pathFromText(entry.name)});
            index.value.noteRemoved(entry.name);
        }
        std::error_code ec;
        fs::rename(setFolder(set), target, ec);
        if (ec)
            return fail(common::problemFromError(target, "renaming the unpacked set into place as", ec));
        moves.push_back({setFolder(set), target});
        index.value.noteCreated({name, common::EntryKind::Folder});
    }
    removeFolder();
    return problems;
}

} // namespace outfitter
