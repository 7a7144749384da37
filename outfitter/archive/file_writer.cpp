#include "outfitter/archive/file_writer.h"

#include <cerrno>

namespace outfitter {

namespace {

// Large enough that the many small blocks a decompressor hands over leave in few writes.
constexpr std::size_t kWriteBuffer = 1 << 20;

} // namespace

FileWriter::FileWriter() : buffer_(std::make_unique<char[]>(kWriteBuffer)) {}

common::Problem FileWriter::failure(const char* action) const {
    // The stream keeps no error of its own; the system's is still in errno after the failed call.
    return common::problemFromErrno(file_, action, errno != 0 ? errno : EIO);
}

std::optional<common::Problem> FileWriter::create(const std::filesystem::path& file) {
    file_ = file;
    out_ = std::ofstream();
    out_.rdbuf()->pubsetbuf(buffer_.get(), kWriteBuffer);
    errno = 0;
    out_.open(file, std::ios::binary | std::ios::out | std::ios::trunc);
    if (!out_.is_open())
        return failure("creating");
    return std::nullopt;
}

std::optional<common::Problem> FileWriter::write(std::string_view block) {
    errno = 0;
    out_.write(block.data(), static_cast<std::streamsize>(block.size()));
    if (!out_)
        return failure("writing");
    return std::nullopt;
}

std::optional<common::Problem> FileWriter::finish() {
    errno = 0;
    out_.flush();
    if (!out_)
        return failure("writing");
    out_.close();
    if (out_.fail())
        return failure("writing");
    return std::nullopt;
}

void FileWriter::abandon() {
    out_.close();
    out_.clear();
}

} // namespace outfitter
