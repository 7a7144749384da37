// The archive reader: Debian's libarchive, for ".zip", ".7z", ".rar", ".tar" and ".tar.gz".

#include "outfitter/archive/source_reader.h"

#include "common/names.h"
#include "common/problem.h"

#include <archive.h>
#include <archive_entry.h>

#if !defined(_WIN32)
#include <locale.h>
#endif

#include <array>
#include <cerrno>
#include <fstream>

namespace outfitter {

namespace fs = std::filesystem;

namespace {

// Blocks read from the file.
constexpr std::size_t kReadBlock = 64 * 1024;

#if defined(_WIN32)

// On Windows libarchive gives each name wide, converted from the archive's own character set; its
// narrow form would be in the ANSI code page, which cannot carry every name. Kept as UTF-8.
class Utf8Names final {
  public:
    class Scope final {
      public:
        explicit Scope(const Utf8Names&) {}
    };
};

std::string entryName(archive_entry* entry) {
    if (const wchar_t* wide = archive_entry_pathname_w(entry))
        return common::pathText(fs::path(wide));
    if (const char* utf8 = archive_entry_pathname_utf8(entry))
        return utf8;
    return {};
}

#else

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

std::string entryName(archive_entry* entry) {
    if (const char* name = archive_entry_pathname(entry))
        return name;
    if (const char* utf8 = archive_entry_pathname_utf8(entry))
        return utf8;
    return {};
}

#endif

// Names are opened in the file system's own form (wide on Windows).
[[maybe_unused]] int openFile(archive* reader, const char* file) {
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

// The gzip trailer's check: CRC-32 of the unpacked stream. libarchive reads the trailer but does not
// compare it, so flipped bits in the compressed data would otherwise arrive as wrong bytes.
class Crc32 final {
  public:
    void add(const void* data, std::size_t size) {
        static const auto table = [] {
            std::array<std::uint32_t, 256> t{};
            for (std::uint32_t n = 0; n < 256; ++n) {
                std::uint32_t c = n;
                for (int k = 0; k < 8; ++k)
                    c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
                t[n] = c;
            }
            return t;
        }();
        const auto* bytes = static_cast<const unsigned char*>(data);
        for (std::size_t i = 0; i < size; ++i)
            crc_ = table[(crc_ ^ bytes[i]) & 0xFF] ^ (crc_ >> 8);
    }
    std::uint32_t value() const { return crc_ ^ 0xFFFFFFFFu; }

  private:
    std::uint32_t crc_ = 0xFFFFFFFFu;
};

// An archive handle that is freed with it. After a fatal result libarchive allows nothing but
// archive_read_free and the error text, so `fatal` is remembered and every later call is skipped.
struct Handle {
    archive* a = archive_read_new();
    bool fatal = false;
    Handle() = default;
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    ~Handle() {
        if (a)
            archive_read_free(a);
    }
    std::string error() const {
        const char* text = archive_error_string(a);
        return text && *text ? text : "the archive is damaged";
    }
};

class LibarchiveReader final : public SourceReader {
  public:
    explicit LibarchiveReader(fs::path file) : file_(std::move(file)) {}

    std::optional<common::Problem> open() {
        const Utf8Names::Scope scope(names_);
        // A tar inside gzip, bzip2 or xz is read through a stream of its own, which this reader
        // hands on to the tar reader and reads to its end, so the compression's own check is made.
        stream_ = std::make_unique<Handle>();
        archive_read_support_format_raw(stream_->a);
        archive_read_support_filter_gzip(stream_->a);
        archive_read_support_filter_bzip2(stream_->a);
        archive_read_support_filter_xz(stream_->a);
        if (openFile(stream_->a, file_.c_str()) != ARCHIVE_OK)
            return damaged(*stream_, "opening the archive");
        if (archive_filter_count(stream_->a) > 1) {
            gzip_ = archive_filter_code(stream_->a, 0) == ARCHIVE_FILTER_GZIP;
            archive_entry* raw = nullptr;
            if (archive_read_next_header(stream_->a, &raw) != ARCHIVE_OK)
                return damaged(*stream_, "opening the archive");
            archive_read_support_format_tar(archive_.a);
            if (archive_read_open(archive_.a, this, nullptr, &LibarchiveReader::pull, nullptr) != ARCHIVE_OK)
                return damaged(archive_, "opening the archive");
            return std::nullopt;
        }
        stream_.reset();
        // Only the formats players get add-ons in, and only the built-in decompressors: libarchive
        // would otherwise start outside programs for some filters.
        archive_read_support_format_zip_seekable(archive_.a);
        archive_read_support_format_7zip(archive_.a);
        archive_read_support_format_rar(archive_.a);
        archive_read_support_format_rar5(archive_.a);
        archive_read_support_format_tar(archive_.a);
        // Names without the UTF-8 flag were written in the DOS code page of the maker's Windows.
        archive_read_set_options(archive_.a, "zip:hdrcharset=CP437,rar:hdrcharset=CP437");
        if (openFile(archive_.a, file_.c_str()) != ARCHIVE_OK)
            return damaged(archive_, "opening the archive");
        return std::nullopt;
    }

    std::optional<SourceEntry> next(std::optional<common::Problem>& problem) override {
        const Utf8Names::Scope scope(names_);
        if (archive_.fatal) {
            problem = damaged(archive_, "reading the archive");
            return std::nullopt;
        }
        archive_entry* entry = nullptr;
        const int rc = archive_read_next_header(archive_.a, &entry);
        if (rc == ARCHIVE_EOF) {
            if (auto failed = readStreamToEnd())
                problem = std::move(failed);
            return std::nullopt;
        }
        if (rc < ARCHIVE_WARN) {
            problem = damaged(archive_, "reading the archive", rc);
            return std::nullopt;
        }
        ++entries_;
        SourceEntry out;
        out.name = entryName(entry);
        if (out.name.empty() && rc == ARCHIVE_WARN) {
            // The name's bytes could not be read as text: say which entry it was.
            out.name = "entry " + std::to_string(entries_);
            out.nameUnreadable = true;
        } else if (!common::isValidUtf8(out.name)) {
            for (auto& c : out.name)
                if (static_cast<unsigned char>(c) >= 0x80)
                    c = '?';
            out.nameUnreadable = true;
        }
        out.kind = kindOf(entry);
        out.size = archive_entry_size_is_set(entry) && archive_entry_size(entry) > 0
                       ? static_cast<std::uint64_t>(archive_entry_size(entry))
                       : 0;
        out.encrypted = archive_entry_is_encrypted(entry) != 0;
        size_ = out.size;
        sparse_ = archive_entry_sparse_count(entry) > 0;
        return out;
    }

    std::optional<common::Problem> readContents(const std::function<bool(std::string_view)>& take) override {
        const Utf8Names::Scope scope(names_);
        static const std::string zeros(kReadBlock, '\0');
        std::uint64_t done = 0;
        // A sparse file's holes come as a jump in the offset, and one at its end only as its size.
        const auto fillTo = [&](std::uint64_t at) {
            while (done < at) {
                const auto gap = std::min<std::uint64_t>(at - done, zeros.size());
                if (!take(std::string_view(zeros.data(), static_cast<std::size_t>(gap))))
                    return false;
                done += gap;
            }
            return true;
        };
        for (;;) {
            const void* block = nullptr;
            std::size_t size = 0;
            la_int64_t offset = 0;
            const int rc = archive_read_data_block(archive_.a, &block, &size, &offset);
            if (rc == ARCHIVE_EOF) {
                if (sparse_)
                    fillTo(size_);
                return std::nullopt;
            }
            // Contents that fail their checksum or size come as a warning; they are damaged all the same.
            if (rc != ARCHIVE_OK)
                return damaged(archive_, "unpacking", rc);
            if (offset < 0 || !fillTo(static_cast<std::uint64_t>(offset)))
                return std::nullopt;
            if (size > 0 && !take(std::string_view(static_cast<const char*>(block), size)))
                return std::nullopt;
            done += size;
        }
    }

  private:
    // The tar reader's source: the unpacked stream, block by block, counted for its check.
    static la_ssize_t pull(archive* reader, void* self, const void** buffer) {
        auto& me = *static_cast<LibarchiveReader*>(self);
        std::size_t size = 0;
        if (!me.pullBlock(buffer, size)) {
            archive_set_error(reader, EIO, "%s", me.streamFailure_.c_str());
            return -1;
        }
        return static_cast<la_ssize_t>(size);
    }

    bool pullBlock(const void** buffer, std::size_t& size) {
        size = 0;
        if (streamEnded_)
            return true;
        if (!streamFailure_.empty() || stream_->fatal)
            return false;
        la_int64_t offset = 0;
        const int rc = archive_read_data_block(stream_->a, buffer, &size, &offset);
        if (rc == ARCHIVE_EOF) {
            size = 0;
            streamEnded_ = true;
            streamFailure_ = trailerFault();
            return streamFailure_.empty();
        }
        if (rc != ARCHIVE_OK) {
            stream_->fatal = rc == ARCHIVE_FATAL;
            streamFailure_ = stream_->error();
            return false;
        }
        crc_.add(*buffer, size);
        length_ += size;
        return true;
    }

    // What follows the tar's last entry is read too: the rest of the compressed stream and its check.
    std::optional<common::Problem> readStreamToEnd() {
        if (!stream_)
            return std::nullopt;
        const void* block = nullptr;
        std::size_t size = 0;
        while (!streamEnded_)
            if (!pullBlock(&block, size))
                return common::Problem{file_, "reading the archive", streamFailure_};
        if (!streamFailure_.empty())
            return common::Problem{file_, "reading the archive", streamFailure_};
        return std::nullopt;
    }

    // Why the gzip trailer of the stream just ended disagrees with what it unpacked to ("" when it
    // agrees). The trailer is the 8 bytes before the point the stream ended: CRC-32 and the size, both
    // little-endian. A file of several gzip members is checked against its last member only, so it
    // agrees only when it is a single member, which is what every gzip program writes.
    std::string trailerFault() const {
        if (!gzip_)
            return {};
        const auto end = archive_filter_bytes(stream_->a, -1);
        std::ifstream in(file_, std::ios::binary);
        unsigned char trailer[8] = {};
        if (end < 8 || !in.seekg(end - 8) || !in.read(reinterpret_cast<char*>(trailer), 8))
            return "its gzip trailer is missing";
        const auto word = [&](int at) {
            return std::uint32_t(trailer[at]) | std::uint32_t(trailer[at + 1]) << 8 |
                   std::uint32_t(trailer[at + 2]) << 16 | std::uint32_t(trailer[at + 3]) << 24;
        };
        if (word(0) != crc_.value() || word(4) != static_cast<std::uint32_t>(length_))
            return "its compressed data fails the gzip check (CRC), so the archive is damaged";
        return {};
    }

    common::Problem damaged(Handle& handle, const char* action, int rc = ARCHIVE_FATAL) {
        if (rc == ARCHIVE_FATAL)
            handle.fatal = true;
        std::string reason =
            &handle == &archive_ && !streamFailure_.empty() ? streamFailure_ : handle.error();
        // Asking about encryption is allowed only while the archive is still usable.
        if (!handle.fatal && archive_read_has_encrypted_entries(handle.a) > 0)
            reason = "the archive is protected by a password";
        return common::Problem{file_, action, reason};
    }

    fs::path file_;
    Utf8Names names_;
    Handle archive_;
    std::unique_ptr<Handle> stream_; // the compressed stream around a tar, when there is one
    bool gzip_ = false;
    bool streamEnded_ = false;
    std::string streamFailure_;
    Crc32 crc_;
    std::uint64_t length_ = 0;
    std::uint64_t size_ = 0;
    bool sparse_ = false;
    std::uint64_t entries_ = 0;
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
