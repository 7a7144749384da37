#include "autoscripts_tab.h"

#include "package_texts.h"
#include "progress_display.h"
#include "qiv_form_texts.h"
#include "ui_support/click_label.h"
#include "ui_support/escape_hides.h"
#include "ui_support/message_box.h"
#include "ui_support/name_items.h"
#include "ui_support/qt_text.h"

#include "ui_support/list_choice.h"

#include <QDir>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace outfitter {

namespace {

uisupport::ClickLabel* commandLabel(const QString& text, const QString& name, int index, QWidget* parent) {
    auto* label = new uisupport::ClickLabel(text, parent);
    label->setObjectName(name);
    label->setProperty("index", index);
    label->setStyleSheet(u"color: #0000c0; text-decoration: underline;"_s);
    return label;
}

} // namespace

AutoscriptsTab::AutoscriptsTab(SelectorSession& session, ProgressDisplay& progress, QWidget* parent)
    : QWidget(parent), session_(session), progress_(progress), gameFolderLabel_(new QLabel(this)),
      programs_(new QListWidget(this)), loadedNow_(new QPlainTextEdit(this)) {
    gameFolderLabel_->setObjectName(u"Label1"_s);
    programs_->setObjectName(u"List6"_s);
    programs_->setFixedSize(260, 200);
    loadedNow_->setObjectName(u"Text2"_s);
    // Tab moves on to the next control instead of typing into the box.
    loadedNow_->setTabChangesFocus(true);
    loadedNow_->setFixedSize(300, 200);

    auto* launch = new QGroupBox(this);
    auto* launchLayout = new QVBoxLayout(launch);
    auto* label24 = new QLabel(texts::kSelectExe, launch);
    label24->setObjectName(u"Label24"_s);
    launchLayout->addWidget(gameFolderLabel_);
    launchLayout->addWidget(label24);
    launchLayout->addWidget(programs_);
    const QString captions[] = {texts::kJustLaunch, texts::kMinimiseAndLaunch, texts::kExitAndLaunch};
    for (int index = 0; index < 3; ++index) {
        auto* label = commandLabel(captions[index], u"Label28"_s, index, launch);
        launchLayout->addWidget(label);
        connect(label, &uisupport::ClickLabel::clicked, this,
                [this, index] { this->launch(static_cast<LaunchStyle>(index)); });
    }
    auto* delmsn = new QPushButton(texts::kDelMsn, launch);
    delmsn->setObjectName(u"delmsn"_s);
    delmsn->setToolTip(texts::kDelMsnTip);
    launchLayout->addWidget(delmsn, 0, Qt::AlignLeft);
    launchLayout->addStretch(1);
    connect(delmsn, &QPushButton::clicked, this, &AutoscriptsTab::deleteDefaultMissions);

    auto* selection = new QGroupBox(this);
    auto* selectionLayout = new QVBoxLayout(selection);
    selectionLayout->addWidget(new QLabel(texts::kLoadedNow, selection));
    selectionLayout->addWidget(loadedNow_);
    selectionLayout->addStretch(1);

    auto* left = new QVBoxLayout;
    auto* top = new QHBoxLayout;
    top->addWidget(selection);
    top->addWidget(buildSaving(), 0, Qt::AlignTop);
    left->addLayout(top);
    left->addWidget(buildRunning(), 0, Qt::AlignLeft);
    left->addStretch(1);

    auto* row = new QHBoxLayout;
    row->addLayout(left);
    row->addWidget(launch, 0, Qt::AlignTop);
    row->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addStretch(1);
}

QWidget* AutoscriptsTab::buildSaving() {
    auto* frame = new QGroupBox(texts::kSaveYourAutoscript, this);
    scriptName_ = new QLineEdit(frame);
    scriptName_->setObjectName(u"Text1"_s);
    scriptName_->setPlaceholderText(texts::kEnterFileName);
    auto* command7 = new QPushButton(texts::kSaveAutoscript, frame);
    command7->setObjectName(u"Command7"_s);

    setWarn_ = new QFrame(frame);
    setWarn_->setObjectName(u"SetWarn"_s);
    setWarn_->setFrameShape(QFrame::StyledPanel);
    auto* label21 = new QLabel(texts::kNameTaken, setWarn_);
    label21->setObjectName(u"Label21"_s);
    label21->setWordWrap(true);
    label21->setStyleSheet(u"color: #ff0000;"_s);
    auto* overwrite = commandLabel(texts::kOverwrite, u"Label4"_s, 0, setWarn_);
    auto* cancel = commandLabel(texts::kCancel, u"Label4"_s, 1, setWarn_);
    auto* answers = new QHBoxLayout;
    answers->addWidget(overwrite);
    answers->addWidget(cancel);
    answers->addStretch(1);
    auto* warnLayout = new QVBoxLayout(setWarn_);
    warnLayout->addWidget(label21);
    warnLayout->addLayout(answers);
    // Esc answers the overwrite question as "Cancel" does.
    uisupport::hideOnEscape(setWarn_);
    setWarn_->hide();

    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(scriptName_);
    layout->addWidget(command7, 0, Qt::AlignLeft);
    layout->addWidget(setWarn_);
    frame->setFixedWidth(220);

    connect(command7, &QPushButton::clicked, this, [this] { save(false); });
    connect(scriptName_, &QLineEdit::returnPressed, this, [this] { save(false); });
    connect(overwrite, &uisupport::ClickLabel::clicked, this, [this] { save(true); });
    connect(cancel, &uisupport::ClickLabel::clicked, setWarn_, &QWidget::hide);
    return frame;
}

QWidget* AutoscriptsTab::buildRunning() {
    auto* frame = new QGroupBox(texts::kChooseScript, this);
    scripts_ = new QListWidget(frame);
    scripts_->setObjectName(u"File10"_s);
    scripts_->setFixedSize(250, 150);
    scriptItems_ = new QListWidget(frame);
    scriptItems_->setObjectName(u"List2"_s);
    scriptItems_->setFixedSize(270, 128);
    auto* command6 = new QPushButton(texts::kLoadIt, frame);
    command6->setObjectName(u"Command6"_s);

    auto* contents = new QVBoxLayout;
    contents->addWidget(new QLabel(texts::kScriptContents, frame));
    contents->addWidget(scriptItems_);
    auto* layout = new QHBoxLayout(frame);
    layout->addWidget(scripts_, 0, Qt::AlignTop);
    layout->addLayout(contents);
    layout->addWidget(command6, 0, Qt::AlignBottom);

    connect(scripts_, &QListWidget::currentRowChanged, this, &AutoscriptsTab::chooseScript);
    uisupport::focusNeverChooses(scripts_);
    connect(command6, &QPushButton::clicked, this, &AutoscriptsTab::runScript);
    return frame;
}

void AutoscriptsTab::showStartup(const StartupResult& startup) {
    selectorFolder_ = startup.selectorFolder;
    gameFolderLabel_->setText(uisupport::fromPath(startup.gameFolder));
    programs_->clear();
    for (const auto& program : startup.programs)
        uisupport::addNameItem(programs_, program);
    showSummary(session_.browser().summary());
    listScripts();
}

void AutoscriptsTab::showSummary(const std::vector<std::string>& lines) {
    QString summary;
    for (const auto& line : lines)
        summary += uisupport::fromNameBytes(line) + u'\n';
    loadedNow_->setPlainText(summary);
}

void AutoscriptsTab::launch(LaunchStyle style) {
    const int chosen = programs_->currentRow();
    if (chosen < 0 || chosen >= programs_->count() || !programs_->item(chosen)->isSelected())
        return;
    // The window minimises or ends only once the program is running, so a failed start changes nothing.
    if (auto problem =
            session_.launch(uisupport::nameBytes(programs_->item(chosen)), common::WindowMode::Normal)) {
        emit problemsReported({uisupport::fromProblem(*problem)});
        return;
    }
    emit launched(style);
}

void AutoscriptsTab::save(bool overwrite) {
    setWarn_->hide();
    const auto result = session_.saveAutoscript(uisupport::toNameBytes(scriptName_->text()),
                                                uisupport::toNameBytes(loadedNow_->toPlainText()), overwrite);
    switch (result.outcome) {
    case AutoscriptStore::Outcome::NameTaken:
        setWarn_->show();
        return;
    case AutoscriptStore::Outcome::Refused:
        if (result.problem)
            emit problemsReported({uisupport::fromProblem(*result.problem)});
        return;
    case AutoscriptStore::Outcome::Saved:
        listScripts();
        emit autoscriptsChanged();
        return;
    }
}

void AutoscriptsTab::listScripts() {
    const QString chosen = scripts_->currentItem() ? scripts_->currentItem()->text() : QString();
    scripts_->blockSignals(true);
    scripts_->clear();
    for (const auto& name : session_.packageNames())
        uisupport::addNameItem(scripts_, name);
    const auto same = scripts_->findItems(chosen, Qt::MatchExactly);
    if (!chosen.isEmpty() && !same.isEmpty())
        scripts_->setCurrentItem(same.front());
    scripts_->blockSignals(false);
}

void AutoscriptsTab::chooseScript(int row) {
    scriptItems_->clear();
    script_ = {};
    if (row < 0 || row >= scripts_->count())
        return;
    auto read = session_.readPackage(uisupport::nameBytes(scripts_->item(row)));
    if (!read.ok()) {
        emit problemsReported({uisupport::fromProblem(*read.problem)});
        return;
    }
    script_ = std::move(read.value);
    for (const auto& item : script_.items)
        uisupport::addNameItem(scriptItems_, item);
}

void AutoscriptsTab::runScript() {
    std::vector<std::string> items;
    for (int i = 0; i < scriptItems_->count(); ++i)
        items.push_back(uisupport::nameBytes(scriptItems_->item(i)));
    PackageLoadOptions options;
    options.descriptionItems = script_.descriptionItems;
    BrowserChange change;
    {
        ProgressDisplay::Job job(progress_);
        change = session_.applyPackage(items, options, job.callback());
    }
    emit changed(change);
}

void AutoscriptsTab::deleteDefaultMissions() {
    common::Problems problems;
    const auto missions = session_.defaultMissions(problems);
    QStringList lines;
    for (const auto& problem : problems)
        lines << uisupport::fromProblem(problem);
    if (missions.empty()) {
        lines << texts::kNoDefaultMissions;
        emit problemsReported(lines);
        return;
    }
    const auto count = static_cast<int>(missions.size());
    const auto answer = uisupport::MessageBox::question(
        this, texts::kDelMsn, count == 1 ? texts::kDelMsnAskOne : texts::kDelMsnAsk.arg(count));
    if (answer != QMessageBox::Yes) {
        if (!lines.isEmpty())
            emit problemsReported(lines);
        return;
    }
    const auto report = session_.deleteDefaultMissions(missions);
    for (const auto& problem : report.problems)
        lines << uisupport::fromProblem(problem);
    lines << texts::kDefaultMissionsDeleted.arg(report.done.size());
    emit problemsReported(lines);
}

} // namespace outfitter
