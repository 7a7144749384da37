#pragma once
// Tells the first running copy of the selector of a user from a second one, through a lock file.

#include <QLockFile>
#include <QString>

namespace outfitter {

class SingleInstance final {
  public:
    // Takes the lock at `lockFilePath` if no live process holds it; a lock left by a crashed copy is
    // taken over.
    explicit SingleInstance(const QString& lockFilePath);

    bool isFirst() const { return first_; }

    // One lock per user in the system's temporary folder.
    static QString defaultLockPath();

  private:
    QLockFile lock_;
    bool first_ = false;
};

} // namespace outfitter
