// A stand-in for a program of the game folder on Windows: it writes its working folder, its own path
// and its arguments (UTF-8, one per line) to the file named by EAW_STAND_IN_REPORT, and ends; while
// the file named by EAW_STAND_IN_HOLD exists it keeps running, as a game does (a minute at most).
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

std::string utf8(const wchar_t* text) {
    const int size = ::WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string out(size > 0 ? static_cast<std::size_t>(size) : 0u, '\0');
    if (size > 0)
        ::WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), size, nullptr, nullptr);
    if (!out.empty())
        out.pop_back(); // the terminating zero
    return out;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    wchar_t target[32768];
    if (::GetEnvironmentVariableW(L"EAW_STAND_IN_REPORT", target, 32768) == 0)
        return 2;
    wchar_t folder[32768];
    if (::GetCurrentDirectoryW(32768, folder) == 0)
        return 3;
    wchar_t self[32768];
    const DWORD selfLength = ::GetModuleFileNameW(nullptr, self, 32768);
    if (selfLength == 0 || selfLength >= 32768)
        return 3;
    std::string report = utf8(folder) + "\n" + utf8(self) + "\n";
    for (int i = 1; i < argc; ++i)
        report += utf8(argv[i]) + "\n";

    // Written beside the report and moved into place, so the waiting test never reads half of it.
    const std::wstring partial = std::wstring(target) + L".partial";
    FILE* out = ::_wfopen(partial.c_str(), L"wb");
    if (!out)
        return 4;
    const bool written = std::fwrite(report.data(), 1, report.size(), out) == report.size();
    if (std::fclose(out) != 0 || !written)
        return 5;
    if (!::MoveFileExW(partial.c_str(), target, MOVEFILE_REPLACE_EXISTING))
        return 6;
    wchar_t hold[32768];
    if (::GetEnvironmentVariableW(L"EAW_STAND_IN_HOLD", hold, 32768) != 0)
        for (int i = 0; i < 3000 && ::GetFileAttributesW(hold) != INVALID_FILE_ATTRIBUTES; ++i)
            ::Sleep(20);
    return 0;
}
