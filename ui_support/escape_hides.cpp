#include "ui_support/escape_hides.h"

#include <QShortcut>
#include <QWidget>

namespace uisupport {

void hideOnEscape(QWidget* panel) {
    // A shortcut belongs to its parent widget and stays silent while that widget is hidden, so the
    // key reaches whatever else wants it once the panel is gone.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), panel);
    escape->setContext(Qt::WindowShortcut);
    QObject::connect(escape, &QShortcut::activated, panel, &QWidget::hide);
    QObject::connect(escape, &QShortcut::activatedAmbiguously, panel, &QWidget::hide);
}

} // namespace uisupport
