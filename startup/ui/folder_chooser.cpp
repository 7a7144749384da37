#include "startup/ui/folder_chooser.h"

#include "startup/program_start.h"
#include "ui_support/qt_text.h"

#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>

using namespace Qt::StringLiterals;

namespace eaw::startup {

namespace {

std::deque<std::optional<std::filesystem::path>>& answers() {
    static std::deque<std::optional<std::filesystem::path>> queue;
    return queue;
}

std::vector<FolderChooser::Asked>& askedList() {
    static std::vector<FolderChooser::Asked> list;
    return list;
}

} // namespace

std::optional<std::filesystem::path> FolderChooser::choose(const QString& note,
                                                           const std::filesystem::path& offer) {
    askedList().push_back({note, offer});
    if (!answers().empty()) {
        auto answer = answers().front();
        answers().pop_front();
        return answer;
    }
    // Qt's own dialog: the same on every desktop, and it leaves no recent-files entries behind.
    QFileDialog dialog(nullptr, u"Where is the EAW game folder?"_s, uisupport::fromPath(offer));
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOptions(QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
    if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout())) {
        auto* label = new QLabel(note, &dialog);
        label->setObjectName(u"chooserNote"_s);
        label->setWordWrap(true);
        grid->addWidget(label, grid->rowCount(), 0, 1, -1);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return uisupport::toName(dialog.selectedFiles().front());
}

void FolderChooser::setNextAnswers(std::deque<std::optional<std::filesystem::path>> next) {
    answers() = std::move(next);
}

const std::vector<FolderChooser::Asked>& FolderChooser::asked() {
    return askedList();
}

void FolderChooser::clearAsked() {
    askedList().clear();
}

std::optional<std::filesystem::path> settleGameFolder(const StartRequest& request,
                                                      const std::filesystem::path& rememberFile) {
    const auto decision = decideGameFolder(request, loadRememberedFolder(rememberFile));
    if (decision.use)
        return decision.use;
    QString note = uisupport::fromSystemText(decision.reason);
    std::filesystem::path offer = decision.offer;
    for (;;) {
        const auto chosen = FolderChooser::choose(note, offer);
        if (!chosen)
            return std::nullopt;
        if (holdsGame(*chosen)) {
            saveRememberedFolder(rememberFile, *chosen);
            return chosen;
        }
        note = u"There is no eaw.exe in %1. Choose the folder that holds the game."_s.arg(
            uisupport::fromPath(*chosen));
        offer = *chosen;
    }
}

std::optional<std::filesystem::path> settleGameFolder(const StartRequest& request) {
    return settleGameFolder(request, rememberedFolderFile());
}

} // namespace eaw::startup
