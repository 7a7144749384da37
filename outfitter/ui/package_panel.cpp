#include "package_panel.h"

#include "package_texts.h"
#include "progress_display.h"
#include "qiv_form_texts.h"
#include "ui_support/name_items.h"
#include "ui_support/picture.h"
#include "ui_support/qt_text.h"

#include "ui_support/list_choice.h"

#include <QCheckBox>
#include <QClipboard>
#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace outfitter {

namespace {

constexpr int kPanelWidth = 220;

QString joinedLines(const std::vector<std::string>& lines) {
    QStringList out;
    for (const auto& line : lines)
        out << uisupport::fromGameBytes(line);
    return out.join(u'\n');
}

} // namespace

PackagePanel::PackagePanel(SelectorSession& session, ProgressDisplay& progress, QWidget* parent)
    : QWidget(parent), session_(session), progress_(progress), hint_(texts::kOnlineAutoLoad),
      onlineHint_(new QLabel(hint_, this)), gupc_(new QListWidget(this)), picture_(new QLabel(this)),
      items_(new QListWidget(this)), itemDescription_(new QLabel(this)),
      resetFirst_(new QCheckBox(texts::kResetBeforeLoading, this)),
      postOnline_(new QCheckBox(texts::kPostOnline, this)),
      loadQ_(new QPushButton(texts::kLoadPackage, this)) {
    onlineHint_->setObjectName(u"Label29"_s);
    onlineHint_->setFrameShape(QFrame::StyledPanel);
    onlineHint_->setAlignment(Qt::AlignCenter);
    onlineHint_->setMinimumHeight(28);
    onlineHint_->setMouseTracking(true);
    onlineHint_->installEventFilter(this);
    gupc_->setObjectName(u"GUPC"_s);
    gupc_->setFixedHeight(90);
    picture_->setObjectName(u"Image4"_s);
    picture_->setFixedSize(kPanelWidth, 150);
    picture_->setAlignment(Qt::AlignCenter);
    picture_->setFrameShape(QFrame::StyledPanel);
    items_->setObjectName(u"List9"_s);
    items_->setFixedHeight(90);
    itemDescription_->setObjectName(u"Label51"_s);
    itemDescription_->setWordWrap(true);
    itemDescription_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    itemDescription_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    itemDescription_->setMargin(3);
    auto* description = new QScrollArea(this);
    description->setWidget(itemDescription_);
    description->setWidgetResizable(true);
    description->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    description->setBackgroundRole(QPalette::Base);
    description->setFixedHeight(56);
    resetFirst_->setObjectName(u"Check1"_s);
    postOnline_->setObjectName(u"Check2"_s);
    loadQ_->setObjectName(u"LoadQ"_s);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(3);
    layout->addWidget(onlineHint_);
    layout->addWidget(gupc_);
    layout->addWidget(picture_);
    layout->addWidget(description);
    layout->addWidget(items_);
    layout->addWidget(resetFirst_);
    layout->addWidget(postOnline_);
    layout->addWidget(loadQ_, 0, Qt::AlignLeft);
    layout->addStretch(1);
    setFixedWidth(kPanelWidth);

    connect(gupc_, &QListWidget::currentRowChanged, this, &PackagePanel::choosePackage);
    uisupport::focusNeverChooses(gupc_);
    connect(items_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { chooseItem(items_->row(item)); });
    connect(loadQ_, &QPushButton::clicked, this, &PackagePanel::loadPackage);
}

void PackagePanel::showStartup(const StartupResult& startup) {
    selectorFolder_ = startup.selectorFolder;
    newPicture_ = startup.newPicture;
    uisupport::showPicture(picture_, newPicture_);
    refreshPackages();
}

void PackagePanel::refreshPackages() {
    const QString chosen = gupc_->currentItem() ? gupc_->currentItem()->text() : QString();
    gupc_->blockSignals(true);
    gupc_->clear();
    packageNames_ = session_.packageNames();
    for (const auto& name : packageNames_)
        gupc_->addItem(QString::fromLocal8Bit(name));
    // The package being looked at stays chosen when the list is made again.
    const auto same = gupc_->findItems(chosen, Qt::MatchExactly);
    if (!chosen.isEmpty() && !same.isEmpty())
        gupc_->setCurrentItem(same.front());
    gupc_->blockSignals(false);
}

bool PackagePanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == onlineHint_ && event->type() == QEvent::MouseMove)
        autoload();
    return QWidget::eventFilter(watched, event);
}

void PackagePanel::choosePackage(int row) {
    items_->clear();
    itemDescription_->clear();
    package_ = {};
    uisupport::showPicture(picture_, newPicture_);
    if (row < 0 || static_cast<std::size_t>(row) >= packageNames_.size())
        return;
    auto read = session_.readPackage(packageNames_[static_cast<std::size_t>(row)]);
    if (!read.ok()) {
        report({*read.problem});
        return;
    }
    package_ = std::move(read.value);
    for (const auto& item : package_.items)
        uisupport::addNameItem(items_, item);
    common::Problems problems;
    const auto picture = session_.packagePicture(package_.items, problems);
    uisupport::showPicture(picture_, picture ? picture : newPicture_);
    itemDescription_->setText(joinedLines(package_.description));
    report(problems);
}

void PackagePanel::chooseItem(int row) {
    itemDescription_->clear();
    if (row < 0 || row >= items_->count())
        return;
    const auto shown = session_.describePackageItem(uisupport::nameBytes(items_->item(row)));
    uisupport::showPicture(picture_, shown.picture);
    itemDescription_->setText(joinedLines(shown.lines));
    report(shown.problems);
}

void PackagePanel::loadPackage() {
    if (postOnline_->isChecked()) {
        QClipboard* clipboard = QGuiApplication::clipboard();
        clipboard->clear();
        if (gupc_->currentItem())
            clipboard->setText(gupc_->currentItem()->text());
    }
    std::vector<std::string> items;
    for (int i = 0; i < items_->count(); ++i)
        items.push_back(uisupport::nameBytes(items_->item(i)));
    PackageLoadOptions options;
    options.resetFirst = resetFirst_->isChecked();
    options.refreshSummary = true;
    options.descriptionItems = package_.descriptionItems;
    BrowserChange change;
    {
        ProgressDisplay::Job job(progress_);
        change = session_.applyPackage(items, options, job.callback());
    }
    emit changed(change);
}

void PackagePanel::autoload() {
    if (gupc_->count() == 0 || postOnline_->isChecked())
        return;
    const QString selected = gupc_->currentItem() ? gupc_->currentItem()->text() : QString();
    if (onlineHint_->text() == selected)
        return;
    QClipboard* clipboard = QGuiApplication::clipboard();
    const QString wanted = clipboard->text();
    int match = -1;
    for (int i = 0; i < gupc_->count() && match < 0; ++i)
        if (!wanted.isEmpty() && gupc_->item(i)->text() == wanted) {
            match = i;
            onlineHint_->setText(texts::kAutoLoading + wanted);
            onlineHint_->repaint();
        }
    if (match >= 0) {
        // Read afresh even when it was chosen already: the clipboard may name a package just saved.
        if (gupc_->currentRow() == match)
            choosePackage(match);
        else
            gupc_->setCurrentRow(match);
        loadPackage();
    } else {
        onlineHint_->setText(hint_);
    }
    clipboard->clear();
}

void PackagePanel::report(const common::Problems& problems) {
    if (!problems.empty())
        emit problemsReported(uisupport::problemLines(problems));
}

} // namespace outfitter
