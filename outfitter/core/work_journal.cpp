#include "work_journal.h"

#include "common/atomic_file.h"
#include "common/text_file.h"

#include <system_error>

namespace outfitter {

namespace fs = std::filesystem;

namespace {

// The first line tells our journal from anything else that happens to carry its name.
constexpr const char* kHeading = "QIV128 work journal";
constexpr const char* kLoadWord = "load";
constexpr const char* kUnloadWord = "unload";

fs::path journalPath(const fs::path& selectorFolder) {
    return selectorFolder / kJournalFileName;
}

} // namespace

std::optional<common::Problem> writeJournal(const fs::path& selectorFolder, const WorkJournal& work) {
    const std::string kind = work.kind == WorkJournal::Kind::Load ? kLoadWord : kUnloadWord;
    return common::writeFileAtomically(journalPath(selectorFolder),
                                       common::joinLinesCrLf({kHeading, kind, work.set}) + "\r\n");
}

common::Result<std::optional<WorkJournal>> readJournal(const fs::path& selectorFolder) {
    common::Result<std::optional<WorkJournal>> result;
    const auto path = journalPath(selectorFolder);
    std::error_code ec;
    const auto status = fs::symlink_status(path, ec);
    if (status.type() == fs::file_type::not_found)
        return result;
    auto lines = common::readLines(path);
    if (!lines.ok()) {
        result.problem = lines.problem;
        return result;
    }
    const auto& text = lines.value;
    if (text.size() < 3 || text[0] != kHeading || (text[1] != kLoadWord && text[1] != kUnloadWord) ||
        text[2].empty()) {
        result.problem = common::Problem{path, "reading", "not a journal this program wrote"};
        return result;
    }
    result.value =
        WorkJournal{text[1] == kLoadWord ? WorkJournal::Kind::Load : WorkJournal::Kind::Unload, text[2]};
    return result;
}

std::optional<common::Problem> removeJournal(const fs::path& selectorFolder) {
    std::error_code ec;
    fs::remove(journalPath(selectorFolder), ec);
    if (ec)
        return common::problemFromError(journalPath(selectorFolder), "deleting", ec);
    return std::nullopt;
}

} // namespace outfitter
