#pragma once
// A fresh folder for one benchmark program, removed with everything in it when the program ends.

#include <stdlib.h>

#include <filesystem>
#include <stdexcept>
#include <string>
#include <system_error>

namespace bench {

class ScratchFolder final {
  public:
    // Made below `parent` with a unique name starting `stem`.
    ScratchFolder(const std::filesystem::path& parent, const std::string& stem) {
        std::string pattern = (parent / (stem + "-XXXXXX")).string();
        if (!::mkdtemp(pattern.data()))
            throw std::runtime_error("cannot make a temporary folder");
        root_ = pattern;
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    ~ScratchFolder() {
        std::error_code ec;
        std::filesystem::remove_all(root_, ec);
    }
    const std::filesystem::path& root() const { return root_; }

  private:
    std::filesystem::path root_;
};

} // namespace bench
