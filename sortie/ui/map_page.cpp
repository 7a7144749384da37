#include "sortie/ui/map_page.h"

#include "sortie/map/map_scroll.h"
#include "sortie/ui/clickable_label.h"
#include "sortie/ui/option_groups.h"
#include "sortie/ui/qt_text.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace sortie::ui {

namespace {

ClickableLabel* actionLabel(const char* name, const QString& caption, QWidget* parent) {
    auto* label = new ClickableLabel(QString::fromLatin1(name), caption, parent);
    label->setStyleSheet(QStringLiteral(
        "QLabel { color: #000080; font-weight: bold; border: 1px solid #8090B0; padding: 2px 6px;"
        " background: #F0F4FF; }"));
    return label;
}

} // namespace

MapPage::MapPage(MissionBuilder& model, QWidget* parent) : QFrame(parent), model_(model) {
    setObjectName(QStringLiteral("Frame4"));
    setFixedSize(px(kPageWidthTwips), px(kPageHeightTwips));

    frame7_ = new QFrame(this);
    frame7_->setObjectName(QStringLiteral("Frame7"));
    frame7_->setFrameShape(QFrame::Box);
    frame7_->setGeometry(px(90), px(60), px(13800), px(9600));
    myImage_ = new QLabel(frame7_);
    myImage_->setObjectName(QStringLiteral("MyImage"));
    myImage_->setGeometry(0, 0, 2667, 1336);
    myImage_->setStyleSheet(QStringLiteral("QLabel { background: #D0E0F0; }"));

    QWidget* upDown1 = buildUpDown("UpDown1", Qt::Vertical);
    upDown1->move(frame7_->geometry().right() + 4, frame7_->y());
    QWidget* upDown2 = buildUpDown("UpDown2", Qt::Horizontal);
    upDown2->move(frame7_->x(), frame7_->geometry().bottom() + 4);

    QWidget* side = buildSidePanel();
    const int left = upDown1->geometry().right() + 10;
    side->setGeometry(left, 4, width() - left - 4, height() - 8);
}

QWidget* MapPage::buildUpDown(const char* name, Qt::Orientation orientation) {
    auto* holder = new QWidget(this);
    holder->setObjectName(QString::fromLatin1(name));
    auto* layout = orientation == Qt::Vertical ? static_cast<QBoxLayout*>(new QVBoxLayout(holder))
                                               : static_cast<QBoxLayout*>(new QHBoxLayout(holder));
    layout->setContentsMargins(0, 0, 0, 0);
    auto* first = new QToolButton(holder);
    auto* second = new QToolButton(holder);
    // First button: up (vertical) or left (horizontal); both move towards the map's start.
    first->setArrowType(orientation == Qt::Vertical ? Qt::UpArrow : Qt::LeftArrow);
    second->setArrowType(orientation == Qt::Vertical ? Qt::DownArrow : Qt::RightArrow);
    first->setObjectName(QStringLiteral("towardsStart"));
    second->setObjectName(QStringLiteral("towardsEnd"));
    layout->addWidget(first);
    layout->addWidget(second);
    const int step = px(kMapScrollStep);
    const bool vertical = orientation == Qt::Vertical;
    connect(first, &QToolButton::clicked, this, [this, vertical, step] {
        QPoint p = myImage_->pos();
        (vertical ? p.ry() : p.rx()) = scrollTowardsStart(vertical ? p.y() : p.x(), step);
        myImage_->move(p);
    });
    connect(second, &QToolButton::clicked, this, [this, vertical, step] {
        QPoint p = myImage_->pos();
        if (vertical)
            p.setY(scrollTowardsEnd(p.y(), myImage_->height(), frame7_->height(), step));
        else
            p.setX(scrollTowardsEnd(p.x(), myImage_->width(), frame7_->width(), step));
        myImage_->move(p);
    });
    holder->adjustSize();
    return holder;
}

QWidget* MapPage::buildSidePanel() {
    auto* side = new QWidget(this);
    auto* grid = new QGridLayout(side);
    grid->setContentsMargins(0, 0, 0, 0);
    const OptionCatalog& c = model_.catalog();
    targo_ = makeButtons(side, QStringLiteral("Targo"), {toQ(c.Targo[0]), toQ(c.Targo[1])}, [this](int i) {
        model_.selectTargo(i);
        emit changed();
    });
    for (int i = 0; i < 2; ++i) {
        grid->addWidget(targo_->button(i), i, 0);
        text6_[static_cast<std::size_t>(i)] = new QLineEdit(side);
        text6_[static_cast<std::size_t>(i)]->setObjectName(QStringLiteral("Text6"));
        text6_[static_cast<std::size_t>(i)]->setProperty("index", i);
        text6_[static_cast<std::size_t>(i)]->setFixedWidth(50);
        connect(text6_[static_cast<std::size_t>(i)], &QLineEdit::textEdited, this,
                [this, i](const QString& t) { model_.setText6(i, fromQ(t)); });
        grid->addWidget(text6_[static_cast<std::size_t>(i)], i, 1);
        label2_[static_cast<std::size_t>(i)] = new QLabel(side);
        label2_[static_cast<std::size_t>(i)]->setObjectName(QStringLiteral("Label2"));
        label2_[static_cast<std::size_t>(i)]->setProperty("index", i);
        grid->addWidget(label2_[static_cast<std::size_t>(i)], i, 2);
    }
    fl_ = makeButtons(side, QStringLiteral("FL"), {toQ(c.FL[0]), toQ(c.FL[1])}, [this](int i) {
        model_.selectFL(i);
        emit changed();
    });
    grid->addWidget(fl_->button(0), 2, 0, 1, 2);
    grid->addWidget(fl_->button(1), 2, 2);

    auto* legend = new QFrame(side);
    legend->setObjectName(QStringLiteral("Picture1"));
    legend->setFrameShape(QFrame::Box);
    auto* legendLayout = new QVBoxLayout(legend);
    auto* airfields = new QLabel(QStringLiteral("\u25CF Airfields (bases)"), legend);
    airfields->setObjectName(QStringLiteral("Label6"));
    airfields->setProperty("index", 0);
    airfields->setStyleSheet(QStringLiteral("color: #FF0000;"));
    auto* targets = new QLabel(QStringLiteral("\u25CF Targets"), legend);
    targets->setObjectName(QStringLiteral("Label6"));
    targets->setProperty("index", 1);
    targets->setStyleSheet(QStringLiteral("color: #0000FF;"));
    legendLayout->addWidget(airfields);
    legendLayout->addWidget(targets);
    grid->addWidget(legend, 3, 0, 1, 3);

    tList_ = new QListWidget(side);
    tList_->setObjectName(QStringLiteral("TList"));
    connect(tList_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0) {
            model_.chooseTarget(row);
            emit changed();
        }
    });
    grid->addWidget(tList_, 4, 0, 1, 3);
    tg_ = new QTableWidget(side);
    tg_->setObjectName(QStringLiteral("Tg"));
    tg_->verticalHeader()->hide();
    tg_->verticalHeader()->setDefaultSectionSize(px(300));
    tg_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->addWidget(tg_, 5, 0, 1, 3);

    auto* actions = new QHBoxLayout();
    auto* makeMap = actionLabel("Label4", QStringLiteral("Make a new map"), side);
    auto* back = actionLabel("Label13", QStringLiteral("Aircraft Page"), side);
    connect(back, &ClickableLabel::clicked, this, &MapPage::showAircraftPage);
    auto* fly = actionLabel("Label16", toQ(model_.settings().flyCaption), side);
    connect(fly, &ClickableLabel::clicked, this, &MapPage::fly);
    actions->addWidget(makeMap);
    actions->addWidget(back);
    actions->addWidget(fly);
    actions->addStretch();
    grid->addLayout(actions, 6, 0, 1, 3);
    grid->setRowStretch(4, 1);
    grid->setRowStretch(5, 1);
    return side;
}

void MapPage::loadTargets() {
    const QSignalBlocker block(tList_);
    tList_->clear();
    for (const auto& name : model_.TList())
        tList_->addItem(toQ(name));

    const TargetGrid& grid = model_.Tg();
    tg_->setUpdatesEnabled(false);
    tg_->clear();
    tg_->setColumnCount(kTgColumns);
    tg_->setRowCount(static_cast<int>(grid.rows.size()));
    QStringList headings;
    for (const auto& h : grid.headings)
        headings << toQ(h);
    tg_->setHorizontalHeaderLabels(headings);
    for (int r = 0; r < tg_->rowCount(); ++r)
        for (int col = 0; col < kTgColumns; ++col)
            tg_->setItem(r, col,
                         new QTableWidgetItem(
                             toQ(grid.rows[static_cast<std::size_t>(r)][static_cast<std::size_t>(col)])));
    for (int col = 0; col < kTgColumns; ++col) {
        const int w = grid.widthsTwips[static_cast<std::size_t>(col)];
        if (w == 0)
            tg_->setColumnHidden(col, true);
        else if (w > 0)
            tg_->setColumnWidth(col, px(w));
    }
    tg_->setUpdatesEnabled(true);
}

// The map work fills these four in.
void MapPage::buildOnFirstVisit() {}
void MapPage::rebuildMap() {}
void MapPage::chooseFrontLine(int /*index*/) {}
void MapPage::setPointerEnabled(bool /*enabled*/) {}

void MapPage::sync() {
    const MissionChoices& c = model_.choices();
    selectButton(targo_, c.Targo);
    selectButton(fl_, c.FL);
    for (std::size_t i = 0; i < 2; ++i) {
        if (text6_[i]->text() != toQ(c.Text6[i])) {
            const QSignalBlocker block(text6_[i]);
            text6_[i]->setText(toQ(c.Text6[i]));
        }
        label2_[i]->setText(toQ(model_.Label2()[i]));
    }
}

} // namespace sortie::ui
