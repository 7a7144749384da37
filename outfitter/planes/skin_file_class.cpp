#include "outfitter/planes/skin_file_class.h"

#include "common/names.h"

#include <array>
#include <string>

namespace outfitter {

namespace {

bool endsWithAny(const std::string& upper, const auto& extensions) {
    if (upper.size() < 4)
        return false;
    const std::string_view last(upper.data() + upper.size() - 4, 4);
    for (const std::string_view extension : extensions)
        if (last == extension)
            return true;
    return false;
}

} // namespace

SkinFileClass classifySkinFile(std::string_view name) {
    static constexpr std::array<std::string_view, 5> kPictureExtensions = {".GIF", ".TXT", ".JPG", ".ASK",
                                                                           ".PCX"};
    static constexpr std::array<std::string_view, 2> kFlightExtensions = {".FLT", ".STR"};
    const std::string upper = common::toUpperAscii(name);
    if (upper == "SKINPIC" || upper == "MYPIC" || endsWithAny(upper, kPictureExtensions))
        return SkinFileClass::PictureOrText;
    if (upper == "LOADOUT.DAT" || upper == "PLANES.DAT" || upper == "WEAPONS.DAT" ||
        endsWithAny(upper, kFlightExtensions))
        return SkinFileClass::FlightData;
    return SkinFileClass::Skin;
}

bool skinFileTravels(std::string_view name, bool includeFlightData) {
    switch (classifySkinFile(name)) {
    case SkinFileClass::PictureOrText:
        return false;
    case SkinFileClass::FlightData:
        return includeFlightData;
    case SkinFileClass::Skin:
        return true;
    }
    return false;
}

} // namespace outfitter
