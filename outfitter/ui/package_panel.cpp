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
      label29_(new QLabel(hint_, this)), gupc_(new QListWidget(this)), image4_(new QLabel(this)),
      list9_(new QListWidget(this)), label51_(new QLabel(this)),
      check1_(new QCheckBox(texts::kResetBeforeLoading, this)),
      check2_(new QCheckBox(texts::kPostOnline, this)), loadQ_(new QPushButton(texts::kLoadPackage, this)) {
    label29_->setObjectName(u"Label29"_s);
    label29_->setFrameShape(QFrame::StyledPanel);
    label29_->setAlignment(Qt::AlignCenter);
    label29_->setMinimumHeight(28);
    label29_->setMouseTracking(true);
    label29_->installEventFilter(this);
    gupc_->setObjectName(u"GUPC"_s);
    gupc_->setFixedHeight(90);
    image4_->setObjectName(u"Image4"_s);
    image4_->setFixedSize(kPanelWidth, 150);
    image4_->setAlignment(Qt::AlignCenter);
    image4_->setFrameShape(QFrame::StyledPanel);
    list9_->setObjectName(u"List9"_s);
    list9_->setFixedHeight(90);
    label51_->setObjectName(u"Label51"_s);
    label51_->setWordWrap(true);
    label51_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label51_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    label51_->setMargin(3);
    auto* description = new QScrollArea(this);
    description->setWidget(label51_);
    description->setWidgetResizable(true);
    description->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    description->setBackgroundRole(QPalette::Base);
    description->setFixedHeight(56);
    check1_->setObjectName(u"Check1"_s);
    check2_->setObjectName(u"Check2"_s);
    loadQ_->setObjectName(u"LoadQ"_s);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(3);
    layout->addWidget(label29_);
    layout->addWidget(gupc_);
    layout->addWidget(image4_);
    layout->addWidget(description);
    layout->addWidget(list9_);
    layout->addWidget(check1_);
    layout->addWidget(check2_);
    layout->addWidget(loadQ_, 0, Qt::AlignLeft);
    layout->addStretch(1);
    setFixedWidth(kPanelWidth);

    connect(gupc_, &QListWidget::currentRowChanged, this, &PackagePanel::choosePackage);
    uisupport::focusNeverChooses(gupc_);
    connect(list9_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { chooseItem(list9_->row(item)); });
    connect(loadQ_, &QPushButton::clicked, this, &PackagePanel::loadPackage);
}

void PackagePanel::showStartup(const StartupResult& startup) {
    selectorFolder_ = startup.selectorFolder;
    newPicture_ = startup.newPicture;
    uisupport::showPicture(image4_, newPicture_);
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
    if (watched == label29_ && event->type() == QEvent::MouseMove)
        autoload();
    return QWidget::eventFilter(watched, event);
}

void PackagePanel::choosePackage(int row) {
    list9_->clear();
    label51_->clear();
    package_ = {};
    uisupport::showPicture(image4_, newPicture_);
    if (row < 0 || static_cast<std::size_t>(row) >= packageNames_.size())
        return;
    auto read = session_.readPackage(packageNames_[static_cast<std::size_t>(row)]);
    if (!read.ok()) {
        report({*read.problem});
        return;
    }
    package_ = std::move(read.value);
    for (const auto& item : package_.items)
        uisupport::addNameItem(list9_, item);
    common::Problems problems;
    const auto picture = session_.packagePicture(package_.items, problems);
    uisupport::showPicture(image4_, picture ? picture : newPicture_);
    label51_->setText(joinedLines(package_.description));
    report(problems);
}

void PackagePanel::chooseItem(int row) {
    label51_->clear();
    if (row < 0 || row >= list9_->count())
        return;
    const auto shown = session_.describePackageItem(uisupport::nameBytes(list9_->item(row)));
    uisupport::showPicture(image4_, shown.picture);
    label51_->setText(joinedLines(shown.lines));
    report(shown.problems);
}

void PackagePanel::loadPackage() {
    if (check2_->isChecked()) {
        QClipboard* clipboard = QGuiApplication::clipboard();
        clipboard->clear();
        if (gupc_->currentItem())
            clipboard->setText(gupc_->currentItem()->text());
    }
    std::vector<std::string> items;
    for (int i = 0; i < list9_->count(); ++i)
        items.push_back(uisupport::nameBytes(list9_->item(i)));
    PackageLoadOptions options;
    options.resetFirst = check1_->isChecked();
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
    if (gupc_->count() == 0 || check2_->isChecked())
        return;
    const QString selected = gupc_->currentItem() ? gupc_->currentItem()->text() : QString();
    if (label29_->text() == selected)
        return;
    QClipboard* clipboard = QGuiApplication::clipboard();
    const QString wanted = clipboard->text();
    int match = -1;
    for (int i = 0; i < gupc_->count() && match < 0; ++i)
        if (!wanted.isEmpty() && gupc_->item(i)->text() == wanted) {
            match = i;
            label29_->setText(texts::kAutoLoading + wanted);
            label29_->repaint();
        }
    if (match >= 0) {
        // Read afresh even when it was chosen already: the clipboard may name a package just saved.
        if (gupc_->currentRow() == match)
            choosePackage(match);
        else
            gupc_->setCurrentRow(match);
        loadPackage();
    } else {
        label29_->setText(hint_);
    }
    clipboard->clear();
}

void PackagePanel::report(const common::Problems& problems) {
    if (!problems.empty())
        emit problemsReported(uisupport::problemLines(problems));
}

} // namespace outfitter
