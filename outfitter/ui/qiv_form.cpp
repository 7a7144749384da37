#include "qiv_form.h"

#include "add_set_panel.h"
#include "autoscripts_tab.h"
#include "change_guard.h"
#include "complete_sets_tab.h"
#include "general_settings_tab.h"
#include "log_panel.h"
#include "plane_set_panel.h"
#include "planes_skins_tab.h"
#include "progress_display.h"
#include "qiv_form_texts.h"
#include "ui_support/message_box.h"
#include "ui_support/qt_text.h"
#include "world_settings_tab.h"

#include "common/game_folder_lock.h"
#include "startup/program_start.h"
#include "ui_support/about_box.h"
#include "ui_support/click_label.h"

#include <QApplication>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace outfitter {

namespace {

// A tab's scroll area asks for the room its tab wants, so the window can open at that size; it
// scrolls only when the screen gives less.
class TabScroll final : public QScrollArea {
  public:
    using QScrollArea::QScrollArea;
    QSize sizeHint() const override {
        if (!widget())
            return QScrollArea::sizeHint();
        // A short screen scrolls the tab up and down; the bar must not cost the tab its width.
        const QSize wanted = widget()->sizeHint().expandedTo(widget()->minimumSizeHint());
        return wanted + QSize(2 * frameWidth() + verticalScrollBar()->sizeHint().width(), 2 * frameWidth());
    }
};

// The focusable widgets of a layout in reading order: a row left to right, a column top to bottom,
// a grid row by row, each panel's own controls where the panel stands.
void collectReadingOrder(const QLayout* layout, QList<QWidget*>& out);

void collectWidget(QWidget* widget, QList<QWidget*>& out) {
    if (widget->focusPolicy() & Qt::TabFocus)
        out << widget;
    if (const auto* inner = widget->layout())
        collectReadingOrder(inner, out);
}

void collectReadingOrder(const QLayout* layout, QList<QWidget*>& out) {
    struct Placed {
        QLayoutItem* item;
        int row;
        int column;
    };
    QList<Placed> items;
    const auto* grid = qobject_cast<const QGridLayout*>(layout);
    for (int i = 0; i < layout->count(); ++i) {
        int row = 0, column = i, rowSpan = 0, columnSpan = 0;
        if (grid)
            grid->getItemPosition(i, &row, &column, &rowSpan, &columnSpan);
        items.append({layout->itemAt(i), row, column});
    }
    if (grid)
        std::stable_sort(items.begin(), items.end(), [](const Placed& a, const Placed& b) {
            return a.row != b.row ? a.row < b.row : a.column < b.column;
        });
    const auto* box = qobject_cast<const QBoxLayout*>(layout);
    if (box && (box->direction() == QBoxLayout::RightToLeft || box->direction() == QBoxLayout::BottomToTop))
        std::reverse(items.begin(), items.end());
    for (const auto& placed : items) {
        if (auto* widget = placed.item->widget())
            collectWidget(widget, out);
        else if (const auto* inner = placed.item->layout())
            collectReadingOrder(inner, out);
    }
}

} // namespace

QIVForm::QIVForm(std::filesystem::path gameFolder, QIVFormOptions options, QWidget* parent)
    : QWidget(parent),
      // The parts exist before the window's grids, which start-up's ledger replay then marks; making
      // them reads nothing, so a second window still leaves the folder alone.
      session_(std::make_unique<SelectorSession>(gameFolder, false)),
      endProgram_(std::move(options.endProgram)) {
    setObjectName(u"QIVForm"_s);
    // The test comes before anything else touches the disk: a second window must leave the folder alone.
    windowLock_ = common::takeGameFolderLock(gameFolder, "outfitter", {}, common::kWindowLockName);
    if (windowLock_.outcome() == common::FileLock::Outcome::HeldElsewhere) {
        duplicate_ = true;
        QGuiApplication::setApplicationDisplayName(texts::kDuplicateAppTitle);
        uisupport::MessageBox::exclamation(
            nullptr, texts::kDuplicateTitle,
            texts::kAlreadyOpen.arg(uisupport::fromPath(gameFolder),
                                    QString::fromStdString(common::processText(windowLock_.holder()))));
        return;
    }

    buildWindow();
    // Start-up repairs what a killed run left only under the game folder's lock; a command line still
    // changing the folder is given a few seconds to finish.
    session_->takeLock(common::kGameFolderLockWait);
    const auto busy = session_->holdsLock() ? std::nullopt : session_->lockedElsewhere();
    session_->start(hooks(options));
    session_->releaseLock();
    if (busy)
        messages_->appendPlainText(
            texts::kStartedWhileBusy.arg(QString::fromStdString(common::processText(*busy))));
    if (windowLock_.problem())
        showProblems({*windowLock_.problem()});
    showSession();
    showProblems(session_->startupProblems());
    const auto& finished = session_->startupChange();
    for (const auto& line : finished.told)
        messages_->appendPlainText(QString::fromStdString(line));
    showProblems(finished.work.problems);
    tabs_->setCurrentIndex(0);
    showUndoable();

    placeInWorkArea();
}

void QIVForm::showSession() {
    const auto& startup = session_->startup();
    generalTab_->showStartup(startup);
    planesTab_->showStartup(startup);
    setsTab_->showStartup(startup);
    worldTab_->showStartup();
    autoscriptsTab_->showStartup(startup);
}

void QIVForm::undoLast() {
    const auto undone = session_->undo();
    if (undone.step) {
        if (!session_->browser().planeSetsShown())
            planeSetPanel_->clearGrid();
        showSession();
    }
    for (const auto& line : undone.told)
        messages_->appendPlainText(QString::fromStdString(line));
    showProblems(undone.problems);
    showUndoable();
}

void QIVForm::showUndoable() {
    const auto steps = session_->history();
    undo_->setEnabled(!steps.empty());
    undo_->setToolTip(steps.empty() ? texts::kNothingToUndo
                                    : texts::kUndoTip.arg(QString::fromStdString(steps.back().title)));
}

void QIVForm::placeInWorkArea() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect work = screen->availableGeometry();
    // The frame is not known before the window is shown; leave room for a title bar and borders so
    // the message line at the bottom stays on the screen.
    const QSize frame(2 * kFrameAllowance, kTitleAllowance + kFrameAllowance);
    const QSize room = (work.size() - frame).expandedTo(minimumSizeHint());
    resize(sizeHint().boundedTo(room));
    const QSize outer = size() + frame;
    move(work.x() + std::max(0, (work.width() - outer.width()) / 2),
         work.y() + std::max(0, (work.height() - outer.height()) / 2));
}

QIVForm::~QIVForm() = default;

uisupport::ProgramIdentity QIVForm::identity() {
    const auto& program = eaw::startup::outfitterProgram();
    return {QString::fromStdString(program.name), QString::fromLatin1(eaw::startup::suiteVersion()),
            QString::fromStdString(program.summary), u"OUT"_s};
}

void QIVForm::buildWindow() {
    setWindowTitle(texts::kWindowTitle);
    setWindowIcon(uisupport::programIcon(identity().badge));
    progressBar_ = new QProgressBar(this);
    progressBar_->setObjectName(u"progress"_s);
    progress_ = std::make_unique<ProgressDisplay>(this, progressBar_);

    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(u"SSTab1"_s);
    generalTab_ = new GeneralSettingsTab(*session_, tabs_);
    setsTab_ = new CompleteSetsTab(*session_, *progress_, tabs_);
    worldTab_ = new WorldSettingsTab(*session_, tabs_);
    autoscriptsTab_ = new AutoscriptsTab(*session_, *progress_, tabs_);
    planesTab_ = new PlanesSkinsTab(*session_, *progress_, tabs_);
    planeSetPanel_ = new PlaneSetPanel(*session_, planesTab_);
    planesTab_->setPlaneSetPanel(planeSetPanel_);
    // Each tab scrolls when the window is smaller than it, so no screen or scale makes the window
    // larger than the screen; on a larger window the tabs grow.
    const auto scrolled = [this](QWidget* tab) {
        auto* scroll = new TabScroll(tabs_);
        scroll->setObjectName(tab->objectName().isEmpty() ? u"tabScroll"_s : tab->objectName() + u"Scroll"_s);
        scroll->setWidgetResizable(true);
        scroll->setFrameShape(QFrame::NoFrame);
        scroll->setWidget(tab);
        return scroll;
    };
    tabs_->addTab(scrolled(generalTab_), texts::kTabGeneral);
    tabs_->addTab(scrolled(setsTab_), texts::kTabCompleteSets);
    tabs_->addTab(scrolled(worldTab_), texts::kTabWorld);
    tabs_->addTab(scrolled(autoscriptsTab_), texts::kTabAutoscripts);
    tabs_->addTab(scrolled(planesTab_), texts::kTabPlanesSkins);

    messages_ = new QPlainTextEdit(this);
    messages_->setObjectName(u"messages"_s);
    messages_->setReadOnly(true);
    messages_->setTabChangesFocus(true);
    messages_->setMaximumBlockCount(500);
    messages_->setFixedHeight(messages_->fontMetrics().lineSpacing() * 4 + 12);
    messages_->setPlaceholderText(u"Messages"_s);

    // "Minimise" before "Exit", in the focus chain as on the screen.
    undo_ = new QPushButton(texts::kUndo, this);
    undo_->setObjectName(u"Undo"_s);
    connect(undo_, &QPushButton::clicked, this, &QIVForm::undoLast);
    auto* undoKey = new QShortcut(QKeySequence::Undo, this);
    connect(undoKey, &QShortcut::activated, this, &QIVForm::undoLast);
    auto* command8 = new QPushButton(texts::kMinimise, this);
    command8->setObjectName(u"Command8"_s);
    auto* command3 = new QPushButton(texts::kExit, this);
    command3->setObjectName(u"Command3"_s);
    auto* showLogLabel = new uisupport::ClickLabel(u"Show log"_s, this);
    showLogLabel->setObjectName(u"ShowLog"_s);
    showLogLabel->setStyleSheet(u"color: #0000c0; text-decoration: underline;"_s);
    logPanel_ = new LogPanel(this);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(undo_);
    buttons->addWidget(command8);
    buttons->addWidget(command3);
    // Side by side, so "Undo" costs the messages box no height.
    auto* links = new QHBoxLayout;
    links->addWidget(showLogLabel);
    links->addStretch(1);
    links->addWidget(uisupport::makeAboutLabel(this, identity()));
    buttons->addLayout(links);
    buttons->addStretch(1);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(messages_, 1);
    bottom->addLayout(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_, 1);
    layout->addWidget(progressBar_);
    layout->addLayout(bottom);
    connect(command3, &QPushButton::clicked, this, &QIVForm::exitProgram);
    connect(command8, &QPushButton::clicked, this, &QWidget::showMinimized);
    connect(showLogLabel, &uisupport::ClickLabel::clicked, this, &QIVForm::showLog);
    connect(setsTab_, &CompleteSetsTab::problemsReported, this, &QIVForm::showMessages);
    connect(setsTab_, &CompleteSetsTab::summaryChanged, this,
            [this] { autoscriptsTab_->showSummary(session_->browser().summary()); });
    connect(autoscriptsTab_, &AutoscriptsTab::problemsReported, this, &QIVForm::showMessages);
    connect(generalTab_, &GeneralSettingsTab::problemsReported, this, &QIVForm::showMessages);
    connect(planesTab_, &PlanesSkinsTab::problemsReported, this, &QIVForm::showMessages);
    connect(planesTab_, &PlanesSkinsTab::summaryRefreshed, setsTab_, &CompleteSetsTab::redraw);
    connect(planeSetPanel_, &PlaneSetPanel::problemsReported, this, &QIVForm::showMessages);
    connect(planeSetPanel_, &PlaneSetPanel::installed, this, &QIVForm::planeSetInstalled);
    // Hovering an alternative aircraft shows its description and the skins made for it.
    connect(planeSetPanel_, &PlaneSetPanel::planeSetHovered, planesTab_,
            [tab = planesTab_](const QString& description, const QString& modelCode) {
                tab->resetPicture();
                tab->showDescription(description);
                tab->filterSkinsByCode(modelCode);
            });
    connect(planesTab_, &PlanesSkinsTab::filterChosen, planeSetPanel_, &PlaneSetPanel::applyList1Filter);
    connect(autoscriptsTab_, &AutoscriptsTab::launched, this, &QIVForm::afterLaunch);
    connect(autoscriptsTab_, &AutoscriptsTab::changed, setsTab_, &CompleteSetsTab::showChange);
    connect(autoscriptsTab_, &AutoscriptsTab::autoscriptsChanged, setsTab_,
            &CompleteSetsTab::refreshPackages);
    connect(worldTab_, &WorldSettingsTab::problemsReported, this, &QIVForm::showMessages);
    // What changes the game folder waits while the game runs from it or another program changes it;
    // looking and checking do not.
    auto* guard = new ChangeGuard(*session_, this);
    for (auto* panel : tabs_->findChildren<AddSetPanel*>())
        connect(panel, &AddSetPanel::busyChanged, guard, &ChangeGuard::setBusy);
    for (const auto* name : {"Unigrid", "Command1", "LoadQ", "Command6", "delmsn", "Label39", "G1", "Option1",
                             "InSaver", "Frame2", "List4", "AddSet", "Undo"})
        guard->watch(tabs_, QString::fromLatin1(name));
    guard->watch(tabs_, u"SK1"_s, true);
    connect(guard, &ChangeGuard::refused, this, &QIVForm::showMessages);
    orderFocusChain(layout);
}

void QIVForm::orderFocusChain(const QLayout* windowLayout) {
    // Tab goes through the tab bar, each tab's controls in reading order (Qt passes over those of
    // hidden tabs), then the bottom row.
    QList<QWidget*> chain{tabs_->tabBar()};
    for (int tab = 0; tab < tabs_->count(); ++tab)
        if (const auto* scroll = qobject_cast<QScrollArea*>(tabs_->widget(tab)); scroll && scroll->widget())
            collectWidget(scroll->widget(), chain);
    QList<QWidget*> window;
    collectReadingOrder(windowLayout, window);
    for (auto* widget : window)
        if (!chain.contains(widget) && !tabs_->isAncestorOf(widget))
            chain << widget;
    for (qsizetype i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);
}

SessionHooks QIVForm::hooks(QIVFormOptions& options) {
    SessionHooks hooks;
    hooks.startup = std::move(options.seams);
    hooks.planeSetsShown = [this] { planeSetPanel_->showGrid(); };
    hooks.planeSetsCleared = [this] { planeSetPanel_->clearGrid(); };
    hooks.skinsReset = [this] { planesTab_->showResetAll(); };
    hooks.historyChanged = [this] { showUndoable(); };
    hooks.restarted = [this] {
        if (!session_->browser().planeSetsShown())
            planeSetPanel_->clearGrid();
        showSession();
    };
    hooks.logged = [this](const Change&) {
        if (const auto problem = session_->log().takeProblem())
            messages_->appendPlainText(uisupport::fromProblem(*problem));
    };
    // A package's skins and aircraft: their rows are painted as the grids' own clicks would; what
    // failed comes back with the package's change.
    hooks.skinsChanged = [this](const SkinChange& change) { planesTab_->showSkinChange(change); };
    hooks.planeSetInstalled = [this](std::size_t row, const PlaneInstallReport& outcome) {
        planeSetPanel_->showInstall(static_cast<int>(row), outcome);
    };
    return hooks;
}

void QIVForm::planeSetInstalled() {
    BrowserChange shown;
    shown.summaryChanged = true; // the install wrote the ledger anew
    setsTab_->showChange(shown);
}

void QIVForm::showProblems(const common::Problems& problems) {
    for (const auto& problem : problems)
        messages_->appendPlainText(uisupport::fromProblem(problem));
}

void QIVForm::showMessages(const QStringList& lines) {
    for (const auto& line : lines)
        messages_->appendPlainText(line);
}

void QIVForm::afterLaunch(LaunchStyle style) {
    if (style == LaunchStyle::MinimiseAndLaunch)
        showMinimized();
    else if (style == LaunchStyle::ExitAndLaunch)
        exitProgram();
}

void QIVForm::showLog() {
    const auto& log = session_->log();
    const auto text = log.read();
    if (!text.ok()) {
        messages_->appendPlainText(uisupport::fromProblem(*text.problem));
        return;
    }
    logPanel_->setGeometry(tabs_->geometry());
    logPanel_->open(text.value, uisupport::fromPath(log.file()));
}

void QIVForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (fitted_)
        return;
    fitted_ = true;
    // The tab pane's own frame is known only once the window is laid out on the screen.
    QTimer::singleShot(0, this, &QIVForm::widenToTabs);
}

void QIVForm::widenToTabs() {
    // Widen the window by whatever the widest tab still lacks, as far as the work area allows.
    const auto* page = tabs_->currentWidget();
    if (!page || !screen())
        return;
    int lacking = 0;
    for (int tab = 0; tab < tabs_->count(); ++tab)
        lacking = std::max(lacking, tabs_->widget(tab)->sizeHint().width() - page->width());
    const QRect work = screen()->availableGeometry();
    const int wanted = std::min(work.width() - 2 * kFrameAllowance, width() + lacking);
    if (wanted <= width())
        return;
    resize(wanted, height());
    if (frameGeometry().right() > work.right())
        move(std::max(work.left(), work.right() - frameGeometry().width() + 1), y());
}

void QIVForm::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (logPanel_ && tabs_)
        logPanel_->setGeometry(tabs_->geometry());
}

void QIVForm::exitProgram() {
    close();
    if (endProgram_)
        endProgram_();
    else
        QApplication::quit();
}

} // namespace outfitter
