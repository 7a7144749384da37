#include "common/game_file_ops.h"

#include "common/change_recorder.h"
#include "common/file_faults.h"

#include <system_error>

#include <vector>

#if defined(_WIN32)
#include <windows.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>
#endif

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

// The attribute alone: a file of another user is not the player's protected file, and the copy
// replaces it by a rename in its folder, which the folder's own permissions decide.
bool hasReadOnlyAttribute(const fs::path& file) {
    std::error_code ec;
    const auto status = fs::symlink_status(file, ec);
    return !ec && status.type() == fs::file_type::regular &&
           (status.permissions() & fs::perms::owner_write) == fs::perms::none;
}

void giveNormalPermissions(const fs::path& file, std::error_code& ec) {
    fs::permissions(file, kNormalPermissions, fs::perm_options::add | fs::perm_options::nofollow, ec);
}

std::error_code errnoCode(int err) {
    return {err, std::generic_category()};
}

#if defined(_WIN32)

// Closes a handle on every way out.
class Handle final {
  public:
    explicit Handle(HANDLE handle) : handle_(handle) {}
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    ~Handle() {
        if (handle_ != INVALID_HANDLE_VALUE)
            ::CloseHandle(handle_);
    }
    bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return handle_; }
    bool close() {
        const bool ok = ::CloseHandle(handle_) != 0;
        handle_ = INVALID_HANDLE_VALUE;
        return ok;
    }

  private:
    HANDLE handle_;
};

std::error_code lastErrorCode() {
    return {static_cast<int>(::GetLastError()), std::system_category()};
}

// The same read and write loop as elsewhere rather than CopyFileW, so that a failure part-way is
// the system's own and the copy can be stopped between chunks like the other platforms' copy.
std::error_code copyContents(const fs::path& source, const fs::path& partial) {
    const Handle in(::CreateFileW(source.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                  FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!in.valid())
        return lastErrorCode();
    Handle out(::CreateFileW(partial.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL,
                             nullptr));
    if (!out.valid())
        return lastErrorCode();
    std::vector<char> buffer(1 << 16);
    for (;;) {
        DWORD got = 0;
        if (!::ReadFile(in.get(), buffer.data(), static_cast<DWORD>(buffer.size()), &got, nullptr))
            return lastErrorCode();
        if (got == 0)
            break;
        const char* next = buffer.data();
        DWORD left = got;
        while (left > 0) {
            if (const int injected = faults::injected(faults::Operation::Write, partial))
                return errnoCode(injected);
            DWORD put = 0;
            if (!::WriteFile(out.get(), next, left, &put, nullptr))
                return lastErrorCode();
            next += put;
            left -= put;
        }
    }
    if (!out.close())
        return lastErrorCode();
    return {};
}

#else

// Closes a descriptor on every way out.
class Descriptor final {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    int get() const { return fd_; }
    int close() {
        const int rc = ::close(fd_);
        fd_ = -1;
        return rc;
    }

  private:
    int fd_;
};

// A plain read and write loop rather than std::filesystem::copy_file, whose fallback path reports
// every failed write (a full disk included) as "Input/output error"; here the system's own error
// reaches the player.
std::error_code copyContents(const fs::path& source, const fs::path& partial) {
    const Descriptor in(::open(source.c_str(), O_RDONLY | O_CLOEXEC));
    if (in.get() < 0)
        return errnoCode(errno);
    Descriptor out(::open(partial.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666));
    if (out.get() < 0)
        return errnoCode(errno);
    std::vector<char> buffer(1 << 16);
    for (;;) {
        const ssize_t got = ::read(in.get(), buffer.data(), buffer.size());
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return errnoCode(errno);
        }
        if (got == 0)
            break;
        const char* next = buffer.data();
        auto left = static_cast<std::size_t>(got);
        while (left > 0) {
            if (const int injected = faults::injected(faults::Operation::Write, partial))
                return errnoCode(injected);
            const ssize_t put = ::write(out.get(), next, left);
            if (put < 0) {
                if (errno == EINTR)
                    continue;
                return errnoCode(errno);
            }
            next += put;
            left -= static_cast<std::size_t>(put);
        }
    }
    // No fsync per file: it made a large load about five times slower, and a killed program loses
    // nothing without it (the rename happens only after every byte was handed over). A file system
    // that reports a late write failure does so at close, before the rename.
    if (out.close() != 0)
        return errnoCode(errno);
    return {};
}

#endif

} // namespace

fs::path partialCopyPath(const fs::path& destination) {
    return destination.parent_path() / pathFromText(".qiv-" + pathText(destination.filename()) + ".part");
}

bool isPartialCopyName(std::string_view name) {
    constexpr std::string_view prefix = ".qiv-";
    constexpr std::string_view suffix = ".part";
    return name.size() > prefix.size() + suffix.size() && name.substr(0, prefix.size()) == prefix &&
           name.substr(name.size() - suffix.size()) == suffix;
}

std::optional<Problem> copyReplacing(const fs::path& source, const fs::path& destination) {
    const auto action = "copying " + pathText(source.filename()) + " to";
    // The player (or the game's installer) made it read-only to keep it: say so rather than override.
    if (hasReadOnlyAttribute(destination))
        return Problem{destination, action, kReadOnlyRefusal};
    if (auto* recorder = changeRecorder())
        if (auto refused = recorder->beforeWrite(destination))
            return refused;
    const auto partial = partialCopyPath(destination);
    std::error_code ec;
    fs::remove(partial, ec); // a leftover of an interrupted copy; never followed if it is a link
    ec = copyContents(source, partial);
    if (ec) {
        std::error_code ignored;
        fs::remove(partial, ignored);
        return problemFromError(destination, action, ec);
    }
    giveNormalPermissions(partial, ec);
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
    if (const int injected = faults::injected(faults::Operation::Delete, file))
        ec = errnoCode(injected);
    else if (auto* recorder = changeRecorder()) {
        bool taken = false;
        if (auto refused = recorder->beforeDelete(file, taken))
            return refused;
        if (taken)
            return std::nullopt;
        if (!fs::remove(file, ec) && !ec)
            ec = std::make_error_code(std::errc::no_such_file_or_directory);
    } else if (!fs::remove(file, ec) && !ec)
        ec = std::make_error_code(std::errc::no_such_file_or_directory);
    if (ec)
        return problemFromError(file, "deleting", ec);
    return std::nullopt;
}

} // namespace common
