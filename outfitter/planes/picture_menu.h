#pragma once
// The editing model of the three picture menus: a country button chooses the file, `Pmensee` reads
// it, the name boxes are changed, `pmenwrite` writes it back with every other byte kept.

#include "outfitter/planes/picture_menu_file.h"

#include "common/problem.h"

#include <array>
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>

namespace outfitter {

inline constexpr int kCountryButtons = 3;
// "CountryBut" 0, 1 and 2 and their entry counts.
inline constexpr std::array<const char*, kCountryButtons> kMenuFiles = {"picplnb.mnu", "picplna.mnu",
                                                                        "picplng.mnu"};
inline constexpr std::array<std::size_t, kCountryButtons> kMenuEntryCounts = {9, 9, 11};

class PictureMenu final {
  public:
    // `CountryBut`: 0 to 2; anything else is ignored.
    void selectCountry(int button);
    int country() const { return country_; }

    // Reads the selected country's file of the game folder into the model. A missing or short file
    // leaves the model empty and gives a problem.
    std::optional<common::Problem> Pmensee(const std::filesystem::path& gameFolder);
    // Writes the model back over the selected country's file, atomically. Refused, with the file left
    // alone, unless that very file was read last, or when a name is longer than 254 characters.
    std::optional<common::Problem> pmenwrite(const std::filesystem::path& gameFolder) const;

    const MenuFile& menu() const { return menu_; }
    // `bmnutb`(box): the text up to a zero byte, as a name box holds it. False for a box not read.
    bool setName(std::size_t box, const std::string& name);
    // `hedlab` and `position`(j): the kept bytes as blank-led decimal numbers.
    std::string hedlab() const;
    std::string position(std::size_t box) const;

  private:
    int country_ = 0;
    std::optional<int> readCountry_; // the country whose file the model holds
    MenuFile menu_;
};

} // namespace outfitter
