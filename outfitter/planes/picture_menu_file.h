#pragma once
// The byte layout of the game's picture-menu files ("picplnb.mnu", "picplna.mnu", "picplng.mnu"):
// a 35-byte header, then entries of a length byte L (stored as L, 0, 0, 0), the name with its zero
// byte (L bytes) and 15 further bytes. Bytes after the last entry are not part of the model.

#include "common/problem.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace outfitter {

inline constexpr std::size_t kMenuHeaderSize = 35;
inline constexpr std::size_t kMenuTrailingSize = 15;
inline constexpr std::size_t kMenuNameLimit = 254; // L = length + 1 must fit in its byte

struct MenuEntry {
    std::string name;     // up to the first zero byte of the name field
    std::string trailing; // the 15 bytes after the name, kept as they were

    // The entry's L as written back: the name's length and its zero byte.
    std::size_t mlen() const { return name.size() + 1; }
};

struct MenuFile {
    std::string header; // 35 bytes
    std::vector<MenuEntry> entries;
};

// Reads `count` entries. A file too short for its header or for what its entries claim gives a
// problem naming the entry, and no entries.
common::Result<MenuFile> decodeMenuFile(std::string_view bytes, std::size_t count);

// The file's bytes; a name longer than 254 characters gives a problem and no bytes.
common::Result<std::string> encodeMenuFile(const MenuFile& menu);

} // namespace outfitter
