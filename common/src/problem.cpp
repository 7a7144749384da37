#include "common/problem.h"

#include <cstring>
#include <system_error>

namespace common {

std::string Problem::text() const {
    std::string line = action;
    if (!path.empty()) {
        if (!line.empty())
            line += ' ';
        line += path.string();
    }
    if (!reason.empty()) {
        if (!line.empty())
            line += ": ";
        line += reason;
    }
    return line;
}

Problem problemFromErrno(std::filesystem::path path, std::string action, int err) {
    return Problem{std::move(path), std::move(action), std::generic_category().message(err)};
}

Problem problemFromError(std::filesystem::path path, std::string action, const std::error_code& ec) {
    return Problem{std::move(path), std::move(action), ec.message()};
}

} // namespace common
