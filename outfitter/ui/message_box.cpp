#include "message_box.h"

namespace outfitter {

namespace {

std::optional<QMessageBox::StandardButton> nextAnswer;
std::optional<MessageBox::Shown> last;

} // namespace

QMessageBox::StandardButton MessageBox::exclamation(QWidget* parent, const QString& title,
                                                    const QString& text) {
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok, parent);
    last = Shown{box.windowTitle(), box.text(), box.icon(), box.standardButtons()};
    if (nextAnswer) {
        const auto answer = *nextAnswer;
        nextAnswer.reset();
        return answer;
    }
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

void MessageBox::setNextAnswer(QMessageBox::StandardButton answer) {
    nextAnswer = answer;
}

const std::optional<MessageBox::Shown>& MessageBox::lastShown() {
    return last;
}

} // namespace outfitter
