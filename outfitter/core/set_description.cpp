#include "outfitter/core/set_description.h"

#include "common/folder_listing.h"
#include "common/text_file.h"

namespace outfitter {

SetDescription describeSet(const std::filesystem::path& setFolder) {
    SetDescription description;
    const auto text = common::listFiles(setFolder, kDescriptionFileName);
    if (!text.ok()) {
        description.problems.push_back(*text.problem);
        return description;
    }
    if (!text.value.empty()) {
        auto lines = common::readLines(setFolder / common::pathFromText(text.value.front()));
        if (lines.ok())
            description.lines = std::move(lines.value);
        else
            description.problems.push_back(*lines.problem);
    }
    const auto pictures = common::listFiles(setFolder, kSetPicturePatterns);
    if (pictures.ok() && !pictures.value.empty())
        description.picture = setFolder / common::pathFromText(pictures.value.front());
    return description;
}

} // namespace outfitter
