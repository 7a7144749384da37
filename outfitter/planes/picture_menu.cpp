#include "outfitter/planes/picture_menu.h"

#include "common/atomic_file.h"
#include "common/resolver.h"
#include "common/text_file.h"

namespace outfitter {

namespace fs = std::filesystem;

namespace {

std::string asDecimals(const std::string& bytes) {
    std::string out;
    for (const char c : bytes)
        out += " " + std::to_string(static_cast<unsigned char>(c));
    return out;
}

} // namespace

void PictureMenu::selectCountry(int button) {
    if (button >= 0 && button < kCountryButtons)
        country_ = button;
}

std::optional<common::Problem> PictureMenu::Pmensee(const fs::path& gameFolder) {
    menu_ = {};
    readCountry_.reset();
    const auto index = static_cast<std::size_t>(country_);
    const auto where = common::resolve(gameFolder, kMenuFiles[index]);
    if (!where.ok())
        return where.problem;
    if (!where.value.exists)
        return common::Problem{where.value.path, "reading", "the file is missing"};
    const auto bytes = common::readFileBytes(where.value.path);
    if (!bytes.ok())
        return bytes.problem;
    auto decoded = decodeMenuFile(bytes.value, kMenuEntryCounts[index]);
    if (!decoded.ok()) {
        decoded.problem->path = where.value.path;
        decoded.problem->action = "reading";
        return decoded.problem;
    }
    menu_ = std::move(decoded.value);
    readCountry_ = country_;
    return std::nullopt;
}

std::optional<common::Problem> PictureMenu::pmenwrite(const fs::path& gameFolder) const {
    const auto where = common::resolve(gameFolder, kMenuFiles[static_cast<std::size_t>(country_)]);
    if (!where.ok())
        return where.problem;
    // Writing a model that holds another file (or none) would replace this menu with the wrong one.
    if (readCountry_ != country_)
        return common::Problem{where.value.path, "writing", "the menu was not read first; file left alone"};
    auto encoded = encodeMenuFile(menu_);
    if (!encoded.ok()) {
        encoded.problem->path = where.value.path;
        encoded.problem->action = "writing";
        return encoded.problem;
    }
    return common::writeFileAtomically(where.value.path, encoded.value);
}

bool PictureMenu::setName(std::size_t box, const std::string& name) {
    if (box >= menu_.entries.size())
        return false;
    menu_.entries[box].name = name.substr(0, name.find('\0'));
    return true;
}

std::string PictureMenu::hedlab() const {
    return asDecimals(menu_.header);
}

std::string PictureMenu::position(std::size_t box) const {
    return box < menu_.entries.size() ? asDecimals(menu_.entries[box].trailing) : std::string();
}

} // namespace outfitter
