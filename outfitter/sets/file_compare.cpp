#include "outfitter/sets/file_compare.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <system_error>
#include <vector>

namespace outfitter {

namespace fs = std::filesystem;

namespace {

// Unbuffered reads of a whole block each: the stream's own buffer would only add a copy.
constexpr std::size_t kBlock = 1 << 20;

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

File openForReading(const fs::path& path) {
#if defined(_WIN32)
    File file(::_wfopen(path.c_str(), L"rb"));
#else
    File file(std::fopen(path.c_str(), "rb"));
#endif
    if (file)
        std::setvbuf(file.get(), nullptr, _IONBF, 0);
    return file;
}

common::Problem readProblem(const fs::path& path) {
    return common::problemFromErrno(path, "reading", errno ? errno : EIO);
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
        result.problem = common::problemFromError(gameFile, "reading", ec);
        return result;
    }
    const auto copySize = fs::file_size(copy, ec);
    if (ec) {
        result.problem = common::problemFromError(copy, "reading", ec);
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
        return result;
    }
    errno = 0;
    const File b = openForReading(copy);
    if (!b) {
        result.problem = readProblem(copy);
        return result;
    }
    // One buffer for both files; thread-local so a check of thousands of files allocates it once.
    thread_local std::vector<char> buffer(2 * kBlock);
    char* const left = buffer.data();
    char* const right = buffer.data() + kBlock;
    for (;;) {
        const auto gotA = std::fread(left, 1, kBlock, a.get());
        const auto gotB = std::fread(right, 1, kBlock, b.get());
        result.bytesRead += gotA + gotB;
        if (gotA != gotB || std::memcmp(left, right, gotA) != 0) {
            // Same size but a short read on one side: either it changed while read, or it failed.
            if (std::ferror(a.get()))
                result.problem = readProblem(gameFile);
            else if (std::ferror(b.get()))
                result.problem = readProblem(copy);
            result.comparison = Comparison::Differs;
            return result;
        }
        if (gotA < kBlock) {
            if (std::ferror(a.get()))
                result.problem = readProblem(gameFile);
            else if (std::ferror(b.get()))
                result.problem = readProblem(copy);
            return result;
        }
    }
}

} // namespace outfitter
