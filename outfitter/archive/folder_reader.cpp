// Adding a plain folder walks it like an archive, so that the same checks and the same writer serve.

#include "outfitter/archive/source_reader.h"

#include "common/file_identity.h"

#include <fstream>
#include <vector>

namespace outfitter {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kCopyBlock = 1 << 20;

class FolderReader final : public SourceReader {
  public:
    FolderReader(fs::path folder, std::string prefix, const fs::path& selectorFolder)
        : folder_(std::move(folder)), prefix_(std::move(prefix)),
          selector_(common::fileIdentity(selectorFolder)) {}

    std::optional<SourceEntry> next(std::optional<common::Problem>& problem) override {
        std::error_code ec;
        if (!started_) {
            started_ = true;
            if (selector_ && common::fileIdentity(folder_) == selector_) {
                problem = common::Problem{folder_, "adding", kSelectorFolderInside};
                return std::nullopt;
            }
            walk_ = fs::recursive_directory_iterator(folder_, fs::directory_options::none, ec);
        } else if (walk_ != fs::recursive_directory_iterator()) {
            walk_.increment(ec);
        }
        if (ec) {
            problem =
                common::problemFromError(current_.empty() ? folder_ : current_, "reading the folder", ec);
            return std::nullopt;
        }
        if (walk_ == fs::recursive_directory_iterator())
            return std::nullopt;
        current_ = walk_->path();
        SourceEntry entry;
        std::string name = prefix_;
        for (const auto& part : current_.lexically_relative(folder_)) {
            if (!name.empty())
                name += '/';
            name += common::pathText(part);
        }
        entry.name = std::move(name);
        const auto status = walk_->symlink_status(ec);
        switch (status.type()) {
        case fs::file_type::regular:
            entry.kind = SourceEntryKind::File;
            entry.size = walk_->file_size(ec);
            break;
        case fs::file_type::directory:
            entry.kind = SourceEntryKind::Folder;
            if (selector_ && common::fileIdentity(current_) == selector_) {
                problem = common::Problem{current_, "adding", kSelectorFolderInside};
                return std::nullopt;
            }
            break;
        case fs::file_type::symlink:
            entry.kind = SourceEntryKind::SymbolicLink;
            break;
        case fs::file_type::block:
        case fs::file_type::character:
        case fs::file_type::fifo:
            entry.kind = SourceEntryKind::Device;
            break;
        default:
            entry.kind = SourceEntryKind::Other;
            break;
        }
        if (ec) {
            problem = common::problemFromError(current_, "reading", ec);
            return std::nullopt;
        }
        return entry;
    }

    std::optional<common::Problem> readContents(const std::function<bool(std::string_view)>& take) override {
        std::ifstream in(current_, std::ios::binary);
        if (!in)
            return common::problemFromErrno(current_, "reading", errno ? errno : EIO);
        std::vector<char> buffer(kCopyBlock);
        for (;;) {
            in.read(buffer.data(), static_cast<std::streamsize>(buffer.size()));
            const auto got = static_cast<std::size_t>(in.gcount());
            if (got > 0) {
                if (!take(std::string_view(buffer.data(), got)))
                    return std::nullopt;
            }
            if (in.eof())
                return std::nullopt;
            if (!in)
                return common::problemFromErrno(current_, "reading", errno ? errno : EIO);
        }
    }

  private:
    fs::path folder_;
    std::string prefix_;
    fs::recursive_directory_iterator walk_;
    std::optional<common::FileIdentity> selector_;
    fs::path current_;
    bool started_ = false;
};

} // namespace

std::unique_ptr<SourceReader> openFolderReader(const fs::path& folder, const std::string& prefix,
                                               const fs::path& selectorFolder) {
    return std::make_unique<FolderReader>(folder, prefix, selectorFolder);
}

} // namespace outfitter
