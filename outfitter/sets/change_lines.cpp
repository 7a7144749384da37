#include "outfitter/sets/change_lines.h"

#include "common/names.h"

namespace outfitter {

namespace fs = std::filesystem;

namespace {

std::string failedPart(std::size_t failed) {
    return failed == 0 ? std::string() : "; " + std::to_string(failed) + " failed";
}

std::string putBackPart(const SetFileWork& restored) {
    std::string part;
    if (restored.originalsRestored > 0)
        part = countOf(restored.originalsRestored, "original", "originals");
    if (restored.sharedRestored > 0)
        part += (part.empty() ? "" : ", ") +
                countOf(restored.sharedRestored, "file of a loaded set", "files of loaded sets");
    return part.empty() ? part : "; put back " + part;
}

} // namespace

std::string countOf(std::size_t count, const std::string& one, const std::string& many) {
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

std::string replacingLine(const std::string& setName, const SetFileWork& kept) {
    if (kept.replacedOf.empty())
        return {};
    std::string line = setName + " replaces ";
    for (std::size_t i = 0; i < kept.replacedOf.size(); ++i) {
        if (i > 0)
            line += i + 1 == kept.replacedOf.size() ? " and " : ", ";
        line += countOf(kept.replacedOf[i].second, "file", "files") + " of " + kept.replacedOf[i].first;
    }
    return line;
}

std::string loadedLine(const std::string& setName, const fs::path& gameFolder, const FileWorkReport& moveIn,
                       const SetFileWork& kept) {
    std::size_t savedata = 0;
    std::size_t music = 0;
    for (const auto& file : moveIn.done) {
        if (file.parent_path() == gameFolder)
            continue;
        const auto folder = common::toUpperAscii(common::pathText(file.parent_path().filename()));
        if (folder == "SAVEDATA")
            ++savedata;
        else if (folder == "MUSIC")
            ++music;
    }
    std::string line = "Loaded " + setName + ": " + countOf(moveIn.done.size(), "file", "files");
    if (savedata > 0)
        line += ", " + std::to_string(savedata) + " into Savedata";
    if (music > 0)
        line += ", " + std::to_string(music) + " into Music";
    if (kept.originalsKept > 0)
        line += "; kept " + countOf(kept.originalsKept, "original", "originals");
    return line + failedPart(moveIn.problems.size() + kept.work.problems.size());
}

std::string unloadedLine(const std::string& setName, const FileWorkReport& moveOut,
                         const SetFileWork& restored) {
    return "Unloaded " + setName + ": " + countOf(moveOut.done.size(), "file", "files") + " deleted" +
           putBackPart(restored) + failedPart(moveOut.problems.size() + restored.work.problems.size());
}

std::string resetAllLine(std::size_t filesDeleted, std::size_t skinsRemoved, const SetFileWork& restored,
                         std::size_t failed) {
    std::string line = "Reset All: " + countOf(filesDeleted, "file", "files") + " deleted";
    if (skinsRemoved > 0)
        line += ", " + countOf(skinsRemoved, "skin", "skins") + " removed";
    return line + putBackPart(restored) + failedPart(failed);
}

} // namespace outfitter
