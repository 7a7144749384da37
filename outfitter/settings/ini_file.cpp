#include "outfitter/settings/ini_file.h"

#include "outfitter/settings/ini_keys.h"

#include "common/atomic_file.h"

#include <system_error>

namespace outfitter {

namespace fs = std::filesystem;

std::optional<common::Problem> replaceIniFile(const fs::path& eawIni, std::string_view bytes) {
    std::error_code ec;
    const auto status = fs::status(eawIni, ec);
    if (ec)
        return common::problemFromError(eawIni, "writing", ec);
    if (!fs::is_regular_file(status))
        return common::Problem{eawIni, "writing", "it is not a plain file"};

    // The replacement inherits the attributes of the file it replaces, so clearing them here is what
    // leaves the saved file writable.
    const auto oldPermissions = status.permissions();
    constexpr auto writable = fs::perms::owner_read | fs::perms::owner_write;
    const bool readOnly = (oldPermissions & writable) != writable;
    if (readOnly) {
        fs::permissions(eawIni, writable, fs::perm_options::add, ec);
        if (ec)
            return common::problemFromError(eawIni, "clearing the read-only attribute of", ec);
    }
    auto problem = common::writeFileAtomically(eawIni, bytes, kIniTempName);
    if (problem && readOnly) {
        std::error_code ignored; // the bytes are untouched; the attributes go back as they were
        fs::permissions(eawIni, oldPermissions, fs::perm_options::replace, ignored);
    }
    return problem;
}

} // namespace outfitter
