#pragma once
// The temporary folder a set is unpacked into, under "QIV128" with a dot-name the set browser never
// lists, and the renames that move each whole set into place. Whatever happens, the folder is gone
// when this object is; a killed program leaves it to the next start-up (removeStaleImportFolders).

#include "common/problem.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace outfitter {

class ImportStaging final {
  public:
    // Makes the temporary folder and an empty folder in it for each of `setFolders`.
    static std::unique_ptr<ImportStaging> create(const std::filesystem::path& selectorFolder,
                                                 const std::vector<std::string>& setFolders,
                                                 common::Problems& problems);
    ImportStaging(const ImportStaging&) = delete;
    ImportStaging& operator=(const ImportStaging&) = delete;
    ~ImportStaging();

    const std::filesystem::path& folder() const { return folder_; }
    const std::filesystem::path& selectorFolder() const { return selectorFolder_; }
    std::filesystem::path setFolder(std::size_t set) const;

    // Renames every set into place, each first moving aside a folder of its name in any case when
    // `replaceExisting` (else such a folder refuses the whole). A note names the sets first, so a kill
    // part-way is finished by the next start; a failure part-way puts back what was moved, so either
    // every set arrived or none did. `source` names the archive or folder for that start's message.
    common::Problems commit(bool replaceExisting, const std::string& source);

  private:
    ImportStaging(std::filesystem::path selectorFolder, std::filesystem::path folder,
                  std::vector<std::string> setFolders);
    void removeFolder();

    std::filesystem::path selectorFolder_;
    std::filesystem::path folder_;
    std::vector<std::string> setFolders_;
    bool keepForNextStart_ = false;
};

} // namespace outfitter
