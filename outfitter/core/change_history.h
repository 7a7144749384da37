#pragma once
// The selector's history: every change of the game folder is one step, whose folder below
// "QIV128/.history" keeps each file the change replaced or deleted and notes each entry it created or
// renamed, so that the newest step can be taken back byte for byte, and again the one before it. A
// step is written as it goes (a killed change leaves a step that can still be finished and undone);
// an undo moves what it takes away aside in the step's folder rather than deleting it.

#include "common/change_recorder.h"
#include "common/problem.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace outfitter {

inline constexpr const char* kHistoryFolderName = ".history";

// How much history is kept: the newest steps up to both limits.
struct HistoryLimits {
    std::size_t steps = 50;
    std::uint64_t bytes = 2'000'000'000;
};

struct HistoryStep {
    std::string id;                   // the step's folder name; later steps sort after earlier ones
    std::string title;                // "Load W-Desert Air War"
    std::string time;                 // the local time it began, "2026-12-09 06:01:12"
    std::uint64_t bytes = 0;          // what its folder keeps
    std::vector<std::string> changed; // the entries it changed, relative to the game folder
    bool finished = false;            // the change ran to its end
    bool undone = false;
};

class ChangeHistory final {
  public:
    ChangeHistory() = default; // no game folder: records nothing
    ChangeHistory(std::filesystem::path gameFolder, std::filesystem::path selectorFolder);

    std::filesystem::path folder() const;
    // Every step kept, oldest first; `undoable` leaves out the undone ones.
    std::vector<HistoryStep> steps(bool undoable = false) const;

    // One step under way: the recorder the file layer tells before each change.
    class Step final : public common::ChangeRecorder {
      public:
        Step(const ChangeHistory& history, std::filesystem::path folder, bool resumed);
        std::optional<common::Problem> beforeWrite(const std::filesystem::path& path) override;
        std::optional<common::Problem> beforeDelete(const std::filesystem::path& path, bool& taken) override;
        std::optional<common::Problem> beforeRename(const std::filesystem::path& from,
                                                    const std::filesystem::path& to) override;
        std::optional<common::Problem> beforeMakeFolder(const std::filesystem::path& path) override;
        const std::filesystem::path& folder() const { return folder_; }
        bool changedAnything() const { return !seen_.empty(); }

      private:
        friend class ChangeHistory;
        std::optional<std::string> relative(const std::filesystem::path& path) const;
        std::optional<common::Problem> keep(const std::filesystem::path& path, const std::string& rel,
                                            bool& kept);
        void note(const std::string& line);

        const ChangeHistory& history_;
        std::filesystem::path folder_;
        std::ofstream manifest_;
        std::set<std::string> seen_;
        std::size_t nextFile_ = 0;
    };

    // Begins a step; nullptr (with the problem) when its folder cannot be made, and the change is
    // then refused, since what it took away could not be given back.
    std::unique_ptr<Step> begin(const std::string& title, common::Problems& problems) const;
    // A step a killed run left unfinished, to finish its change into; nullptr when there is none.
    std::unique_ptr<Step> resumeUnfinished() const;
    // Ends a step: one that changed nothing leaves no trace. Then the oldest steps past the limits
    // go; their titles are returned for the log.
    std::vector<std::string> finish(std::unique_ptr<Step> step, const HistoryLimits& limits) const;

    struct Undo {
        std::optional<HistoryStep> step;             // none when there was nothing to undo
        std::vector<std::filesystem::path> restored; // entries put back as they were
        std::vector<std::filesystem::path> setAside; // entries the step had made, moved into its folder
        common::Problems problems;
    };
    // Takes back the newest step not undone yet. Safe to run again on the same step after a kill:
    // each entry is put back only once.
    Undo undoNewest() const;
    // An undo a killed run began, finished; nullopt when none was under way.
    std::optional<Undo> finishInterruptedUndo() const;

  private:
    Undo undo(const std::filesystem::path& stepFolder) const;
    bool excluded(const std::string& rel) const;

    std::filesystem::path gameFolder_;
    std::filesystem::path selectorFolder_;
};

} // namespace outfitter
