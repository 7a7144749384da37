#include "log_panel.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace outfitter {

LogPanel::LogPanel(QWidget* parent)
    : QWidget(parent), title_(new QLabel(this)), view_(new QPlainTextEdit(this)) {
    setObjectName(u"LogPanel"_s);
    setAutoFillBackground(true);
    view_->setObjectName(u"LogView"_s);
    view_->setReadOnly(true);
    view_->setLineWrapMode(QPlainTextEdit::NoWrap);
    auto* close = new QPushButton(u"Close"_s, this);
    close->setObjectName(u"CloseLog"_s);

    auto* top = new QHBoxLayout;
    top->addWidget(title_, 1);
    top->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(view_, 1);
    connect(close, &QPushButton::clicked, this, &QWidget::hide);
    hide();
}

void LogPanel::open(const std::string& text, const QString& where) {
    title_->setText(u"Every change made to the game folder, from "_s + where);
    // Our own file: names in it are the file system's, so they are read as such.
    view_->setPlainText(text.empty() ? u"Nothing has been changed yet."_s : QString::fromLocal8Bit(text));
    view_->verticalScrollBar()->setValue(view_->verticalScrollBar()->maximum());
    show();
    raise();
    view_->setFocus();
}

void LogPanel::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        hide();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace outfitter
