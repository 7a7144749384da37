#include "sortie/ui/loadout_panel.h"

#include "sortie/ui/twips.h"
#include "ui_support/click_label.h"
#include "ui_support/escape_hides.h"
#include "ui_support/qt_text.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QSignalBlocker>

using namespace Qt::StringLiterals;

namespace sortie::ui {

namespace {

uisupport::ClickLabel* actionLabel(const char* name, const QString& caption, QWidget* parent) {
    auto* label = new uisupport::ClickLabel(QString::fromLatin1(name), caption, parent);
    label->setStyleSheet(
        u"QLabel { color: #000080; font-weight: bold; border: 1px solid #8090B0; padding: 2px 6px;"
        " background: #F0F4FF; }"_s);
    label->setCursor(Qt::PointingHandCursor);
    return label;
}

} // namespace

LoadoutPanel::LoadoutPanel(MissionBuilder& model, QWidget* parent) : QGroupBox(parent), model_(model) {
    setObjectName(u"frameLoadout"_s);
    uisupport::hideOnEscape(this);
    const bool launches = model_.settings().flyAction == FlyAction::LaunchGame;
    // The caption is longer than the panel is wide on a small screen: it wraps in a label of its own
    // instead of being cut as a group box title would be.
    const QString caption = QString::fromLatin1(launches ? kLoadoutCaptionFly : kLoadoutCaptionSave);
    setAccessibleName(caption);
    setAutoFillBackground(true);
    setStyleSheet(u"#frameLoadout { background: #F4F4EC; font-weight: bold; }"
                  " #frameLoadout QListWidget { font-weight: normal; }"_s);

    auto* grid = new QGridLayout(this);
    auto* captionLabel = new QLabel(caption, this);
    captionLabel->setObjectName(u"loadoutCaption"_s);
    captionLabel->setWordWrap(true);
    // A release on the caption hides the panel as one on the panel's face does.
    captionLabel->setAttribute(Qt::WA_TransparentForMouseEvents);
    grid->addWidget(captionLabel, 0, 0, 1, 6);
    lodList_ = new QListWidget(this);
    lodList_->setObjectName(u"LodList"_s);
    grid->addWidget(lodList_, 1, 0, 1, 6);
    connect(lodList_, &QListWidget::clicked, this, [this](const QModelIndex& index) {
        model_.loadout().choose(index.row());
        emit changed();
    });
    connect(lodList_, &QListWidget::doubleClicked, this, [this](const QModelIndex& index) {
        model_.loadout().write(index.row());
        emit changed();
    });

    // Where the records lie in the file means nothing to a player: those numbers are kept, not shown.
    for (QLabel** value : {&sloc_, &slab_}) {
        *value = new QLabel(this);
        (*value)->hide();
    }
    sloc_->setObjectName(u"Sloc"_s);
    slab_->setObjectName(u"Slab"_s);
    grid->addWidget(new QLabel(u"Loadouts of aircraft number"_s, this), 2, 0, 1, 2);
    p_ = new QLineEdit(this);
    p_->setObjectName(u"P"_s);
    p_->setReadOnly(true);
    p_->setFixedWidth(px(700));
    grid->addWidget(p_, 2, 2);
    aircraftName_ = new QLabel(this);
    aircraftName_->setObjectName(u"loadoutAircraft"_s);
    grid->addWidget(aircraftName_, 2, 3, 1, 3);

    // The second build takes its table from the scenario and saves instead of flying.
    if (launches) {
        auto* copy = actionLabel("Label25", u"Copy a newly loaded loadout.dat"_s, this);
        connect(copy, &uisupport::ClickLabel::clicked, this, [this] {
            model_.loadout().copyNewTable();
            emit changed();
        });
        grid->addWidget(copy, 3, 0, 1, 3);
        auto* flyLabel = actionLabel("Label26", u"FLY!"_s, this);
        connect(flyLabel, &uisupport::ClickLabel::clicked, this, [this] {
            hide();
            emit fly();
        });
        grid->addWidget(flyLabel, 3, 4, 1, 2);
    }
    grid->setRowStretch(1, 1);
}

void LoadoutPanel::open() {
    show();
    raise();
    model_.loadout().list();
    emit changed();
}

void LoadoutPanel::sync() {
    const LoadoutCatalogue& c = model_.loadout().catalogue();
    const auto& lines = c.listLines();
    bool same = lodList_->count() == static_cast<int>(lines.size());
    for (int i = 0; same && i < lodList_->count(); ++i)
        same = lodList_->item(i)->text() == uisupport::fromGameBytes(lines[static_cast<std::size_t>(i)]);
    if (!same) {
        const QSignalBlocker block(lodList_);
        lodList_->clear();
        for (const auto& line : lines)
            lodList_->addItem(uisupport::fromGameBytes(line));
    }
    {
        // The chosen line is a choice of the mission: an undo moves the highlight back with it.
        const QSignalBlocker block(lodList_);
        const int chosen = model_.choices().loadoutLine;
        if (chosen >= 0 && chosen < lodList_->count())
            lodList_->setCurrentRow(chosen);
        else {
            lodList_->setCurrentItem(nullptr);
            lodList_->clearSelection();
        }
    }
    sloc_->setText(uisupport::fromGameBytes(c.firstRecordPosition()));
    slab_->setText(uisupport::fromGameBytes(c.chosenRecordPosition()));
    p_->setText(uisupport::fromGameBytes(c.aircraftListed()));
    aircraftName_->setText(
        uisupport::fromGameBytes(planeNameFor(model_.mission().lists().aircraftNames, c.aircraftListed())));
}

void LoadoutPanel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        hide();
}

} // namespace sortie::ui
