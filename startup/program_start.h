#pragma once
// How each program starts: its command line (--help, --version, the game folder) and which folder it
// may treat as the game folder, so that nothing is made in a folder that holds no game.

#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace eaw::startup {

// An option of one program that the start-up only lets through (e.g. "--render-map FILE.png").
struct ProgramOption {
    std::string name;      // "--render-map"
    std::string valueName; // "FILE.png"; empty for an option without a value
    std::string help;
    // The value may be left out ("--surprise [SEED]"): the next argument is taken as the value only
    // when it is all digits, so a game folder may follow the option directly.
    bool optionalNumber = false;
};

struct ProgramInfo {
    std::string name;    // "sortie"
    std::string summary; // one line for --help
    std::vector<ProgramOption> options;
};

// The suite's version, the CMake project version: what --version prints and the About boxes show.
const char* suiteVersion();

const ProgramInfo& outfitterProgram();
const ProgramInfo& sortieProgram();
const ProgramInfo& sortiexProgram();

// A program option as given on the command line, with its value when it takes one.
struct GivenOption {
    std::string name;
    std::string value;
};

struct StartRequest {
    std::optional<int> exitCode;                     // set: end now with this code, no window
    std::vector<GivenOption> options;                // the program's own options, in the order given
    std::optional<std::filesystem::path> gameFolder; // the folder argument, made absolute
    std::filesystem::path currentFolder;
};

// Reads the arguments after the program name. Prints the help or version to `out` and a refusal to
// `err`; any of these sets the exit code.
StartRequest readCommandLine(const std::vector<std::string>& args, const ProgramInfo& info,
                             const std::filesystem::path& currentFolder, std::ostream& out,
                             std::ostream& err);
StartRequest readCommandLine(int argc, char** argv, const ProgramInfo& info);

// Whether `folder` holds "eaw.exe" (any letter case) as a file.
bool holdsGame(const std::filesystem::path& folder);

struct FolderDecision {
    std::optional<std::filesystem::path> use; // the game folder, when it holds the game
    std::filesystem::path offer;              // otherwise where the chooser starts
    std::string reason;                       // and why it is asked
};

// The argument, else the current folder; when that holds no game, ask, offering the remembered folder.
FolderDecision decideGameFolder(const StartRequest& request,
                                const std::optional<std::filesystem::path>& remembered);

// The last folder chosen, kept in one small file of the user's configuration folder.
std::filesystem::path rememberedFolderFile();
std::optional<std::filesystem::path> loadRememberedFolder(const std::filesystem::path& file);
bool saveRememberedFolder(const std::filesystem::path& file, const std::filesystem::path& folder);

} // namespace eaw::startup
