#include "sortie/ui/number_box.h"

#include "ui_support/qt_text.h"

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

} // namespace

void takeNumbers(QLineEdit* box, NumberBoxCalls calls) {
    QObject::connect(box, &QLineEdit::textEdited, box, [box, calls](const QString& text) {
        const QString trimmed = text.trimmed();
        if (trimmed.isEmpty() || trimmed == QLatin1String("-"))
            return;
        if (!calls.apply(uisupport::toGameBytes(text)))
            showInForce(box, calls);
        calls.changed();
    });
    QObject::connect(box, &QLineEdit::editingFinished, box, [box, calls] {
        const std::string text = uisupport::toGameBytes(box->text());
        if (text == calls.inForce())
            return;
        calls.apply(text);
        showInForce(box, calls);
        calls.changed();
    });
}

} // namespace sortie::ui
