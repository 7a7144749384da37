#include "sortie/ui/form1.h"

#include "sortie/ui/aircraft_page.h"
#include "sortie/ui/map_page.h"
#include "sortie/ui/scenario_frame.h"
#include "sortie/ui/twips.h"
#include "sortie/ui/undo_bar.h"
#include "startup/program_start.h"
#include "ui_support/about_box.h"
#include "ui_support/click_label.h"
#include "ui_support/qt_text.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace sortie::ui {

Form1::Form1(std::filesystem::path gameFolder, BuildSettings settings, QWidget* parent)
    : QWidget(parent), model_(std::move(gameFolder), std::move(settings)) {
    setObjectName(u"Form1"_s);
    setWindowTitle(uisupport::fromGameBytes(model_.settings().programName));
    setWindowIcon(uisupport::programIcon(identity().badge));
    model_.start();

    aircraftPage_ = new AircraftPage(model_, this);
    mapPage_ = new MapPage(model_, this);
    messages_ = new QPlainTextEdit(this);
    messages_->setObjectName(u"messages"_s);
    messages_->setReadOnly(true);
    messages_->setTabChangesFocus(true);
    messages_->setMaximumBlockCount(200);

    // One page at a time in a scroll area, so a screen smaller than the page still reaches all of it.
    pages_ = new QWidget();
    pages_->setObjectName(u"pages"_s);
    auto* pageGrid = new QGridLayout(pages_);
    pageGrid->setContentsMargins(0, 0, 0, 0);
    for (QWidget* page : {static_cast<QWidget*>(aircraftPage_), static_cast<QWidget*>(mapPage_)}) {
        page->setParent(pages_);
        pageGrid->addWidget(page, 0, 0);
    }
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(u"pageScroll"_s);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidget(pages_);
    messages_->setFixedHeight(messages_->fontMetrics().lineSpacing() * 3 + 10);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);
    layout->addWidget(scroll, 1);
    auto* about = uisupport::makeAboutLabel(this, identity());
    undoBar_ = new UndoBar(model_, this, this);
    auto* bottom = new QHBoxLayout();
    bottom->addWidget(messages_, 1);
    bottom->addWidget(undoBar_, 0, Qt::AlignBottom);
    bottom->addWidget(about, 0, Qt::AlignBottom);
    layout->addLayout(bottom);

    connect(aircraftPage_, &AircraftPage::changed, this, &Form1::sync);
    connect(aircraftPage_, &AircraftPage::showMapPage, this, &Form1::showMapPage);
    connect(aircraftPage_, &AircraftPage::fly, this, &Form1::fly);
    connect(aircraftPage_, &AircraftPage::endProgram, this, &Form1::endProgram);
    connect(aircraftPage_, &AircraftPage::restoreChoices, this, [this] {
        model_.mission().restoreChoices();
        sync();
    });
    connect(mapPage_, &MapPage::changed, this, &Form1::sync);
    connect(undoBar_, &UndoBar::changed, this, &Form1::sync);
    connect(mapPage_, &MapPage::showAircraftPage, this, &Form1::showAircraftPage);
    connect(mapPage_, &MapPage::fly, this, &Form1::fly);

    mapPage_->loadTargets();
    // The second build has no theatre until a scenario is loaded; its OK sequence visits the map.
    if (model_.settings().dataSource != DataSource::Scenario) {
        showMapPage();
        showAircraftPage();
    } else {
        // Covers the pages until a scenario is loaded; the map takes no pointer meanwhile.
        mapPage_->hide();
        scenarioFrame_ = new ScenarioFrame(model_, pages_);
        static_cast<QGridLayout*>(pages_->layout())->addWidget(scenarioFrame_, 0, 0);
        scenarioFrame_->raise();
        mapPage_->setPointerEnabled(false);
        connect(scenarioFrame_, &ScenarioFrame::changed, this, &Form1::sync);
        connect(scenarioFrame_, &ScenarioFrame::continueClicked, this, &Form1::continueScenario);
        connect(scenarioFrame_, &ScenarioFrame::exitClicked, this, &Form1::endProgram);
    }
    sync();
    resize(startSize());
}

// The page's own size, or the screen's work area when that is smaller.
QSize Form1::startSize() const {
    QSize wanted = sizeHint().expandedTo(QSize(1600, 800));
    if (const QScreen* s = screen())
        wanted = wanted.boundedTo(s->availableGeometry().size());
    return wanted;
}

uisupport::ProgramIdentity Form1::identity() const {
    // The second build saves instead of starting the game; its icon says so with the same badge.
    const bool second = model_.settings().flyAction != FlyAction::LaunchGame;
    const auto& program = second ? eaw::startup::sortiexProgram() : eaw::startup::sortieProgram();
    return {QString::fromStdString(program.name), QString::fromLatin1(eaw::startup::suiteVersion()),
            QString::fromStdString(program.summary), u"SOR"_s};
}

void Form1::endProgram() {
    if (endProgram_)
        endProgram_();
    else
        close();
}

void Form1::continueScenario() {
    if (!scenarioFrame_ || !scenarioFrame_->isVisible())
        return;
    scenarioFrame_->showBusy(true);
    const bool loaded = model_.beginScenario();
    if (!loaded) {
        scenarioFrame_->showBusy(false);
        sync();
        return;
    }
    mapPage_->loadTargets();
    showMapPage();
    mapPage_->buildOnFirstVisit();
    showAircraftPage();
    model_.finishScenario();
    mapPage_->rebuildMap();
    scenarioFrame_->showBusy(false);
    scenarioFrame_->hide();
    mapPage_->setPointerEnabled(true);
    mapPage_->chooseFrontLine(0);
    sync();
}

void Form1::showMapPage() {
    aircraftPage_->hide();
    mapPage_->buildOnFirstVisit();
    mapPage_->show();
}

void Form1::showAircraftPage() {
    mapPage_->hide();
    aircraftPage_->show();
}

void Form1::fly() {
    const bool done = model_.launch().LaunchMission();
    sync();
    // The second build's "FLY!" saves the parameters and ends; a failure keeps the window open.
    if (done && model_.settings().flyAction == FlyAction::SaveAndExit)
        endProgram();
}

void Form1::sync() {
    aircraftPage_->sync();
    mapPage_->sync();
    if (scenarioFrame_)
        scenarioFrame_->sync();
    undoBar_->sync();
    const auto& messages = model_.messages();
    for (; messagesShown_ < messages.size(); ++messagesShown_)
        messages_->appendPlainText(uisupport::fromMessage(messages[messagesShown_]));
}

} // namespace sortie::ui
