#pragma once
// The "General Settings" editor as a model: the six values of "eaw.ini" as the boxes show them
// (`IniRead`), saving the boxes back into their lines (`inisave`), and the whole file as free text
// (`IniEdit`, `InSaver`). Every save replaces the file through "eaw.ink", never in place.

#include "outfitter/settings/ini_keys.h"
#include "outfitter/settings/ini_value_check.h"

#include "common/problem.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace outfitter {

struct IniSaveOutcome {
    enum class Status {
        Saved,
        NotReady,  // the ready flag was off: nothing was written
        NoIniFile, // the game folder holds no "eaw.ini": nothing was written
        Failed,    // "eaw.ini" is as it was; `problem` says why
        Refused,   // a box the game could not read: nothing was written; `refusal` says which
    };
    Status status = Status::Saved;
    std::optional<common::Problem> problem;
    std::optional<IniRefusal> refusal;
    // Keys (indexes into kIniKeys) whose lines were written with a value other than before.
    std::vector<std::size_t> changed;
    std::filesystem::path file; // the file written, on Saved
};

struct IniFreeText {
    bool found = false; // "eaw.ini" exists
    std::string text;   // its lines, each followed by CR LF
    std::optional<common::Problem> problem;
};

class GameSettings final {
  public:
    GameSettings() = default;
    explicit GameSettings(std::filesystem::path gameFolder) : gameFolder_(std::move(gameFolder)) {}

    // What the six boxes hold, in the order of kIniKeys; empty until a value has been read.
    const IniValues& values() const { return values_; }

    // Loads the boxes from "eaw.ini" of the game folder (found whatever its letter case). A missing
    // file changes nothing and reports nothing; a key that is not in the file keeps its box.
    common::Problems IniRead();
    // The same for a file start-up has already found.
    common::Problems IniRead(const std::filesystem::path& eawIni);

    // Writes `boxes` into the keyed lines of "eaw.ini"; the boxes become the values on success.
    // Nothing is written while `ready` is off, nor when a box of a key the file holds fails
    // checkIniValue (boxes of keys the file lacks are never written, so never checked).
    IniSaveOutcome inisave(const IniValues& boxes, bool ready);

    // The whole file for the free-text box.
    IniFreeText IniEdit() const;
    // Saves the free text (lines ending CR LF or LF) as the whole file, followed by CR LF, then reads
    // the six values again. Nothing happens when there is no "eaw.ini".
    IniSaveOutcome InSaver(std::string_view text);

  private:
    // The path of "eaw.ini" as spelt on disk, nullopt when there is none (or it cannot be told).
    std::optional<std::filesystem::path> findIni(std::optional<common::Problem>& problem) const;

    std::filesystem::path gameFolder_;
    IniValues values_;
};

} // namespace outfitter
