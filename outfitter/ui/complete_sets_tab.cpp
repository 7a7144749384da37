#include "complete_sets_tab.h"

#include "folder_check_button.h"
#include "set_files_panel.h"

#include "add_set_panel.h"
#include "package_panel.h"
#include "progress_display.h"
#include "qiv_form_texts.h"
#include "set_grid.h"
#include "ui_support/click_label.h"
#include "ui_support/message_box.h"
#include "ui_support/picture.h"
#include "ui_support/qt_text.h"

#include "ui_support/list_choice.h"

#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace outfitter {

namespace {

constexpr QSize kPictureSize{240, 180};

QLabel* pictureLabel(const QString& name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setFixedSize(kPictureSize);
    label->setAlignment(Qt::AlignCenter);
    label->setFrameShape(QFrame::StyledPanel);
    return label;
}

QScrollArea* scrolling(QLabel* label, QWidget* parent) {
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    label->setMargin(4);
    auto* area = new QScrollArea(parent);
    area->setWidget(label);
    area->setWidgetResizable(true);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area->setFixedWidth(kPictureSize.width());
    area->setBackgroundRole(QPalette::Base);
    return area;
}

QString joinedLines(const std::vector<std::string>& lines) {
    QStringList out;
    for (const auto& line : lines)
        out << uisupport::fromGameBytes(line);
    return out.join(u'\n');
}

// The summary lists the names of loaded folders, in the file system's encoding.
QString joinedNames(const std::vector<std::string>& lines) {
    QStringList out;
    for (const auto& line : lines)
        out << uisupport::fromNameBytes(line);
    return out.join(u'\n');
}

} // namespace

CompleteSetsTab::CompleteSetsTab(SelectorSession& session, ProgressDisplay& progress, QWidget* parent)
    : QWidget(parent), session_(session), progress_(progress), categoryList_(new QListWidget(this)),
      categoryLetter_(new QLabel(this)), unigrid_(new SetGrid(this)),
      refreshLink_(new uisupport::ClickLabel(texts::kRefresh, this)), loadedSummary_(new QLabel(this)),
      myImage_(pictureLabel(u"MyImage"_s, this)), myLabel_(new QLabel(this)),
      descriptionText_(new QPlainTextEdit(this)), resetAll_(new QPushButton(texts::kResetAll, this)),
      packages_(new PackagePanel(session, progress, this)), addSet_(new AddSetPanel(session, this)),
      loadFrame_(new QFrame(this)), setFiles_(new SetFilesPanel(session, this)),
      checkFolder_(new FolderCheckButton(session, progress, this)) {
    categoryList_->setObjectName(u"List3"_s);
    categoryList_->setFixedWidth(220);
    categoryList_->setMouseTracking(true);
    categoryList_->viewport()->setMouseTracking(true);
    categoryList_->viewport()->installEventFilter(this);
    categoryLetter_->setObjectName(u"Label6"_s);
    categoryLetter_->setMinimumWidth(20);
    refreshLink_->setObjectName(u"Label33"_s);
    refreshLink_->setStyleSheet(u"color: #0000c0; text-decoration: underline;"_s);
    loadedSummary_->setObjectName(u"Label8"_s);
    loadedSummary_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    myLabel_->setObjectName(u"MyLabel"_s);
    // The same description in a box the player can select and copy from.
    descriptionText_->setObjectName(u"Text9"_s);
    descriptionText_->setReadOnly(true);
    descriptionText_->setTabChangesFocus(true);
    descriptionText_->hide();
    resetAll_->setObjectName(u"Command1"_s);
    resetAll_->setToolTip(texts::kResetAllTip);
    loadFrame_->setObjectName(u"LoadFrame"_s);
    loadFrame_->setMouseTracking(true);
    loadFrame_->installEventFilter(this);

    auto* letterRow = new QHBoxLayout;
    letterRow->addWidget(new QLabel(texts::kCodeLetter, this));
    letterRow->addWidget(categoryLetter_);
    letterRow->addStretch(1);
    auto* categories = new QVBoxLayout;
    categories->addLayout(letterRow);
    categories->addWidget(categoryList_, 1);

    auto* label22 = new QLabel(texts::kLoadHint, loadFrame_);
    label22->setObjectName(u"Label22"_s);
    label22->setWordWrap(true);
    auto* grid = new QVBoxLayout(loadFrame_);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(label22);
    grid->addWidget(unigrid_, 0, Qt::AlignLeft);
    // "Add a set..." sits beside "Refresh!", so the files panel below keeps the height that is left.
    auto* gridActions = new QHBoxLayout;
    gridActions->addWidget(refreshLink_, 0, Qt::AlignLeft | Qt::AlignVCenter);
    gridActions->addStretch(1);
    gridActions->addWidget(addSet_);
    grid->addLayout(gridActions);
    grid->addWidget(setFiles_, 1);
    label22->setFixedWidth(unigrid_->width());

    auto* frame23 = new QGroupBox(texts::kDetailHint, this);
    frame23->setObjectName(u"Frame23"_s);
    auto* detail = new QVBoxLayout(frame23);
    detail->addWidget(myImage_);
    auto* description = scrolling(myLabel_, frame23);
    description->setFixedHeight(90);
    detail->addWidget(description);
    detail->addWidget(descriptionText_);
    frame23->setFixedWidth(kPictureSize.width() + detail->contentsMargins().left() +
                           detail->contentsMargins().right());

    auto* side = new QVBoxLayout;
    side->addWidget(frame23);
    side->addWidget(new QLabel(texts::kWhatsSet, this));
    side->addWidget(scrolling(loadedSummary_, this), 1);
    side->addWidget(resetAll_, 0, Qt::AlignLeft);
    side->addWidget(checkFolder_, 0, Qt::AlignLeft);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(categories);
    layout->addWidget(loadFrame_, 1);
    layout->addLayout(side);
    layout->addWidget(packages_);

    refreshTimer_.setInterval(kRefreshRowDelayMs);
    connect(&refreshTimer_, &QTimer::timeout, this, &CompleteSetsTab::addNextRow);
    connect(categoryList_, &QListWidget::currentRowChanged, this, &CompleteSetsTab::chooseCategory);
    uisupport::focusNeverChooses(categoryList_);
    connect(unigrid_, &SetGrid::rowChosen, this, &CompleteSetsTab::chooseRow);
    connect(unigrid_, &SetGrid::rowHovered, this, &CompleteSetsTab::hoverRow);
    connect(refreshLink_, &uisupport::ClickLabel::clicked, this, &CompleteSetsTab::startRefresh);
    connect(resetAll_, &QPushButton::clicked, this, &CompleteSetsTab::resetAll);
    connect(packages_, &PackagePanel::changed, this, &CompleteSetsTab::redraw);
    connect(packages_, &PackagePanel::problemsReported, this, &CompleteSetsTab::problemsReported);
    connect(addSet_, &AddSetPanel::problemsReported, this, &CompleteSetsTab::problemsReported);
    connect(addSet_, &AddSetPanel::added, this, &CompleteSetsTab::showAdded);
    connect(addSet_, &AddSetPanel::busyChanged, this, &CompleteSetsTab::setBusy);
    connect(unigrid_, &SetGrid::pathsDropped, addSet_, &AddSetPanel::add);
    connect(unigrid_, &QTableWidget::currentCellChanged, setFiles_,
            [this](int row) { setFiles_->showSet(row); });
    connect(setFiles_, &SetFilesPanel::problemsReported, this, &CompleteSetsTab::problemsReported);
    connect(checkFolder_, &FolderCheckButton::problemsReported, this, &CompleteSetsTab::problemsReported);
    connect(checkFolder_, &FolderCheckButton::loadedAgain, setFiles_, &SetFilesPanel::refresh);
}

void CompleteSetsTab::setBusy(bool busy) {
    // Nothing else changes the game folder or "QIV128" while a set is being unpacked.
    for (QWidget* part : {static_cast<QWidget*>(unigrid_), static_cast<QWidget*>(refreshLink_),
                          static_cast<QWidget*>(resetAll_), static_cast<QWidget*>(packages_)})
        part->setEnabled(!busy);
}

void CompleteSetsTab::showAdded(const SelectorSession::Added& added) {
    fillCategoryList();
    unigrid_->showRows(session_.browser().rows());
    chooseCategory(categoryList_->currentRow());
    redraw(added.change);
    if (!added.rows.empty()) {
        const int row = static_cast<int>(added.rows.front());
        if (unigrid_->isRowHidden(row)) { // a category that hides it: show them all
            categoryList_->setCurrentRow(0);
            chooseCategory(0);
        }
        unigrid_->setCurrentCell(row, 1);
        unigrid_->scrollToItem(unigrid_->item(row, 1));
        hoverRow(row);
    }
}

void CompleteSetsTab::showStartup(const StartupResult& startup) {
    fillCategoryList();
    unigrid_->showRows(session_.browser().rows());
    loadedSummary_->setText(joinedNames(session_.browser().summary()));
    background_ = startup.backgroundPicture;
    showBackground();
    packages_->showStartup(startup);
    categoryList_->setCurrentRow(0);
    chooseCategory(0);
}

void CompleteSetsTab::fillCategoryList() {
    const int current = categoryList_->currentRow();
    categoryList_->blockSignals(true);
    categoryList_->clear();
    categoryList_->addItem(texts::kShowAll);
    categoryList_->addItem(texts::kShowSelections);
    for (const auto& category : session_.browser().categories().categories())
        categoryList_->addItem(uisupport::fromGameBytes(category.description));
    if (current >= 0 && current < categoryList_->count())
        categoryList_->setCurrentRow(current);
    categoryList_->blockSignals(false);
}

bool CompleteSetsTab::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove &&
        (watched == categoryList_->viewport() || watched == loadFrame_)) {
        myLabel_->clear();
        descriptionText_->clear();
        showBackground();
    }
    return QWidget::eventFilter(watched, event);
}

void CompleteSetsTab::chooseCategory(int position) {
    if (position < 0)
        return;
    const auto view = session_.browser().filter(static_cast<std::size_t>(position));
    categoryLetter_->setText(uisupport::fromGameBytes(view.letter));
    unigrid_->setHeaderText(uisupport::fromGameBytes(view.header),
                            categoryList_->palette().color(QPalette::Base));
    unigrid_->showOnly(view.visible);
}

void CompleteSetsTab::chooseRow(int row) {
    if (row < 0)
        return;
    BrowserChange change;
    {
        ProgressDisplay::Job job(progress_);
        change = session_.clickSet(static_cast<std::size_t>(row), job.callback());
    }
    redraw(change);
    unigrid_->setCurrentCell(row, 1);
}

void CompleteSetsTab::hoverRow(int row) {
    if (row < 0 || row == hoveredRow_)
        return;
    myLabel_->clear();
    descriptionText_->clear();
    showBackground();
    const auto description = session_.browser().describe(static_cast<std::size_t>(row));
    myLabel_->setText(joinedLines(description.lines));
    descriptionText_->setPlainText(myLabel_->text());
    if (description.picture)
        uisupport::showPicture(myImage_, description.picture);
    hoveredRow_ = row;
    report(description.problems);
    setFiles_->showSet(row);
    if (auto* item = unigrid_->item(row, 1))
        item->setToolTip(setFiles_->toolTipFor(row));
}

void CompleteSetsTab::showBackground() {
    uisupport::showPicture(myImage_, background_);
}

void CompleteSetsTab::startRefresh() {
    if (session_.browser().refreshing())
        return;
    resetAll_->setEnabled(false);
    report(session_.beginRefresh());
    refreshVisible_ =
        session_.browser().filter(static_cast<std::size_t>(std::max(0, categoryList_->currentRow()))).visible;
    refreshNext_ = 0;
    hoveredRow_ = -1;
    unigrid_->clearRows();
    refreshTimer_.start();
}

void CompleteSetsTab::addNextRow() {
    const auto& rows = session_.browser().rows();
    if (refreshNext_ < rows.size()) {
        const int at = unigrid_->rowCount();
        unigrid_->appendRow(rows[refreshNext_]);
        unigrid_->setRowHidden(at, refreshNext_ < refreshVisible_.size() && !refreshVisible_[refreshNext_]);
        ++refreshNext_;
        return;
    }
    refreshTimer_.stop();
    const auto change = session_.finishRefresh();
    fillCategoryList(); // "Refresh!" read "qiv.ini" again
    redraw(change);
    chooseCategory(categoryList_->currentRow());
    resetAll_->setEnabled(true);
    emit refreshFinished();
}

void CompleteSetsTab::refreshPackages() {
    packages_->refreshPackages();
}

void CompleteSetsTab::resetAll() {
    const auto preview = session_.browser().previewResetAll();
    report(preview.problems);
    QString question = u"Reset All deletes %1 from the game folder"_s.arg(
        preview.filesToDelete == 1 ? u"1 file"_s : u"%1 files"_s.arg(preview.filesToDelete));
    if (preview.skinsToRemove > 0)
        question += preview.skinsToRemove == 1 ? u", removes 1 skin"_s
                                               : u", removes %1 skins"_s.arg(preview.skinsToRemove);
    if (preview.originals > 0)
        question += preview.originals == 1 ? u" and puts 1 kept original back"_s
                                           : u" and puts %1 kept originals back"_s.arg(preview.originals);
    question += u", and unloads every set. Undo brings it all back. Go on?"_s;
    QStringList taken;
    for (const auto& name : preview.taken)
        taken << uisupport::fromNameBytes(name);
    if (uisupport::MessageBox::question(this, texts::kResetAll, question, taken.join(u'\n')) !=
        QMessageBox::Yes) {
        emit problemsReported({u"Reset All was not done; nothing changed."_s});
        return;
    }
    BrowserChange change;
    {
        ProgressDisplay::Job job(progress_);
        loadedSummary_->clear();
        job.callback()(FileWorkProgress{kCleaningCaption, 0.0});
        change = session_.resetAll(job.callback());
    }
    redraw(change);
}

void CompleteSetsTab::redraw(const BrowserChange& change) {
    const auto& rows = session_.browser().rows();
    for (const auto row : change.rowsChanged)
        unigrid_->paintMark(static_cast<int>(row), rows[row].loaded);
    if (change.summaryChanged) {
        loadedSummary_->setText(joinedNames(session_.browser().summary()));
        emit summaryChanged();
    }
    QStringList told;
    for (const auto& line : change.told)
        told << QString::fromLocal8Bit(line);
    if (!told.isEmpty())
        emit problemsReported(told);
    report(change.work.problems);
    setFiles_->refresh();
    if (auto* item = unigrid_->item(setFiles_->shownRow(), 1))
        item->setToolTip(setFiles_->toolTipFor(setFiles_->shownRow()));
}

void CompleteSetsTab::report(const common::Problems& problems) {
    if (!problems.empty())
        emit problemsReported(uisupport::problemLines(problems));
}

} // namespace outfitter
