#include "sortie/ui/undo_bar.h"

#include "sortie/core/surprise_print.h"
#include "ui_support/qt_text.h"

#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace sortie::ui {

namespace {

QToolButton* smallButton(const QString& name, const QString& text, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setText(text);
    button->setAutoRaise(false);
    return button;
}

void onKeys(QWidget* window, const QList<QKeySequence>& keys, QObject* receiver, std::function<void()> act) {
    for (const QKeySequence& key : keys) {
        auto* shortcut = new QShortcut(key, window);
        shortcut->setContext(Qt::WindowShortcut);
        QObject::connect(shortcut, &QShortcut::activated, receiver, act);
    }
}

} // namespace

UndoBar::UndoBar(MissionBuilder& model, QWidget* window, QWidget* parent) : QWidget(parent), model_(model) {
    setObjectName(u"undoBar"_s);
    undo_ = smallButton(u"undoButton"_s, u"Undo"_s, this);
    redo_ = smallButton(u"redoButton"_s, u"Redo"_s, this);
    surprise_ = new QPushButton(u"Surprise me"_s, this);
    surprise_->setObjectName(u"surpriseButton"_s);
    surprise_->setToolTip(u"A mission drawn at random from the board's choices; Undo takes it back"_s);
    seed_ = new QLabel(this);
    seed_->setObjectName(u"surpriseSeed"_s);
    // The seed is there to be copied: the same seed makes the same mission again.
    seed_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    layout->addWidget(undo_);
    layout->addWidget(redo_);
    layout->addWidget(surprise_);
    layout->addWidget(seed_);
    connect(undo_, &QToolButton::clicked, this, &UndoBar::undo);
    connect(redo_, &QToolButton::clicked, this, &UndoBar::redo);
    connect(surprise_, &QPushButton::clicked, this, &UndoBar::surprise);
    onKeys(window, {QKeySequence(Qt::CTRL | Qt::Key_Z)}, this, [this] { undo(); });
    onKeys(window, {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)}, this,
           [this] { redo(); });
}

void UndoBar::undo() {
    if (model_.undo())
        emit changed();
}

void UndoBar::redo() {
    if (model_.redo())
        emit changed();
}

void UndoBar::surprise() {
    const std::uint64_t seed = freshSeed();
    if (model_.surprise(seed))
        seed_->setText(u"Seed "_s + QString::number(seed));
    emit changed();
}

void UndoBar::sync() {
    const ChoiceHistory& history = model_.mission().history();
    undo_->setEnabled(history.canUndo());
    redo_->setEnabled(history.canRedo());
    undo_->setToolTip(history.canUndo() ? u"Undo: "_s + uisupport::fromGameBytes(history.undoLabel())
                                        : u"Nothing to undo"_s);
    redo_->setToolTip(history.canRedo() ? u"Redo: "_s + uisupport::fromGameBytes(history.redoLabel())
                                        : u"Nothing to redo"_s);
    const bool waiting =
        model_.settings().dataSource == DataSource::Scenario && model_.scenario().setup().frameShown();
    surprise_->setEnabled(!waiting);
}

} // namespace sortie::ui
