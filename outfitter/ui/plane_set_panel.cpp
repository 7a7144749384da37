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
    : QGroupBox(u"Alternative Planes:"_s, parent), session_(session), model_(session.planeSets()),
      g1_(new QTableWidget(this)), label26_(new QLabel(this)),
      label27_(new QLabel(u"fuel location"_s, this)) {
    setObjectName(u"Frame6"_s);
    g1_->setObjectName(u"G1"_s);
    g1_->setFont(QFont(u"MS Sans Serif"_s));
    g1_->setColumnCount(ColumnCount);
    g1_->setHorizontalHeaderLabels({u"Folder"_s, u"PlnSlot"_s, u"SkinSlot"_s, u"Aircraft"_s, QString()});
    g1_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // A selection colour would hide the green of the installed aircraft.
    g1_->setSelectionMode(QAbstractItemView::NoSelection);
    g1_->setWordWrap(false);
    g1_->setTabKeyNavigation(false);
    g1_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    g1_->setMouseTracking(true);
    g1_->viewport()->setMouseTracking(true);
    g1_->viewport()->installEventFilter(this);
    g1_->installEventFilter(this);
    g1_->verticalHeader()->hide();
    const int rowHeight = std::max(240 / kTwipsPerPixel, QFontMetrics(g1_->font()).height() + 2);
    g1_->verticalHeader()->setMinimumSectionSize(rowHeight);
    g1_->verticalHeader()->setDefaultSectionSize(rowHeight);
    auto* header = g1_->horizontalHeader();
    header->setMinimumSectionSize(0);
    header->setSectionResizeMode(QHeaderView::Fixed);
    header->setHighlightSections(false);
    header->setFixedHeight(rowHeight);
    int width = 0;
    for (int column = 0; column < ColumnCount; ++column) {
        g1_->setColumnWidth(column, kColumnTwips[static_cast<std::size_t>(column)] / kTwipsPerPixel);
        width += kColumnTwips[static_cast<std::size_t>(column)] / kTwipsPerPixel;
    }
    g1_->setFixedWidth(width + g1_->verticalScrollBar()->sizeHint().width() + 2 * g1_->frameWidth());
    g1_->setFixedHeight(rowHeight * (kVisibleRows + 1) + 2 * g1_->frameWidth());
    // The header cells take the caption colour of the skins' "Clear all skins" label.
    for (int column = 0; column < ColumnCount; ++column)
        g1_->horizontalHeaderItem(column)->setBackground(palette().color(QPalette::Button));

    auto* fuel = new QGridLayout;
    auto* label25 = new QLabel(u"Fuel:"_s, this);
    label25->setObjectName(u"Label25"_s);
    label26_->setObjectName(u"Label26"_s);
    label27_->setObjectName(u"Label27"_s);
    fuel->addWidget(label25, 0, 0);
    fuel->addWidget(label26_, 0, 1);
    fuel->addWidget(label27_, 0, 2);
    for (int i = 0; i < kFuelOptions; ++i) {
        const auto caption = kFuelCaptions[static_cast<std::size_t>(i)];
        auto* option = new QRadioButton(
            QString::fromLatin1(caption.data(), static_cast<qsizetype>(caption.size())), this);
        option->setObjectName(u"Option1"_s);
        option->setProperty("index", i);
        option1_[static_cast<std::size_t>(i)] = option;
        fuel->addWidget(option, 1 + i / 3, i % 3);
        connect(option, &QRadioButton::clicked, this, [this, i] { chooseFuel(i); });
    }
    auto* slotLabels = new QHBoxLayout;
    for (int i = 0; i < 2; ++i) {
        auto* label = new QLabel(this);
        label->setObjectName(u"label19"_s);
        label->setProperty("index", i);
        label->setMinimumWidth(40);
        label19_[static_cast<std::size_t>(i)] = label;
        slotLabels->addWidget(label);
    }
    slotLabels->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(g1_);
    layout->addLayout(slotLabels);
    layout->addLayout(fuel);
    layout->addStretch(1);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    hide();

    connect(g1_, &QTableWidget::cellClicked, this, [this](int row, int) { installRow(row); });
    CurrentRowDelegate::install(g1_);
    // A row reached with the keys is described as the mouse going over it is.
    connect(g1_, &QTableWidget::currentCellChanged, this, [this](int row, int, int previousRow, int) {
        if (g1_->hasFocus() && row >= 0 && previousRow >= 0 && row != previousRow)
            hoverRow(row);
    });
}

void PlaneSetPanel::showGrid() {
    const auto& rows = model_.rows();
    g1_->setUpdatesEnabled(false);
    g1_->clearContents();
    g1_->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < g1_->rowCount(); ++r) {
        const auto& row = rows[static_cast<std::size_t>(r)];
        g1_->setItem(r, FolderColumn, new QTableWidgetItem(uisupport::fromNameBytes(row.folder)));
        g1_->setItem(r, PlnSlotColumn, cell(row.plnSlot));
        g1_->setItem(r, SkinSlotColumn, cell(row.skinSlot));
        g1_->setItem(r, AircraftColumn, cell(row.aircraft));
        g1_->setItem(r, MarkColumn, new QTableWidgetItem());
        g1_->setRowHidden(r, false);
    }
    paintMarks();
    g1_->setUpdatesEnabled(true);
    hoveredRow_ = -1;
    show();
}

void PlaneSetPanel::clearGrid() {
    g1_->clearContents();
    g1_->setRowCount(0);
    hoveredRow_ = -1;
    showFuel();
    hide();
}

void PlaneSetPanel::applyList1Filter(int list1Position) {
    if (isHidden())
        return;
    const auto visible = model_.filter(list1Position);
    g1_->setUpdatesEnabled(false);
    for (int r = 0; r < g1_->rowCount(); ++r)
        g1_->setRowHidden(r, static_cast<std::size_t>(r) < visible.size() &&
                                 !visible[static_cast<std::size_t>(r)]);
    paintMarks();
    g1_->setUpdatesEnabled(true);
}

bool PlaneSetPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == g1_->viewport() && event->type() == QEvent::MouseMove)
        hoverRow(g1_->rowAt(static_cast<QMouseEvent*>(event)->position().toPoint().y()));
    if (watched == g1_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && g1_->currentRow() >= 0) {
            installRow(g1_->currentRow());
            return true;
        }
    }
    return QGroupBox::eventFilter(watched, event);
}

void PlaneSetPanel::installRow(int row) {
    if (row < 0 || static_cast<std::size_t>(row) >= model_.rows().size() || (ready_ && !ready_()))
        return;
    const auto name = model_.rows()[static_cast<std::size_t>(row)].folder;
    const auto outcome = session_.installPlaneSet(static_cast<std::size_t>(row));
    emit problemsReported({QString::fromLocal8Bit(installLine(name, outcome))});
    if (outcome.recordWritten) {
        // The row shows what was installed, should the file have changed since the grid was read.
        const auto& installed = model_.rows()[static_cast<std::size_t>(row)];
        g1_->item(row, PlnSlotColumn)->setText(uisupport::fromGameBytes(installed.plnSlot));
        g1_->item(row, SkinSlotColumn)->setText(uisupport::fromGameBytes(installed.skinSlot));
        g1_->item(row, AircraftColumn)->setText(uisupport::fromGameBytes(installed.aircraft));
        paintMarks();
        showFuel();
    }
    report(outcome.problems);
    if (outcome.recordWritten)
        emit installed();
}

void PlaneSetPanel::hoverRow(int row) {
    if (row < 0 || row == hoveredRow_)
        return;
    hoveredRow_ = row;
    const auto hover = model_.hover(static_cast<std::size_t>(row));
    label19_[0]->setText(uisupport::fromGameBytes(hover.plnSlot));
    label19_[1]->setText(uisupport::fromGameBytes(hover.skinSlot));
    report(hover.problems);
    emit planeSetHovered(uisupport::fromGameBytes(hover.description),
                         uisupport::fromGameBytes(hover.skinSlot));
}

void PlaneSetPanel::chooseFuel(int option) {
    if (auto problem = model_.chooseFuel(option))
        report({*problem});
}

void PlaneSetPanel::paintMarks() {
    const auto& rows = model_.rows();
    for (int r = 0; r < g1_->rowCount() && static_cast<std::size_t>(r) < rows.size(); ++r) {
        const bool marked = rows[static_cast<std::size_t>(r)].marked;
        g1_->item(r, AircraftColumn)->setBackground(marked ? QBrush(kLoadedColour) : QBrush());
        g1_->item(r, MarkColumn)->setText(marked ? u"S"_s : QString());
    }
}

void PlaneSetPanel::showFuel() {
    label26_->setText(uisupport::fromGameBytes(model_.fuelText()));
    label27_->setText(uisupport::fromGameBytes(model_.fuelPositionText()));
}

void PlaneSetPanel::report(const common::Problems& problems) {
    if (!problems.empty())
        emit problemsReported(uisupport::problemLines(problems));
}

} // namespace outfitter
