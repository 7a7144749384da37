#include "sortie/ui/map_page.h"

#include "sortie/ui/map_image.h"
#include "sortie/ui/map_legend.h"
#include "sortie/ui/map_view.h"
#include "sortie/ui/number_box.h"
#include "sortie/ui/option_groups.h"
#include "sortie/ui/twips.h"
#include "ui_support/click_label.h"
#include "ui_support/list_choice.h"
#include "ui_support/qt_text.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace sortie::ui {

namespace {

uisupport::ClickLabel* actionLabel(const char* name, const QString& caption, QWidget* parent) {
    auto* label = new uisupport::ClickLabel(QString::fromLatin1(name), caption, parent);
    label->setStyleSheet(
        u"QLabel { color: #000080; font-weight: bold; border: 1px solid #8090B0; padding: 2px 6px;"
        " background: #F0F4FF; }"_s);
    return label;
}

} // namespace

MapPage::MapPage(MissionBuilder& model, QWidget* parent) : QFrame(parent), model_(model) {
    setObjectName(u"Frame4"_s);
    mapView_ = new MapView(model_, this);
    connect(mapView_, &MapView::picked, this, &MapPage::changed);

    // The map takes every pixel the side panel leaves.
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->addWidget(mapView_, 1);
    QWidget* side = buildSidePanel();
    side->setFixedWidth(px(6000));
    layout->addWidget(side);
}

QWidget* MapPage::buildSidePanel() {
    auto* side = new QWidget(this);
    auto* grid = new QGridLayout(side);
    grid->setContentsMargins(0, 0, 0, 0);
    const OptionCatalog& c = model_.mission().catalog();
    targo_ = makeButtons(
        side, u"Targo"_s,
        {uisupport::fromGameBytes(c.pickCaptions[0]), uisupport::fromGameBytes(c.pickCaptions[1])},
        [this](int i) {
            model_.map().selectPick(i);
            emit changed();
        });
    for (int i = 0; i < 2; ++i) {
        grid->addWidget(targo_->button(i), i, 0);
        placeRecords_[static_cast<std::size_t>(i)] = new QLineEdit(side);
        placeRecords_[static_cast<std::size_t>(i)]->setObjectName(u"Text6"_s);
        placeRecords_[static_cast<std::size_t>(i)]->setProperty("index", i);
        placeRecords_[static_cast<std::size_t>(i)]->setFixedWidth(50);
        takeNumbers(placeRecords_[static_cast<std::size_t>(i)],
                    {[this, i](const std::string& t) { return model_.map().setPlaceRecord(i, t); },
                     [this, i] { return model_.choices().targetAndBase[static_cast<std::size_t>(i)]; },
                     [this] { emit changed(); }, [this] { model_.mission().endTyping(); }});
        grid->addWidget(placeRecords_[static_cast<std::size_t>(i)], i, 1);
        placeNames_[static_cast<std::size_t>(i)] = new QLabel(side);
        placeNames_[static_cast<std::size_t>(i)]->setObjectName(u"Label2"_s);
        placeNames_[static_cast<std::size_t>(i)]->setProperty("index", i);
        grid->addWidget(placeNames_[static_cast<std::size_t>(i)], i, 2);
    }
    fl_ = makeButtons(
        side, u"FL"_s,
        {uisupport::fromGameBytes(c.frontLineCaptions[0]), uisupport::fromGameBytes(c.frontLineCaptions[1])},
        [this](int i) { chooseFrontLine(i); });
    grid->addWidget(fl_->button(0), 2, 0, 1, 2);
    grid->addWidget(fl_->button(1), 2, 2);

    legend_ = new MapLegend(side);
    grid->addWidget(legend_, 3, 0, 1, 3);

    tList_ = new QListWidget(side);
    tList_->setObjectName(u"TList"_s);
    uisupport::onEntryChosen(tList_, [this](int row) {
        model_.map().chooseTarget(row);
        emit changed();
    });
    grid->addWidget(tList_, 4, 0, 1, 3);
    tg_ = new QTableWidget(side);
    tg_->setObjectName(u"Tg"_s);
    tg_->verticalHeader()->hide();
    tg_->verticalHeader()->setDefaultSectionSize(px(300));
    tg_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Tab leaves the grid instead of walking its thousands of cells.
    tg_->setTabKeyNavigation(false);
    grid->addWidget(tg_, 5, 0, 1, 3);

    // Two rows: "Save parameters and exit" takes as much room as the other two together.
    auto* actions = new QGridLayout();
    auto* makeMap = actionLabel("Label4", u"Make a new map"_s, side);
    makeMapAction_ = makeMap;
    connect(makeMap, &uisupport::ClickLabel::clicked, this, &MapPage::rebuildMap);
    auto* back = actionLabel("Label13", u"Aircraft Page"_s, side);
    connect(back, &uisupport::ClickLabel::clicked, this, &MapPage::showAircraftPage);
    auto* fly = actionLabel("Label16", uisupport::fromGameBytes(model_.settings().flyCaption), side);
    connect(fly, &uisupport::ClickLabel::clicked, this, &MapPage::fly);
    actions->addWidget(makeMap, 0, 0);
    actions->addWidget(back, 0, 1);
    actions->addWidget(fly, 1, 0, 1, 2, Qt::AlignLeft);
    actions->setColumnStretch(2, 1);
    grid->addLayout(actions, 6, 0, 1, 3);
    grid->setRowStretch(4, 1);
    grid->setRowStretch(5, 1);
    return side;
}

void MapPage::loadTargets() {
    const QSignalBlocker block(tList_);
    tList_->clear();
    for (const auto& name : model_.mission().lists().targetNames)
        tList_->addItem(uisupport::fromGameBytes(name));

    const TargetGrid& grid = model_.mission().lists().targetGrid;
    tg_->setUpdatesEnabled(false);
    tg_->clear();
    tg_->setColumnCount(kTgColumns);
    tg_->setRowCount(static_cast<int>(grid.rows.size()));
    QStringList headings;
    for (const auto& h : grid.headings)
        headings << uisupport::fromGameBytes(h);
    tg_->setHorizontalHeaderLabels(headings);
    for (int r = 0; r < tg_->rowCount(); ++r)
        for (int col = 0; col < kTgColumns; ++col)
            tg_->setItem(r, col,
                         new QTableWidgetItem(uisupport::fromGameBytes(
                             grid.rows[static_cast<std::size_t>(r)][static_cast<std::size_t>(col)])));
    for (int col = 0; col < kTgColumns; ++col) {
        const int w = grid.widthsTwips[static_cast<std::size_t>(col)];
        if (w == 0)
            tg_->setColumnHidden(col, true);
        else if (w > 0)
            tg_->setColumnWidth(col, px(w));
    }
    tg_->setUpdatesEnabled(true);
}

template <class Build> void MapPage::building(Build build) {
    const QString caption = makeMapAction_->text();
    makeMapAction_->setText(u"..building.."_s);
    makeMapAction_->repaint();
    build();
    makeMapAction_->setText(caption);
    showMapColumns();
    mapView_->refresh();
    emit changed();
}

void MapPage::buildOnFirstVisit() {
    if (!model_.map().theatreMap().ready())
        building([this] {
            if (model_.map().build())
                model_.map().FrontLine(0);
        });
    legend_->drawLegend();
}

void MapPage::rebuildMap() {
    building([this] { model_.map().makeNewMap(); });
}

void MapPage::chooseFrontLine(int index) {
    building([this, index] { model_.map().chooseFrontLine(index); });
}

void MapPage::setPointerEnabled(bool enabled) {
    model_.map().setPointerEnabled(enabled);
    mapView_->refreshLabel();
}

void MapPage::showMapColumns() {
    const TargetGrid& grid = model_.mission().lists().targetGrid;
    const int rows = std::min(tg_->rowCount(), static_cast<int>(grid.rows.size()));
    if (tg_->columnCount() < kTgColumns)
        return;
    tg_->setUpdatesEnabled(false);
    for (int r = 0; r < rows; ++r)
        for (const int col : {kTgMapXColumn, kTgMapYColumn})
            if (QTableWidgetItem* item = tg_->item(r, col))
                item->setText(uisupport::fromGameBytes(
                    grid.rows[static_cast<std::size_t>(r)][static_cast<std::size_t>(col)]));
    tg_->setUpdatesEnabled(true);
}

void MapPage::sync() {
    const MissionChoices& c = model_.choices();
    selectButton(targo_, c.nextPick);
    selectButton(fl_, c.frontLine);
    for (std::size_t i = 0; i < 2; ++i) {
        if (placeRecords_[i]->text() != uisupport::fromGameBytes(c.targetAndBase[i])) {
            const QSignalBlocker block(placeRecords_[i]);
            placeRecords_[i]->setText(uisupport::fromGameBytes(c.targetAndBase[i]));
        }
        placeNames_[i]->setText(uisupport::fromGameBytes(model_.mission().placeNames()[i]));
    }
    // In the legend's colours: the home base as an airfield, the target as a target.
    QVector<MapRing> rings;
    for (const ChosenPlace& place : model_.map().chosenPlaces())
        rings.push_back({QPoint(static_cast<int>(place.mapX), static_cast<int>(place.mapY)),
                         place.which == kTargoHomeBase ? QColor(0xFF, 0, 0) : QColor(0, 0, 0xFF),
                         uisupport::fromGameBytes(place.name)});
    mapView_->image()->setRings(rings);
}

} // namespace sortie::ui
