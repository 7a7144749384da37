#include "plane_set_panel.h"

#include "current_row_delegate.h"
#include "set_grid.h"
#include "ui_support/qt_text.h"

#include <QEvent>
#include <QFont>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace outfitter {

namespace {

enum Column { FolderColumn, PlnSlotColumn, SkinSlotColumn, AircraftColumn, MarkColumn, ColumnCount };
constexpr std::array<int, ColumnCount> kColumnTwips = {2000, 0, 0, 2000, 0};
constexpr int kVisibleRows = 10;

QTableWidgetItem* cell(const std::string& text) {
    return new QTableWidgetItem(uisupport::fromGameBytes(text));
}

} // namespace

PlaneSetPanel::PlaneSetPanel(SelectorSession& session, QWidget* parent)
    : QGroupBox(u"Alternative Planes:"_s, parent), session_(session), grid_(new QTableWidget(this)),
      fuel_(new QLabel(this)), fuelPosition_(new QLabel(u"fuel location"_s, this)) {
    setObjectName(u"Frame6"_s);
    grid_->setObjectName(u"G1"_s);
    grid_->setFont(QFont(u"MS Sans Serif"_s));
    grid_->setColumnCount(ColumnCount);
    grid_->setHorizontalHeaderLabels({u"Folder"_s, u"PlnSlot"_s, u"SkinSlot"_s, u"Aircraft"_s, QString()});
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // A selection colour would hide the green of the installed aircraft.
    grid_->setSelectionMode(QAbstractItemView::NoSelection);
    grid_->setWordWrap(false);
    grid_->setTabKeyNavigation(false);
    grid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid_->setMouseTracking(true);
    grid_->viewport()->setMouseTracking(true);
    grid_->viewport()->installEventFilter(this);
    grid_->installEventFilter(this);
    grid_->verticalHeader()->hide();
    const int rowHeight = std::max(240 / kTwipsPerPixel, QFontMetrics(grid_->font()).height() + 2);
    grid_->verticalHeader()->setMinimumSectionSize(rowHeight);
    grid_->verticalHeader()->setDefaultSectionSize(rowHeight);
    auto* header = grid_->horizontalHeader();
    header->setMinimumSectionSize(0);
    header->setSectionResizeMode(QHeaderView::Fixed);
    header->setHighlightSections(false);
    header->setFixedHeight(rowHeight);
    int width = 0;
    for (int column = 0; column < ColumnCount; ++column) {
        grid_->setColumnWidth(column, kColumnTwips[static_cast<std::size_t>(column)] / kTwipsPerPixel);
        width += kColumnTwips[static_cast<std::size_t>(column)] / kTwipsPerPixel;
    }
    grid_->setFixedWidth(width + grid_->verticalScrollBar()->sizeHint().width() + 2 * grid_->frameWidth());
    grid_->setFixedHeight(rowHeight * (kVisibleRows + 1) + 2 * grid_->frameWidth());
    // The header cells take the caption colour of the skins' "Clear all skins" label.
    for (int column = 0; column < ColumnCount; ++column)
        grid_->horizontalHeaderItem(column)->setBackground(palette().color(QPalette::Button));

    auto* fuel = new QGridLayout;
    auto* label25 = new QLabel(u"Fuel:"_s, this);
    label25->setObjectName(u"Label25"_s);
    fuel_->setObjectName(u"Label26"_s);
    fuelPosition_->setObjectName(u"Label27"_s);
    fuel->addWidget(label25, 0, 0);
    fuel->addWidget(fuel_, 0, 1);
    fuel->addWidget(fuelPosition_, 0, 2);
    for (int i = 0; i < kFuelOptions; ++i) {
        const auto caption = kFuelCaptions[static_cast<std::size_t>(i)];
        auto* option = new QRadioButton(
            QString::fromLatin1(caption.data(), static_cast<qsizetype>(caption.size())), this);
        option->setObjectName(u"Option1"_s);
        option->setProperty("index", i);
        fuelOptions_[static_cast<std::size_t>(i)] = option;
        fuel->addWidget(option, 1 + i / 3, i % 3);
        connect(option, &QRadioButton::clicked, this, [this, i] { chooseFuel(i); });
    }
    auto* slotLabels = new QHBoxLayout;
    for (int i = 0; i < 2; ++i) {
        auto* label = new QLabel(this);
        label->setObjectName(u"label19"_s);
        label->setProperty("index", i);
        label->setMinimumWidth(40);
        slotLabels_[static_cast<std::size_t>(i)] = label;
        slotLabels->addWidget(label);
    }
    slotLabels->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grid_);
    layout->addLayout(slotLabels);
    layout->addLayout(fuel);
    layout->addStretch(1);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    hide();

    connect(grid_, &QTableWidget::cellClicked, this, [this](int row, int) { installRow(row); });
    CurrentRowDelegate::install(grid_);
    // A row reached with the keys is described as the mouse going over it is.
    connect(grid_, &QTableWidget::currentCellChanged, this, [this](int row, int, int previousRow, int) {
        if (grid_->hasFocus() && row >= 0 && previousRow >= 0 && row != previousRow)
            hoverRow(row);
    });
}

void PlaneSetPanel::showGrid() {
    const auto& rows = session_.planeSets().rows();
    grid_->setUpdatesEnabled(false);
    grid_->clearContents();
    grid_->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < grid_->rowCount(); ++r) {
        const auto& row = rows[static_cast<std::size_t>(r)];
        grid_->setItem(r, FolderColumn, new QTableWidgetItem(uisupport::fromNameBytes(row.folder)));
        grid_->setItem(r, PlnSlotColumn, cell(row.plnSlot));
        grid_->setItem(r, SkinSlotColumn, cell(row.skinSlot));
        grid_->setItem(r, AircraftColumn, cell(row.aircraft));
        grid_->setItem(r, MarkColumn, new QTableWidgetItem());
        grid_->setRowHidden(r, false);
    }
    paintMarks();
    grid_->setUpdatesEnabled(true);
    hoveredRow_ = -1;
    show();
}

void PlaneSetPanel::clearGrid() {
    grid_->clearContents();
    grid_->setRowCount(0);
    hoveredRow_ = -1;
    showFuel();
    hide();
}

void PlaneSetPanel::applyList1Filter(int list1Position) {
    if (isHidden())
        return;
    const auto visible = session_.planeSets().filter(list1Position);
    grid_->setUpdatesEnabled(false);
    for (int r = 0; r < grid_->rowCount(); ++r)
        grid_->setRowHidden(r, static_cast<std::size_t>(r) < visible.size() &&
                                   !visible[static_cast<std::size_t>(r)]);
    paintMarks();
    grid_->setUpdatesEnabled(true);
}

bool PlaneSetPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == grid_->viewport() && event->type() == QEvent::MouseMove)
        hoverRow(grid_->rowAt(static_cast<QMouseEvent*>(event)->position().toPoint().y()));
    if (watched == grid_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && grid_->currentRow() >= 0) {
            installRow(grid_->currentRow());
            return true;
        }
    }
    return QGroupBox::eventFilter(watched, event);
}

void PlaneSetPanel::installRow(int row) {
    if (row < 0 || static_cast<std::size_t>(row) >= session_.planeSets().rows().size())
        return;
    const auto outcome = session_.installPlaneSet(static_cast<std::size_t>(row));
    showInstall(row, outcome);
    report(outcome.problems);
    if (outcome.recordWritten)
        emit installed();
}

void PlaneSetPanel::showInstall(int row, const PlaneInstallReport& outcome) {
    const auto& name = session_.planeSets().rows()[static_cast<std::size_t>(row)].folder;
    emit problemsReported({QString::fromLocal8Bit(installLine(name, outcome))});
    if (outcome.recordWritten) {
        // The row shows what was installed, should the file have changed since the grid was read.
        const auto& installed = session_.planeSets().rows()[static_cast<std::size_t>(row)];
        grid_->item(row, PlnSlotColumn)->setText(uisupport::fromGameBytes(installed.plnSlot));
        grid_->item(row, SkinSlotColumn)->setText(uisupport::fromGameBytes(installed.skinSlot));
        grid_->item(row, AircraftColumn)->setText(uisupport::fromGameBytes(installed.aircraft));
        paintMarks();
        showFuel();
    }
}

void PlaneSetPanel::hoverRow(int row) {
    if (row < 0 || row == hoveredRow_)
        return;
    hoveredRow_ = row;
    const auto hover = session_.planeSets().hover(static_cast<std::size_t>(row));
    slotLabels_[0]->setText(uisupport::fromGameBytes(hover.plnSlot));
    slotLabels_[1]->setText(uisupport::fromGameBytes(hover.skinSlot));
    report(hover.problems);
    emit planeSetHovered(uisupport::fromGameBytes(hover.description),
                         uisupport::fromGameBytes(hover.skinSlot));
}

void PlaneSetPanel::chooseFuel(int option) {
    if (auto problem = session_.chooseFuel(option))
        report({*problem});
}

void PlaneSetPanel::paintMarks() {
    const auto& rows = session_.planeSets().rows();
    for (int r = 0; r < grid_->rowCount() && static_cast<std::size_t>(r) < rows.size(); ++r) {
        const bool marked = rows[static_cast<std::size_t>(r)].marked;
        grid_->item(r, AircraftColumn)->setBackground(marked ? QBrush(kLoadedColour) : QBrush());
        grid_->item(r, MarkColumn)->setText(marked ? u"S"_s : QString());
    }
}

void PlaneSetPanel::showFuel() {
    fuel_->setText(uisupport::fromGameBytes(session_.planeSets().fuelText()));
    fuelPosition_->setText(uisupport::fromGameBytes(session_.planeSets().fuelPositionText()));
}

void PlaneSetPanel::report(const common::Problems& problems) {
    if (!problems.empty())
        emit problemsReported(uisupport::problemLines(problems));
}

} // namespace outfitter
