#include "complete_sets_tab.h"

#include "picture.h"
#include "qiv_form_texts.h"
#include "qt_text.h"
#include "set_grid.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QScrollArea>
#include <QTableWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace outfitter {

namespace {

QLabel* pictureLabel(const QString& name, QSize size, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setFixedSize(size);
    label->setAlignment(Qt::AlignCenter);
    label->setFrameShape(QFrame::StyledPanel);
    return label;
}

} // namespace

CompleteSetsTab::CompleteSetsTab(QWidget* parent)
    : QWidget(parent), list3_(new QListWidget(this)), label6_(new QLabel(this)),
      unigrid_(new QTableWidget(this)), label33_(new QLabel(texts::kRefresh, this)),
      label8_(new QLabel(this)), myImage_(pictureLabel(u"MyImage"_s, {240, 180}, this)),
      label29_(new QLabel(texts::kOnlineAutoLoad, this)),
      image4_(pictureLabel(u"Image4"_s, {240, 180}, this)) {
    list3_->setObjectName(u"List3"_s);
    list3_->setFixedWidth(220);
    label6_->setObjectName(u"Label6"_s);
    label6_->setMinimumWidth(20);
    unigrid_->setObjectName(u"Unigrid"_s);
    setUpSetGrid(unigrid_);
    label33_->setObjectName(u"Label33"_s);
    label33_->setCursor(Qt::PointingHandCursor);
    label33_->setStyleSheet(u"color: #0000c0; text-decoration: underline;"_s);
    label8_->setObjectName(u"Label8"_s);
    label8_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label8_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label29_->setObjectName(u"Label29"_s);
    label29_->setFrameShape(QFrame::StyledPanel);
    label29_->setAlignment(Qt::AlignCenter);
    label29_->setMinimumHeight(32);

    auto* letterRow = new QHBoxLayout;
    letterRow->addWidget(new QLabel(texts::kCodeLetter, this));
    letterRow->addWidget(label6_);
    letterRow->addStretch(1);
    auto* categories = new QVBoxLayout;
    categories->addLayout(letterRow);
    categories->addWidget(list3_, 1);

    auto* grid = new QVBoxLayout;
    grid->addWidget(unigrid_, 0, Qt::AlignLeft);
    grid->addWidget(label33_, 0, Qt::AlignLeft);
    grid->addStretch(1);

    // The summary can grow long; it scrolls instead of stretching the tab.
    label8_->setWordWrap(true);
    label8_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    label8_->setMargin(4);
    auto* summary = new QScrollArea(this);
    summary->setWidget(label8_);
    summary->setWidgetResizable(true);
    summary->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    summary->setFixedWidth(240);
    summary->setBackgroundRole(QPalette::Base);

    auto* side = new QVBoxLayout;
    side->addWidget(myImage_);
    side->addWidget(new QLabel(texts::kWhatsSet, this));
    side->addWidget(summary, 1);
    side->addWidget(label29_);
    side->addWidget(image4_);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(categories);
    layout->addLayout(grid, 1);
    layout->addLayout(side);

    connect(list3_, &QListWidget::currentRowChanged, this, &CompleteSetsTab::chooseCategory);
}

void CompleteSetsTab::showStartup(const StartupResult& startup) {
    categories_ = startup.categories;
    list3_->blockSignals(true);
    list3_->clear();
    list3_->addItem(texts::kShowAll);
    list3_->addItem(texts::kShowSelections);
    for (const auto& category : categories_.categories())
        list3_->addItem(fromGameBytes(category.description));
    list3_->blockSignals(false);

    fillSetGrid(unigrid_, startup.sets, list3_->palette().color(QPalette::Base));

    QStringList summary;
    for (const auto& name : startup.summary)
        summary << fromGameBytes(name);
    label8_->setText(summary.join(u'\n'));

    showPicture(myImage_, startup.backgroundPicture);
    showPicture(image4_, startup.newPicture);
    list3_->setCurrentRow(0);
    chooseCategory(0);
}

void CompleteSetsTab::chooseCategory(int position) {
    label6_->clear();
    if (position < 0)
        return;
    if (const auto index = categories_.indexAtListPosition(static_cast<std::size_t>(position)))
        label6_->setText(fromGameBytes(categories_.categories()[*index].letter));
    if (position == 0) {
        unigrid_->setUpdatesEnabled(false);
        for (int row = 0; row < unigrid_->rowCount(); ++row)
            unigrid_->setRowHidden(row, false);
        unigrid_->setUpdatesEnabled(true);
    }
}

} // namespace outfitter
