#include "outfitter/settings/game_settings.h"

#include "outfitter/settings/ini_file.h"
#include "outfitter/settings/ini_lines.h"

#include "common/resolver.h"
#include "common/text_file.h"

namespace outfitter {

namespace fs = std::filesystem;

namespace {

// Free text arrives with the line breaks of a text box: LF, or CR LF already.
std::string withCrLf(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 16 + 2);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r'))
            out += '\r';
        out += text[i];
    }
    return out;
}

IniSaveOutcome outcomeOf(IniSaveOutcome::Status status, std::optional<common::Problem> problem) {
    IniSaveOutcome outcome;
    outcome.status = status;
    outcome.problem = std::move(problem);
    return outcome;
}

} // namespace

std::optional<fs::path> GameSettings::findIni(std::optional<common::Problem>& problem) const {
    const auto where = common::resolve(gameFolder_, kIniFileName);
    if (!where.ok()) {
        problem = where.problem;
        return std::nullopt;
    }
    if (!where.value.exists)
        return std::nullopt;
    return where.value.path;
}

common::Problems GameSettings::IniRead() {
    std::optional<common::Problem> problem;
    const auto ini = findIni(problem);
    if (problem)
        return {*problem};
    if (!ini)
        return {};
    return IniRead(*ini);
}

common::Problems GameSettings::IniRead(const fs::path& eawIni) {
    const auto lines = common::readLines(eawIni);
    if (!lines.ok())
        return {*lines.problem};
    const auto read = readIniValues(lines.value);
    for (std::size_t k = 0; k < kIniKeyCount; ++k)
        if (read[k])
            values_[k] = *read[k];
    return {};
}

IniSaveOutcome GameSettings::inisave(const IniValues& boxes, bool ready) {
    if (!ready)
        return outcomeOf(IniSaveOutcome::Status::NotReady, std::nullopt);
    std::optional<common::Problem> problem;
    const auto ini = findIni(problem);
    if (problem)
        return outcomeOf(IniSaveOutcome::Status::Failed, problem);
    if (!ini)
        return outcomeOf(IniSaveOutcome::Status::NoIniFile, std::nullopt);
    const auto lines = common::readLines(*ini);
    if (!lines.ok())
        return outcomeOf(IniSaveOutcome::Status::Failed, lines.problem);
    const auto before = readIniValues(lines.value);
    IniSaveOutcome outcome;
    for (std::size_t k = 0; k < kIniKeyCount; ++k) {
        if (!before[k])
            continue;
        if (auto refusal = checkIniValue(k, boxes[k])) {
            outcome.status = IniSaveOutcome::Status::Refused;
            outcome.refusal = std::move(refusal);
            return outcome;
        }
        if (*before[k] != boxes[k])
            outcome.changed.push_back(k);
    }
    if (auto failed = replaceIniFile(*ini, iniWithValues(lines.value, boxes)))
        return outcomeOf(IniSaveOutcome::Status::Failed, std::move(failed));
    values_ = boxes;
    outcome.file = *ini;
    return outcome;
}

IniFreeText GameSettings::IniEdit() const {
    IniFreeText out;
    const auto ini = findIni(out.problem);
    if (!ini)
        return out;
    out.found = true;
    const auto lines = common::readLines(*ini);
    if (!lines.ok())
        out.problem = lines.problem;
    else
        out.text = iniFreeText(lines.value);
    return out;
}

IniSaveOutcome GameSettings::InSaver(std::string_view text) {
    std::optional<common::Problem> problem;
    const auto ini = findIni(problem);
    if (problem)
        return outcomeOf(IniSaveOutcome::Status::Failed, problem);
    if (!ini)
        return outcomeOf(IniSaveOutcome::Status::NoIniFile, std::nullopt);
    if (auto failed = replaceIniFile(*ini, withCrLf(text) + "\r\n"))
        return outcomeOf(IniSaveOutcome::Status::Failed, std::move(failed));
    auto reread = IniRead(*ini);
    auto outcome = outcomeOf(IniSaveOutcome::Status::Saved,
                             reread.empty() ? std::nullopt : std::optional(reread.front()));
    outcome.file = *ini;
    return outcome;
}

} // namespace outfitter
