#pragma once
// A seam through which tests make the file layer fail (a full disk, a refused delete) or stop dead at
// a chosen point, where the real condition cannot be had: tests run as root, where permissions do not
// bind, and on machines without a small disk to fill. Without a hook installed it costs one atomic load.

#include <filesystem>
#include <functional>

namespace common::faults {

enum class Operation {
    Write,  // one write of file contents (a copy's chunk, an atomic write's chunk)
    Delete, // one deletion of a game file
    Rename, // one rename of a whole set folder into or out of its place
};

// Called before each operation on `file`; returns the errno to fail it with, or 0 to let it run. The
// hook may also end the process, to stand for a crash at exactly that point.
using Hook = std::function<int(Operation, const std::filesystem::path& file)>;

void install(Hook hook);
void clear();

// What the file layer asks before each operation: the errno to fail with, or 0.
int injected(Operation operation, const std::filesystem::path& file);

// Installs a hook for the lifetime of the object.
class Scope final {
  public:
    explicit Scope(Hook hook) { install(std::move(hook)); }
    Scope(const Scope&) = delete;
    Scope& operator=(const Scope&) = delete;
    ~Scope() { clear(); }
};

// A hook that lets the first `allowed` operations of `operation` through and fails every later one
// with `err`. With `within` given, only files directly in that folder are counted and failed.
Hook failAfter(Operation operation, int allowed, int err, std::filesystem::path within = {});

} // namespace common::faults
