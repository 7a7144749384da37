#include "ui_support/click_label.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

using namespace Qt::StringLiterals;

namespace uisupport {

namespace {

// Screen readers hear a button with the caption as its name, whatever the caption is changed to.
class ClickLabelAccessible final : public QAccessibleWidget {
  public:
    explicit ClickLabelAccessible(QWidget* widget) : QAccessibleWidget(widget, QAccessible::Button) {
        addControllingSignal(u"clicked()"_s);
    }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) {
            const QString name = widget()->accessibleName();
            return name.isEmpty() ? static_cast<const QLabel*>(widget())->text() : name;
        }
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override { return {pressAction()}; }

    void doAction(const QString& action) override {
        if (action == pressAction())
            emit static_cast<ClickLabel*>(widget())->clicked();
    }
};

QAccessibleInterface* accessibleFactory(const QString& className, QObject* object) {
    if (className == QLatin1String(ClickLabel::staticMetaObject.className()) && object &&
        object->isWidgetType())
        return new ClickLabelAccessible(static_cast<QWidget*>(object));
    return nullptr;
}

void installAccessibleFactoryOnce() {
    static const bool installed = [] {
        QAccessible::installFactory(accessibleFactory);
        return true;
    }();
    (void)installed;
}

} // namespace

ClickLabel::ClickLabel(const QString& caption, QWidget* parent) : QLabel(caption, parent) {
    setUp();
}

ClickLabel::ClickLabel(const QString& objectName, const QString& caption, QWidget* parent, int index)
    : QLabel(caption, parent) {
    setObjectName(objectName);
    if (index >= 0)
        setProperty("index", index);
    setUp();
}

void ClickLabel::setUp() {
    installAccessibleFactoryOnce();
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
}

void ClickLabel::mousePressEvent(QMouseEvent* event) {
    emit pressed(event->button());
    event->accept();
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
    emit released(event->button());
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    event->accept();
}

void ClickLabel::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        // A held key repeats; one press is one click, as with the mouse.
        if (!event->isAutoRepeat()) {
            emit pressed(Qt::LeftButton);
            emit released(Qt::LeftButton);
            emit clicked();
        }
        event->accept();
        return;
    default:
        QLabel::keyPressEvent(event);
    }
}

void ClickLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    // Drawn over the caption rather than through a style sheet, so the windows' own sheets stay theirs.
    QPainter painter(this);
    QPen pen(palette().color(QPalette::Highlight), 2, Qt::DashLine);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(1, 1, -1, -1));
}

} // namespace uisupport
