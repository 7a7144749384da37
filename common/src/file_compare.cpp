#include "common/file_compare.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <system_error>
#include <vector>

#if !defined(_WIN32)
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace common {

namespace fs = std::filesystem;

namespace {

// One block for each file; a check of thousands of files allocates the buffer once per thread.
constexpr std::size_t kBlock = 1 << 20;

char* blocks() {
    thread_local std::vector<char> buffer(2 * kBlock);
    return buffer.data();
}

} // namespace

#if defined(_WIN32)

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

File openForReading(const fs::path& path) {
    File file(::_wfopen(path.c_str(), L"rb"));
    if (file)
        std::setvbuf(file.get(), nullptr, _IONBF, 0);
    return file;
}

Problem readProblem(const fs::path& path) {
    return problemFromErrno(path, "reading", errno ? errno : EIO);
}

} // namespace

CompareResult compareWithCopy(const fs::path& gameFile, const fs::path& copy) {
    CompareResult result;
    std::error_code ec;
    const auto status = fs::status(gameFile, ec);
    if (!fs::exists(status)) {
        result.comparison = Comparison::Missing;
        return result;
    }
    if (!fs::is_regular_file(status)) {
        result.comparison = Comparison::Differs;
        return result;
    }
    const auto gameSize = fs::file_size(gameFile, ec);
    if (ec) {
        result.problem = problemFromError(gameFile, "reading", ec);
        result.comparison = Comparison::Differs;
        return result;
    }
    const auto copySize = fs::file_size(copy, ec);
    if (ec) {
        result.problem = problemFromError(copy, "reading", ec);
        result.comparison = Comparison::Differs;
        return result;
    }
    if (gameSize != copySize) {
        result.comparison = Comparison::Differs;
        return result;
    }
    errno = 0;
    const File a = openForReading(gameFile);
    if (!a) {
        result.problem = readProblem(gameFile);
        result.comparison = Comparison::Differs;
        return result;
    }
    errno = 0;
    const File b = openForReading(copy);
    if (!b) {
        result.problem = readProblem(copy);
        result.comparison = Comparison::Differs;
        return result;
    }
    char* const left = blocks();
    char* const right = left + kBlock;
    for (;;) {
        const auto gotA = std::fread(left, 1, kBlock, a.get());
        const auto gotB = std::fread(right, 1, kBlock, b.get());
        result.bytesRead += gotA + gotB;
        const bool failed = std::ferror(a.get()) || std::ferror(b.get());
        if (failed)
            result.problem = readProblem(std::ferror(a.get()) ? gameFile : copy);
        if (failed || gotA != gotB || std::memcmp(left, right, gotA) != 0) {
            result.comparison = Comparison::Differs;
            return result;
        }
        if (gotA < kBlock)
            return result;
    }
}

#else

namespace {

// A descriptor closed with its scope.
class Descriptor final {
  public:
    explicit Descriptor(const fs::path& path) : fd_(::open(path.c_str(), O_RDONLY | O_CLOEXEC)) {}
    ~Descriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }

  private:
    int fd_;
};

// Reads up to `size` bytes, fewer only at the end of the file; -1 on a failure.
ssize_t readFully(int fd, char* into, std::size_t size) {
    std::size_t got = 0;
    while (got < size) {
        const ssize_t now = ::read(fd, into + got, size - got);
        if (now < 0 && errno == EINTR)
            continue;
        if (now < 0)
            return -1;
        if (now == 0)
            break;
        got += static_cast<std::size_t>(now);
    }
    return static_cast<ssize_t>(got);
}

} // namespace

// Opened and read at once: a file of less than a block is sized by its read, so most game files cost
// an open and a read each; only files that fill a block are sized before more is read.
CompareResult compareWithCopy(const fs::path& gameFile, const fs::path& copy) {
    CompareResult result;
    const Descriptor a(gameFile);
    if (a.get() < 0) {
        if (errno == ENOENT || errno == ENOTDIR) {
            result.comparison = Comparison::Missing;
        } else {
            result.problem = problemFromErrno(gameFile, "reading", errno);
            result.comparison = Comparison::Differs;
        }
        return result;
    }
    const Descriptor b(copy);
    if (b.get() < 0) {
        result.problem = problemFromErrno(copy, "reading", errno);
        result.comparison = Comparison::Differs;
        return result;
    }
    char* const left = blocks();
    char* const right = left + kBlock;
    for (bool first = true;; first = false) {
        const ssize_t gotA = readFully(a.get(), left, kBlock);
        if (gotA < 0) {
            // A folder where the file should be reads as EISDIR: not the owner's bytes.
            if (errno != EISDIR)
                result.problem = problemFromErrno(gameFile, "reading", errno);
            result.comparison = Comparison::Differs;
            return result;
        }
        const ssize_t gotB = readFully(b.get(), right, kBlock);
        if (gotB < 0) {
            result.problem = problemFromErrno(copy, "reading", errno);
            result.comparison = Comparison::Differs;
            return result;
        }
        result.bytesRead += static_cast<std::uint64_t>(gotA + gotB);
        if (gotA != gotB || std::memcmp(left, right, static_cast<std::size_t>(gotA)) != 0) {
            result.comparison = Comparison::Differs;
            return result;
        }
        if (static_cast<std::size_t>(gotA) < kBlock)
            return result; // both ended together
        if (first) {
            // Large files: sizes before the rest is read.
            struct stat gameStat {};
            struct stat copyStat {};
            if (::fstat(a.get(), &gameStat) == 0 && ::fstat(b.get(), &copyStat) == 0 &&
                gameStat.st_size != copyStat.st_size) {
                result.comparison = Comparison::Differs;
                return result;
            }
        }
    }
}

#endif

bool isCopyOf(const fs::path& gameFile, const fs::path& copy) {
    const auto result = compareWithCopy(gameFile, copy);
    return result.comparison == Comparison::Same && !result.problem;
}

} // namespace common
