#include "common/file_lock.h"

#include <charconv>
#include <thread>

#if defined(_WIN32)
#include <windows.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

namespace common {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kRecordMax = 256;
constexpr auto kRetryEvery = std::chrono::milliseconds(50);

LockHolder parseHolder(std::string_view text) {
    LockHolder holder;
    const auto end = text.find_first_of("\r\n");
    text = text.substr(0, end);
    const auto [rest, ec] = std::from_chars(text.data(), text.data() + text.size(), holder.processId);
    if (ec != std::errc() || holder.processId <= 0)
        return {};
    text.remove_prefix(static_cast<std::size_t>(rest - text.data()));
    if (!text.empty() && text.front() == ' ')
        holder.program = std::string(text.substr(1));
    return holder;
}

std::string recordText(std::string_view program) {
#if defined(_WIN32)
    const long id = static_cast<long>(::GetCurrentProcessId());
#else
    const long id = static_cast<long>(::getpid());
#endif
    return std::to_string(id) + " " + std::string(program) + "\n";
}

#if defined(_WIN32)

Problem lastError(const fs::path& file, std::string action, DWORD err = ::GetLastError()) {
    return problemFromError(file, std::move(action),
                            std::error_code(static_cast<int>(err), std::system_category()));
}

// The lock covers one byte far past the record: Windows locks bind reads too, and the record must stay
// readable to those refused.
OVERLAPPED lockedRegion() {
    OVERLAPPED region{};
    region.Offset = 0;
    region.OffsetHigh = 1;
    return region;
}

HANDLE openLockFile(const fs::path& file, bool create) {
    return ::CreateFileW(file.c_str(), create ? GENERIC_READ | GENERIC_WRITE : GENERIC_READ,
                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                         create ? OPEN_ALWAYS : OPEN_EXISTING, FILE_ATTRIBUTE_HIDDEN, nullptr);
}

#else

// What flock answers on file systems that do not have it (some network and FUSE ones); fcntl's
// byte-range locks are tried there instead.
bool lacksFlock(int err) {
    return err == ENOTSUP || err == EOPNOTSUPP || err == ENOSYS || err == EINVAL || err == ENOLCK;
}

// Locks owned by the open file, not the process: closing another descriptor of the same file (reading
// the record) must not let go of it.
#if defined(F_OFD_SETLK)
constexpr int kByteRangeLock = F_OFD_SETLK;
#else
constexpr int kByteRangeLock = F_SETLK;
#endif

// 0 when taken, EWOULDBLOCK when another holds it, else the error.
int lockDescriptor(int fd, bool exclusive, bool& byteRange) {
    if (::flock(fd, (exclusive ? LOCK_EX : LOCK_SH) | LOCK_NB) == 0)
        return 0;
    int err = errno;
    if (err == EWOULDBLOCK || err == EINTR)
        return EWOULDBLOCK;
    if (!lacksFlock(err))
        return err;
    struct flock region {};
    region.l_type = exclusive ? F_WRLCK : F_RDLCK;
    region.l_whence = SEEK_SET;
    if (::fcntl(fd, kByteRangeLock, &region) == 0) {
        byteRange = true;
        return 0;
    }
    err = errno;
    return err == EAGAIN || err == EACCES || err == EINTR ? EWOULDBLOCK : err;
}

void unlockDescriptor(int fd, bool byteRange) {
    if (byteRange) {
        struct flock region {};
        region.l_type = F_UNLCK;
        region.l_whence = SEEK_SET;
        ::fcntl(fd, kByteRangeLock, &region);
    } else {
        ::flock(fd, LOCK_UN);
    }
}

#endif

} // namespace

FileLock::FileLock(FileLock&& other) noexcept {
    *this = std::move(other);
}

FileLock& FileLock::operator=(FileLock&& other) noexcept {
    if (this == &other)
        return *this;
    release();
#if defined(_WIN32)
    handle_ = std::exchange(other.handle_, nullptr);
#else
    fd_ = std::exchange(other.fd_, -1);
    byteRangeLock_ = other.byteRangeLock_;
#endif
    file_ = std::move(other.file_);
    outcome_ = std::exchange(other.outcome_, Outcome::NotTried);
    holder_ = std::move(other.holder_);
    problem_ = std::move(other.problem_);
    return *this;
}

FileLock::~FileLock() {
    release();
}

FileLock FileLock::failure(Problem problem) {
    FileLock lock;
    lock.outcome_ = Outcome::Failed;
    lock.problem_ = std::move(problem);
    return lock;
}

FileLock FileLock::take(const fs::path& file, std::string_view program, std::chrono::milliseconds wait) {
    FileLock lock;
    lock.file_ = file;
    const auto until = std::chrono::steady_clock::now() + wait;
    while (!lock.tryOnce(program) && lock.outcome_ == Outcome::HeldElsewhere &&
           std::chrono::steady_clock::now() < until)
        std::this_thread::sleep_for(kRetryEvery);
    if (lock.outcome_ == Outcome::HeldElsewhere)
        lock.holder_ = readLockHolder(file);
    return lock;
}

#if defined(_WIN32)

bool FileLock::tryOnce(std::string_view program) {
    HANDLE handle = openLockFile(file_, true);
    if (handle == INVALID_HANDLE_VALUE) {
        outcome_ = Outcome::Failed;
        problem_ = lastError(file_, "opening the lock file");
        return false;
    }
    OVERLAPPED region = lockedRegion();
    if (!::LockFileEx(handle, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &region)) {
        const DWORD err = ::GetLastError();
        ::CloseHandle(handle);
        outcome_ =
            err == ERROR_LOCK_VIOLATION || err == ERROR_IO_PENDING ? Outcome::HeldElsewhere : Outcome::Failed;
        if (outcome_ == Outcome::Failed)
            problem_ = lastError(file_, "locking", err);
        return false;
    }
    handle_ = handle;
    outcome_ = Outcome::Taken;
    const auto record = recordText(program);
    DWORD written = 0;
    ::SetFilePointer(handle, 0, nullptr, FILE_BEGIN);
    ::SetEndOfFile(handle);
    ::WriteFile(handle, record.data(), static_cast<DWORD>(record.size()), &written, nullptr);
    return true;
}

void FileLock::release() {
    if (handle_) {
        auto* handle = static_cast<HANDLE>(handle_);
        ::SetFilePointer(handle, 0, nullptr, FILE_BEGIN);
        ::SetEndOfFile(handle);
        OVERLAPPED region = lockedRegion();
        ::UnlockFileEx(handle, 0, 1, 0, &region);
        ::CloseHandle(handle);
        handle_ = nullptr;
    }
    if (outcome_ == Outcome::Taken)
        outcome_ = Outcome::NotTried;
}

std::optional<LockHolder> lockHeldElsewhere(const fs::path& file) {
    HANDLE handle = openLockFile(file, false);
    if (handle == INVALID_HANDLE_VALUE)
        return std::nullopt;
    // A shared lock: probes never refuse each other, only a holder refuses them.
    OVERLAPPED region = lockedRegion();
    const bool free = ::LockFileEx(handle, LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &region);
    if (free)
        ::UnlockFileEx(handle, 0, 1, 0, &region);
    ::CloseHandle(handle);
    if (free)
        return std::nullopt;
    return readLockHolder(file);
}

LockHolder readLockHolder(const fs::path& file) {
    HANDLE handle = openLockFile(file, false);
    if (handle == INVALID_HANDLE_VALUE)
        return {};
    char buffer[kRecordMax];
    DWORD got = 0;
    const bool read = ::ReadFile(handle, buffer, sizeof buffer, &got, nullptr);
    ::CloseHandle(handle);
    return read ? parseHolder(std::string_view(buffer, got)) : LockHolder{};
}

#else

bool FileLock::tryOnce(std::string_view program) {
    const int fd = ::open(file_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) {
        outcome_ = Outcome::Failed;
        problem_ = problemFromErrno(file_, "opening the lock file", errno);
        return false;
    }
    bool byteRange = false;
    if (const int err = lockDescriptor(fd, true, byteRange); err != 0) {
        ::close(fd);
        outcome_ = err == EWOULDBLOCK ? Outcome::HeldElsewhere : Outcome::Failed;
        if (outcome_ == Outcome::Failed)
            problem_ = problemFromErrno(file_, "locking", err);
        return false;
    }
    fd_ = fd;
    byteRangeLock_ = byteRange;
    outcome_ = Outcome::Taken;
    // The record only names the holder; the lock stands whether or not it could be written.
    const auto record = recordText(program);
    if (::ftruncate(fd, 0) == 0 && ::pwrite(fd, record.data(), record.size(), 0) < 0) {
        // A record half written is cleared again; should that fail too, readers find no number in it.
        [[maybe_unused]] const int cleared = ::ftruncate(fd, 0);
    }
    return true;
}

void FileLock::release() {
    if (fd_ >= 0) {
        // Cleared first, so nobody reads this process as the holder once the lock is gone.
        if (::ftruncate(fd_, 0) != 0) {
        }
        unlockDescriptor(fd_, byteRangeLock_);
        ::close(fd_);
        fd_ = -1;
    }
    if (outcome_ == Outcome::Taken)
        outcome_ = Outcome::NotTried;
}

std::optional<LockHolder> lockHeldElsewhere(const fs::path& file) {
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    // A shared lock: probes never refuse each other, only a holder refuses them.
    bool byteRange = false;
    const int err = lockDescriptor(fd, false, byteRange);
    if (err == 0)
        unlockDescriptor(fd, byteRange);
    ::close(fd);
    if (err != EWOULDBLOCK)
        return std::nullopt;
    return readLockHolder(file);
}

LockHolder readLockHolder(const fs::path& file) {
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return {};
    char buffer[kRecordMax];
    const ssize_t got = ::pread(fd, buffer, sizeof buffer, 0);
    ::close(fd);
    return got > 0 ? parseHolder(std::string_view(buffer, static_cast<std::size_t>(got))) : LockHolder{};
}

#endif

} // namespace common
