#include "sortie/ui/save_load_panel.h"

#include "common/problem.h"
#include "ui_support/click_label.h"
#include "ui_support/escape_hides.h"
#include "ui_support/list_choice.h"
#include "ui_support/qt_text.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace sortie::ui {

namespace {

template <class W> W* named(W* widget, const char* name, int index = -1) {
    widget->setObjectName(QString::fromLatin1(name));
    if (index >= 0)
        widget->setProperty("index", index);
    return widget;
}

} // namespace

SaveLoadPanel::SaveLoadPanel(MissionBuilder& model, QWidget* parent) : QFrame(parent), model_(model) {
    setObjectName(u"Frame10"_s);
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    setStyleSheet(u"#Frame10 { background: #F4F4EC; }"_s);
    uisupport::hideOnEscape(this);
    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(u"Click to hide this panel"_s, this), 0, 0, 1, 3);
    grid->addWidget(named(new QLabel(u"Enter the name of the file to be saved here:"_s, this), "Label27"), 1,
                    0, 1, 2);
    saveName_ = named(new QLineEdit(this), "Text2");
    grid->addWidget(saveName_, 2, 0, 1, 2);
    auto* save = named(new QPushButton(u"Save"_s, this), "Command1");
    grid->addWidget(save, 2, 2);
    connect(save, &QPushButton::clicked, this, &SaveLoadPanel::save);
    connect(saveName_, &QLineEdit::returnPressed, this, &SaveLoadPanel::save);

    savedMissions_ = named(new QListWidget(this), "File1");
    grid->addWidget(savedMissions_, 3, 0, 1, 3);
    connect(savedMissions_, &QListWidget::currentTextChanged, this, &SaveLoadPanel::select);
    uisupport::focusNeverChooses(savedMissions_);
    selectedPath_ = named(
        new QLabel(uisupport::fromPath(common::pathFromText(model_.saveLoad().selectedMissionPath())), this),
        "Label10");
    selectedPath_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    grid->addWidget(selectedPath_, 4, 0, 1, 3);
    grid->addWidget(named(new QLabel(u"Details:"_s, this), "Label28"), 5, 0);
    details_ = named(new QPlainTextEdit(this), "Text3");
    details_->setReadOnly(true);
    details_->setTabChangesFocus(true);
    grid->addWidget(details_, 6, 0, 1, 3);
    grid->setRowStretch(3, 1);
    grid->setRowStretch(6, 2);

    auto* load = named(new QPushButton(u"Load"_s, this), "Command2");
    grid->addWidget(load, 7, 0);
    connect(load, &QPushButton::clicked, this, [this] {
        model_.saveLoad().load();
        emit changed();
    });
    if (model_.settings().flyAction == FlyAction::LaunchGame) {
        auto* fly = named(new QPushButton(u"FLY"_s, this), "Command3");
        grid->addWidget(fly, 7, 1);
        connect(fly, &QPushButton::clicked, this, [this] {
            model_.launch().startGame();
            emit changed();
        });
    } else {
        // Shows where saved missions go and, as the other "FLY!" labels, saves and ends.
        auto* exit = new uisupport::ClickLabel(
            u"Label26"_s, uisupport::fromPath(std::filesystem::path(model_.settings().missionsFolder)), this);
        exit->setCursor(Qt::PointingHandCursor);
        exit->setStyleSheet(u"QLabel { color: #000080; font-weight: bold; }"_s);
        connect(exit, &uisupport::ClickLabel::clicked, this, &SaveLoadPanel::fly);
        grid->addWidget(exit, 7, 1, 1, 2);
    }
}

void SaveLoadPanel::save() {
    model_.saveLoad().save(uisupport::toNameBytes(saveName_->text()));
    emit changed();
}

void SaveLoadPanel::select(const QString& fileName) {
    if (fileName.isEmpty())
        return;
    model_.saveLoad().select(uisupport::toNameBytes(fileName));
    emit changed();
}

void SaveLoadPanel::sync() {
    const auto& saved = model_.saveLoad().savedMissions();
    bool same = savedMissions_->count() == static_cast<int>(saved.size());
    for (int i = 0; same && i < savedMissions_->count(); ++i)
        same =
            savedMissions_->item(i)->text() == uisupport::fromNameBytes(saved[static_cast<std::size_t>(i)]);
    if (!same) {
        // Keep the selection on the same file when the list is refreshed.
        const QSignalBlocker block(savedMissions_);
        const QString current =
            savedMissions_->currentItem() ? savedMissions_->currentItem()->text() : QString();
        savedMissions_->clear();
        for (const auto& name : saved)
            savedMissions_->addItem(uisupport::fromNameBytes(name));
        const auto found = savedMissions_->findItems(current, Qt::MatchExactly);
        if (!current.isEmpty() && !found.isEmpty())
            savedMissions_->setCurrentItem(found.first());
    }
    selectedPath_->setText(
        uisupport::fromPath(common::pathFromText(model_.saveLoad().selectedMissionPath())));
    const QString details = uisupport::fromGameLines(model_.saveLoad().missionDetails());
    if (details_->toPlainText() != details)
        details_->setPlainText(details);
}

void SaveLoadPanel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        hide();
}

} // namespace sortie::ui
