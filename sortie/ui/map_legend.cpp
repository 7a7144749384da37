#include "sortie/ui/map_legend.h"

#include "sortie/ui/twips.h"
#include "ui_support/qt_text.h"

#include <QLabel>
#include <QPainter>

using namespace Qt::StringLiterals;

namespace sortie::ui {

namespace {

// Points at (100, 120) and (100, 400) twips of the box, each beside its caption.
const QPoint kAirfieldPoint(px(100), px(120) + 4);
const QPoint kTargetPoint(px(100), px(400) + 4);

} // namespace

MapLegend::MapLegend(QWidget* parent) : QFrame(parent) {
    setObjectName(u"Picture1"_s);
    setFrameShape(QFrame::Box);
    setStyleSheet(u"QFrame#Picture1 { background: #FFFFFF; }"_s);
    const struct {
        const char* caption;
        const char* colour;
        QPoint point;
    } entries[] = {{"Airfields (bases)", "#FF0000", kAirfieldPoint}, {"Targets", "#0000FF", kTargetPoint}};
    int index = 0;
    for (const auto& e : entries) {
        auto* label = new QLabel(QString::fromLatin1(e.caption), this);
        label->setObjectName(u"Label6"_s);
        label->setProperty("index", index++);
        label->setStyleSheet(u"color: %1; background: transparent;"_s.arg(QLatin1String(e.colour)));
        label->adjustSize();
        label->move(e.point.x() + 10, e.point.y() - label->height() / 2);
    }
    setFixedHeight(kTargetPoint.y() + 12);
}

void MapLegend::drawLegend() {
    drawn_ = true;
    update();
}

void MapLegend::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    if (!drawn_)
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xFF, 0, 0));
    painter.drawEllipse(QPointF(kAirfieldPoint), 2.5, 2.5);
    painter.setBrush(QColor(0, 0, 0xFF));
    painter.drawEllipse(QPointF(kTargetPoint), 2.5, 2.5);
}

} // namespace sortie::ui
