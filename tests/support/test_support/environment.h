#pragma once
// Environment variables set for one test's length, on POSIX and on Windows (which has no setenv).

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

namespace testsupport {

// Sets `name` to `value`, or removes it when `value` is null.
inline void setEnvironment(const std::string& name, const char* value) {
#if defined(_WIN32)
    // An empty value removes the variable on Windows; that is the closest it has to unsetenv.
    ::_putenv_s(name.c_str(), value ? value : "");
#else
    if (value)
        ::setenv(name.c_str(), value, 1);
    else
        ::unsetenv(name.c_str());
#endif
}

// Sets (or, with null, removes) one environment variable until destroyed.
class EnvOverride final {
  public:
    EnvOverride(std::string name, const char* value) : name_(std::move(name)) {
        if (const char* old = std::getenv(name_.c_str()))
            saved_ = old;
        setEnvironment(name_, value);
    }
    EnvOverride(std::string name, const std::filesystem::path& value)
        : EnvOverride(std::move(name), value.string().c_str()) {}
    EnvOverride(const EnvOverride&) = delete;
    EnvOverride& operator=(const EnvOverride&) = delete;
    ~EnvOverride() { setEnvironment(name_, saved_ ? saved_->c_str() : nullptr); }

  private:
    std::string name_;
    std::optional<std::string> saved_;
};

// Puts `folder` first on PATH (or alone, with `only`) until destroyed.
class PathOverride final {
  public:
    explicit PathOverride(const std::filesystem::path& folder, bool only = false)
        : path_("PATH", value(folder, only).c_str()) {}

  private:
    static std::string value(const std::filesystem::path& folder, bool only) {
#if defined(_WIN32)
        constexpr char separator = ';';
#else
        constexpr char separator = ':';
#endif
        const char* old = std::getenv("PATH");
        if (only || !old || !*old)
            return folder.string();
        return folder.string() + separator + old;
    }
    EnvOverride path_;
};

} // namespace testsupport
