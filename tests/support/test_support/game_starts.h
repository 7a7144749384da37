#pragma once
// Records the programs of a game folder that a window starts. On POSIX a ".exe" goes through Wine,
// so a stand-in "wine" first on PATH writes its working folder and its arguments; on Windows the
// system starts the program itself, so the stand-in program takes the game program's place and
// writes its working folder and its own path. Either way the record's first line is the working
// folder and its second the program's path, and a test reads the two alike.

#include "test_support/environment.h"
#include "test_support/stand_in_programs.h"
#include "test_support/temp_folder.h"

#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <string>
#include <vector>

#if defined(_WIN32)
// <windows.h> makes MessageBox a macro; in the window suites uisupport::MessageBox is meant.
#undef MessageBox
#endif

namespace testsupport {

class GameStarts final {
  public:
    // `programs`: the game folder's programs a test expects to be started (on Windows each present
    // one becomes the stand-in). Without `wineOnPath` (POSIX) PATH holds no wine at all.
    GameStarts(const std::filesystem::path& gameFolder, std::initializer_list<const char*> programs,
               bool wineOnPath = true)
        : record_(bin_.path() / "started.txt"),
#if defined(_WIN32)
          report_(record_)
#else
          path_("PATH", (bin_.path().string() + (wineOnPath ? ":" + oldPath() : std::string())).c_str())
#endif
    {
#if defined(_WIN32)
        (void)wineOnPath;
        for (const char* program : programs)
            if (std::filesystem::exists(gameFolder / program))
                installStandIn(gameFolder / program);
#else
        (void)gameFolder;
        (void)programs;
        if (wineOnPath) {
            const auto part = record_.string() + ".part";
            writeScript(bin_.path() / "wine", "{ pwd; for a in \"$@\"; do echo \"$a\"; done; } > '" + part +
                                                  "'\nmv '" + part + "' '" + record_.string() + "'\n");
        }
#endif
    }

    const std::filesystem::path& record() const {
        return record_;
    }
    bool started() const {
        return std::filesystem::exists(record_);
    }
    void forget() const {
        std::filesystem::remove(record_);
    }

    // The record's lines: the working folder, then the program and its arguments.
    std::vector<std::filesystem::path> lines() const {
        std::ifstream in(record_, std::ios::binary);
        std::vector<std::filesystem::path> out;
        for (std::string line; std::getline(in, line);)
            out.emplace_back(std::u8string(line.begin(), line.end()));
        return out;
    }

    // Whether the program `program` was started in `folder`.
    bool startedIn(const std::filesystem::path& folder, const std::filesystem::path& program) const {
        const auto said = lines();
        std::error_code ec;
        return said.size() >= 2 && std::filesystem::equivalent(said[0], folder, ec) &&
               std::filesystem::equivalent(said[1], program, ec);
    }

  private:
#if !defined(_WIN32)
    static std::string oldPath() {
        const char* path = std::getenv("PATH");
        return path ? path : "";
    }
#endif

    TempFolder bin_;
    std::filesystem::path record_;
#if defined(_WIN32)
    ReportFile report_;
#else
    EnvOverride path_;
#endif
};

} // namespace testsupport
