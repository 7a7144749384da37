#include "autoscripts_tab.h"

#include "click_label.h"
#include "qiv_form_texts.h"
#include "qt_text.h"

#include <QDir>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace outfitter {

AutoscriptsTab::AutoscriptsTab(const SetBrowser& browser, QWidget* parent)
    : QWidget(parent), browser_(browser), label1_(new QLabel(this)), list6_(new QListWidget(this)),
      text2_(new QPlainTextEdit(this)) {
    label1_->setObjectName(u"Label1"_s);
    list6_->setObjectName(u"List6"_s);
    list6_->setFixedSize(260, 220);
    text2_->setObjectName(u"Text2"_s);
    text2_->setFixedSize(300, 220);

    auto* launch = new QGroupBox(this);
    auto* launchLayout = new QVBoxLayout(launch);
    auto* label24 = new QLabel(texts::kSelectExe, launch);
    label24->setObjectName(u"Label24"_s);
    launchLayout->addWidget(label1_);
    launchLayout->addWidget(label24);
    launchLayout->addWidget(list6_);
    const QString captions[] = {texts::kJustLaunch, texts::kMinimiseAndLaunch, texts::kExitAndLaunch};
    for (int index = 0; index < 3; ++index) {
        auto* label = new ClickLabel(captions[index], launch);
        label->setObjectName(u"Label28"_s);
        label->setProperty("index", index);
        label->setStyleSheet(u"color: #0000c0; text-decoration: underline;"_s);
        launchLayout->addWidget(label);
        connect(label, &ClickLabel::clicked, this,
                [this, index] { this->launch(static_cast<LaunchStyle>(index)); });
    }
    launchLayout->addStretch(1);

    auto* selection = new QGroupBox(this);
    auto* selectionLayout = new QVBoxLayout(selection);
    selectionLayout->addWidget(new QLabel(texts::kLoadedNow, selection));
    selectionLayout->addWidget(text2_);
    selectionLayout->addStretch(1);

    auto* row = new QHBoxLayout;
    row->addWidget(selection);
    row->addWidget(launch);
    row->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addStretch(1);
}

void AutoscriptsTab::showStartup(const StartupResult& startup) {
    label1_->setText(fromPath(startup.gameFolder) + QDir::separator());
    list6_->clear();
    for (const auto& program : startup.programs)
        list6_->addItem(fromGameBytes(program));
    showSummary(browser_.summary());
}

void AutoscriptsTab::showSummary(const std::vector<std::string>& lines) {
    QString summary;
    for (const auto& line : lines)
        summary += fromGameBytes(line) + u'\n';
    text2_->setPlainText(summary);
}

void AutoscriptsTab::launch(LaunchStyle style) {
    const int chosen = list6_->currentRow();
    if (chosen < 0 || chosen >= list6_->count() || !list6_->item(chosen)->isSelected())
        return;
    // The window minimises or ends only once the program is running, so a failed start changes nothing.
    if (auto problem =
            browser_.launch(toGameBytes(list6_->item(chosen)->text()), common::WindowMode::Normal)) {
        emit problemsReported({fromProblem(*problem)});
        return;
    }
    emit launched(style);
}

} // namespace outfitter
