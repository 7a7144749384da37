// The archive reader of a build without libarchive (the Windows cross build of the models): every
// archive is refused with one sentence that tells the player what to do instead.

#include "outfitter/archive/source_reader.h"

namespace outfitter {

std::unique_ptr<SourceReader> openArchiveReader(const std::filesystem::path& archive,
                                                std::optional<common::Problem>& problem) {
    problem = common::Problem{archive, "adding", kNoArchiveSupport};
    return nullptr;
}

bool archivesSupported() {
    return false;
}

} // namespace outfitter
