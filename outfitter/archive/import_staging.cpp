#include "outfitter/archive/import_staging.h"

#include "outfitter/core/import_commit.h"
#include "outfitter/core/stale_temporaries.h"

namespace outfitter {

namespace fs = std::filesystem;

ImportStaging::ImportStaging(fs::path selectorFolder, fs::path folder, std::vector<std::string> setFolders)
    : selectorFolder_(std::move(selectorFolder)), folder_(std::move(folder)),
      setFolders_(std::move(setFolders)) {}

ImportStaging::~ImportStaging() {
    if (!keepForNextStart_)
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

common::Problems ImportStaging::commit(bool replaceExisting, const std::string& source) {
    const ImportCommit commit{source, replaceExisting, setFolders_};
    if (auto failed = writeImportCommit(folder_, commit))
        return {*failed};
    auto problems = placeStagedSets(selectorFolder_, folder_, commit);
    if (!problems.empty()) {
        // The player is told it failed, so no later start may finish it.
        std::error_code ec;
        fs::remove(folder_ / kImportCommitNote, ec);
        // A set that could not be put back stays aside for the next start, which returns it.
        if (problems.size() > 1) {
            keepForNextStart_ = true;
            return problems;
        }
    }
    removeFolder();
    return problems;
}

} // namespace outfitter
