#pragma once
// The categories of "qiv.ini": one description and one case-sensitive letter per line, in file order.

#include "common/problem.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace outfitter {

inline constexpr const char* kCategoryFileName = "qiv.ini";
// The table holds at most this many categories; later lines of the file are not read.
inline constexpr std::size_t kMaxCategories = 256;
// "Show ALL" and "Show Selections" stand before the descriptions in the category list.
inline constexpr std::size_t kFixedListEntries = 2;

struct Category {
    std::string description; // text before the first ":"
    std::string letter;      // last character of the line, one byte
};

class CategoryTable final {
  public:
    // The 27 lines written when "qiv.ini" is missing, without their line breaks.
    static const std::vector<std::string>& defaultLines();
    // The default lines, each ended by CR LF.
    static std::string defaultBytes();

    // Reads the lines of a table. An empty line or one without ":" has no description: it is skipped,
    // reported, and takes no category index, so index n is the n-th usable line and the list of
    // descriptions has no holes. Lines after the 256th are ignored and reported.
    static CategoryTable parse(const std::vector<std::string>& lines, const std::filesystem::path& file,
                               common::Problems& problems);

    // Finds "qiv.ini" in `selectorFolder` whatever its letter case, writes the default lines when it is
    // missing (an existing file is never rewritten) and reads it.
    // With `writeMissing` false a missing file is not made; its default categories serve all the same.
    static CategoryTable load(const std::filesystem::path& selectorFolder, common::Problems& problems,
                              bool writeMissing = true);

    const std::vector<Category>& categories() const { return categories_; }
    std::size_t size() const { return categories_.size(); }

    // Category index of list position p of the category list: p - 2, when that category exists.
    std::optional<std::size_t> indexAtListPosition(std::size_t position) const;
    // Whether sets of this letter may be loaded together (G N X Y Z K); every other letter is one at a time.
    static bool isMultiselection(std::string_view letter);

  private:
    std::vector<Category> categories_;
};

} // namespace outfitter
