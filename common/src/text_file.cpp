#include "common/text_file.h"

#include "common/atomic_file.h"

#include <ostream>
#include <system_error>

#if defined(_WIN32)
#include <windows.h>

#include <cstdio>
#include <fcntl.h>
#include <io.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace common {

std::vector<std::string> splitLines(std::string_view bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const auto lf = bytes.find('\n', start);
        if (lf == std::string_view::npos) {
            lines.emplace_back(bytes.substr(start));
            break;
        }
        std::size_t end = lf;
        if (end > start && bytes[end - 1] == '\r')
            --end;
        lines.emplace_back(bytes.substr(start, end - start));
        start = lf + 1;
    }
    return lines;
}

std::string joinLinesCrLf(const std::vector<std::string>& lines) {
    std::size_t size = 0;
    for (const auto& line : lines)
        size += line.size() + 2;
    std::string out;
    out.reserve(size);
    for (const auto& line : lines) {
        out += line;
        out += "\r\n";
    }
    return out;
}

void writeLinesCrLf(std::ostream& out, const std::vector<std::string>& lines) {
    const std::string bytes = joinLinesCrLf(lines);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

#if defined(_WIN32)

Result<std::string> readFileBytes(const std::filesystem::path& file) {
    Result<std::string> result;
    // Other programs (the game, an editor) may hold the file open; reading must not lock them out.
    const HANDLE handle =
        ::CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        result.problem = problemFromError(
            file, "reading", std::error_code(static_cast<int>(::GetLastError()), std::system_category()));
        return result;
    }
    LARGE_INTEGER size{};
    if (::GetFileSizeEx(handle, &size) && size.QuadPart > 0)
        result.value.reserve(static_cast<std::size_t>(size.QuadPart));
    char buffer[65536];
    for (;;) {
        DWORD got = 0;
        if (!::ReadFile(handle, buffer, sizeof buffer, &got, nullptr)) {
            result.problem = problemFromError(
                file, "reading", std::error_code(static_cast<int>(::GetLastError()), std::system_category()));
            result.value.clear();
            break;
        }
        if (got == 0)
            break;
        result.value.append(buffer, got);
    }
    ::CloseHandle(handle);
    return result;
}

#else

Result<std::string> readFileBytes(const std::filesystem::path& file) {
    Result<std::string> result;
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        result.problem = problemFromErrno(file, "reading", errno);
        return result;
    }
    struct stat info {};
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size > 0)
        result.value.reserve(static_cast<std::size_t>(info.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got > 0) {
            result.value.append(buffer, static_cast<std::size_t>(got));
        } else if (got == 0) {
            break;
        } else if (errno != EINTR) {
            result.problem = problemFromErrno(file, "reading", errno);
            result.value.clear();
            break;
        }
    }
    ::close(fd);
    return result;
}

#endif

Result<std::vector<std::string>> readLines(const std::filesystem::path& file) {
    auto bytes = readFileBytes(file);
    Result<std::vector<std::string>> result;
    result.problem = std::move(bytes.problem);
    if (result.ok())
        result.value = splitLines(bytes.value);
    return result;
}

std::optional<Problem> writeLinesAtomically(const std::filesystem::path& file,
                                            const std::vector<std::string>& lines,
                                            const std::string& tempName) {
    return writeFileAtomically(file, joinLinesCrLf(lines), tempName);
}

void useBinaryStandardOutput() {
#if defined(_WIN32)
    std::fflush(stdout);
    _setmode(_fileno(stdout), _O_BINARY);
#endif
}

} // namespace common
