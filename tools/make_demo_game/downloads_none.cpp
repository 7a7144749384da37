#include "downloads.h"

namespace demo {

// A build without libarchive makes the game folder alone.
std::string writeDownloads(const std::filesystem::path&) {
    return {};
}

} // namespace demo
