#pragma once
// A text box that takes only numbers the game understands: a keystroke that makes a whole value
// applies it at once, an impossible one is refused (the model says why) and the box shows the value
// in force again; an unfinished one ("" or "-") waits for Enter or for the focus to leave. The
// window's undo keys reach the window unless the box holds text not yet in force.

#include <QLineEdit>

#include <functional>
#include <string>

namespace sortie::ui {

struct NumberBoxCalls {
    std::function<bool(const std::string&)> apply; // false: refused, nothing changed
    std::function<std::string()> inForce;          // the value the mission holds now
    std::function<void()> changed;                 // redraw the window and its message line
    std::function<void()> typingEnded;             // Enter or the focus leaving: the next keystroke
                                                   // is a change of its own
};

void takeNumbers(QLineEdit* box, NumberBoxCalls calls);

} // namespace sortie::ui
