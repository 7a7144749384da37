// Runs a fuzz target over checked-in inputs without libFuzzer, so every build with any compiler
// replays the seed corpus under the sanitizers. Each file is fed whole and cut short at a few
// places, since short files are where readers of lengths and counts go wrong.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <iostream>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

std::vector<std::uint8_t> readAll(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void run(const std::vector<std::uint8_t>& bytes, std::size_t size) {
    // A copy of exactly `size` bytes, so a read past the end is one ASan sees.
    std::vector<std::uint8_t> exact(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(size));
    LLVMFuzzerTestOneInput(exact.empty() ? nullptr : exact.data(), exact.size());
}

} // namespace

int main(int argc, char** argv) {
    std::vector<std::filesystem::path> files;
    for (int i = 1; i < argc; ++i) {
        const std::filesystem::path arg = argv[i];
        if (std::filesystem::is_directory(arg)) {
            for (const auto& entry : std::filesystem::directory_iterator(arg))
                if (entry.is_regular_file())
                    files.push_back(entry.path());
        } else if (std::filesystem::is_regular_file(arg)) {
            files.push_back(arg);
        } else {
            std::cerr << "no such input: " << arg.string() << "\n";
            return 2;
        }
    }
    if (files.empty()) {
        std::cerr << "usage: " << argv[0] << " CORPUS-FOLDER-OR-FILE...; no inputs found\n";
        return 2;
    }
    std::sort(files.begin(), files.end());
    for (const auto& file : files) {
        const auto bytes = readAll(file);
        const std::size_t n = bytes.size();
        for (std::size_t size : {n, n - n / 4, n / 2, n / 3, std::size_t{1}, std::size_t{0}})
            if (size <= n)
                run(bytes, size);
        std::cout << "replayed " << file.filename().string() << " (" << n << " bytes)\n";
    }
    std::cout << files.size() << " inputs replayed\n";
    return 0;
}
