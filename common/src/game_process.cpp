#include "common/game_process.h"

#include "common/names.h"
#include "common/problem.h"

#include <system_error>

#if defined(_WIN32)
#include <windows.h>
#include <tlhelp32.h>
#else
#include <fstream>
#include <unistd.h>
#include <iterator>
#include <vector>
#endif

namespace common {

namespace fs = std::filesystem;

namespace {

bool sameFolder(const fs::path& a, const fs::path& b) {
    std::error_code ec;
    return !a.empty() && fs::equivalent(a, b, ec) && !ec;
}

// The name after the last separator of either kind: Wine passes Windows paths.
[[maybe_unused]] std::string_view baseName(std::string_view path) {
    const auto cut = path.find_last_of("/\\");
    return cut == std::string_view::npos ? path : path.substr(cut + 1);
}

} // namespace

#if defined(_WIN32)

std::optional<RunningProgram> programRunningIn(const fs::path& gameFolder, std::string_view programName) {
    const HANDLE snapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return std::nullopt;
    std::optional<RunningProgram> found;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = ::Process32FirstW(snapshot, &entry); more && !found;
         more = ::Process32NextW(snapshot, &entry)) {
        if (!equalsIgnoreCase(pathText(fs::path(entry.szExeFile)), programName))
            continue;
        const HANDLE process = ::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, entry.th32ProcessID);
        if (!process)
            continue;
        std::wstring image(32768, L'\0');
        DWORD size = static_cast<DWORD>(image.size());
        if (::QueryFullProcessImageNameW(process, 0, image.data(), &size)) {
            image.resize(size);
            const fs::path program(image);
            if (sameFolder(program.parent_path(), gameFolder))
                found = RunningProgram{static_cast<long long>(entry.th32ProcessID), pathText(program)};
        }
        ::CloseHandle(process);
    }
    ::CloseHandle(snapshot);
    return found;
}

#else

namespace {

std::string readWhole(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::string> splitNul(const std::string& text) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start < text.size()) {
        const auto end = text.find('\0', start);
        parts.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
    return parts;
}

std::string environmentValue(const std::vector<std::string>& environment, std::string_view key) {
    for (const auto& entry : environment)
        if (entry.size() > key.size() && entry.compare(0, key.size(), key) == 0 && entry[key.size()] == '=')
            return entry.substr(key.size() + 1);
    return {};
}

// A program path as a process gave it, as a path of this system: a Windows path under Wine goes
// through the prefix's drive links ("Z:" is the root on a default prefix); a relative one is taken
// from the process's working folder.
fs::path hostPath(std::string text, const fs::path& workingFolder, const std::vector<std::string>& environment) {
    const bool drive = text.size() >= 2 && text[1] == ':' &&
                       ((text[0] >= 'A' && text[0] <= 'Z') || (text[0] >= 'a' && text[0] <= 'z'));
    for (auto& c : text)
        if (c == '\\')
            c = '/';
    if (drive) {
        auto prefix = environmentValue(environment, "WINEPREFIX");
        if (prefix.empty())
            prefix = environmentValue(environment, "HOME") + "/.wine";
        const std::string letter(1, static_cast<char>(text[0] | 0x20));
        return pathFromText(prefix) / "dosdevices" / (letter + ":") / pathFromText(text.substr(2)).relative_path();
    }
    const auto path = pathFromText(text);
    return path.is_absolute() ? path : workingFolder / path;
}

} // namespace

std::optional<RunningProgram> programRunningIn(const fs::path& gameFolder, std::string_view programName) {
    std::error_code ec;
    for (fs::directory_iterator it("/proc", ec), end; !ec && it != end; it.increment(ec)) {
        const auto id = pathText(it->path().filename());
        // This program may name the game among its own arguments ("--launch eaw.exe").
        if (id.empty() || id.find_first_not_of("0123456789") != std::string::npos ||
            id == std::to_string(::getpid()))
            continue;
        const auto proc = it->path();
        std::error_code linkError;
        const auto executable = fs::read_symlink(proc / "exe", linkError);
        const auto arguments = splitNul(readWhole(proc / "cmdline"));
        const bool isProgram = equalsIgnoreCase(pathText(executable.filename()), programName);
        std::optional<std::string> argument;
        for (const auto& arg : arguments)
            if (equalsIgnoreCase(baseName(arg), programName)) {
                argument = arg;
                break;
            }
        if (!isProgram && !argument)
            continue;
        const auto workingFolder = fs::read_symlink(proc / "cwd", linkError);
        bool here = sameFolder(workingFolder, gameFolder);
        if (!here && isProgram)
            here = sameFolder(executable.parent_path(), gameFolder);
        if (!here && argument)
            here = sameFolder(hostPath(*argument, workingFolder, splitNul(readWhole(proc / "environ")))
                                  .parent_path(),
                              gameFolder);
        if (here)
            return RunningProgram{std::stoll(id), argument ? *argument : pathText(executable)};
    }
    return std::nullopt;
}

#endif

} // namespace common
