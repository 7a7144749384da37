#pragma once
// The autoscripts of the selector folder's "Autoscripts": listing them, and saving the current
// selection under a name the player types, asking first when that name is taken in any letter case.

#include "common/problem.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace outfitter {

// Why a typed name cannot be an autoscript's name, or nullopt when it can. A name must stay a plain
// file name inside "Autoscripts" on every system the game runs on: no separators, no "." or "..",
// no characters Windows refuses, no device name, no trailing blank or dot, not empty.
std::optional<std::string> autoscriptNameProblem(std::string_view name);

class AutoscriptStore final {
  public:
    enum class Outcome { Saved, NameTaken, Refused };
    struct SaveResult {
        Outcome outcome = Outcome::Refused;
        std::optional<common::Problem> problem; // why it was refused
        std::filesystem::path file{};           // the script written, on Saved
    };

    explicit AutoscriptStore(std::filesystem::path selectorFolder);

    // "Autoscripts" as spelt on disk (or as it would be made).
    std::filesystem::path folder() const;
    // The "*.set" files of "Autoscripts", in file-list order; nothing when the folder is missing.
    std::vector<std::string> list() const;

    // Saves `text` (line breaks of any kind, written as CR LF) followed by a line break as
    // `name` + ".set". Without `overwrite`, a name equal to a listed script whatever its case gives
    // NameTaken and writes nothing; with it, that script is replaced in place.
    SaveResult save(std::string_view name, std::string_view text, bool overwrite) const;

    // The bytes a save writes for `text`.
    static std::string fileBytes(std::string_view text);

  private:
    std::filesystem::path selectorFolder_;
};

} // namespace outfitter
