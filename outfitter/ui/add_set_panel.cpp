#include "add_set_panel.h"

#include "add_set_dialog.h"
#include "ui_support/message_box.h"
#include "ui_support/qt_text.h"

#include <QFileDialog>
#include <QHBoxLayout>
#include <QProgressBar>
#include <QPushButton>
#include <QThread>

using namespace Qt::StringLiterals;

namespace outfitter {

namespace {

std::optional<QStringList>& nextChoice() {
    static std::optional<QStringList> paths;
    return paths;
}

QStringList lines(const common::Problems& problems) {
    QStringList out;
    for (const auto& problem : problems)
        out << uisupport::fromProblem(problem);
    return out;
}

// Progress in kilobytes, so that sets over 2 GB still fit the bar's int.
int kilobytes(std::uint64_t bytes) {
    return static_cast<int>(std::min<std::uint64_t>(bytes / 1024, INT32_MAX));
}

} // namespace

AddSetPanel::AddSetPanel(SelectorSession& session, QWidget* parent)
    : QWidget(parent), session_(session), addSet_(new QPushButton(u"Add a set..."_s, this)),
      bar_(new QProgressBar(this)), cancel_(new QPushButton(u"Cancel"_s, this)) {
    addSet_->setObjectName(u"AddSet"_s);
    addSet_->setToolTip(u"Add a set from a downloaded archive (.zip, .7z, .rar, .tar, .tar.gz) or a folder; "
                        "you can also drop them on the list of sets"_s);
    bar_->setObjectName(u"AddSetProgress"_s);
    bar_->setFormat(u"%v of %m KB"_s);
    bar_->hide();
    cancel_->setObjectName(u"AddSetCancel"_s);
    cancel_->hide();
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(addSet_);
    layout->addWidget(bar_, 1);
    layout->addWidget(cancel_);
    poll_.setInterval(50);
    connect(&poll_, &QTimer::timeout, this, &AddSetPanel::showProgress);
    connect(addSet_, &QPushButton::clicked, this, &AddSetPanel::choose);
    connect(cancel_, &QPushButton::clicked, this, [this] { cancelled_ = true; });
}

AddSetPanel::~AddSetPanel() {
    // A window closed during an add stops it; the worker leaves nothing behind when told to stop.
    if (worker_) {
        cancelled_ = true;
        worker_->wait();
    }
}

void AddSetPanel::setNextChoice(QStringList paths) {
    nextChoice() = std::move(paths);
}

void AddSetPanel::choose() {
    QStringList paths;
    if (auto given = std::exchange(nextChoice(), std::nullopt)) {
        paths = *given;
    } else {
        QFileDialog dialog(window(), u"Add a set"_s);
        dialog.setFileMode(QFileDialog::ExistingFiles);
        dialog.setNameFilters({u"Archives (*.zip *.7z *.rar *.tar *.tar.gz *.tgz)"_s, u"All files (*)"_s});
        // A folder is chosen by its name typed or picked in the same dialog.
        dialog.setOption(QFileDialog::DontUseNativeDialog, false);
        if (dialog.exec() != QDialog::Accepted)
            return;
        paths = dialog.selectedFiles();
    }
    add(paths);
}

void AddSetPanel::add(const QStringList& paths) {
    queue_ += paths;
    if (!busy())
        startNext();
}

void AddSetPanel::startNext() {
    while (!queue_.isEmpty() && !busy()) {
        const auto source = uisupport::toName(queue_.takeFirst());
        const QString shown = uisupport::fromPath(source);
        auto plan = session_.planAdd(source, std::nullopt, std::nullopt);
        if (!plan.problems.empty()) {
            emit problemsReported(lines(plan.problems));
            continue;
        }
        if (plan.sets.size() == 1) {
            const auto& proposal = plan.sets.front();
            AddSetDialog dialog(shown, session_.browser().categories(), proposal.letter,
                                uisupport::fromNameBytes(proposal.name), window());
            if (!dialog.ask())
                continue;
            plan = session_.planAdd(source, dialog.letter(), uisupport::toNameBytes(dialog.name()));
            if (!plan.problems.empty()) {
                emit problemsReported(lines(plan.problems));
                continue;
            }
        }
        if (auto refused = session_.loadedClash(plan)) {
            emit problemsReported(lines({*refused}));
            continue;
        }
        bool replace = false;
        for (const auto& set : plan.sets)
            if (!set.existingFolder.empty()) {
                const auto answer = uisupport::MessageBox::question(
                    window(), u"Add a set"_s,
                    u"There is a set \"%1\" already. Replace it with the one from %2?"_s.arg(
                        uisupport::fromNameBytes(set.existingFolder), uisupport::fromPath(source.filename())));
                if (answer != QMessageBox::Yes) {
                    replace = false;
                    break;
                }
                replace = true;
            }
        const bool clashes = std::any_of(plan.sets.begin(), plan.sets.end(),
                                         [](const ImportProposal& set) { return !set.existingFolder.empty(); });
        if (clashes && !replace)
            continue;
        unpack(std::move(plan), replace);
    }
}

void AddSetPanel::unpack(ImportPlan plan, bool replace) {
    plan_ = std::move(plan);
    result_ = {};
    done_ = 0;
    total_ = plan_.bytes;
    cancelled_ = false;
    bar_->setRange(0, std::max(1, kilobytes(plan_.bytes)));
    bar_->setValue(0);
    bar_->show();
    cancel_->show();
    addSet_->setEnabled(false);
    const auto& session = session_;
    worker_.reset(QThread::create([this, &session, replace] {
        // Only the unpacking runs here; it reads the plan and writes below "QIV128", nothing else.
        result_ = session.unpack(plan_, replace, [this](const ImportProgress& progress) {
            done_ = progress.bytesDone;
            total_ = progress.bytesTotal;
            return !cancelled_.load();
        });
    }));
    connect(worker_.get(), &QThread::finished, this, &AddSetPanel::finished, Qt::QueuedConnection);
    emit busyChanged(true);
    poll_.start();
    worker_->start();
}

void AddSetPanel::showProgress() {
    bar_->setMaximum(std::max(1, kilobytes(total_)));
    bar_->setValue(kilobytes(done_));
}

void AddSetPanel::finished() {
    poll_.stop();
    worker_->wait();
    worker_.reset();
    bar_->hide();
    cancel_->hide();
    addSet_->setEnabled(true);
    emit busyChanged(false);
    if (result_.cancelled) {
        emit problemsReported({u"Adding %1 was cancelled; nothing was added"_s.arg(uisupport::fromPath(plan_.source.filename()))});
    } else {
        emit added(session_.finishAdd(plan_, result_));
    }
    startNext();
}

} // namespace outfitter
