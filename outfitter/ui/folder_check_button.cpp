#include "folder_check_button.h"

#include "progress_display.h"
#include "ui_support/message_box.h"
#include "ui_support/qt_text.h"

using namespace Qt::StringLiterals;

namespace outfitter {

namespace {

const QString kCaption = u"Check game folder"_s;

QString filesText(std::size_t count) {
    return count == 1 ? u"1 file"_s : u"%1 files"_s.arg(count);
}

QString namesText(const std::vector<std::string>& names) {
    QStringList out;
    for (const auto& name : names)
        out << uisupport::fromNameBytes(name);
    if (out.size() < 2)
        return out.join(QString());
    const auto last = out.takeLast();
    return out.join(u", "_s) + u" and "_s + last;
}

} // namespace

FolderCheckButton::FolderCheckButton(SelectorSession& session, ProgressDisplay& progress, QWidget* parent)
    : QPushButton(kCaption, parent), session_(session), progress_(progress) {
    setObjectName(u"CheckGameFolder"_s);
    setToolTip(u"Compares every file of the loaded sets, skins and plane sets in the game folder with the "
               "set's own copy; changes nothing"_s);
    connect(this, &QPushButton::clicked, this, &FolderCheckButton::check);
}

void FolderCheckButton::check() {
    FolderCheck result;
    {
        ProgressDisplay::Job job(progress_);
        const auto& show = job.callback();
        std::size_t shown = 0;
        result = session_.checkGameFolder([&](std::size_t done, std::size_t total) {
            // A repaint per hundred files keeps the bar moving without slowing the check.
            if (show && total > 0 && (done == 0 || done >= shown + 100)) {
                shown = done;
                show(FileWorkProgress{"Checking the game folder ", static_cast<double>(done) / static_cast<double>(total)});
            }
            return true;
        });
    }
    QStringList lines;
    for (const auto& finding : result.findings)
        lines << uisupport::fromNameBytes(findingText(finding));
    lines << uisupport::problemLines(result.problems);
    if (result.allAsLoaded())
        lines << u"Check game folder: all %1 of the loaded sets, skins and plane sets are as loaded."_s.arg(
            filesText(result.files));
    else
        lines << u"Check game folder: %1 of %2 missing or changed."_s.arg(filesText(result.findings.size()),
                                                                        filesText(result.files));
    emit problemsReported(lines);
    if (result.findings.empty())
        return;

    const auto owners = result.ownersWithFindings();
    const QString question = u"%1 of %2 %3 missing or changed in the game folder. Load the files of %4 again?"_s.arg(
        filesText(result.findings.size()), namesText(owners), result.findings.size() == 1 ? u"is"_s : u"are"_s,
        owners.size() == 1 ? u"that set"_s : u"those sets"_s);
    if (uisupport::MessageBox::question(this, kCaption, question) != QMessageBox::Yes) {
        emit problemsReported({u"Nothing was loaded again."_s});
        return;
    }
    const auto work = session_.loadAgain(result);
    QStringList told;
    if (!work.done.empty())
        told << u"Loaded again: %1 of %2."_s.arg(filesText(work.done.size()), namesText(owners));
    told << uisupport::problemLines(work.problems);
    emit problemsReported(told);
    emit loadedAgain();
}

} // namespace outfitter
