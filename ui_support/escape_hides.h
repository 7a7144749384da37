#pragma once
// Esc hides a panel that a click on it hides, while the panel is showing in the active window.

class QWidget;

namespace uisupport {

// Several panels may show at once: each Esc then hides one of them.
void hideOnEscape(QWidget* panel);

} // namespace uisupport
