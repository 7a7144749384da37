#pragma once
// What every fuzz target needs around its reader: the input as bytes and lines, a leading parameter
// byte, and a scratch folder for readers that take a path rather than bytes.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <stdexcept>
#include <string>
#include <string_view>

namespace fuzzing {

inline std::string_view asBytes(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// Takes the first byte as a small parameter (a set number, a slot, a count) and leaves the rest.
inline unsigned takeByte(std::string_view& bytes) {
    if (bytes.empty())
        return 0;
    const auto value = static_cast<unsigned char>(bytes.front());
    bytes.remove_prefix(1);
    return value;
}

// One folder per process, made on first use and removed at exit; the same few names are rewritten
// for every input, so a long run does not fill the disk.
class Scratch final {
  public:
    static Scratch& instance() {
        static Scratch scratch;
        return scratch;
    }
    const std::filesystem::path& folder() const { return folder_; }

    // Writes `bytes` as `relative` below the scratch folder (folders on the way made) and returns it.
    std::filesystem::path write(const std::filesystem::path& relative, std::string_view bytes) const {
        const auto file = folder_ / relative;
        std::filesystem::create_directories(file.parent_path());
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!out)
            throw std::runtime_error("cannot write the fuzz input to " + file.string());
        return file;
    }

    Scratch(const Scratch&) = delete;
    Scratch& operator=(const Scratch&) = delete;

  private:
    Scratch() {
        // Memory-backed where the system has it: a disk write per input would be most of the run.
        std::error_code ec;
        const std::filesystem::path shm = "/dev/shm";
        const auto base =
            std::filesystem::is_directory(shm, ec) ? shm : std::filesystem::temp_directory_path();
        // A fresh name of our own rather than mkdtemp, which Windows lacks.
        std::random_device random;
        for (int attempt = 0; attempt < 100 && folder_.empty(); ++attempt) {
            const auto candidate = base / ("eaw-fuzz-" + std::to_string(random()));
            if (std::filesystem::create_directory(candidate, ec))
                folder_ = candidate;
        }
        if (folder_.empty())
            throw std::runtime_error("cannot make a scratch folder");
    }
    ~Scratch() {
        std::error_code ec;
        std::filesystem::remove_all(folder_, ec);
    }
    std::filesystem::path folder_;
};

// Stops the run with a message the fuzzer and the replay both show; for an invariant the reader
// promises (a round trip, a bound) that does not hold.
[[noreturn]] inline void broken(const char* what) {
    std::fprintf(stderr, "fuzz invariant broken: %s\n", what);
    std::abort();
}

} // namespace fuzzing
