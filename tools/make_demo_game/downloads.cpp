#include "downloads.h"

#include <archive.h>
#include <archive_entry.h>

#include <system_error>
#include <utility>
#include <vector>

namespace demo {

namespace {

using Items = std::vector<std::pair<std::string, std::string>>; // name in the archive, contents

// Bytes that look like a game file of `size`, different per name.
std::string filler(const std::string& name, std::size_t size) {
    std::string bytes(size, '\0');
    unsigned value = 7;
    for (const char c : name)
        value = value * 31 + static_cast<unsigned char>(c);
    for (auto& byte : bytes) {
        value = value * 1103515245u + 12345u;
        byte = static_cast<char>(value >> 16);
    }
    return bytes;
}

std::string write(const std::filesystem::path& file, bool sevenZip, bool tarGz, const Items& items) {
    archive* out = archive_write_new();
    if (sevenZip)
        archive_write_set_format_7zip(out);
    else if (tarGz) {
        archive_write_set_format_pax_restricted(out);
        archive_write_add_filter_gzip(out);
    } else
        archive_write_set_format_zip(out);
    std::string failed;
    if (archive_write_open_filename(out, file.string().c_str()) != ARCHIVE_OK)
        failed = archive_error_string(out);
    for (const auto& [name, contents] : items) {
        if (!failed.empty())
            break;
        archive_entry* entry = archive_entry_new();
        archive_entry_set_pathname(entry, name.c_str());
        archive_entry_set_filetype(entry, AE_IFREG);
        archive_entry_set_perm(entry, 0644);
        archive_entry_set_size(entry, static_cast<la_int64_t>(contents.size()));
        if (archive_write_header(out, entry) != ARCHIVE_OK ||
            archive_write_data(out, contents.data(), contents.size()) < 0)
            failed = archive_error_string(out);
        archive_entry_free(entry);
    }
    if (archive_write_close(out) != ARCHIVE_OK && failed.empty())
        failed = archive_error_string(out);
    archive_write_free(out);
    return failed.empty() ? std::string() : file.string() + ": " + failed;
}

} // namespace

std::string writeDownloads(const std::filesystem::path& folder) {
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec)
        return folder.string() + ": " + ec.message();
    // Loose files: the dialog proposes "Malta 1942" and asks for the category.
    auto failed =
        write(folder / "Malta 1942.zip", false, false,
              {{"contents.txt", "Malta under siege, summer 1942.\r\nSpitfires from the carriers.\r\n"},
               {"malta.ter", filler("malta.ter", 40000)},
               {"valletta.msn", filler("valletta.msn", 900)},
               {"siege.bgm", filler("siege.bgm", 3000)}});
    // A set folder named with its letter, inside a 7-Zip archive.
    if (failed.empty())
        failed = write(folder / "night-fighters.7z", true, false,
                       {{"G-Night Sky/contents.txt", "A darker night sky with moonlight.\r\n"},
                        {"G-Night Sky/night.tpc", filler("night.tpc", 20000)},
                        {"G-Night Sky/moon.tpc", filler("moon.tpc", 8000)}});
    // A whole selector tree with two sets, as a tar.gz.
    if (failed.empty())
        failed = write(folder / "sound-pack.tar.gz", false, true,
                       {{"QIV128/N-Spitfire Engine/merlin.wsd", filler("merlin.wsd", 12000)},
                        {"QIV128/N-Gun Sounds/guns.wsd", filler("guns.wsd", 6000)}});
    // A download cut short: adding it is refused in one line and leaves nothing behind.
    if (failed.empty()) {
        const auto cut = folder / "desert-dust (cut short).zip";
        failed = write(cut, false, false, {{"W-Desert Dust/dust.tpc", filler("dust.tpc", 30000)}});
        if (failed.empty())
            std::filesystem::resize_file(cut, 60, ec);
        if (ec)
            failed = cut.string() + ": " + ec.message();
    }
    return failed;
}

} // namespace demo
