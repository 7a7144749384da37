#include "outfitter/planes/plane_install.h"

#include "outfitter/planes/loadout_patches.h"
#include "outfitter/planes/picture_menu.h"
#include "outfitter/planes/plane_names_table.h"
#include "outfitter/planes/plane_record.h"

#include "common/resolver.h"

namespace outfitter {

namespace fs = std::filesystem;

namespace {

fs::path gameFilePath(const fs::path& gameFolder, const char* name) {
    const auto where = common::resolve(gameFolder, name);
    return where.ok() ? where.value.path : gameFolder / name;
}

std::string fileNames(const std::vector<fs::path>& files) {
    std::string out;
    for (const auto& file : files)
        out += (out.empty() ? "" : ", ") + common::pathText(file.filename());
    return out.empty() ? "none" : out;
}

void writeNamesAndMenus(const fs::path& gameFolder, const QivFile& qiv, PlaneInstallReport& report) {
    PlaneNamesTable names;
    const fs::path namesFile = gameFilePath(gameFolder, kPlaneNamesFile);
    auto failed = names.LoadPnames(gameFolder);
    if (!failed && !names.setName(static_cast<std::size_t>(qiv.slot), qiv.name()))
        failed =
            common::Problem{namesFile, "writing",
                            "the table holds " + std::to_string(names.rows().size()) +
                                " names, none for slot " + std::to_string(qiv.slot) + "; file left alone"};
    if (!failed)
        failed = names.SavePnames(gameFolder);
    if (failed) {
        report.problems.push_back(std::move(*failed));
        report.notWritten.push_back(namesFile);
    } else {
        report.written.push_back(namesFile);
    }

    PictureMenu menu;
    for (int button = 0; button < kCountryButtons; ++button) {
        const fs::path menuFile = gameFilePath(gameFolder, kMenuFiles[static_cast<std::size_t>(button)]);
        // Without the names there is nothing sound to put in the menus.
        if (!names.loaded()) {
            report.notWritten.push_back(menuFile);
            continue;
        }
        menu.selectCountry(button);
        auto problem = menu.Pmensee(gameFolder);
        if (!problem) {
            const auto& order = kMenuSlotOrders[static_cast<std::size_t>(button)];
            for (std::size_t box = 0; box < order.size(); ++box)
                if (static_cast<std::size_t>(order[box]) < names.rows().size())
                    menu.setName(box, names.rows()[static_cast<std::size_t>(order[box])]);
            problem = menu.pmenwrite(gameFolder);
        }
        if (problem) {
            report.problems.push_back(std::move(*problem));
            report.notWritten.push_back(menuFile);
        } else {
            report.written.push_back(menuFile);
        }
    }
}

} // namespace

std::string installLine(const std::string& planeSetName, const PlaneInstallReport& report) {
    if (!report.recordWritten)
        return planeSetName + " was not installed" +
               (report.written.empty() ? std::string() : "; written: " + fileNames(report.written));
    std::string line = "Installed " + planeSetName + " into slot " + std::to_string(report.qiv.slot);
    if (!report.replacedName.empty())
        line += " in place of " + report.replacedName;
    line += ": " + fileNames(report.written) + " written";
    if (!report.notWritten.empty())
        line += "; not written: " + fileNames(report.notWritten);
    return line;
}

PlaneInstallReport installPlaneSet(const fs::path& planeSetFolder, const fs::path& gameFolder) {
    PlaneInstallReport report;
    const auto qivFile = findQivFile(planeSetFolder);
    if (!qivFile) {
        report.problems.push_back({planeSetFolder, "installing plane set", "the folder holds no *.qiv file"});
        return report;
    }
    report.qiv = readQiv(*qivFile);
    const auto& qiv = report.qiv;
    if (qiv.fault) {
        report.problems.push_back(*qiv.fault);
        return report;
    }
    // Checked before the first write, so a name the menus cannot hold never leaves half an install.
    if (qiv.name().size() > kMenuNameLimit) {
        report.problems.push_back({*qivFile, "reading plane set",
                                   "line 1: the aircraft name has " + std::to_string(qiv.name().size()) +
                                       " characters; the picture menus hold at most 254"});
        return report;
    }

    // Read before anything is written: afterwards the slot bears the new name. The table's own
    // problems are reported when the names are written.
    if (PlaneNamesTable before; !before.LoadPnames(gameFolder) && qiv.slot >= 0 &&
                                static_cast<std::size_t>(qiv.slot) < before.rows().size())
        report.replacedName = before.rows()[static_cast<std::size_t>(qiv.slot)];

    if (auto failed = writePlaneRecord(gameFolder, qiv.slot, qiv.record)) {
        report.problems.push_back(std::move(*failed));
        return report;
    }
    report.recordWritten = true;
    report.written.push_back(gameFilePath(gameFolder, kPlanesFile));

    writeNamesAndMenus(gameFolder, qiv, report);
    auto extras = applyLoadoutsAndFlightModel(planeSetFolder, gameFolder);
    report.written.insert(report.written.end(), extras.written.begin(), extras.written.end());
    report.notWritten.insert(report.notWritten.end(), extras.notWritten.begin(), extras.notWritten.end());
    report.problems.insert(report.problems.end(), extras.problems.begin(), extras.problems.end());

    if (!report.notWritten.empty())
        report.problems.push_back(
            {planeSetFolder, "installing plane set",
             "written: " + fileNames(report.written) + "; not written: " + fileNames(report.notWritten)});
    return report;
}

} // namespace outfitter
