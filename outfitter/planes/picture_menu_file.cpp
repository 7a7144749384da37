#include "outfitter/planes/picture_menu_file.h"

namespace outfitter {

common::Result<MenuFile> decodeMenuFile(std::string_view bytes, std::size_t count) {
    common::Result<MenuFile> result;
    const auto fail = [&](std::string reason) {
        result.value = {};
        result.problem = common::Problem{{}, "reading picture menu", std::move(reason)};
        return result;
    };
    if (bytes.size() < kMenuHeaderSize)
        return fail("the header is cut short (" + std::to_string(bytes.size()) + " of 35 bytes)");
    result.value.header = std::string(bytes.substr(0, kMenuHeaderSize));
    std::size_t p = kMenuHeaderSize;
    for (std::size_t j = 0; j < count; ++j) {
        const std::string which = "entry " + std::to_string(j) + " at byte " + std::to_string(p);
        if (p + 4 > bytes.size())
            return fail("the file ends before " + which);
        // Only the low byte of the stored length counts; the other three are written back as zero.
        const std::size_t length = static_cast<unsigned char>(bytes[p]);
        if (p + 4 + length + kMenuTrailingSize > bytes.size())
            return fail("the file ends inside " + which + " (its name claims " + std::to_string(length) +
                        " bytes)");
        MenuEntry entry;
        const std::string_view field = bytes.substr(p + 4, length);
        entry.name = std::string(field.substr(0, field.find('\0')));
        entry.trailing = std::string(bytes.substr(p + 4 + length, kMenuTrailingSize));
        result.value.entries.push_back(std::move(entry));
        p += length + 4 + kMenuTrailingSize;
    }
    return result;
}

common::Result<std::string> encodeMenuFile(const MenuFile& menu) {
    common::Result<std::string> result;
    std::string& out = result.value;
    out = menu.header;
    out.resize(kMenuHeaderSize, '\0');
    for (std::size_t j = 0; j < menu.entries.size(); ++j) {
        const auto& entry = menu.entries[j];
        if (entry.name.size() > kMenuNameLimit) {
            out.clear();
            result.problem = common::Problem{{},
                                             "writing picture menu",
                                             "the name of entry " + std::to_string(j) + " has " +
                                                 std::to_string(entry.name.size()) +
                                                 " characters; a menu holds at most 254"};
            return result;
        }
        out += static_cast<char>(entry.mlen());
        out.append(3, '\0');
        out += entry.name;
        out += '\0';
        std::string trailing = entry.trailing;
        trailing.resize(kMenuTrailingSize, '\0');
        out += trailing;
    }
    return result;
}

} // namespace outfitter
