#include "common/file_faults.h"

#include <atomic>
#include <memory>
#include <mutex>

namespace common::faults {

namespace {

std::atomic<bool> active{false};
std::mutex hookMutex;
// Shared, so a call runs the installed hook itself (its state included) without holding the lock.
std::shared_ptr<Hook>& hook() {
    static std::shared_ptr<Hook> installed;
    return installed;
}

} // namespace

void install(Hook newHook) {
    const std::lock_guard lock(hookMutex);
    active = static_cast<bool>(newHook);
    hook() = newHook ? std::make_shared<Hook>(std::move(newHook)) : nullptr;
}

void clear() {
    install({});
}

int injected(Operation operation, const std::filesystem::path& file) {
    if (!active.load(std::memory_order_relaxed))
        return 0;
    std::shared_ptr<Hook> current;
    {
        const std::lock_guard lock(hookMutex);
        current = hook();
    }
    return current ? (*current)(operation, file) : 0;
}

Hook failAfter(Operation operation, int allowed, int err, std::filesystem::path within) {
    auto seen = std::make_shared<int>(0);
    return [=](Operation asked, const std::filesystem::path& file) {
        if (asked != operation || (!within.empty() && file.parent_path() != within))
            return 0;
        return (*seen)++ < allowed ? 0 : err;
    };
}

} // namespace common::faults
