#pragma once
// Stands in for the skin grid, the plane-set grid and the log beside a set browser: each answer a test
// sets replaces the absent part's.

#include "outfitter/sets/set_browser.h"

#include <functional>

namespace outfitter::test_support {

struct PartnerStandIn final : SetBrowserPartners {
    std::function<std::vector<std::string>()> skinsMarked;
    std::function<FileWorkReport(const ProgressCallback&)> unloadSkins;
    std::function<std::vector<std::string>()> planeSetsMarked;
    std::function<common::Problems(const std::filesystem::path&)> showPlanes;
    std::function<void()> clearPlanes;
    std::function<FileWorkReport(const std::string&)> matchSkins;
    std::function<FileWorkReport(const std::string&)> matchPlaneSets;
    std::function<void(const Change&)> logged;

    std::vector<std::string> markedSkins() const override { return call(skinsMarked); }
    FileWorkReport unloadMarkedSkins(const ProgressCallback& progress) override {
        return call(unloadSkins, progress);
    }
    std::vector<std::string> markedPlaneSets() const override { return call(planeSetsMarked); }
    common::Problems showPlaneSets(const std::filesystem::path& folder) override {
        return call(showPlanes, folder);
    }
    void clearPlaneSets() override { call(clearPlanes); }
    FileWorkReport loadMatchingSkins(const std::string& item) override { return call(matchSkins, item); }
    FileWorkReport loadMatchingPlaneSets(const std::string& item) override {
        return call(matchPlaneSets, item);
    }
    void logChange(const Change& change) override { call(logged, change); }

  private:
    template <class Result, class... Args, class... Given>
    static Result call(const std::function<Result(Args...)>& answer, Given&&... given) {
        if (answer)
            return answer(std::forward<Given>(given)...);
        if constexpr (!std::is_void_v<Result>)
            return Result{};
    }
};

} // namespace outfitter::test_support
