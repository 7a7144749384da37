#include "sortie/ui/option_groups.h"

#include <QGridLayout>
#include <QRadioButton>

namespace sortie::ui {

QButtonGroup* makeButtons(QWidget* parent, const QString& buttonName, const QStringList& captions,
                          std::function<void(int)> onClick) {
    auto* buttons = new QButtonGroup(parent);
    for (int i = 0; i < captions.size(); ++i) {
        auto* button = new QRadioButton(captions[i], parent);
        button->setObjectName(buttonName);
        button->setProperty("index", i);
        buttons->addButton(button, i);
    }
    QObject::connect(buttons, &QButtonGroup::idClicked, parent, [onClick](int id) { onClick(id); });
    return buttons;
}

void selectButton(QButtonGroup* buttons, int index) {
    // An exclusive group cannot be emptied while exclusive.
    buttons->setExclusive(false);
    for (QAbstractButton* button : buttons->buttons()) {
        const QSignalBlocker block(button);
        button->setChecked(buttons->id(button) == index);
    }
    buttons->setExclusive(true);
}

OptionGroup::OptionGroup(QWidget* parent, const QString& frameName, int frameIndex,
                         const QString& frameCaption, const QString& buttonName, const QStringList& captions,
                         std::function<void(int)> onClick)
    : frame_(new QGroupBox(frameCaption, parent)) {
    frame_->setObjectName(frameName);
    if (frameIndex >= 0)
        frame_->setProperty("index", frameIndex);
    buttons_ = makeButtons(frame_, buttonName, captions, std::move(onClick));
    // Options in two columns, read downwards, so a frame is half as high.
    auto* layout = new QGridLayout(frame_);
    layout->setContentsMargins(6, 2, 6, 2);
    layout->setHorizontalSpacing(8);
    layout->setVerticalSpacing(0);
    const int rows = (static_cast<int>(captions.size()) + 1) / 2;
    for (QAbstractButton* button : buttons_->buttons()) {
        const int i = buttons_->id(button);
        layout->addWidget(button, i % rows, i / rows);
    }
}

void OptionGroup::select(int index) {
    selectButton(buttons_, index);
}

} // namespace sortie::ui
