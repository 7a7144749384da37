#include "sortie/ui/map_image.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QWheelEvent>

#include <cmath>

using namespace Qt::StringLiterals;

namespace sortie::ui {

MapImage::MapImage(const MapPicture& picture, QWidget* parent) : QWidget(parent), picture_(picture) {
    setObjectName(u"MyImage"_s);
    setFixedSize(picture.width(), picture.height());
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    targetLabel_ = new QLabel(this);
    targetLabel_->setObjectName(u"TargetLabel"_s);
    targetLabel_->setStyleSheet(
        u"QLabel { background: #FFFFE0; color: #000000; border: 1px solid #606060; padding: 1px; }"_s);
    // The label floats beside the pointer; it must not take the pointer's events from the map.
    targetLabel_->setAttribute(Qt::WA_TransparentForMouseEvents);
    targetLabel_->hide();
}

void MapImage::showTargetLabel(bool visible, const QString& caption, double left, double top) {
    targetLabel_->setText(caption);
    if (!visible) {
        targetLabel_->hide();
        return;
    }
    targetLabel_->adjustSize();
    targetLabel_->move(static_cast<int>(std::floor(left)), static_cast<int>(std::floor(top)));
    targetLabel_->show();
    targetLabel_->raise();
}

void MapImage::paintEvent(QPaintEvent* event) {
    // The model's buffer is shown in place: no copy of its 13 MB per paint.
    const QImage image(reinterpret_cast<const uchar*>(picture_.pixels().data()), picture_.width(),
                       picture_.height(), picture_.width() * static_cast<int>(sizeof(Pixel)),
                       QImage::Format_RGB32);
    QPainter painter(this);
    const QRect r = event->rect();
    painter.drawImage(r, image, r);
    paintRings(painter);
}

void MapImage::setRings(const QVector<MapRing>& rings) {
    if (rings == rings_)
        return;
    rings_ = rings;
    update();
}

// A ring clear of the marker inside it, and the name on a pale band so it reads over land and sea.
void MapImage::paintRings(QPainter& painter) {
    QFont font = painter.font();
    font.setBold(true);
    painter.setFont(font);
    const QFontMetrics metrics(font);
    for (const MapRing& ring : rings_) {
        painter.setPen(QPen(ring.colour, kRingPen));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(ring.at, kRingRadius, kRingRadius);
        const QPoint textAt = ring.at + QPoint(kRingRadius + 4, metrics.ascent() / 2);
        const QRect band = metrics.boundingRect(ring.name).translated(textAt).adjusted(-2, -1, 2, 1);
        painter.fillRect(band, QColor(255, 255, 255, 200));
        painter.setPen(ring.colour);
        painter.drawText(textAt, ring.name);
    }
}

void MapImage::mousePressEvent(QMouseEvent* event) {
    pressed_ = true;
    dragging_ = false;
    pressGlobal_ = lastGlobal_ = event->globalPosition();
    event->accept();
}

void MapImage::mouseMoveEvent(QMouseEvent* event) {
    const bool held = event->buttons() != Qt::NoButton;
    if (held && pressed_ && (event->buttons() & Qt::LeftButton)) {
        const QPointF global = event->globalPosition();
        if (!dragging_ && (global - pressGlobal_).manhattanLength() >= QApplication::startDragDistance())
            dragging_ = true;
        if (dragging_) {
            const QPoint delta = (global - lastGlobal_).toPoint();
            lastGlobal_ += QPointF(delta);
            if (!delta.isNull())
                emit dragged(delta);
        }
    }
    emit pointerMoved(event->position(), held);
    event->accept();
}

void MapImage::mouseReleaseEvent(QMouseEvent* event) {
    const bool wasDrag = dragging_;
    pressed_ = false;
    dragging_ = false;
    // A drag moves the picture; only a click in place picks.
    if (event->button() == Qt::LeftButton && !wasDrag && rect().contains(event->position().toPoint()))
        emit clicked();
    event->accept();
}

void MapImage::wheelEvent(QWheelEvent* event) {
    QPoint angle = event->angleDelta();
    if (event->modifiers() & Qt::ShiftModifier)
        angle = QPoint(angle.y() != 0 ? angle.y() : angle.x(), 0);
    wheelRemainderX_ += angle.x();
    wheelRemainderY_ += angle.y();
    const int stepsX = wheelRemainderX_ / 120;
    const int stepsY = wheelRemainderY_ / 120;
    wheelRemainderX_ -= stepsX * 120;
    wheelRemainderY_ -= stepsY * 120;
    if (stepsX != 0 || stepsY != 0)
        emit wheeled(stepsY, stepsX);
    event->accept();
}

} // namespace sortie::ui
