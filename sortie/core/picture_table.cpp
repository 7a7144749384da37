#include "sortie/core/picture_table.h"

#include "common/text_file.h"

namespace sortie {

std::string pictureEntryFromLine(std::string_view line) {
    const auto eq = line.find('=');
    return std::string(eq == std::string_view::npos ? line : line.substr(eq + 1));
}

common::Result<PictureTable> readPictureTable(const std::filesystem::path& file) {
    common::Result<PictureTable> result;
    auto lines = common::readLines(file);
    if (!lines.ok()) {
        result.problem = lines.problem;
        return result;
    }
    const std::size_t n = std::min<std::size_t>(lines.value.size(), kPictureLinesRead);
    for (std::size_t i = 0; i < n; ++i)
        result.value[i] = pictureEntryFromLine(lines.value[i]);
    if (n < kPictureLinesRead)
        result.problem = common::Problem{
            file, "reading picture table",
            "holds " + std::to_string(n) + " of 12 lines; the board shows the default picture for the rest"};
    return result;
}

} // namespace sortie
