#include "ini_editor_panel.h"

#include "settings_texts.h"
#include "ui_support/escape_hides.h"
#include "ui_support/qt_text.h"

#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace outfitter {

IniEditorPanel::IniEditorPanel(QWidget* parent)
    : QGroupBox(texts::kClickToHide, parent), editor_(new QPlainTextEdit(this)),
      inSaver_(new QPushButton(texts::kInSaver, this)) {
    setObjectName(u"Frame21"_s);
    uisupport::hideOnEscape(this);
    editor_->setObjectName(u"Text14"_s);
    // The game reads no tabs in "eaw.ini"; Tab leaves the box so the keyboard reaches the save button.
    editor_->setTabChangesFocus(true);
    editor_->setLineWrapMode(QPlainTextEdit::NoWrap);
    inSaver_->setObjectName(u"InSaver"_s);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(editor_, 1);
    layout->addWidget(inSaver_, 0, Qt::AlignLeft);
    connect(inSaver_, &QPushButton::clicked, this, &IniEditorPanel::saveRequested);
}

void IniEditorPanel::showText(const std::string& bytes) {
    QString text = uisupport::fromGameBytes(bytes);
    text.replace(u"\r\n"_s, u"\n"_s);
    editor_->setPlainText(text);
    show();
}

std::string IniEditorPanel::text() const {
    return uisupport::toGameBytes(editor_->toPlainText());
}

void IniEditorPanel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        hide();
    QGroupBox::mousePressEvent(event);
}

void IniEditorPanel::mouseDoubleClickEvent(QMouseEvent* event) {
    hide();
    QGroupBox::mouseDoubleClickEvent(event);
}

} // namespace outfitter
