#pragma once
// A game folder with its "QIV128" and the default categories, for the suites that add sets.

#include "outfitter/archive/set_import.h"
#include "outfitter/core/category_table.h"

#include "test_support/temp_folder.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace outfitter::testing {

class ImportTest : public ::testing::Test {
  protected:
    ImportTest() {
        selector_ = dir_.folder("EAW/QIV128");
        common::Problems problems;
        categories_ = CategoryTable::load(selector_, problems);
        downloads_ = dir_.folder("Downloads");
    }

    ImportPlan plan(const std::filesystem::path& source, std::optional<std::string> letter = std::nullopt,
                    std::optional<std::string> name = std::nullopt) const {
        return planImport(source, categories_, selector_, std::move(letter), std::move(name));
    }

    ImportResult add(const ImportPlan& plan, bool replace = false) const {
        return importSets(plan, selector_, replace, {});
    }

    // Everything below the test's folder except the downloads: what an add may have written.
    std::set<std::string> written() const {
        std::set<std::string> all;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(dir_.path())) {
            auto name = entry.path().lexically_relative(dir_.path()).generic_string();
            if (entry.is_directory() && !entry.is_symlink())
                name += '/';
            if (!name.starts_with("Downloads/"))
                all.insert(name);
        }
        return all;
    }

    static std::string allText(const common::Problems& problems) {
        std::string text;
        for (const auto& problem : problems)
            text += problem.text() + "\n";
        return text;
    }

    std::string read(const std::filesystem::path& relative) const { return dir_.read(relative); }

    testsupport::TempFolder dir_;
    std::filesystem::path selector_;
    std::filesystem::path downloads_;
    CategoryTable categories_;
};

} // namespace outfitter::testing
