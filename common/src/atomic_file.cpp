#include "common/atomic_file.h"

#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

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
    static std::atomic<unsigned> counter{0};
    static const unsigned seed = std::random_device{}();
    return std::to_string(::getpid()) + "-" + std::to_string(seed) + "-" + std::to_string(counter++);
}

bool writeAll(int fd, std::string_view bytes, int& err) {
    while (!bytes.empty()) {
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
    const std::string targetName = target.filename().string();
    if (targetName.empty())
        return Problem{target, "writing", "no file name given"};
    if (tempName.find('/') != std::string::npos || tempName == "." || tempName == ".." ||
        tempName == targetName)
        return Problem{target, "writing", "unusable temporary file name \"" + tempName + "\""};

    std::filesystem::path tempPath;
    int fd = -1;
    if (!tempName.empty()) {
        // A named temporary left by an earlier crash is stale; it is simply overwritten.
        tempPath = folder / tempName;
        fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0666);
    } else {
        for (int attempt = 0; attempt < 100; ++attempt) {
            tempPath = folder / ("." + targetName + "." + uniqueSuffix() + ".tmp");
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
    if (!writeAll(temp.fd(), bytes, err))
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
