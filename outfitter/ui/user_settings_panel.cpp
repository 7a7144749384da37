#include "user_settings_panel.h"

#include "settings_texts.h"
#include "ui_support/qt_text.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

using namespace Qt::StringLiterals;

namespace outfitter {

UserSettingsPanel::UserSettingsPanel(QWidget* parent) : QGroupBox(texts::kUserSettings, parent) {
    setObjectName(u"Frame2"_s);
    auto* layout = new QGridLayout(this);
    auto* label32 = new QLabel(texts::kCurrentSettings, this);
    label32->setObjectName(u"Label32"_s);
    layout->addWidget(label32, 0, 0, 1, 4);
    for (std::size_t k = 0; k < kIniKeyCount; ++k) {
        auto* box = new QLineEdit(this);
        box->setObjectName(uisupport::fromGameBytes(kIniKeys[k].box));
        box->setFixedWidth(80);
        auto* label = new QLabel(uisupport::fromGameBytes(kIniKeys[k].label), this);
        label->setBuddy(box);
        const int row = 1 + static_cast<int>(k % 3);
        const int column = 2 * static_cast<int>(k / 3);
        layout->addWidget(label, row, column);
        layout->addWidget(box, row, column + 1);
        connect(box, &QLineEdit::returnPressed, this,
                [this, key = static_cast<int>(k)] { emit saveRequested(key); });
        boxes_[k] = box;
    }
    layout->setColumnStretch(4, 1);
}

void UserSettingsPanel::setValues(const IniValues& values) {
    for (std::size_t k = 0; k < kIniKeyCount; ++k)
        boxes_[k]->setText(uisupport::fromGameBytes(values[k]));
}

IniValues UserSettingsPanel::values() const {
    IniValues values;
    for (std::size_t k = 0; k < kIniKeyCount; ++k)
        values[k] = uisupport::toGameBytes(boxes_[k]->text());
    return values;
}

} // namespace outfitter
