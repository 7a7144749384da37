#include "work_journal.h"

#include "common/atomic_file.h"
#include "common/text_file.h"

#include <array>
#include <system_error>
#include <utility>
#include <vector>

namespace outfitter {

namespace fs = std::filesystem;

namespace {

// The first line tells our journal from anything else that happens to carry its name.
constexpr const char* kHeading = "QIV128 work journal";
constexpr const char* kPackageHeading = "QIV128 package journal";
constexpr const char* kFlightDataWord = "with flight data";

constexpr std::array<std::pair<WorkJournal::Kind, const char*>, 6> kWords{{
    {WorkJournal::Kind::Load, "load"},
    {WorkJournal::Kind::Unload, "unload"},
    {WorkJournal::Kind::InstallSkin, "install skin"},
    {WorkJournal::Kind::RemoveSkin, "remove skin"},
    {WorkJournal::Kind::InstallAircraft, "install aircraft"},
    {WorkJournal::Kind::ResetAll, "reset all"},
}};

const char* wordOf(WorkJournal::Kind kind) {
    for (const auto& [known, word] : kWords)
        if (known == kind)
            return word;
    return "load";
}

std::optional<WorkJournal::Kind> kindOf(const std::string& word) {
    for (const auto& [kind, known] : kWords)
        if (word == known)
            return kind;
    return std::nullopt;
}

std::optional<common::Problem> removeFile(const fs::path& path) {
    std::error_code ec;
    fs::remove(path, ec);
    if (ec)
        return common::problemFromError(path, "deleting", ec);
    return std::nullopt;
}

// The lines of a journal file, nullopt when there is none.
common::Result<std::optional<std::vector<std::string>>> journalLines(const fs::path& path) {
    common::Result<std::optional<std::vector<std::string>>> result;
    std::error_code ec;
    if (fs::symlink_status(path, ec).type() == fs::file_type::not_found)
        return result;
    auto lines = common::readLines(path);
    if (!lines.ok())
        result.problem = lines.problem;
    else
        result.value = std::move(lines.value);
    return result;
}

} // namespace

std::optional<common::Problem> writeJournal(const fs::path& selectorFolder, const WorkJournal& work) {
    std::vector<std::string> lines{kHeading, wordOf(work.kind), work.set};
    if (work.flightData)
        lines.emplace_back(kFlightDataWord);
    return common::writeFileAtomically(selectorFolder / kJournalFileName,
                                       common::joinLinesCrLf(lines) + "\r\n");
}

common::Result<std::optional<WorkJournal>> readJournal(const fs::path& selectorFolder) {
    common::Result<std::optional<WorkJournal>> result;
    const auto path = selectorFolder / kJournalFileName;
    const auto lines = journalLines(path);
    if (!lines.ok() || !lines.value) {
        result.problem = lines.problem;
        return result;
    }
    const auto& text = *lines.value;
    const auto kind = text.size() >= 3 && text[0] == kHeading ? kindOf(text[1]) : std::nullopt;
    if (!kind || text[2].empty()) {
        result.problem = common::Problem{path, "reading", "not a journal this program wrote"};
        return result;
    }
    result.value = WorkJournal{*kind, text[2], text.size() > 3 && text[3] == kFlightDataWord};
    return result;
}

std::optional<common::Problem> removeJournal(const fs::path& selectorFolder) {
    return removeFile(selectorFolder / kJournalFileName);
}

std::string interruptedWorkText(const WorkJournal& work) {
    const auto name = "\"" + work.set + "\"";
    switch (work.kind) {
    case WorkJournal::Kind::Load:
        return "The load of " + name + " was interrupted; it was loaded again in full";
    case WorkJournal::Kind::Unload:
        return "The unload of " + name + " was interrupted; it was unloaded in full";
    case WorkJournal::Kind::InstallSkin:
        return "The install of the skin " + name + " was interrupted; it was installed again in full";
    case WorkJournal::Kind::RemoveSkin:
        return "The removal of the skin " + name + " was interrupted; it was removed in full";
    case WorkJournal::Kind::InstallAircraft:
        return "The install of the aircraft " + name +
               " was interrupted; the files it had changed were put back, so one click installs it again";
    case WorkJournal::Kind::ResetAll:
        return "\"Reset All\" was interrupted; it was done again in full";
    }
    return {};
}

std::optional<common::Problem> writePackageJournal(const fs::path& selectorFolder,
                                                   const PackageJournal& work) {
    return common::writeFileAtomically(
        selectorFolder / kPackageJournalFileName,
        common::joinLinesCrLf({kPackageHeading, work.reset ? "reset" : "no reset", work.file}) + "\r\n");
}

common::Result<std::optional<PackageJournal>> readPackageJournal(const fs::path& selectorFolder) {
    common::Result<std::optional<PackageJournal>> result;
    const auto path = selectorFolder / kPackageJournalFileName;
    const auto lines = journalLines(path);
    if (!lines.ok() || !lines.value) {
        result.problem = lines.problem;
        return result;
    }
    const auto& text = *lines.value;
    if (text.size() < 3 || text[0] != kPackageHeading || (text[1] != "reset" && text[1] != "no reset") ||
        text[2].empty()) {
        result.problem = common::Problem{path, "reading", "not a journal this program wrote"};
        return result;
    }
    result.value = PackageJournal{text[2], text[1] == "reset"};
    return result;
}

std::optional<common::Problem> removePackageJournal(const fs::path& selectorFolder) {
    return removeFile(selectorFolder / kPackageJournalFileName);
}

} // namespace outfitter
