#include "startup/program_start.h"

#include "common/atomic_file.h"
#include "common/resolver.h"
#include "common/text_file.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <utility>
#include <vector>

#if defined(_WIN32)
#include <windows.h>

#include <shellapi.h>
#endif

#ifndef EAW_VERSION
#define EAW_VERSION "0"
#endif

namespace eaw::startup {

namespace {

// Names on the command line are the file system's own: bytes here, UTF-8 from the wide form on Windows.
std::filesystem::path pathFromArgument(const std::string& arg) {
    return common::pathFromText(arg);
}

using common::pathText;

#if defined(_WIN32)
// The arguments as the player typed them: argv holds them in the ANSI code page, which cannot carry
// every name, so they are read from the wide command line and kept as UTF-8.
std::vector<std::string> wideArguments(int argc, char** argv) {
    std::vector<std::string> args;
    int count = 0;
    if (LPWSTR* wide = ::CommandLineToArgvW(::GetCommandLineW(), &count)) {
        for (int i = 1; i < count; ++i)
            args.push_back(pathText(std::filesystem::path(wide[i])));
        ::LocalFree(wide);
        return args;
    }
    for (int i = 1; i < argc; ++i)
        args.emplace_back(argv[i]);
    return args;
}

// A program built as a window program has no console of its own, so what --help, --version or a
// refusal prints would go nowhere. When an option is given and the output is not already sent to a
// file or pipe, the console of the prompt it was started from takes it.
void attachParentConsole() {
    const auto redirected = [](DWORD which) {
        const HANDLE handle = ::GetStdHandle(which);
        return handle != nullptr && handle != INVALID_HANDLE_VALUE &&
               ::GetFileType(handle) != FILE_TYPE_UNKNOWN;
    };
    if (redirected(STD_OUTPUT_HANDLE) || !::AttachConsole(ATTACH_PARENT_PROCESS))
        return;
    if (std::freopen("CONOUT$", "w", stdout))
        std::cout.clear();
    if (!redirected(STD_ERROR_HANDLE) && std::freopen("CONOUT$", "w", stderr))
        std::cerr.clear();
}
#endif

void printHelp(std::ostream& out, const ProgramInfo& info) {
    out << "Usage: " << info.name << " [OPTION]... [GAME-FOLDER]\n"
        << info.summary << "\n\n"
        << "GAME-FOLDER is the folder that holds eaw.exe; without it the current folder is used.\n"
        << "When that folder holds no eaw.exe, the program asks for the game folder and changes nothing.\n\n"
        << "Options:\n";
    std::vector<std::pair<std::string, std::string>> rows;
    for (const auto& option : info.options)
        rows.emplace_back(option.name + (option.valueName.empty() ? "" : " " + option.valueName),
                          option.help);
    rows.emplace_back("--help", "show this help and end");
    rows.emplace_back("--version", "show the version and end");
    // At least two spaces between an option and its text, which is how help2man (and a reader) tells
    // where the option ends.
    std::size_t width = 22;
    for (const auto& row : rows)
        width = std::max(width, row.first.size() + 2);
    for (const auto& [left, help] : rows)
        out << "  " << left << std::string(width - left.size(), ' ') << help << "\n";
}

} // namespace

const char* suiteVersion() {
    return EAW_VERSION;
}

const ProgramInfo& outfitterProgram() {
    static const ProgramInfo info{
        "outfitter",
        "Loads and unloads add-on sets, skins and aircraft in an EAW game folder.",
        {{"--apply", "PACKAGE", "load the autoscript PACKAGE without a window, then end"},
         {"--reset", "", "with --apply: Reset All before loading"},
         {"--launch", "PROGRAM", "start PROGRAM of the game folder (after --apply), then end"},
         {"--list", "", "print the sets, their categories and load marks, then end"},
         {"--add", "PATH", "add the set(s) of an archive or folder to QIV128, then end"},
         {"--category", "LETTER", "with --add: the category letter of the new set"},
         {"--name", "NAME", "with --add: the name of the new set (default: the archive's name)"},
         {"--files", "SET", "print each file of SET, where loading puts it and what it meets there"},
         {"--check", "", "compare the loaded files with their sets' copies; exit 1 when any differ"},
         {"--undo", "", "take back the newest change not undone yet (again: the one before it), then end"},
         {"--history", "", "print the changes that can be undone, newest first, then end"}}};
    return info;
}

const ProgramInfo& sortieProgram() {
    static const ProgramInfo info{"sortie",
                                  "Builds a single mission for EAW and starts the game.",
                                  {{"--render-map", "FILE.png", "draw the theatre map into FILE.png and end"},
                                   {"--surprise", "[SEED]",
                                    "print the mission file FLY! would write for a mission drawn from SEED "
                                    "(else at random), write nothing and end",
                                    true}}};
    return info;
}

const ProgramInfo& sortiexProgram() {
    static const ProgramInfo info{
        "sortiex", "Builds a single mission for EAW from a scenario folder and saves it.", {}};
    return info;
}

StartRequest readCommandLine(const std::vector<std::string>& args, const ProgramInfo& info,
                             const std::filesystem::path& currentFolder, std::ostream& out,
                             std::ostream& err) {
    StartRequest request;
    request.currentFolder = currentFolder;
    const auto refuse = [&](const std::string& why) {
        err << info.name << ": " << why << "\nTry \"" << info.name << " --help\".\n";
        request.exitCode = 2;
        return request;
    };
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (!optionsEnded && arg == "--") {
            optionsEnded = true;
            continue;
        }
        if (!optionsEnded && arg.size() > 1 && arg[0] == '-') {
            if (arg == "--help" || arg == "-h") {
                printHelp(out, info);
                request.exitCode = 0;
                return request;
            }
            if (arg == "--version") {
                out << info.name << " " << suiteVersion() << "\n";
                request.exitCode = 0;
                return request;
            }
            const ProgramOption* known = nullptr;
            for (const auto& option : info.options)
                if (arg == option.name || (!option.valueName.empty() && arg.rfind(option.name + "=", 0) == 0))
                    known = &option;
            if (!known)
                return refuse("unknown option \"" + arg + "\"");
            // The program reads its own options; its value is not the game folder.
            GivenOption given{known->name, {}};
            const auto allDigits = [](const std::string& text) {
                return !text.empty() &&
                       std::all_of(text.begin(), text.end(), [](char ch) { return ch >= '0' && ch <= '9'; });
            };
            if (!known->valueName.empty()) {
                if (arg != known->name)
                    given.value = arg.substr(known->name.size() + 1);
                else if (known->optionalNumber) {
                    if (i + 1 < args.size() && allDigits(args[i + 1]))
                        given.value = args[++i];
                } else if (++i >= args.size())
                    return refuse("option \"" + arg + "\" needs " + known->valueName);
                else
                    given.value = args[i];
            }
            request.options.push_back(std::move(given));
            continue;
        }
        if (request.gameFolder)
            return refuse("only one game folder can be given");
        request.gameFolder =
            std::filesystem::absolute(currentFolder / pathFromArgument(arg)).lexically_normal();
    }
    return request;
}

StartRequest readCommandLine(int argc, char** argv, const ProgramInfo& info) {
#if defined(_WIN32)
    const std::vector<std::string> args = wideArguments(argc, argv);
    if (std::any_of(args.begin(), args.end(), [](const std::string& arg) { return arg.rfind('-', 0) == 0; }))
        attachParentConsole();
#else
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i)
        args.emplace_back(argv[i]);
#endif
    std::error_code ec;
    return readCommandLine(args, info, std::filesystem::current_path(ec), std::cout, std::cerr);
}

bool holdsGame(const std::filesystem::path& folder) {
    std::error_code ec;
    if (folder.empty() || !std::filesystem::is_directory(folder, ec))
        return false;
    const auto found = common::resolve(folder, "eaw.exe");
    return found.ok() && found.value.exists && std::filesystem::is_regular_file(found.value.path, ec);
}

FolderDecision decideGameFolder(const StartRequest& request,
                                const std::optional<std::filesystem::path>& remembered) {
    const std::filesystem::path folder = request.gameFolder ? *request.gameFolder : request.currentFolder;
    FolderDecision decision;
    if (holdsGame(folder)) {
        decision.use = folder;
        return decision;
    }
    std::error_code ec;
    const bool isFolder = std::filesystem::is_directory(folder, ec);
    decision.reason = (isFolder ? "There is no eaw.exe in " : "There is no folder ") + pathText(folder) +
                      ". Choose the EAW game folder.";
    if (remembered && holdsGame(*remembered))
        decision.offer = *remembered;
    else if (isFolder)
        decision.offer = folder;
    else
        decision.offer = request.currentFolder;
    return decision;
}

std::filesystem::path rememberedFolderFile() {
#if defined(_WIN32)
    const wchar_t* appData = _wgetenv(L"APPDATA");
    const std::filesystem::path base =
        appData && *appData ? std::filesystem::path(appData) : std::filesystem::path();
#else
    const char* config = std::getenv("XDG_CONFIG_HOME");
    const char* home = std::getenv("HOME");
    const std::filesystem::path base = config && *config ? std::filesystem::path(config)
                                       : home && *home   ? std::filesystem::path(home) / ".config"
                                                         : std::filesystem::path();
#endif
    return base.empty() ? base : base / "eaw-suite" / "game-folder";
}

std::optional<std::filesystem::path> loadRememberedFolder(const std::filesystem::path& file) {
    if (file.empty())
        return std::nullopt;
    const auto lines = common::readLines(file);
    if (!lines.ok() || lines.value.empty() || lines.value.front().empty())
        return std::nullopt;
    return pathFromArgument(lines.value.front());
}

bool saveRememberedFolder(const std::filesystem::path& file, const std::filesystem::path& folder) {
    if (file.empty())
        return false;
    std::error_code ec;
    std::filesystem::create_directories(file.parent_path(), ec);
    return !common::writeLinesAtomically(file, {pathText(folder)});
}

} // namespace eaw::startup
