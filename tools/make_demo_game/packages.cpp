#include "make_demo_game/packages.h"

#include "make_demo_game/demo_contents.h"

#include <string>

namespace demo {

void writePackages(OutputFolder& out) {
    const std::string folder =
        std::string(contents::kSelector) + "\\" + std::string(contents::kAutoscripts) + "\\";
    // The description ends at the marker; the picture comes from the Non-Career set.
    out.writeLines(folder + std::string(kPackageFiles[0]),
                   {"North Africa in 1941 and 1942.", "Sand and sun and Tomahawks.", "*****",
                    "W-Desert Air War", "S-Desert Camouflage", "N-Cannon Sounds", ""});
    // Two Non-Career sets: the second replaces the first; the graphics sets load side by side.
    out.writeLines(folder + std::string(kPackageFiles[1]), {"W-Battle of Britain 1940", "G-Cloud Textures",
                                                            "W-Desert Air War", "G-Explosion Effects", ""});
    // A flight-model set, one of its plane sets and two skins of the skin store.
    out.writeLines(folder + std::string(kPackageFiles[2]),
                   {"F-Fighter Pack", std::string(contents::kPlaneSets[2]), std::string(contents::kSkins[1]),
                    std::string(contents::kSkins[3]), ""});
    // Written by another program: full paths, quotes, several items on a line, odd letter case.
    out.writeBytes(folder + std::string(kPackageFiles[3]),
                   "\"C:\\Games\\EAW\\QIV128\\B-Spitfire Mainscreen\",\"C:\\Games\\EAW\\QIV128\\T-WINTER "
                   "terrain\"\r\n"
                   "QIV128\\N-Merlin Engine Sounds, \"Q-Channel Strike Missions\"\r\n");
}

} // namespace demo
