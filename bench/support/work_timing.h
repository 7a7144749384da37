#pragma once
// What the file benchmarks share: the seconds one piece of work takes, and files of a known pattern.

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

namespace bench {

inline double secondsOf(const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

inline void writeFile(const std::filesystem::path& file, std::size_t size, char seed) {
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<char>((i * 31 + static_cast<std::size_t>(seed)) & 0xff);
    std::ofstream(file, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

} // namespace bench
