#include "common/game_file_ops.h"

#include <system_error>

namespace common {

namespace fs = std::filesystem;

namespace {

constexpr auto kNormalPermissions = fs::perms::owner_read | fs::perms::owner_write;

bool lacksNormalPermissions(const fs::path& file) {
    std::error_code ec;
    const auto status = fs::symlink_status(file, ec);
    return !ec && status.type() == fs::file_type::regular &&
           (status.permissions() & kNormalPermissions) != kNormalPermissions;
}

void giveNormalPermissions(const fs::path& file, std::error_code& ec) {
    fs::permissions(file, kNormalPermissions, fs::perm_options::add | fs::perm_options::nofollow, ec);
}

} // namespace

fs::path partialCopyPath(const fs::path& destination) {
    return destination.parent_path() / (".qiv-" + destination.filename().string() + ".part");
}

std::optional<Problem> copyReplacing(const fs::path& source, const fs::path& destination) {
    const auto action = "copying " + source.filename().string() + " to";
    const auto partial = partialCopyPath(destination);
    std::error_code ec;
    fs::remove(partial, ec); // a leftover of an interrupted copy; never followed if it is a link
    ec.clear();
    if (!fs::copy_file(source, partial, fs::copy_options::none, ec) || ec) {
        std::error_code ignored;
        fs::remove(partial, ignored);
        return problemFromError(destination, action, ec);
    }
    giveNormalPermissions(partial, ec);
    if (!ec && lacksNormalPermissions(destination))
        giveNormalPermissions(destination, ec); // Windows refuses to rename over a read-only file
    if (!ec)
        fs::rename(partial, destination, ec);
    if (ec) {
        std::error_code ignored;
        fs::remove(partial, ignored);
        return problemFromError(destination, action, ec);
    }
    if (lacksNormalPermissions(source)) {
        std::error_code ignored; // a set on read-only media keeps its attributes; the copy is what counts
        giveNormalPermissions(source, ignored);
    }
    return std::nullopt;
}

std::optional<Problem> deleteFile(const fs::path& file) {
    std::error_code ec;
    if (!fs::remove(file, ec) && !ec)
        ec = std::make_error_code(std::errc::no_such_file_or_directory);
    if (ec)
        return problemFromError(file, "deleting", ec);
    return std::nullopt;
}

} // namespace common
