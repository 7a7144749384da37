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
        return {IniSaveOutcome::Status::NotReady, std::nullopt};
    std::optional<common::Problem> problem;
    const auto ini = findIni(problem);
    if (problem)
        return {IniSaveOutcome::Status::Failed, problem};
    if (!ini)
        return {IniSaveOutcome::Status::NoIniFile, std::nullopt};
    const auto lines = common::readLines(*ini);
    if (!lines.ok())
        return {IniSaveOutcome::Status::Failed, lines.problem};
    if (auto failed = replaceIniFile(*ini, iniWithValues(lines.value, boxes)))
        return {IniSaveOutcome::Status::Failed, std::move(failed)};
    values_ = boxes;
    return {};
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
        return {IniSaveOutcome::Status::Failed, problem};
    if (!ini)
        return {IniSaveOutcome::Status::NoIniFile, std::nullopt};
    if (auto failed = replaceIniFile(*ini, withCrLf(text) + "\r\n"))
        return {IniSaveOutcome::Status::Failed, std::move(failed)};
    auto reread = IniRead(*ini);
    if (!reread.empty())
        return {IniSaveOutcome::Status::Saved, reread.front()};
    return {};
}

} // namespace outfitter
