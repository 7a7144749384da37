#include "sortie/ui/save_load_panel.h"

#include "sortie/ui/qt_text.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>

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
    setObjectName(QStringLiteral("Frame10"));
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    setStyleSheet(QStringLiteral("#Frame10 { background: #F4F4EC; }"));
    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(QStringLiteral("Click to hide this panel"), this), 0, 0, 1, 3);
    grid->addWidget(
        named(new QLabel(QStringLiteral("Enter the name of the file to be saved here:"), this), "Label27"), 1,
        0, 1, 2);
    grid->addWidget(named(new QLineEdit(this), "Text2"), 2, 0, 1, 2);
    grid->addWidget(named(new QPushButton(QStringLiteral("Save"), this), "Command1"), 2, 2);
    file1_ = named(new QListWidget(this), "File1");
    grid->addWidget(file1_, 3, 0, 1, 3);
    grid->addWidget(named(new QLabel(QStringLiteral("Label10"), this), "Label10"), 4, 0, 1, 3);
    grid->addWidget(named(new QLabel(QStringLiteral("Details:"), this), "Label28"), 5, 0);
    auto* details = named(new QPlainTextEdit(this), "Text3");
    details->setReadOnly(true);
    grid->addWidget(details, 6, 0, 1, 3);
    grid->addWidget(named(new QPushButton(QStringLiteral("Load"), this), "Command2"), 7, 0);
    if (model_.settings().flyAction == FlyAction::LaunchGame)
        grid->addWidget(named(new QPushButton(QStringLiteral("FLY"), this), "Command3"), 7, 1);
}

void SaveLoadPanel::sync() {
    if (file1_->count() == static_cast<int>(model_.savedMissions().size()))
        return;
    file1_->clear();
    for (const auto& name : model_.savedMissions())
        file1_->addItem(toQ(name));
}

void SaveLoadPanel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        hide();
}

} // namespace sortie::ui
