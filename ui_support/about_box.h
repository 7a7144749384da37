#pragma once
// What a program says about itself: its About box, the small "About" label that opens it, and the
// window icon.

#include <QIcon>
#include <QString>

class QWidget;

namespace uisupport {

class ClickLabel;

struct ProgramIdentity {
    QString name;    // "outfitter"
    QString version; // "1.0.0"
    QString purpose; // one line of what it is for
    QString badge;   // the three letters on its icon, "OUT"
};

// The icon the installed desktop entry shows, drawn at every size the window system asks for.
QIcon programIcon(const QString& badge);

// The About box, through the answerable message-box door.
void showAbout(QWidget* parent, const ProgramIdentity& program);

// An "About" label (objectName "about") that opens the About box when clicked or pressed.
ClickLabel* makeAboutLabel(QWidget* parent, const ProgramIdentity& program);

} // namespace uisupport
