#pragma once
// The builders change the game folder ("eaw.ini", the mission file, "Loadout.dat") only while no other
// program holds its lock: the lock is tried without waiting and held for the one write, or the
// message line says who is changing the folder and nothing is written.

#include "sortie/core/mission_state.h"

#include "common/file_lock.h"

#include <optional>

namespace sortie {

// The lock held for one write (empty when the folder has nobody to share it with), or nullopt with
// the refusal reported.
std::optional<common::FileLock> lockForWrite(MissionState& mission);

} // namespace sortie
