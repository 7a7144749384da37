#include "message_box.h"

namespace outfitter {

namespace {

std::optional<QMessageBox::StandardButton> nextAnswer;
std::optional<MessageBox::Shown> last;

QMessageBox::StandardButton answerOrShow(QMessageBox& box) {
    last = MessageBox::Shown{box.windowTitle(), box.text(), box.icon(), box.standardButtons()};
    if (nextAnswer) {
        const auto answer = *nextAnswer;
        nextAnswer.reset();
        return answer;
    }
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

} // namespace

QMessageBox::StandardButton MessageBox::exclamation(QWidget* parent, const QString& title,
                                                    const QString& text) {
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok, parent);
    return answerOrShow(box);
}

QMessageBox::StandardButton MessageBox::question(QWidget* parent, const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    return answerOrShow(box);
}

void MessageBox::setNextAnswer(QMessageBox::StandardButton answer) {
    nextAnswer = answer;
}

const std::optional<MessageBox::Shown>& MessageBox::lastShown() {
    return last;
}

} // namespace outfitter
