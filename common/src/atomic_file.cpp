#include "common/atomic_file.h"

#include "common/change_recorder.h"
#include "common/file_faults.h"
#include "common/folder_index.h"
#include "common/game_file_ops.h"
#include "common/write_check.h"

#include <algorithm>
#include <atomic>
#include <random>
#include <system_error>

#if defined(_WIN32)
#include <windows.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#endif

namespace common {

namespace {

// Refuses names that would put the temporary file anywhere but beside the target.
std::optional<Problem> checkNames(const std::filesystem::path& target, const std::string& targetName,
                                  const std::string& tempName) {
    if (targetName.empty())
        return Problem{target, "writing", "no file name given"};
    if (tempName.find_first_of("/\\") != std::string::npos || tempName == "." || tempName == ".." ||
        tempName == targetName)
        return Problem{target, "writing", "unusable temporary file name \"" + tempName + "\""};
    return std::nullopt;
}

// What no writer may do, whoever calls it: replace a file the player marked read-only to protect it,
// or write one of two files whose names differ only in letter case (the game takes them for one).
std::optional<Problem> targetRefusal(const std::filesystem::path& target) {
    if (hasReadOnlyAttribute(target))
        return Problem{target, "writing", kReadOnlyRefusal};
    if (const auto twins = caseTwins(target); !twins.empty())
        return caseClashProblem(target.parent_path(), twins, "writing " + pathText(target.filename()) + " in");
    return std::nullopt;
}

unsigned nextCounter() {
    static std::atomic<unsigned> counter{0};
    return counter++;
}

unsigned seed() {
    static const unsigned value = std::random_device{}();
    return value;
}

bool allHexDigits(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
        return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
    });
}

// The hidden temporary keeps only the start of the target's name, so that a name the file system
// holds (255 bytes) never fails because its temporary would be longer, and a path that fits the
// Windows limit is not pushed over it by the temporary beside it.
constexpr std::size_t kKeptNameLength = 24;

template <class Char> std::basic_string<Char> nameStart(const std::basic_string<Char>& name) {
    std::size_t cut = std::min(name.size(), kKeptNameLength);
    if constexpr (sizeof(Char) == 1) {
        while (cut > 0 && cut < name.size() && (static_cast<unsigned char>(name[cut]) & 0xC0) == 0x80)
            --cut; // never split a UTF-8 sequence
    } else {
        if (cut > 0 && cut < name.size() && name[cut] >= 0xDC00 && name[cut] <= 0xDFFF)
            --cut; // never split a surrogate pair
    }
    return name.substr(0, cut);
}

std::string hex(unsigned long long value) {
    static constexpr char digits[] = "0123456789abcdef";
    std::string out;
    do {
        out.insert(out.begin(), digits[value & 0xF]);
        value >>= 4;
    } while (value != 0);
    return out;
}

} // namespace

bool isAtomicTemporaryName(std::string_view name) {
    // "." start of the target's name "." pid "-" seed "-" counter ".tmp", in hex
    constexpr std::string_view suffix = ".tmp";
    if (name.size() < 2 + suffix.size() || name.front() != '.' ||
        name.substr(name.size() - suffix.size()) != suffix)
        return false;
    auto rest = name.substr(0, name.size() - suffix.size());
    for (int part = 0; part < 3; ++part) {
        const auto cut = rest.find_last_of(part == 2 ? '.' : '-');
        if (cut == std::string_view::npos || !allHexDigits(rest.substr(cut + 1)))
            return false;
        rest = rest.substr(0, cut);
    }
    return rest.size() > 1; // the leading dot and at least one character of the target's name
}

} // namespace common

#if defined(_WIN32)

namespace common {

namespace {

Problem lastError(const std::filesystem::path& path, std::string action, DWORD err = ::GetLastError()) {
    return problemFromError(path, std::move(action),
                            std::error_code(static_cast<int>(err), std::system_category()));
}

// Closes and deletes the temporary file unless the replace has taken it over.
class TempFile final {
  public:
    TempFile(std::filesystem::path path, HANDLE handle) : path_(std::move(path)), handle_(handle) {}
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;
    ~TempFile() {
        close();
        if (!committed_)
            ::DeleteFileW(path_.c_str());
    }
    HANDLE handle() const { return handle_; }
    bool close() {
        const bool ok = handle_ == INVALID_HANDLE_VALUE || ::CloseHandle(handle_);
        handle_ = INVALID_HANDLE_VALUE;
        return ok;
    }
    void commit() { committed_ = true; }

  private:
    std::filesystem::path path_;
    HANDLE handle_;
    bool committed_ = false;
};

} // namespace

std::optional<Problem> writeFileAtomically(const std::filesystem::path& target, std::string_view bytes,
                                           const std::string& tempName) {
    const std::filesystem::path folder = target.parent_path();
    // Names are wide on Windows; UTF-8 is only for comparing with the caller's temporary name.
    const std::u8string wide = target.filename().u8string();
    const std::string targetName(wide.begin(), wide.end());
    if (auto refused = checkNames(target, targetName, tempName))
        return refused;
    if (auto refused = targetRefusal(target))
        return refused;
    if (auto* recorder = changeRecorder())
        if (auto refused = recorder->beforeWrite(target))
            return refused;

    std::filesystem::path tempPath;
    HANDLE handle = INVALID_HANDLE_VALUE;
    if (!tempName.empty()) {
        // A named temporary left by an earlier crash is stale; it is simply overwritten.
        tempPath = folder / pathFromText(tempName);
        handle = ::CreateFileW(tempPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
    } else {
        for (int attempt = 0; attempt < 100; ++attempt) {
            tempPath = folder / (L"." + nameStart(target.filename().native()) + L"." +
                                 std::filesystem::path(hex(::GetCurrentProcessId()) + "-" + hex(seed()) +
                                                       "-" + hex(nextCounter()))
                                     .native() +
                                 L".tmp");
            handle = ::CreateFileW(tempPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                   FILE_ATTRIBUTE_NORMAL, nullptr);
            if (handle != INVALID_HANDLE_VALUE || ::GetLastError() != ERROR_FILE_EXISTS)
                break;
        }
    }
    if (handle == INVALID_HANDLE_VALUE)
        return lastError(target, "writing");
    TempFile temp(tempPath, handle);

    while (!bytes.empty()) {
        if (const int injected = faults::injected(faults::Operation::Write, tempPath))
            return problemFromErrno(target, "writing", injected);
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
        DWORD put = 0;
        if (!::WriteFile(temp.handle(), bytes.data(), chunk, &put, nullptr))
            return lastError(target, "writing");
        bytes.remove_prefix(put);
    }
    if (!::FlushFileBuffers(temp.handle()))
        return lastError(target, "writing");
    if (!temp.close())
        return lastError(target, "writing");
    // One step that works while the target exists and leaves it untouched when it fails.
    if (!::MoveFileExW(tempPath.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return lastError(target, "replacing");
    temp.commit();
    return std::nullopt;
}

} // namespace common

#else

namespace common {

namespace {

// Closes and removes the temporary file unless the rename has taken it over.
class TempFile final {
  public:
    TempFile(std::filesystem::path path, int fd) : path_(std::move(path)), fd_(fd) {}
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;
    ~TempFile() {
        if (fd_ >= 0)
            ::close(fd_);
        if (!committed_)
            ::unlink(path_.c_str());
    }
    int fd() const { return fd_; }
    const std::filesystem::path& path() const { return path_; }
    int close() {
        const int rc = ::close(fd_);
        fd_ = -1;
        return rc;
    }
    void commit() { committed_ = true; }

  private:
    std::filesystem::path path_;
    int fd_;
    bool committed_ = false;
};

std::string uniqueSuffix() {
    return hex(static_cast<unsigned long long>(::getpid())) + "-" + hex(seed()) + "-" + hex(nextCounter());
}

bool writeAll(int fd, const std::filesystem::path& path, std::string_view bytes, int& err) {
    while (!bytes.empty()) {
        if (const int injected = faults::injected(faults::Operation::Write, path)) {
            err = injected;
            return false;
        }
        const ssize_t put = ::write(fd, bytes.data(), bytes.size());
        if (put < 0) {
            if (errno == EINTR)
                continue;
            err = errno;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(put));
    }
    return true;
}

// So the rename itself survives a power cut; a failure here loses nothing already written.
void syncFolder(const std::filesystem::path& folder) {
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

std::optional<Problem> writeFileAtomically(const std::filesystem::path& target, std::string_view bytes,
                                           const std::string& tempName) {
    const std::filesystem::path folder = target.parent_path();
    const std::string targetName = pathText(target.filename());
    if (auto refused = checkNames(target, targetName, tempName))
        return refused;
    if (auto refused = targetRefusal(target))
        return refused;
    if (auto* recorder = changeRecorder())
        if (auto refused = recorder->beforeWrite(target))
            return refused;

    std::filesystem::path tempPath;
    int fd = -1;
    if (!tempName.empty()) {
        // A named temporary left by an earlier crash is stale; it is simply overwritten.
        tempPath = folder / pathFromText(tempName);
        fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0666);
    } else {
        for (int attempt = 0; attempt < 100; ++attempt) {
            tempPath = folder / ("." + nameStart(targetName) + "." + uniqueSuffix() + ".tmp");
            fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (fd >= 0 || errno != EEXIST)
                break;
        }
    }
    if (fd < 0)
        return problemFromErrno(target, "writing", errno);
    TempFile temp(tempPath, fd);

    // The new file keeps the permissions of the one it replaces.
    struct stat old {};
    if (::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode))
        ::fchmod(temp.fd(), old.st_mode & 07777);

    int err = 0;
    if (!writeAll(temp.fd(), tempPath, bytes, err))
        return problemFromErrno(target, "writing", err);
    if (::fsync(temp.fd()) != 0)
        return problemFromErrno(target, "writing", errno);
    if (temp.close() != 0)
        return problemFromErrno(target, "writing", errno);
    if (::rename(tempPath.c_str(), target.c_str()) != 0)
        return problemFromErrno(target, "replacing", errno);
    temp.commit();
    syncFolder(folder);
    return std::nullopt;
}

} // namespace common

#endif
