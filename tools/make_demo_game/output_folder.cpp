// Places the demo files below the target folder, case-insensitively and atomically.

#include "make_demo_game/output_folder.h"

#include "common/atomic_file.h"
#include "common/resolver.h"
#include "common/text_file.h"

#include <cerrno>
#include <fstream>
#include <system_error>

namespace demo {

OutputFolder::OutputFolder(std::filesystem::path root) : root_(std::move(root)) {}

std::optional<common::Resolved> OutputFolder::prepare(std::string_view relative) {
    auto resolved = common::resolve(root_, relative);
    if (!resolved.ok()) {
        problems_.push_back(*resolved.problem);
        return std::nullopt;
    }
    const std::filesystem::path parent = resolved.value.path.parent_path();
    std::error_code ec;
    std::filesystem::create_directories(parent, ec);
    if (ec) {
        problems_.push_back(common::problemFromError(parent, "making folder", ec));
        return std::nullopt;
    }
    return resolved.value;
}

void OutputFolder::writeBytes(std::string_view relative, std::string_view bytes) {
    const auto target = prepare(relative);
    if (!target) {
        return;
    }
    if (target->exists && created_.count(target->path) == 0) {
        // A file the player may be using: replace it whole or not at all.
        if (auto problem = common::writeFileAtomically(target->path, bytes)) {
            problems_.push_back(std::move(*problem));
        }
        return;
    }
    // A file of this run needs no flush-and-rename; that keeps a fresh folder quick to make.
    std::ofstream file(target->path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    file.close();
    if (!file) {
        problems_.push_back(common::problemFromErrno(target->path, "writing", errno));
        return;
    }
    created_.insert(target->path);
}

void OutputFolder::writeLines(std::string_view relative, const std::vector<std::string>& lines) {
    writeBytes(relative, common::joinLinesCrLf(lines));
}

void OutputFolder::makeFolder(std::string_view relative) {
    auto resolved = common::resolve(root_, relative);
    if (!resolved.ok()) {
        problems_.push_back(*resolved.problem);
        return;
    }
    std::error_code ec;
    std::filesystem::create_directories(resolved.value.path, ec);
    if (ec) {
        problems_.push_back(common::problemFromError(resolved.value.path, "making folder", ec));
    }
}

} // namespace demo
