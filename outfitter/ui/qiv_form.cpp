#include "qiv_form.h"

#include "autoscripts_tab.h"
#include "complete_sets_tab.h"
#include "general_settings_tab.h"
#include "message_box.h"
#include "planes_skins_tab.h"
#include "qiv_form_texts.h"
#include "qt_text.h"
#include "world_settings_tab.h"

#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTabWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace outfitter {

QIVForm::QIVForm(std::filesystem::path gameFolder, QIVFormOptions options, QWidget* parent)
    : QWidget(parent), instance_(std::make_unique<SingleInstance>(options.instanceLockPath)) {
    setObjectName(u"QIVForm"_s);
    // The test comes before anything touches the disk: a second copy must leave the folder alone.
    if (!instance_->isFirst()) {
        duplicate_ = true;
        QGuiApplication::setApplicationDisplayName(texts::kDuplicateAppTitle);
        MessageBox::exclamation(nullptr, texts::kDuplicateTitle, texts::kDuplicateText);
        return;
    }

    buildWindow();
    startup_ = SelectorStartup::run(gameFolder, options.seams);
    generalTab_->showStartup(startup_);
    setsTab_->showStartup(startup_);
    worldTab_->showStartup(startup_);
    autoscriptsTab_->showStartup(startup_);
    showProblems(startup_.problems);
    ssTab1_->setCurrentIndex(0);

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

QIVForm::~QIVForm() = default;

void QIVForm::buildWindow() {
    setWindowTitle(texts::kWindowTitle);
    ssTab1_ = new QTabWidget(this);
    ssTab1_->setObjectName(u"SSTab1"_s);
    generalTab_ = new GeneralSettingsTab(ssTab1_);
    setsTab_ = new CompleteSetsTab(ssTab1_);
    worldTab_ = new WorldSettingsTab(ssTab1_);
    autoscriptsTab_ = new AutoscriptsTab(ssTab1_);
    planesTab_ = new PlanesSkinsTab(ssTab1_);
    ssTab1_->addTab(generalTab_, texts::kTabGeneral);
    ssTab1_->addTab(setsTab_, texts::kTabCompleteSets);
    ssTab1_->addTab(worldTab_, texts::kTabWorld);
    ssTab1_->addTab(autoscriptsTab_, texts::kTabAutoscripts);
    ssTab1_->addTab(planesTab_, texts::kTabPlanesSkins);

    messages_ = new QPlainTextEdit(this);
    messages_->setObjectName(u"messages"_s);
    messages_->setReadOnly(true);
    messages_->setMaximumBlockCount(500);
    messages_->setFixedHeight(messages_->fontMetrics().lineSpacing() * 4 + 12);
    messages_->setPlaceholderText(u"Messages"_s);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ssTab1_, 1);
    layout->addWidget(messages_);
    resize(960, 680);
}

void QIVForm::showProblems(const common::Problems& problems) {
    for (const auto& problem : problems)
        messages_->appendPlainText(fromProblem(problem));
}

} // namespace outfitter
