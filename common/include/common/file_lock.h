#pragma once
// An exclusive lock on a file that the system lets go of when its holder ends, however it ends, so a
// killed program never leaves it held. It binds only programs that ask for it. The holder's process id
// and program name are recorded in the file once it is taken, so a refusal can name who holds it.

#include "common/problem.h"

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace common {

// Who recorded themselves in a lock file; `processId` is 0 when nothing readable is recorded.
struct LockHolder {
    long processId = 0;
    std::string program;
};

class FileLock final {
  public:
    enum class Outcome { NotTried, Taken, HeldElsewhere, Failed };

    FileLock() = default;
    FileLock(FileLock&& other) noexcept;
    FileLock& operator=(FileLock&& other) noexcept;
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;
    ~FileLock();

    // Takes the lock on `file` (made when missing, hidden on Windows), trying again until `wait` has
    // passed; with no wait it tries once. On success `program` and this process's id are recorded.
    static FileLock take(const std::filesystem::path& file, std::string_view program,
                         std::chrono::milliseconds wait = std::chrono::milliseconds(0));

    // A lock that could not even be tried, for what stopped it.
    static FileLock failure(Problem problem);

    Outcome outcome() const { return outcome_; }
    bool held() const { return outcome_ == Outcome::Taken; }
    // Who held it when it was refused (as far as the file tells), and what failed when it failed.
    const LockHolder& holder() const { return holder_; }
    const std::optional<Problem>& problem() const { return problem_; }

    void release();

  private:
    bool tryOnce(std::string_view program);

#if defined(_WIN32)
    void* handle_ = nullptr;
#else
    int fd_ = -1;
    bool byteRangeLock_ = false; // taken with fcntl where the file system has no flock
#endif
    std::filesystem::path file_;
    Outcome outcome_ = Outcome::NotTried;
    LockHolder holder_;
    std::optional<Problem> problem_;
};

// Whether another process holds the lock on `file`, and who, without making the file. A missing file
// is a lock nobody holds.
std::optional<LockHolder> lockHeldElsewhere(const std::filesystem::path& file);

// The holder recorded in `file`, read without taking the lock.
LockHolder readLockHolder(const std::filesystem::path& file);

} // namespace common
