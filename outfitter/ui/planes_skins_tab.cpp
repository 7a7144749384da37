#include "planes_skins_tab.h"

#include "progress_display.h"
#include "settings_texts.h"
#include "skin_grid.h"
#include "ui_support/click_label.h"
#include "ui_support/message_box.h"
#include "ui_support/picture.h"
#include "ui_support/qt_text.h"

#include "common/names.h"

#include "ui_support/list_choice.h"

#include <QCheckBox>
#include <QEvent>
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

constexpr QSize kPictureSize{240, 180};

// The session wrote the ledger anew with the skin's change: the sets tab shows the new summary.
BrowserChange summaryShown() {
    BrowserChange shown;
    shown.summaryChanged = true;
    return shown;
}

// Restores a flag on every way out of a handler.
class Raised final {
  public:
    explicit Raised(bool& flag) : flag_(flag), old_(flag) { flag_ = true; }
    ~Raised() { flag_ = old_; }
    Raised(const Raised&) = delete;
    Raised& operator=(const Raised&) = delete;

  private:
    bool& flag_;
    bool old_;
};

QString descriptionText(const std::vector<std::string>& lines) {
    QString text;
    for (const auto& line : lines)
        text += uisupport::fromGameBytes(line) + u'\n';
    return text;
}

} // namespace

PlanesSkinsTab::PlanesSkinsTab(SelectorSession& session, ProgressDisplay& progress, QWidget* parent)
    : QWidget(parent), session_(session), progress_(progress), skinFilter_(new QListWidget(this)),
      skinGrid_(new SkinGrid(this)), doubleClickHint_(new QLabel(texts::kDoubleClickHint, this)),
      includeFlightData_(new QCheckBox(texts::kIncludeFlt, this)),
      clearAllSkins_(new uisupport::ClickLabel(texts::kClearAllSkins, this)), picture_(new QLabel(this)),
      description_(new QPlainTextEdit(this)), newName_(new QLineEdit(this)),
      rename_(new QPushButton(texts::kReName, this)), planeSetPlace_(new QVBoxLayout) {
    skinFilter_->setObjectName(u"List1"_s);
    skinFilter_->setFixedWidth(90);
    doubleClickHint_->setObjectName(u"Label7"_s);
    includeFlightData_->setObjectName(u"Check5"_s);
    includeFlightData_->setToolTip(texts::kIncludeFltTip);
    clearAllSkins_->setObjectName(u"Label39"_s);
    clearAllSkins_->setStyleSheet(u"color: #0000c0; text-decoration: underline;"_s);
    picture_->setObjectName(u"Image2"_s);
    picture_->setFixedSize(kPictureSize);
    picture_->setAlignment(Qt::AlignCenter);
    picture_->setFrameShape(QFrame::StyledPanel);
    description_->setObjectName(u"Text10"_s);
    description_->setReadOnly(true);
    description_->setTabChangesFocus(true);
    description_->setFixedWidth(kPictureSize.width());
    newName_->setObjectName(u"Text3"_s);
    newName_->setFixedWidth(kPictureSize.width());
    rename_->setObjectName(u"Command12"_s);

    auto* skinColumn = new QVBoxLayout;
    skinColumn->addWidget(doubleClickHint_);
    skinColumn->addWidget(skinGrid_, 1);
    auto* options = new QHBoxLayout;
    options->addWidget(includeFlightData_);
    options->addStretch(1);
    options->addWidget(clearAllSkins_);
    skinColumn->addLayout(options);

    auto* detail = new QVBoxLayout;
    detail->addWidget(picture_);
    detail->addWidget(description_, 1);
    detail->addWidget(newName_);
    detail->addWidget(rename_, 0, Qt::AlignLeft);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(skinFilter_);
    layout->addLayout(skinColumn);
    layout->addLayout(planeSetPlace_, 1);
    layout->addLayout(detail);

    for (QWidget* widget :
         std::initializer_list<QWidget*>{skinFilter_, skinGrid_, doubleClickHint_, rename_, newName_})
        widget->hide();

    // A click filters on release, also on the entry already chosen; keys filter as the entry changes.
    skinFilter_->viewport()->installEventFilter(this);
    connect(skinFilter_, &QListWidget::currentRowChanged, this, [this](int position) {
        if (!list1Pressed_)
            chooseFilter(position);
    });
    connect(skinFilter_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { chooseFilter(skinFilter_->row(item)); });
    connect(skinGrid_, &QTableWidget::cellClicked, this, &PlanesSkinsTab::clickCell);
    connect(skinGrid_, &QTableWidget::currentCellChanged, this,
            [this](int row, int column, int, int) { clickCell(row, column); });
    connect(skinGrid_, &SkinGrid::rowHovered, this, &PlanesSkinsTab::hoverRow);
    uisupport::focusNeverChooses(skinFilter_);
    uisupport::focusNeverChooses(skinGrid_);
    connect(skinGrid_, &SkinGrid::rowActivated, this, &PlanesSkinsTab::activate);
    connect(includeFlightData_, &QCheckBox::toggled, this,
            [this](bool on) { session_.setIncludeFlightData(on); });
    connect(clearAllSkins_, &uisupport::ClickLabel::clicked, this, &PlanesSkinsTab::Skinkill);
    connect(rename_, &QPushButton::clicked, this, &PlanesSkinsTab::rename);
}

void PlanesSkinsTab::showStartup(const StartupResult& startup) {
    background_ = startup.backgroundPicture;
    Raised busy(busy_);
    skinFilter_->blockSignals(true);
    skinFilter_->clear();
    skinFilter_->addItem(texts::kSkinAll);
    skinFilter_->addItem(texts::kSkinSelected);
    for (const auto code : kPlaneCodes)
        skinFilter_->addItem(uisupport::fromGameBytes(common::toUpperAscii(code)));
    skinFilter_->setCurrentRow(0);
    skinFilter_->blockSignals(false);
    skinGrid_->showRows(session_.skins().rows());
    const bool any = !session_.skins().rows().empty();
    for (QWidget* widget :
         std::initializer_list<QWidget*>{skinFilter_, skinGrid_, doubleClickHint_, rename_, newName_})
        widget->setVisible(any);
    resetPicture();
    skinGrid_->showOnly(session_.skins().filter(0));
}

bool PlanesSkinsTab::eventFilter(QObject* watched, QEvent* event) {
    if (watched == skinFilter_->viewport()) {
        if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick)
            list1Pressed_ = true;
        else if (event->type() == QEvent::MouseButtonRelease)
            list1Pressed_ = false; // seen before the list's own release, which sends the click
    }
    return QWidget::eventFilter(watched, event);
}

void PlanesSkinsTab::setPlaneSetPanel(QWidget* panel) {
    if (!panel)
        return;
    panel->setParent(this);
    planeSetPlace_->addWidget(panel);
}

void PlanesSkinsTab::showResetAll() {
    {
        Raised busy(busy_);
        for (int row = 0; row < skinGrid_->rowCount(); ++row)
            skinGrid_->paintRow(row, session_.skins().rows()[static_cast<std::size_t>(row)]);
        skinFilter_->blockSignals(true);
        skinFilter_->setCurrentRow(1);
        skinFilter_->blockSignals(false);
    }
    chooseFilter(1);
}

void PlanesSkinsTab::resetPicture() {
    uisupport::showPicture(picture_, background_);
}

void PlanesSkinsTab::showDescription(const QString& text) {
    description_->setPlainText(text);
}

void PlanesSkinsTab::filterSkinsByCode(const QString& code) {
    Raised busy(busy_);
    skinGrid_->showOnly(session_.skins().filterByCode(uisupport::toGameBytes(code)));
}

void PlanesSkinsTab::chooseFilter(int position) {
    if (position < 0)
        return;
    {
        Raised busy(busy_);
        skinGrid_->showOnly(session_.skins().filter(static_cast<std::size_t>(position)));
    }
    emit filterChosen(position);
}

void PlanesSkinsTab::clickCell(int row, int column) {
    if (busy_ || row < 0 || row >= skinGrid_->rowCount())
        return;
    currentCode_ = session_.skins().rows()[static_cast<std::size_t>(row)].code;
    showSkin(row, false);
    if (const auto* cell = skinGrid_->item(row, std::max(column, 0)))
        newName_->setText(cell->text());
}

void PlanesSkinsTab::hoverRow(int row) {
    if (row == hoveredRow_)
        return;
    hoveredRow_ = row;
    showSkin(row, true);
}

void PlanesSkinsTab::showSkin(int row, bool hovering) {
    description_->clear();
    resetPicture();
    const auto view = session_.skins().describe(static_cast<std::size_t>(row), hovering);
    showDescription(descriptionText(view.description));
    if (view.picture)
        uisupport::showPicture(picture_, view.picture);
    report(view.problems);
}

void PlanesSkinsTab::activate(int row) {
    if (row < 0 || row >= skinGrid_->rowCount())
        return;
    Raised busy(busy_);
    SkinChange change;
    {
        ProgressDisplay::Job job(progress_);
        change = session_.toggleSkin(static_cast<std::size_t>(row), job.callback());
    }
    afterChange(change);
}

void PlanesSkinsTab::Skinkill() {
    Raised busy(busy_);
    SkinChange change;
    {
        ProgressDisplay::Job job(progress_);
        change = session_.removeAllSkins(job.callback());
    }
    afterChange(change);
}

void PlanesSkinsTab::showSkinChange(const SkinChange& change) {
    for (const auto row : change.rowsChanged)
        skinGrid_->paintRow(static_cast<int>(row), session_.skins().rows()[row]);
    if (const auto line = session_.skins().describe(change); !line.empty())
        emit problemsReported({QString::fromLocal8Bit(line)});
}

void PlanesSkinsTab::afterChange(const SkinChange& change) {
    showSkinChange(change);
    report(change.work.problems);
    if (change.summaryDue)
        emit summaryRefreshed(summaryShown());
}

void PlanesSkinsTab::rename() {
    const int row = skinGrid_->currentRow();
    if (row < 0) {
        emit problemsReported({texts::kChooseSkinFirst});
        return;
    }
    const QString wanted = newName_->text();
    const auto outcome = session_.renameSkin(static_cast<std::size_t>(row), uisupport::toNameBytes(wanted));
    switch (outcome.check.verdict) {
    case SkinNameVerdict::InUse:
        uisupport::MessageBox::exclamation(this, texts::kRenameTitle, texts::kNameInUse);
        return;
    case SkinNameVerdict::DiffersOnlyInCase:
        uisupport::MessageBox::exclamation(this, texts::kRenameTitle, texts::kNameInUse);
        emit problemsReported(
            {u"\"%1\" differs from the skin \"%2\" only in letter case; choose another name."_s.arg(
                wanted, uisupport::fromNameBytes(outcome.check.clash))});
        return;
    case SkinNameVerdict::Empty:
        emit problemsReported({u"Type the skin's new name in the box above \"Re-Name\"."_s});
        return;
    case SkinNameVerdict::NotAFolderName:
        emit problemsReported({u"\"%1\" cannot be a skin name: %2."_s.arg(
            wanted, QString::fromStdString(outcome.check.reason))});
        return;
    case SkinNameVerdict::Usable:
        break;
    }
    if (outcome.problem) {
        report({*outcome.problem});
        return;
    }
    {
        Raised busy(busy_);
        skinGrid_->paintRow(row, session_.skins().rows()[static_cast<std::size_t>(row)]);
    }
    if (outcome.summaryDue)
        emit summaryRefreshed(summaryShown());
}

void PlanesSkinsTab::report(const common::Problems& problems) {
    if (!problems.empty())
        emit problemsReported(uisupport::problemLines(problems));
}

} // namespace outfitter
