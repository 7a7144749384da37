#include "outfitter/cli/cli_runner.h"

#include "outfitter/session/selector_session.h"

#include "common/names.h"
#include "common/resolver.h"

#include <ostream>
#include <system_error>

namespace outfitter {

namespace fs = std::filesystem;

namespace {

constexpr const char* kProgram = "outfitter";

void printList(SelectorSession& session, std::ostream& out) {
    const auto& rows = session.browser().rows();
    out << "Sets (S = loaded):\n";
    for (const auto& category : session.browser().categories().categories()) {
        bool header = false;
        for (const auto& row : rows) {
            if (category.letter.size() != 1 || row.name.empty() ||
                row.name.front() != category.letter.front())
                continue;
            if (!header)
                out << category.letter << "  " << category.description << "\n";
            header = true;
            out << (row.loaded ? "   S " : "     ") << row.name << "\n";
        }
    }
    out << "Skins:\n";
    for (const auto& skin : session.skins().rows())
        out << (skin.installed ? "   S " : "     ") << skin.name << "\n";
    if (session.browser().planeSetsShown()) {
        out << "Plane sets:\n";
        for (const auto& row : session.planeSets().rows())
            out << (row.marked ? "   S " : "     ") << row.folder << "\n";
    }
}

// The set named exactly, else the one set whose name matches without regard to case.
std::optional<std::size_t> findSetRow(const std::vector<SetRow>& rows, const std::string& name) {
    std::optional<std::size_t> found;
    std::size_t matches = 0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].name == name)
            return i;
        if (common::equalsIgnoreCase(rows[i].name, name) && matches++ == 0)
            found = i;
    }
    return matches == 1 ? found : std::nullopt;
}

int fail(std::ostream& err, const std::string& reason) {
    err << kProgram << ": " << reason << "\n";
    return 1;
}

bool isSelector(const common::LockHolder& holder) {
    return holder.program.empty() || holder.program == kProgram;
}

// The one line of a change refused because another process is changing the game folder.
std::string busyRefusal(const fs::path& gameFolder, const common::LockHolder& holder) {
    const auto who = isSelector(holder) ? std::string(kProgram) + " is already changing "
                                        : holder.program + " is writing to ";
    return who + common::pathText(gameFolder) + common::processText(holder) +
           "; try again when it has finished";
}

// The note of a command that only reads, printed before what it lists.
std::string busyNote(const common::LockHolder& holder) {
    const auto who = isSelector(holder) ? "Another " + std::string(kProgram) : holder.program;
    return who + common::processText(holder) + " is changing this game folder; what is listed may change.";
}

// A step as `--history` prints it: its time and title, then each entry it changed.
std::string historyText(const HistoryStep& step) {
    std::string text = step.time + "  " + step.title + (step.finished ? "" : " (interrupted)") + ": " +
                       std::to_string(step.changed.size()) +
                       (step.changed.size() == 1 ? " entry\n" : " entries\n");
    for (const auto& entry : step.changed)
        text += "    " + entry + "\n";
    return text;
}

} // namespace

std::optional<CliRequest> cliRequest(const std::vector<eaw::startup::GivenOption>& options,
                                     std::string& refusal) {
    if (options.empty())
        return std::nullopt;
    CliRequest request;
    for (const auto& option : options) {
        const bool again =
            (option.name == "--apply" && request.apply) || (option.name == "--launch" && request.launch) ||
            (option.name == "--reset" && request.reset) || (option.name == "--list" && request.list) ||
            (option.name == "--add" && request.add) || (option.name == "--category" && request.category) ||
            (option.name == "--name" && request.name) || (option.name == "--files" && request.files) ||
            (option.name == "--check" && request.check) || (option.name == "--undo" && request.undo) ||
            (option.name == "--history" && request.history);
        if (again) {
            refusal = "option \"" + option.name + "\" is given twice";
            return request;
        }
        if (option.name == "--apply")
            request.apply = option.value;
        else if (option.name == "--launch")
            request.launch = option.value;
        else if (option.name == "--reset")
            request.reset = true;
        else if (option.name == "--list")
            request.list = true;
        else if (option.name == "--add")
            request.add = option.value;
        else if (option.name == "--category")
            request.category = option.value;
        else if (option.name == "--name")
            request.name = option.value;
        else if (option.name == "--files")
            request.files = option.value;
        else if (option.name == "--check")
            request.check = true;
        else if (option.name == "--undo")
            request.undo = true;
        else if (option.name == "--history")
            request.history = true;
    }
    if (request.reset && !request.apply)
        refusal = "option \"--reset\" works only with \"--apply\"";
    else if ((request.category || request.name) && !request.add)
        refusal = "options \"--category\" and \"--name\" work only with \"--add\"";
    else if (request.add && (request.apply || request.launch))
        refusal = "option \"--add\" works alone (with \"--category\", \"--name\" and \"--list\")";
    else if (request.undo &&
             (request.apply || request.launch || request.add || request.files || request.check))
        refusal = "option \"--undo\" works alone (or with \"--history\" and \"--list\")";
    else if ((request.files || request.check) && (request.apply || request.launch || request.add))
        refusal = "options \"--files\" and \"--check\" only read: they work alone (or with \"--list\")";
    return request;
}

int runCli(const CliRequest& request, const fs::path& gameFolder, std::ostream& out, std::ostream& err) {
    if (!eaw::startup::holdsGame(gameFolder)) {
        fail(err, "there is no eaw.exe in " + common::pathText(gameFolder));
        return request.check ? 2 : 1;
    }
    SelectorSession session(gameFolder, false);
    if (request.changesGameFolder()) {
        // Taken before start-up reads the journal or removes anything, and held to the end.
        if (!session.takeLock(request.lockWait))
            return fail(err, session.lock().problem() ? session.lock().problem()->text()
                                                      : busyRefusal(gameFolder, session.lock().holder()));
        session.start();
    } else {
        if (const auto holder = session.lockedElsewhere())
            out << busyNote(*holder) << "\n";
        session.start({}, StartupMode::ReadOnly);
    }
    if (session.startup().selectorFolder.empty()) {
        if (!request.changesGameFolder() && session.startupProblems().empty())
            return fail(err, "there is no QIV128 in " + common::pathText(gameFolder) +
                                 ": nothing has been added or loaded there yet");
        return fail(err, session.startupProblems().empty() ? "the selector folder cannot be made"
                                                           : session.startupProblems().front().text());
    }
    int code = 0;
    std::size_t problems = 0;
    for (const auto& line : session.startupChange().told)
        out << line << "\n";

    if (request.add || request.apply || request.undo) {
        if (const auto refusal = session.changeRefusal())
            return fail(err, *refusal);
    }

    if (request.undo) {
        const auto undone = session.undo();
        for (const auto& line : undone.told)
            out << line << "\n";
        for (const auto& problem : undone.problems)
            err << kProgram << ": " << problem.text() << "\n";
        if (!undone.problems.empty())
            code = 1;
    }

    if (request.add) {
        const auto source = common::pathFromText(*request.add);
        auto plan = session.planAdd(source, request.category, request.name);
        if (plan.letterNeeded)
            return fail(err,
                        common::pathText(source.filename()) +
                            " holds no set folder named with its category: give one with --category LETTER");
        if (!plan.problems.empty())
            return fail(err, plan.problems.front().text());
        for (const auto& set : plan.sets)
            if (!set.existingFolder.empty())
                return fail(err, "there is a set \"" + set.existingFolder +
                                     "\" already; remove or rename it, or add this one under another --name");
        const auto result = session.unpack(plan, false, {});
        if (!result.problems.empty())
            return fail(err, result.problems.front().text());
        const auto added = session.finishAdd(plan, result);
        for (const auto& line : added.change.told)
            out << line << "\n";
    }
    for (const auto& problem : session.startupChange().work.problems)
        err << kProgram << ": " << problem.text() << "\n";

    if (request.apply) {
        // Any other file is refused by its name alone: its bytes are never read, let alone printed.
        if (request.apply->find_first_of("/\\") != std::string::npos &&
            !SelectorSession::namesPackageFile(*request.apply))
            return fail(
                err,
                "\"" + *request.apply +
                    "\" is not a package: give a package of QIV128/Autoscripts or a path ending in .set");
        const auto file = session.findPackage(*request.apply);
        if (!file)
            return fail(err, "there is no package \"" + *request.apply + "\" in QIV128/Autoscripts");
        const auto package = session.readPackageFile(*file);
        if (!package.ok())
            return fail(err, package.problem->text());
        PackageLoadOptions options;
        options.resetFirst = request.reset;
        options.refreshSummary = true;
        options.descriptionItems = package.value.descriptionItems;
        options.packageFile = common::pathText(fs::absolute(*file));
        const auto change = session.applyPackage(package.value.items, options);
        for (const auto& line : change.told)
            out << line << "\n";
        for (const auto& problem : change.work.problems)
            err << kProgram << ": " << problem.text() << "\n";
        problems += change.work.problems.size();
        out << "Applied " << common::pathText(file->filename()) << ": " << session.browser().summary().size()
            << " loaded in all\n";
    }

    if (request.list)
        printList(session, out);

    if (request.history) {
        const auto steps = session.history();
        if (steps.empty())
            out << "Nothing to undo.\n";
        for (auto step = steps.rbegin(); step != steps.rend(); ++step)
            out << historyText(*step);
    }

    if (request.files) {
        const auto& rows = session.browser().rows();
        const auto row = findSetRow(rows, *request.files);
        if (!row)
            return fail(err, "there is no set \"" + *request.files + "\" in QIV128");
        const auto files = session.setFiles(*row);
        out << files.set << (files.loaded ? " (loaded)" : " (not loaded)") << ": " << files.files.size()
            << (files.files.size() == 1 ? " file" : " files") << "\n";
        for (const auto& line : files.files)
            out << lineText(line, files.loaded) << "\n";
        for (const auto& problem : files.problems)
            err << kProgram << ": " << problem.text() << "\n";
        if (!files.problems.empty())
            code = 1;
    }

    if (request.check) {
        const auto check = session.checkGameFolder();
        for (const auto& finding : check.findings)
            out << findingText(finding) << "\n";
        for (const auto& problem : check.problems)
            err << kProgram << ": " << problem.text() << "\n";
        out << check.files << (check.files == 1 ? " file" : " files") << " checked, " << check.findings.size()
            << (check.findings.size() == 1 ? " missing or changed" : " missing or changed") << "\n";
        if (!check.allAsLoaded())
            code = 1;
    }

    if (request.launch && problems == 0) {
        if (auto problem = session.launch(*request.launch, common::WindowMode::Normal))
            return fail(err, problem->text());
        out << "Started " << *request.launch << "\n";
    }

    if (const auto logProblem = session.log().takeProblem())
        err << kProgram << ": " << logProblem->text() << "\n";
    if (problems > 0) {
        code = fail(err, std::to_string(problems) + (problems == 1 ? " problem" : " problems") +
                             (request.launch ? "; nothing was started" : ""));
    }
    return code;
}

} // namespace outfitter
