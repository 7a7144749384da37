#pragma once
// A fresh, empty folder for one test, removed with everything in it when the test ends.

#include "common/problem.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <set>
#include <stdexcept>
#include <string>
#include <string_view>
#include <system_error>

namespace testsupport {

// Whether an entry of exactly this spelling exists; a case-insensitive file system (Windows) finds
// "PLANES.DAT" for "planes.dat" too.
inline bool spelledAs(const std::filesystem::path& path) {
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(path.parent_path(), ec))
        if (entry.path().filename() == path.filename())
            return true;
    return false;
}

class TempFolder final {
  public:
    // create_directory fails on an existing name, so a folder it makes is ours alone; this works
    // the same on Windows, which has no mkdtemp.
    TempFolder() {
        static std::mt19937_64 random{std::random_device{}()};
        const auto base = std::filesystem::temp_directory_path();
        for (int attempt = 0; attempt < 100 && path_.empty(); ++attempt) {
            auto candidate = base / ("eaw-test-" + std::to_string(random()));
            std::error_code ec;
            if (std::filesystem::create_directory(candidate, ec))
                path_ = std::move(candidate);
        }
        if (path_.empty())
            throw std::runtime_error("cannot make a temporary folder");
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    ~TempFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }

    const std::filesystem::path& path() const { return path_; }

    // Writes a file below the folder, making the folders on its way.
    std::filesystem::path write(const std::filesystem::path& relative, std::string_view bytes = {}) const {
        const auto file = path_ / relative;
        std::filesystem::create_directories(file.parent_path());
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return file;
    }

    std::filesystem::path folder(const std::filesystem::path& relative) const {
        const auto dir = path_ / relative;
        std::filesystem::create_directories(dir);
        return dir;
    }

    // Every entry below the folder as a relative path with "/", folders ending in "/", so a test can
    // see exactly what was made.
    std::set<std::string> entries() const {
        std::set<std::string> found;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(path_)) {
            auto name = std::filesystem::relative(entry.path(), path_).generic_string();
            if (entry.is_directory())
                name += '/';
            found.insert(name);
        }
        return found;
    }

    std::string read(const std::filesystem::path& relative) const;

  private:
    std::filesystem::path path_;
};

// True when `folder` holds an entry spelled exactly `name`. exists() cannot tell: Windows finds
// "pnames.str" when only "PNAMES.STR" is there.
inline bool hasEntrySpelled(const std::filesystem::path& folder, const std::string& name) {
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec))
        if (entry.path().filename() == std::filesystem::path(name))
            return true;
    return false;
}

// The system's text for a missing file (or, with `folder`, a missing folder on the way), as the
// file layer reports it: POSIX has one text for both, Windows two of its own.
inline std::string notFoundText(bool folder = false) {
#if defined(_WIN32)
    return common::problemFromError({}, "", std::error_code(folder ? 3 : 2, std::system_category())).reason;
#else
    (void)folder;
    return "No such file or directory";
#endif
}

inline std::string slurp(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

inline std::string TempFolder::read(const std::filesystem::path& relative) const {
    return slurp(path_ / relative);
}

} // namespace testsupport
