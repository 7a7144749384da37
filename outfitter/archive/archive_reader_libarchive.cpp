// The archive reader: Debian's libarchive, for ".zip", ".7z", ".rar", ".tar" and ".tar.gz".

#include "outfitter/archive/source_reader.h"

#include <archive.h>
#include <archive_entry.h>

#include <locale.h>

namespace outfitter {

namespace fs = std::filesystem;

namespace {

// Blocks read from the file. Small enough that the bytes consumed for an entry follow its packed size
// closely (the compression-bomb rule measures it), large enough that reading costs nothing.
constexpr std::size_t kReadBlock = 64 * 1024;

// libarchive converts names to the calling thread's character set; for the duration of a call the
// thread takes UTF-8, so every name arrives as UTF-8 whatever the program's own locale, and other
// threads are untouched.
class Utf8Names final {
  public:
    Utf8Names() : locale_(::newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(nullptr))) {}
    Utf8Names(const Utf8Names&) = delete;
    Utf8Names& operator=(const Utf8Names&) = delete;
    ~Utf8Names() {
        if (locale_)
            ::freelocale(locale_);
    }

    class Scope final {
      public:
        explicit Scope(const Utf8Names& names)
            : previous_(names.locale_ ? ::uselocale(names.locale_) : static_cast<locale_t>(nullptr)) {}
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;
        ~Scope() {
            if (previous_)
                ::uselocale(previous_);
        }

      private:
        locale_t previous_;
    };

  private:
    locale_t locale_;
};

// Names are opened in the file system's own form (wide on Windows).
int openFile(archive* reader, const char* file) {
    return archive_read_open_filename(reader, file, kReadBlock);
}
[[maybe_unused]] int openFile(archive* reader, const wchar_t* file) {
    return archive_read_open_filename_w(reader, file, kReadBlock);
}

SourceEntryKind kindOf(archive_entry* entry) {
    if (archive_entry_hardlink(entry))
        return SourceEntryKind::HardLink;
    if (archive_entry_symlink(entry))
        return SourceEntryKind::SymbolicLink;
    switch (archive_entry_filetype(entry)) {
    case AE_IFREG:
        return SourceEntryKind::File;
    case AE_IFDIR:
        return SourceEntryKind::Folder;
    case AE_IFLNK:
        return SourceEntryKind::SymbolicLink;
    case AE_IFCHR:
    case AE_IFBLK:
    case AE_IFIFO:
        return SourceEntryKind::Device;
    default:
        return SourceEntryKind::Other;
    }
}

class LibarchiveReader final : public SourceReader {
  public:
    explicit LibarchiveReader(fs::path file) : file_(std::move(file)), archive_(archive_read_new()) {}
    LibarchiveReader(const LibarchiveReader&) = delete;
    LibarchiveReader& operator=(const LibarchiveReader&) = delete;
    ~LibarchiveReader() override { archive_read_free(archive_); }

    std::optional<common::Problem> open() {
        const Utf8Names::Scope scope(names_);
        // Only the formats players get add-ons in, and only the built-in decompressors: libarchive
        // would otherwise start outside programs for some filters.
        archive_read_support_format_zip_seekable(archive_);
        archive_read_support_format_7zip(archive_);
        archive_read_support_format_rar(archive_);
        archive_read_support_format_rar5(archive_);
        archive_read_support_format_tar(archive_);
        archive_read_support_filter_gzip(archive_);
        archive_read_support_filter_bzip2(archive_);
        archive_read_support_filter_xz(archive_);
        // Names without the UTF-8 flag were written in the DOS code page of the maker's Windows.
        archive_read_set_options(archive_, "zip:hdrcharset=CP437,rar:hdrcharset=CP437");
        if (openFile(archive_, file_.c_str()) != ARCHIVE_OK)
            return damaged("opening the archive");
        return std::nullopt;
    }

    std::optional<SourceEntry> next(std::optional<common::Problem>& problem) override {
        const Utf8Names::Scope scope(names_);
        archive_entry* entry = nullptr;
        const int rc = archive_read_next_header(archive_, &entry);
        if (rc == ARCHIVE_EOF)
            return std::nullopt;
        if (rc < ARCHIVE_WARN) {
            problem = damaged("reading the archive");
            return std::nullopt;
        }
        SourceEntry out;
        if (const char* name = archive_entry_pathname(entry))
            out.name = name;
        else if (const char* utf8 = archive_entry_pathname_utf8(entry))
            out.name = utf8;
        out.kind = kindOf(entry);
        out.size = archive_entry_size_is_set(entry) && archive_entry_size(entry) > 0
                       ? static_cast<std::uint64_t>(archive_entry_size(entry))
                       : 0;
        out.encrypted = archive_entry_is_encrypted(entry) != 0;
        entryStart_ = consumed();
        return out;
    }

    std::optional<common::Problem> readContents(const std::function<bool(std::string_view)>& take) override {
        const Utf8Names::Scope scope(names_);
        static const std::string zeros(kReadBlock, '\0');
        std::uint64_t done = 0;
        for (;;) {
            const void* block = nullptr;
            std::size_t size = 0;
            la_int64_t offset = 0;
            const int rc = archive_read_data_block(archive_, &block, &size, &offset);
            if (rc == ARCHIVE_EOF)
                return std::nullopt;
            // Contents that fail their checksum or size come as a warning; they are damaged all the same.
            if (rc != ARCHIVE_OK)
                return damaged("unpacking");
            // A sparse file's holes come as a jump in the offset; they are part of what is written.
            for (auto at = static_cast<std::uint64_t>(offset); done < at;) {
                const auto gap = std::min<std::uint64_t>(at - done, zeros.size());
                if (!take(std::string_view(zeros.data(), static_cast<std::size_t>(gap))))
                    return std::nullopt;
                done += gap;
            }
            if (size > 0 && !take(std::string_view(static_cast<const char*>(block), size)))
                return std::nullopt;
            done += size;
        }
    }

    std::uint64_t packedSoFar() const override {
        const auto now = consumed();
        return now > entryStart_ ? now - entryStart_ : 0;
    }

  private:
    std::uint64_t consumed() const {
        const auto bytes = archive_filter_bytes(archive_, -1);
        return bytes > 0 ? static_cast<std::uint64_t>(bytes) : 0;
    }

    common::Problem damaged(const char* action) const {
        const char* text = archive_error_string(archive_);
        std::string reason = text && *text ? text : "the archive is damaged";
        if (archive_read_has_encrypted_entries(archive_) > 0)
            reason = "the archive is protected by a password";
        return common::Problem{file_, action, reason};
    }

    fs::path file_;
    archive* archive_;
    Utf8Names names_;
    std::uint64_t entryStart_ = 0;
};

} // namespace

std::unique_ptr<SourceReader> openArchiveReader(const fs::path& archive,
                                                std::optional<common::Problem>& problem) {
    auto reader = std::make_unique<LibarchiveReader>(archive);
    if (auto failed = reader->open()) {
        problem = std::move(failed);
        return nullptr;
    }
    return reader;
}

bool archivesSupported() {
    return true;
}

} // namespace outfitter
