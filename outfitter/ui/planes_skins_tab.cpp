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
    : QWidget(parent), session_(session), skins_(session.skins()), progress_(progress),
      list1_(new QListWidget(this)), sk1_(new SkinGrid(this)),
      label7_(new QLabel(texts::kDoubleClickHint, this)), check5_(new QCheckBox(texts::kIncludeFlt, this)),
      label39_(new uisupport::ClickLabel(texts::kClearAllSkins, this)), image2_(new QLabel(this)),
      text10_(new QPlainTextEdit(this)), text3_(new QLineEdit(this)),
      command12_(new QPushButton(texts::kReName, this)), planeSetPlace_(new QVBoxLayout) {
    list1_->setObjectName(u"List1"_s);
    list1_->setFixedWidth(90);
    label7_->setObjectName(u"Label7"_s);
    check5_->setObjectName(u"Check5"_s);
    check5_->setToolTip(texts::kIncludeFltTip);
    label39_->setObjectName(u"Label39"_s);
    label39_->setStyleSheet(u"color: #0000c0; text-decoration: underline;"_s);
    image2_->setObjectName(u"Image2"_s);
    image2_->setFixedSize(kPictureSize);
    image2_->setAlignment(Qt::AlignCenter);
    image2_->setFrameShape(QFrame::StyledPanel);
    text10_->setObjectName(u"Text10"_s);
    text10_->setReadOnly(true);
    text10_->setTabChangesFocus(true);
    text10_->setFixedWidth(kPictureSize.width());
    text3_->setObjectName(u"Text3"_s);
    text3_->setFixedWidth(kPictureSize.width());
    command12_->setObjectName(u"Command12"_s);

    auto* skinColumn = new QVBoxLayout;
    skinColumn->addWidget(label7_);
    skinColumn->addWidget(sk1_, 1);
    auto* options = new QHBoxLayout;
    options->addWidget(check5_);
    options->addStretch(1);
    options->addWidget(label39_);
    skinColumn->addLayout(options);

    auto* detail = new QVBoxLayout;
    detail->addWidget(image2_);
    detail->addWidget(text10_, 1);
    detail->addWidget(text3_);
    detail->addWidget(command12_, 0, Qt::AlignLeft);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(list1_);
    layout->addLayout(skinColumn);
    layout->addLayout(planeSetPlace_, 1);
    layout->addLayout(detail);

    for (QWidget* widget : std::initializer_list<QWidget*>{list1_, sk1_, label7_, command12_, text3_})
        widget->hide();

    // A click filters on release, also on the entry already chosen; keys filter as the entry changes.
    list1_->viewport()->installEventFilter(this);
    connect(list1_, &QListWidget::currentRowChanged, this, [this](int position) {
        if (!list1Pressed_)
            chooseFilter(position);
    });
    connect(list1_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { chooseFilter(list1_->row(item)); });
    connect(sk1_, &QTableWidget::cellClicked, this, &PlanesSkinsTab::clickCell);
    connect(sk1_, &QTableWidget::currentCellChanged, this,
            [this](int row, int column, int, int) { clickCell(row, column); });
    connect(sk1_, &SkinGrid::rowHovered, this, &PlanesSkinsTab::hoverRow);
    uisupport::focusNeverChooses(list1_);
    uisupport::focusNeverChooses(sk1_);
    connect(sk1_, &SkinGrid::rowActivated, this, &PlanesSkinsTab::activate);
    connect(check5_, &QCheckBox::toggled, this,
            [this](bool on) { session_.skins().setIncludeFlightData(on); });
    connect(label39_, &uisupport::ClickLabel::clicked, this, &PlanesSkinsTab::Skinkill);
    connect(command12_, &QPushButton::clicked, this, &PlanesSkinsTab::rename);
}

void PlanesSkinsTab::showStartup(const StartupResult& startup) {
    background_ = startup.backgroundPicture;
    Raised busy(busy_);
    list1_->blockSignals(true);
    list1_->clear();
    list1_->addItem(texts::kSkinAll);
    list1_->addItem(texts::kSkinSelected);
    for (const auto code : kPlaneCodes)
        list1_->addItem(uisupport::fromGameBytes(common::toUpperAscii(code)));
    list1_->setCurrentRow(0);
    list1_->blockSignals(false);
    sk1_->showRows(skins_.rows());
    const bool any = !skins_.rows().empty();
    for (QWidget* widget : std::initializer_list<QWidget*>{list1_, sk1_, label7_, command12_, text3_})
        widget->setVisible(any);
    resetPicture();
    sk1_->showOnly(skins_.filter(0));
}

bool PlanesSkinsTab::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list1_->viewport()) {
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
        for (int row = 0; row < sk1_->rowCount(); ++row)
            sk1_->paintRow(row, skins_.rows()[static_cast<std::size_t>(row)]);
        list1_->blockSignals(true);
        list1_->setCurrentRow(1);
        list1_->blockSignals(false);
    }
    chooseFilter(1);
}

void PlanesSkinsTab::resetPicture() {
    uisupport::showPicture(image2_, background_);
}

void PlanesSkinsTab::showDescription(const QString& text) {
    text10_->setPlainText(text);
}

void PlanesSkinsTab::filterSkinsByCode(const QString& code) {
    Raised busy(busy_);
    sk1_->showOnly(skins_.filterByCode(uisupport::toGameBytes(code)));
}

void PlanesSkinsTab::chooseFilter(int position) {
    if (position < 0)
        return;
    {
        Raised busy(busy_);
        sk1_->showOnly(skins_.filter(static_cast<std::size_t>(position)));
    }
    emit filterChosen(position);
}

void PlanesSkinsTab::clickCell(int row, int column) {
    if (busy_ || row < 0 || row >= sk1_->rowCount())
        return;
    currentCode_ = skins_.rows()[static_cast<std::size_t>(row)].code;
    showSkin(row, false);
    if (const auto* cell = sk1_->item(row, std::max(column, 0)))
        text3_->setText(cell->text());
}

void PlanesSkinsTab::hoverRow(int row) {
    if (row == hoveredRow_)
        return;
    hoveredRow_ = row;
    showSkin(row, true);
}

void PlanesSkinsTab::showSkin(int row, bool hovering) {
    text10_->clear();
    resetPicture();
    const auto view = skins_.describe(static_cast<std::size_t>(row), hovering);
    showDescription(descriptionText(view.description));
    if (view.picture)
        uisupport::showPicture(image2_, view.picture);
    report(view.problems);
}

bool PlanesSkinsTab::refusedWhileRefreshing() {
    // The summary refresh does nothing while "Refresh!" replays the ledger, so a change now would
    // never reach the ledger.
    if (session_.acceptsChanges())
        return false;
    emit problemsReported({texts::kSkinsWaitForRefresh});
    return true;
}

void PlanesSkinsTab::activate(int row) {
    if (row < 0 || row >= sk1_->rowCount() || refusedWhileRefreshing())
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
    if (refusedWhileRefreshing())
        return;
    Raised busy(busy_);
    SkinChange change;
    {
        ProgressDisplay::Job job(progress_);
        change = session_.removeAllSkins(job.callback());
    }
    afterChange(change);
}

void PlanesSkinsTab::afterChange(const SkinChange& change) {
    for (const auto row : change.rowsChanged)
        sk1_->paintRow(static_cast<int>(row), skins_.rows()[row]);
    if (const auto line = skins_.describe(change); !line.empty())
        emit problemsReported({QString::fromLocal8Bit(line)});
    report(change.work.problems);
    if (change.summaryDue)
        emit summaryRefreshed(session_.refreshSummary());
}

void PlanesSkinsTab::rename() {
    const int row = sk1_->currentRow();
    if (row < 0) {
        emit problemsReported({texts::kChooseSkinFirst});
        return;
    }
    if (refusedWhileRefreshing())
        return;
    const QString wanted = text3_->text();
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
        sk1_->paintRow(row, skins_.rows()[static_cast<std::size_t>(row)]);
    }
    if (outcome.summaryDue)
        emit summaryRefreshed(session_.refreshSummary());
}

void PlanesSkinsTab::report(const common::Problems& problems) {
    if (!problems.empty())
        emit problemsReported(uisupport::problemLines(problems));
}

} // namespace outfitter
