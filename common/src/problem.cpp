#include "common/problem.h"

#include <cstring>
#include <system_error>

#if defined(_WIN32)
#include <windows.h>
#endif

namespace common {

namespace {

#if defined(_WIN32)

std::string utf8(const wchar_t* text, int length) {
    // Without WC_ERR_INVALID_CHARS a lone surrogate becomes U+FFFD instead of failing the whole name.
    const int size = ::WideCharToMultiByte(CP_UTF8, 0, text, length, nullptr, 0, nullptr, nullptr);
    std::string out(size > 0 ? static_cast<std::size_t>(size) : 0u, '\0');
    if (size > 0)
        ::WideCharToMultiByte(CP_UTF8, 0, text, length, out.data(), size, nullptr, nullptr);
    return out;
}

// The system's own text for a Windows error, in UTF-8 like every other message (the narrow text of
// std::system_category is in the ANSI code page), without the trailing full stop and line end.
std::string windowsErrorText(int code) {
    wchar_t* buffer = nullptr;
    const DWORD length = ::FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
        static_cast<DWORD>(code), 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::string text = length ? utf8(buffer, static_cast<int>(length)) : std::string{};
    ::LocalFree(buffer);
    while (!text.empty() &&
           (text.back() == '\n' || text.back() == '\r' || text.back() == ' ' || text.back() == '.'))
        text.pop_back();
    return text.empty() ? "Windows error " + std::to_string(code) : text;
}

// Another program (the game, an editor, a virus scanner) has the file open without letting others
// delete it. A replace then fails with no more than "Access is denied", which sends a player looking
// at permissions; asking for delete access with every sharing allowed tells the two apart.
bool heldOpenElsewhere(const std::filesystem::path& path) {
    if (path.empty())
        return false;
    const HANDLE handle =
        ::CreateFileW(path.c_str(), DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                      OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle != INVALID_HANDLE_VALUE) {
        ::CloseHandle(handle);
        return false;
    }
    return ::GetLastError() == ERROR_SHARING_VIOLATION;
}

std::string windowsReason(const std::filesystem::path& path, int code) {
    if (code == ERROR_SHARING_VIOLATION || code == ERROR_LOCK_VIOLATION ||
        (code == ERROR_ACCESS_DENIED && heldOpenElsewhere(path)))
        return kHeldOpenReason;
    return windowsErrorText(code);
}

#endif

} // namespace

std::string pathText(const std::filesystem::path& path) {
#if defined(_WIN32)
    // path::string() converts to the ANSI code page and throws for letters outside it.
    const std::wstring& wide = path.native();
    return utf8(wide.data(), static_cast<int>(wide.size()));
#else
    return path.string();
#endif
}

std::filesystem::path pathFromText(std::string_view text) {
#if defined(_WIN32)
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
#else
    return std::filesystem::path(std::string(text));
#endif
}

std::string Problem::text() const {
    std::string line = action;
    if (!path.empty()) {
        if (!line.empty())
            line += ' ';
        line += pathText(path);
    }
    if (!reason.empty()) {
        if (!line.empty())
            line += ": ";
        line += reason;
    }
    return line;
}

Problem problemFromErrno(std::filesystem::path path, std::string action, int err) {
    return Problem{std::move(path), std::move(action), std::generic_category().message(err)};
}

Problem problemFromError(std::filesystem::path path, std::string action, const std::error_code& ec) {
#if defined(_WIN32)
    if (ec.category() == std::system_category()) {
        std::string reason = windowsReason(path, ec.value());
        return Problem{std::move(path), std::move(action), std::move(reason)};
    }
    // std::filesystem reports a refused rename or removal as a plain EACCES.
    if (ec == std::errc::permission_denied && heldOpenElsewhere(path))
        return Problem{std::move(path), std::move(action), kHeldOpenReason};
#endif
    return Problem{std::move(path), std::move(action), ec.message()};
}

} // namespace common
