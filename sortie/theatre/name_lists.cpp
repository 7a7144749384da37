#include "sortie/theatre/name_lists.h"

#include "common/string_table.h"
#include "common/text_file.h"

namespace sortie {

common::Result<std::vector<std::string>> StrToList(const DataLocator& data, std::string_view fileName) {
    common::Result<std::vector<std::string>> result;
    auto located = data.locate(fileName);
    if (!located.ok()) {
        result.problem = located.problem;
        return result;
    }
    result = common::readStringTable(located.value);
    if (result.problem && result.problem->path.empty())
        result.problem->path = located.value;
    return result;
}

common::Result<std::vector<std::string>> StrToArray(const DataLocator& data, std::string_view fileName) {
    auto result = StrToList(data, fileName);
    result.value.insert(result.value.begin(), std::string());
    return result;
}

common::Result<std::vector<std::string>> TargList(const TargetTable& table,
                                                  const std::vector<std::string>& names) {
    common::Result<std::vector<std::string>> result;
    std::size_t unnamed = 0;
    std::size_t first = 0;
    for (std::size_t k = 0; k < table.records.size(); ++k) {
        const TargetRecord& record = table.records[k];
        if (record.hasNameIndex() && record.nameIndex() < names.size()) {
            result.value.push_back(names[record.nameIndex()]);
            continue;
        }
        if (unnamed++ == 0)
            first = k;
        result.value.emplace_back();
    }
    if (unnamed > 0)
        result.problem = common::Problem{{},
                                         "naming targets",
                                         std::to_string(unnamed) + " record(s) name no string of the " +
                                             std::to_string(names.size()) + " target names (first: record " +
                                             std::to_string(first) + "); their names are empty"};
    return result;
}

namespace {

void note(common::Problems& problems, const std::optional<common::Problem>& problem) {
    if (problem)
        problems.push_back(*problem);
}

} // namespace

TheatreNames LoadNameLists(const DataLocator& data) {
    TheatreNames out;
    // The target names pass through the aircraft list first, as the lists have always been filled.
    auto targetNames = StrToList(data, "tarnames.str");
    note(out.problems, targetNames.problem);
    out.aircraftNames = std::move(targetNames.value);

    auto located = data.locate("targets.dat");
    if (located.ok()) {
        auto bytes = common::readFileBytes(located.value);
        note(out.problems, bytes.problem);
        auto table = decodeTargets(bytes.value);
        if (table.problem && table.problem->path.empty())
            table.problem->path = located.value;
        if (bytes.ok())
            note(out.problems, table.problem);
        out.targets = std::move(table.value);
    } else {
        note(out.problems, located.problem);
    }
    auto names = TargList(out.targets, out.aircraftNames);
    note(out.problems, names.problem);
    out.targetNames = std::move(names.value);

    auto planes = StrToList(data, "pnames.str");
    note(out.problems, planes.problem);
    out.aircraftNames = std::move(planes.value);
    // Cells, roles and the mission file count on "None" and "Random" at 30 and 31.
    if (planes.ok() && out.aircraftNames.size() != kAircraftSlots) {
        const auto where = data.locate("pnames.str");
        out.problems.push_back(common::Problem{where.value, "reading aircraft names",
                                               "holds " + std::to_string(out.aircraftNames.size()) +
                                                   " names instead of 30; the list is cut or padded to 30"});
    }
    out.aircraftNames.resize(kAircraftSlots);
    out.aircraftNames.push_back("None");
    out.aircraftNames.push_back("Random");
    return out;
}

} // namespace sortie
