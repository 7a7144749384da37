#pragma once
// A RAR archive (the 1.5 to 4.x layout) with its files stored uncompressed, written byte by byte:
// libarchive reads RAR but cannot write it, and stored files are all the layout needs to show.

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace outfitter::testing {

struct RarItem {
    std::string name; // as stored: "\" separates folders; bytes beyond ASCII in the DOS code page
    std::string contents;
};

inline std::uint32_t rarCrc32(std::string_view bytes) {
    std::uint32_t crc = 0xffffffffu;
    for (const char c : bytes) {
        crc ^= static_cast<unsigned char>(c);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

inline void putLittle(std::string& out, std::uint64_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out += static_cast<char>((value >> (8 * i)) & 0xff);
}

// A header whose first two bytes are the low half of the CRC-32 of the rest.
inline std::string rarHeader(const std::string& rest) {
    std::string header;
    putLittle(header, rarCrc32(rest) & 0xffff, 2);
    return header + rest;
}

inline void makeStoredRar(const std::filesystem::path& file, const std::vector<RarItem>& items) {
    std::string out("Rar!\x1a\x07\x00", 7);
    std::string main;
    putLittle(main, 0x73, 1);
    putLittle(main, 0, 2);
    putLittle(main, 13, 2);
    putLittle(main, 0, 6);
    out += rarHeader(main);
    for (const auto& item : items) {
        std::string head;
        putLittle(head, 0x74, 1);
        putLittle(head, 0x8000, 2); // a long block: the data follows the header
        putLittle(head, 32 + item.name.size(), 2);
        putLittle(head, item.contents.size(), 4); // packed size
        putLittle(head, item.contents.size(), 4); // unpacked size
        putLittle(head, 2, 1);                    // made on Windows
        putLittle(head, rarCrc32(item.contents), 4);
        putLittle(head, 0x5a210000, 4); // 2025-01-01 in DOS time
        putLittle(head, 20, 1);         // version needed to extract
        putLittle(head, 0x30, 1);       // stored
        putLittle(head, item.name.size(), 2);
        putLittle(head, 0x20, 4); // the archive attribute: a plain file
        head += item.name;
        out += rarHeader(head) + item.contents;
    }
    std::string end;
    putLittle(end, 0x7b, 1);
    putLittle(end, 0x4000, 2);
    putLittle(end, 7, 2);
    out += rarHeader(end);
    std::ofstream(file, std::ios::binary | std::ios::trunc)
        .write(out.data(), static_cast<std::streamsize>(out.size()));
}

} // namespace outfitter::testing
