#include "outfitter/core/file_work.h"

namespace outfitter {

void FileWorkReport::add(const FileWorkReport& other) {
    done.insert(done.end(), other.done.begin(), other.done.end());
    problems.insert(problems.end(), other.problems.begin(), other.problems.end());
    stayed.insert(stayed.end(), other.stayed.begin(), other.stayed.end());
    setUnread = setUnread || other.setUnread;
}

} // namespace outfitter
