#pragma once
// Archives as players download them, beside the demo game, to add as sets with "Add a set...":
// loose files (the dialog asks the category), a set folder named with its letter, and a selector tree.

#include <filesystem>
#include <string>

namespace demo {

// Writes the archives into `folder`; the text of what went wrong, or empty.
std::string writeDownloads(const std::filesystem::path& folder);

} // namespace demo
