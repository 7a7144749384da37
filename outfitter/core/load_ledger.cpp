#include "load_ledger.h"

#include "common/atomic_file.h"
#include "common/resolver.h"
#include "common/text_file.h"

namespace outfitter {

std::string ledgerBytes(const std::vector<std::string>& names) {
    return common::joinLinesCrLf(names) + "\r\n";
}

common::Result<std::vector<std::string>> readLedger(const std::filesystem::path& selectorFolder) {
    common::Result<std::vector<std::string>> result;
    auto where = common::resolve(selectorFolder, kLedgerFileName);
    if (!where.ok()) {
        result.problem = where.problem;
        return result;
    }
    if (!where.value.exists)
        return result;
    auto lines = common::readLines(where.value.path);
    if (!lines.ok()) {
        result.problem = lines.problem;
        return result;
    }
    for (auto& line : lines.value)
        if (!line.empty())
            result.value.push_back(std::move(line));
    return result;
}

std::optional<common::Problem> writeLedger(const std::filesystem::path& selectorFolder,
                                           const std::vector<std::string>& names) {
    auto where = common::resolve(selectorFolder, kLedgerFileName);
    if (!where.ok())
        return where.problem;
    return common::writeFileAtomically(where.value.path, ledgerBytes(names));
}

} // namespace outfitter
