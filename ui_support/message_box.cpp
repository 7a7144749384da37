#include "ui_support/message_box.h"

namespace uisupport {

namespace {

std::optional<QMessageBox::StandardButton> nextAnswer;
std::optional<MessageBox::Shown> last;

} // namespace

QMessageBox::StandardButton MessageBox::run(QMessageBox& box) {
    last = Shown{box.windowTitle(), box.text(), box.icon(), box.standardButtons(), box.detailedText()};
    if (nextAnswer) {
        const auto answer = *nextAnswer;
        nextAnswer.reset();
        return answer;
    }
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

QMessageBox::StandardButton MessageBox::exclamation(QWidget* parent, const QString& title,
                                                    const QString& text) {
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok, parent);
    return run(box);
}

QMessageBox::StandardButton MessageBox::information(QWidget* parent, const QString& title,
                                                    const QString& text, const QIcon& picture) {
    QMessageBox box(QMessageBox::Information, title, text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::RichText);
    if (!picture.isNull())
        box.setIconPixmap(picture.pixmap(64, 64));
    return run(box);
}

QMessageBox::StandardButton MessageBox::question(QWidget* parent, const QString& title, const QString& text,
                                                 const QString& details) {
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No, parent);
    if (!details.isEmpty())
        box.setDetailedText(details);
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    return run(box);
}

void MessageBox::setNextAnswer(QMessageBox::StandardButton answer) {
    nextAnswer = answer;
}

const std::optional<MessageBox::Shown>& MessageBox::lastShown() {
    return last;
}

} // namespace uisupport
