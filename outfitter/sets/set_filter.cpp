#include "outfitter/sets/set_filter.h"

#include "outfitter/sets/set_click_plan.h"

namespace outfitter {

namespace {

bool shownByAll(const std::string& name) {
    return name != "Autoscripts" && name != "Skinfolder" && name.rfind("C-", 0) != 0;
}

bool inCategory(const std::string& name, char letter) {
    return name.size() >= 2 && name[0] == letter && (name[1] == '-' || name[1] == ' ');
}

} // namespace

SetFilterView filterSets(const std::vector<SetRow>& rows, const CategoryTable& categories,
                         std::size_t listPosition) {
    SetFilterView view;
    view.header = kHeaderAllAvailable;
    view.visible.reserve(rows.size());
    if (listPosition == 0) {
        for (const auto& row : rows)
            view.visible.push_back(shownByAll(row.name));
        return view;
    }
    if (listPosition == 1) {
        for (const auto& row : rows)
            view.visible.push_back(row.loaded);
        return view;
    }
    const auto index = categories.indexAtListPosition(listPosition);
    const std::string letter = index ? categories.categories()[*index].letter : std::string();
    if (letter.size() != 1) {
        view.visible.assign(rows.size(), false);
        return view;
    }
    view.letter = letter;
    view.header = allowsSeveralLoaded(letter.front()) ? kHeaderSeveralSelections : kHeaderOneSelection;
    for (const auto& row : rows)
        view.visible.push_back(inCategory(row.name, letter.front()));
    return view;
}

} // namespace outfitter
