#include "sortie/ui/clickable_label.h"

namespace sortie::ui {

ClickableLabel::ClickableLabel(const QString& objectName, const QString& caption, QWidget* parent, int index)
    : QLabel(caption, parent) {
    setObjectName(objectName);
    if (index >= 0)
        setProperty("index", index);
}

void ClickableLabel::mousePressEvent(QMouseEvent* event) {
    emit pressed(event->button());
    event->accept();
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
    emit released(event->button());
    if (rect().contains(event->position().toPoint()))
        emit clicked();
    event->accept();
}

} // namespace sortie::ui
