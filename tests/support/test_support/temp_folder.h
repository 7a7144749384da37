#pragma once
// A fresh, empty folder for one test, removed with everything in it when the test ends.

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <stdexcept>
#include <string>
#include <string_view>

namespace testsupport {

class TempFolder final {
  public:
    TempFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "eaw-test-XXXXXX").string();
        if (!::mkdtemp(pattern.data()))
            throw std::runtime_error("cannot make a temporary folder");
        path_ = pattern;
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

inline std::string slurp(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

inline std::string TempFolder::read(const std::filesystem::path& relative) const {
    return slurp(path_ / relative);
}

} // namespace testsupport
