#include "sortie/core/game_folder_write.h"

#include "common/game_folder_lock.h"

namespace sortie {

std::optional<common::FileLock> lockForWrite(MissionState& mission) {
    auto write = common::takeLockForWrite(mission.places().gameFolder, mission.settings().programName);
    if (write.mayWrite())
        return std::move(write.lock);
    if (write.refused) {
        const auto& holder = write.lock.holder();
        const auto who = holder.program.empty() ? std::string("outfitter") : holder.program;
        mission.report(who + common::processText(holder) +
                       " is changing this game folder: nothing was written; try again when it has finished");
    } else {
        mission.report(*write.lock.problem());
        mission.report("Nothing was written");
    }
    return std::nullopt;
}

} // namespace sortie
