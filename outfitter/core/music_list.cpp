#include "music_list.h"

#include "file_routines.h"

#include "common/text_file.h"

namespace outfitter {

MusicList MusicList::read(const std::filesystem::path& gameFolder, common::Problems& problems) {
    MusicList music;
    const auto file = findFile(gameFolder, kMusicListFileName, problems);
    if (!file)
        return music;
    const auto lines = common::readLines(*file);
    if (!lines.ok()) {
        problems.push_back(*lines.problem);
        return music;
    }
    for (std::size_t k = 0; k < lines.value.size() && k < kMusicNameCount; ++k) {
        const std::string& name = lines.value[k];
        music.names[k] = name;
        if (name.empty())
            continue;
        const std::size_t before = problems.size();
        if (findFolder(gameFolder, name, problems))
            music.available.push_back(name);
        else if (problems.size() == before)
            music.current = name;
    }
    if (lines.value.size() > kMusicNameCount)
        problems.push_back({*file, "reading the music names of",
                            "only the first " + std::to_string(kMusicNameCount) + " lines are used; " +
                                std::to_string(lines.value.size() - kMusicNameCount) + " more are ignored"});
    return music;
}

} // namespace outfitter
