#include "sortie/ui/number_box.h"

#include "ui_support/qt_text.h"

#include <QKeyEvent>
#include <QSignalBlocker>

namespace sortie::ui {

namespace {

void showInForce(QLineEdit* box, const NumberBoxCalls& calls) {
    const QString value = uisupport::fromGameBytes(calls.inForce());
    if (box->text() != value) {
        const QSignalBlocker block(box);
        box->setText(value);
    }
}

// A box's own undo only knows the keystrokes; once they are in force the mission's history holds them,
// together with every other choice, so the keys go to the window's undo.
class UndoKeysToWindow final : public QObject {
  public:
    UndoKeysToWindow(QLineEdit* box, std::function<std::string()> inForce)
        : QObject(box), box_(box), inForce_(std::move(inForce)) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != box_ || event->type() != QEvent::ShortcutOverride)
            return false;
        auto* key = static_cast<QKeyEvent*>(event);
        const bool undoKey = key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo) ||
                             key->keyCombination() == QKeyCombination(Qt::CTRL, Qt::Key_Y) ||
                             key->keyCombination() == QKeyCombination(Qt::CTRL | Qt::SHIFT, Qt::Key_Z);
        // Left unaccepted, the override lets the window's shortcut run.
        return undoKey && box_->text() == uisupport::fromGameBytes(inForce_());
    }

  private:
    QLineEdit* box_;
    std::function<std::string()> inForce_;
};

} // namespace

void takeNumbers(QLineEdit* box, NumberBoxCalls calls) {
    box->installEventFilter(new UndoKeysToWindow(box, calls.inForce));
    QObject::connect(box, &QLineEdit::textEdited, box, [box, calls](const QString& text) {
        const QString trimmed = text.trimmed();
        if (trimmed.isEmpty() || trimmed == QLatin1String("-"))
            return;
        if (!calls.apply(uisupport::toGameBytes(text)))
            showInForce(box, calls);
        calls.changed();
    });
    QObject::connect(box, &QLineEdit::editingFinished, box, [box, calls] {
        if (calls.typingEnded)
            calls.typingEnded();
        const std::string text = uisupport::toGameBytes(box->text());
        if (text == calls.inForce())
            return;
        calls.apply(text);
        showInForce(box, calls);
        calls.changed();
    });
}

} // namespace sortie::ui
