#include "ui_support/about_box.h"

#include "ui_support/click_label.h"
#include "ui_support/message_box.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

using namespace Qt::StringLiterals;

namespace uisupport {

namespace {

// The same picture as the hand-drawn icons installed beside the programs, on a 64 x 64 canvas:
// a rounded blue square, an aircraft seen from above and the program's badge.
QPixmap drawIcon(const QString& badge, int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(size / 64.0, size / 64.0);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x3b, 0x5b, 0x7a));
    painter.drawRoundedRect(QRectF(2, 2, 60, 60), 10, 10);
    const QPointF plane[] = {{8, 34}, {56, 26}, {56, 30}, {36, 34}, {30, 50}, {26, 50}, {28, 35}, {8, 38}};
    painter.setBrush(QColor(0xe8, 0xe4, 0xd0));
    painter.drawPolygon(plane, static_cast<int>(std::size(plane)));
    QFont font(u"sans-serif"_s);
    font.setPixelSize(12);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(QColor(0xff, 0xd9, 0x66));
    painter.drawText(QRectF(0, 8, 64, 14), Qt::AlignHCenter | Qt::AlignBottom, badge);
    return pixmap;
}

} // namespace

QIcon programIcon(const QString& badge) {
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(drawIcon(badge, size));
    return icon;
}

void showAbout(QWidget* parent, const ProgramIdentity& program) {
    const QString text = u"<p><b>%1</b> %2</p><p>%3</p>"_s.arg(
        program.name.toHtmlEscaped(), program.version.toHtmlEscaped(), program.purpose.toHtmlEscaped());
    MessageBox::information(parent, u"About %1"_s.arg(program.name), text, programIcon(program.badge));
}

ClickLabel* makeAboutLabel(QWidget* parent, const ProgramIdentity& program) {
    auto* label = new ClickLabel(u"about"_s, u"About"_s, parent);
    label->setToolTip(u"About %1"_s.arg(program.name));
    label->setStyleSheet(u"QLabel { color: #0000FF; text-decoration: underline; }"_s);
    QObject::connect(label, &ClickLabel::clicked, parent, [parent, program] { showAbout(parent, program); });
    return label;
}

} // namespace uisupport
