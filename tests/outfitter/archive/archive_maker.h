#pragma once
// Archives made on the spot with libarchive's writer, for the suites that add sets from them.

#include <archive.h>
#include <archive_entry.h>

#include <locale.h>

#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#if defined(_WIN32)
// <archive.h> brings in <windows.h>, whose MessageBox macro would rename uisupport::MessageBox.
#undef MessageBox
#endif

namespace outfitter::testing {

enum class ArchiveFormat { Zip, ZipStored, SevenZip, Tar, TarGz };

enum class ItemKind { File, Folder, SymbolicLink, HardLink, Fifo, CharacterDevice };

struct ArchiveItem {
    std::string name;
    std::string contents;    // for a file
    std::uint64_t zeros = 0; // a file of this many zero bytes instead of `contents`
    ItemKind kind = ItemKind::File;
    std::string target = {}; // what a link points at
    // A sparse file of `zeros` bytes whose data (the byte 'd') lies only in these runs of offset and
    // length; the rest is holes. Tar formats only.
    std::vector<std::pair<std::uint64_t, std::uint64_t>> dataRuns = {};
};

// The contents a sparse item stands for, holes as zeros.
inline std::string sparseContents(const ArchiveItem& item) {
    std::string bytes(item.zeros, '\0');
    for (const auto& [offset, length] : item.dataRuns)
        bytes.replace(offset, length, length, 'd');
    return bytes;
}

inline ArchiveItem file(std::string name, std::string contents) {
    return {std::move(name), std::move(contents)};
}
inline ArchiveItem folder(std::string name) {
    return {std::move(name), {}, 0, ItemKind::Folder};
}

struct ArchiveOptions {
    // Zip names beyond ASCII: flagged as UTF-8 (the bytes given are UTF-8), or stored as the raw
    // bytes given with no flag, as old Windows zippers wrote names in their DOS code page.
    bool zipUtf8Flag = true;
    std::string passphrase; // zip only: encrypts every entry
};

#if defined(_WIN32)

// Windows has no per-thread locale: names go to the writer as UTF-8 (a raw name as its bytes), the
// file by its wide name.
class NameLocale final {
  public:
    explicit NameLocale(bool raw) : raw_(raw) {}
    void name(archive_entry* entry, const std::string& name) const {
        if (raw_)
            archive_entry_set_pathname(entry, name.c_str());
        else
            archive_entry_set_pathname_utf8(entry, name.c_str());
    }
    static int open(archive* writer, const std::filesystem::path& file) {
        return archive_write_open_filename_w(writer, file.c_str());
    }

  private:
    bool raw_;
};

#else

// The writer reads names in the thread's character set: UTF-8, or plain bytes for a raw name.
class NameLocale final {
  public:
    explicit NameLocale(bool raw)
        : names_(::newlocale(LC_CTYPE_MASK, raw ? "C" : "C.UTF-8", static_cast<locale_t>(nullptr))),
          previous_(::uselocale(names_)) {}
    NameLocale(const NameLocale&) = delete;
    NameLocale& operator=(const NameLocale&) = delete;
    ~NameLocale() {
        ::uselocale(previous_);
        ::freelocale(names_);
    }
    void name(archive_entry* entry, const std::string& name) const {
        archive_entry_set_pathname(entry, name.c_str());
    }
    static int open(archive* writer, const std::filesystem::path& file) {
        return archive_write_open_filename(writer, file.c_str());
    }

  private:
    locale_t names_;
    locale_t previous_;
};

#endif

// Writes `items` to `file`; throws on any failure of the writer.
inline void makeArchive(const std::filesystem::path& file, ArchiveFormat format,
                        const std::vector<ArchiveItem>& items, const ArchiveOptions& options = {}) {
    const bool raw =
        (format == ArchiveFormat::Zip || format == ArchiveFormat::ZipStored) && !options.zipUtf8Flag;
    const NameLocale names(raw);
    archive* writer = archive_write_new();
    const auto check = [&](int rc, const char* what) {
        if (rc < ARCHIVE_WARN) {
            const std::string text =
                std::string(what) + ": " + (archive_error_string(writer) ? archive_error_string(writer) : "");
            archive_write_free(writer);
            throw std::runtime_error(text);
        }
    };
    switch (format) {
    case ArchiveFormat::Zip:
    case ArchiveFormat::ZipStored:
        check(archive_write_set_format_zip(writer), "zip");
        if (format == ArchiveFormat::ZipStored)
            check(archive_write_set_options(writer, "zip:compression=store"), "store");
        if (!raw)
            check(archive_write_set_options(writer, "zip:hdrcharset=UTF-8"), "charset");
        if (!options.passphrase.empty()) {
            check(archive_write_set_options(writer, "zip:encryption=zipcrypt"), "encryption");
            check(archive_write_set_passphrase(writer, options.passphrase.c_str()), "passphrase");
        }
        break;
    case ArchiveFormat::SevenZip:
        check(archive_write_set_format_7zip(writer), "7z");
        break;
    case ArchiveFormat::Tar:
        check(archive_write_set_format_pax_restricted(writer), "tar");
        break;
    case ArchiveFormat::TarGz:
        check(archive_write_set_format_pax_restricted(writer), "tar");
        check(archive_write_add_filter_gzip(writer), "gzip");
        break;
    }
    check(NameLocale::open(writer, file), "open");
    const std::string zeros(1 << 20, '\0');
    for (const auto& item : items) {
        archive_entry* entry = archive_entry_new();
        names.name(entry, item.name);
        archive_entry_set_perm(entry, item.kind == ItemKind::Folder ? 0755 : 0644);
        switch (item.kind) {
        case ItemKind::File:
            archive_entry_set_filetype(entry, AE_IFREG);
            archive_entry_set_size(entry,
                                   static_cast<la_int64_t>(item.zeros ? item.zeros : item.contents.size()));
            for (const auto& [offset, length] : item.dataRuns)
                archive_entry_sparse_add_entry(entry, static_cast<la_int64_t>(offset),
                                               static_cast<la_int64_t>(length));
            break;
        case ItemKind::Folder:
            archive_entry_set_filetype(entry, AE_IFDIR);
            break;
        case ItemKind::SymbolicLink:
            archive_entry_set_filetype(entry, AE_IFLNK);
            archive_entry_set_symlink(entry, item.target.c_str());
            break;
        case ItemKind::HardLink:
            archive_entry_set_filetype(entry, AE_IFREG);
            archive_entry_set_hardlink(entry, item.target.c_str());
            break;
        case ItemKind::Fifo:
            archive_entry_set_filetype(entry, AE_IFIFO);
            break;
        case ItemKind::CharacterDevice:
            archive_entry_set_filetype(entry, AE_IFCHR);
            archive_entry_set_rdev(entry, 0x0103);
            break;
        }
        const int rc = archive_write_header(writer, entry);
        archive_entry_free(entry);
        check(rc, item.name.c_str());
        if (item.kind != ItemKind::File)
            continue;
        if (item.zeros) {
            // The writer is handed the whole stream and leaves out a sparse file's holes itself.
            for (std::uint64_t at = 0; at < item.zeros;) {
                const auto chunk =
                    static_cast<std::size_t>(std::min<std::uint64_t>(item.zeros - at, zeros.size()));
                std::string data(zeros.data(), chunk);
                for (const auto& [offset, length] : item.dataRuns)
                    for (auto i = std::max(offset, at); i < std::min(offset + length, at + chunk); ++i)
                        data[static_cast<std::size_t>(i - at)] = 'd';
                if (archive_write_data(writer, data.data(), chunk) < 0)
                    check(ARCHIVE_FATAL, "data");
                at += chunk;
            }
        } else if (!item.contents.empty() &&
                   archive_write_data(writer, item.contents.data(), item.contents.size()) < 0) {
            check(ARCHIVE_FATAL, "data");
        }
    }
    check(archive_write_close(writer), "close");
    archive_write_free(writer);
}

} // namespace outfitter::testing
