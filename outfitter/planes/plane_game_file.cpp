#include "outfitter/planes/plane_game_file.h"

#include "common/atomic_file.h"
#include "common/resolver.h"
#include "common/text_file.h"

namespace outfitter {

common::Result<GameFile> readGameFile(const std::filesystem::path& gameFolder, const std::string& name,
                                      bool mayBeNew) {
    common::Result<GameFile> result;
    const auto where = common::resolve(gameFolder, name);
    if (!where.ok()) {
        result.problem = where.problem;
        return result;
    }
    result.value.path = where.value.path;
    result.value.existed = where.value.exists;
    if (!where.value.exists) {
        if (!mayBeNew)
            result.problem = common::Problem{where.value.path, "reading", "the file is missing"};
        return result;
    }
    auto bytes = common::readFileBytes(where.value.path);
    if (!bytes.ok()) {
        result.problem = bytes.problem;
        return result;
    }
    result.value.bytes = std::move(bytes.value);
    return result;
}

std::optional<common::Problem> writeGameFile(const GameFile& file) {
    return common::writeFileAtomically(file.path, file.bytes);
}

} // namespace outfitter
