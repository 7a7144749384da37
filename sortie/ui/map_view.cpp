#include "sortie/ui/map_view.h"

#include "sortie/map/map_scroll.h"
#include "sortie/ui/map_image.h"
#include "sortie/ui/twips.h"
#include "ui_support/qt_text.h"

#include <QBoxLayout>
#include <QFrame>
#include <QLabel>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QToolButton>

#include <algorithm>

namespace sortie::ui {

namespace {

constexpr int kScrollBarSize = 16;

int stepPixels() {
    return px(kMapScrollStep);
}

} // namespace

MapView::MapView(MissionBuilder& model, QWidget* parent) : QWidget(parent), model_(model) {
    frame7_ = new QFrame(this);
    frame7_->setObjectName(QStringLiteral("Frame7"));
    frame7_->setGeometry(0, 0, px(13800), px(9600));
    frame7_->setStyleSheet(QStringLiteral("QFrame#Frame7 { background: #808080; }"));
    image_ = new MapImage(model_.theatreMap().picture(), frame7_);
    image_->move(0, 0);

    scrollY_ = new QScrollBar(Qt::Vertical, this);
    scrollY_->setObjectName(QStringLiteral("MapScrollY"));
    scrollY_->setGeometry(frame7_->geometry().right() + 1, 0, kScrollBarSize, frame7_->height());
    scrollX_ = new QScrollBar(Qt::Horizontal, this);
    scrollX_->setObjectName(QStringLiteral("MapScrollX"));
    scrollX_->setGeometry(0, frame7_->geometry().bottom() + 1, frame7_->width(), kScrollBarSize);
    const auto configure = [](QScrollBar* bar, int picture, int frame) {
        bar->setRange(0, std::max(0, picture - frame));
        bar->setPageStep(frame);
        bar->setSingleStep(stepPixels());
    };
    configure(scrollX_, image_->width(), frame7_->width());
    configure(scrollY_, image_->height(), frame7_->height());
    connect(scrollX_, &QScrollBar::valueChanged, this, [this](int v) {
        setPictureOffset({-v, pictureOffset().y()});
    });
    connect(scrollY_, &QScrollBar::valueChanged, this, [this](int v) {
        setPictureOffset({pictureOffset().x(), -v});
    });

    QWidget* upDown1 = buildUpDown("UpDown1", Qt::Vertical);
    upDown1->move(scrollY_->geometry().right() + 3, 0);
    QWidget* upDown2 = buildUpDown("UpDown2", Qt::Horizontal);
    upDown2->move(0, scrollX_->geometry().bottom() + 3);
    resize(upDown1->geometry().right() + 1, upDown2->geometry().bottom() + 1);

    connect(image_, &MapImage::pointerMoved, this, &MapView::onPointer);
    connect(image_, &MapImage::clicked, this, [this] {
        model_.clickMap();
        emit picked();
    });
    connect(image_, &MapImage::dragged, this,
            [this](QPoint delta) { setPictureOffset(pictureOffset() + delta); });
    connect(image_, &MapImage::wheeled, this, [this](int vertical, int horizontal) {
        setPictureOffset(pictureOffset() + QPoint(horizontal, vertical) * stepPixels());
    });
}

QWidget* MapView::buildUpDown(const char* name, Qt::Orientation orientation) {
    auto* holder = new QWidget(this);
    holder->setObjectName(QString::fromLatin1(name));
    const bool vertical = orientation == Qt::Vertical;
    auto* layout = new QBoxLayout(vertical ? QBoxLayout::TopToBottom : QBoxLayout::LeftToRight, holder);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* first = new QToolButton(holder);
    auto* second = new QToolButton(holder);
    // First button: up (vertical) or left (horizontal); both move towards the map's start.
    first->setArrowType(vertical ? Qt::UpArrow : Qt::LeftArrow);
    second->setArrowType(vertical ? Qt::DownArrow : Qt::RightArrow);
    first->setObjectName(QStringLiteral("towardsStart"));
    second->setObjectName(QStringLiteral("towardsEnd"));
    layout->addWidget(first);
    layout->addWidget(second);
    connect(first, &QToolButton::clicked, this, [this, orientation] { step(orientation, false); });
    connect(second, &QToolButton::clicked, this, [this, orientation] { step(orientation, true); });
    holder->adjustSize();
    return holder;
}

void MapView::step(Qt::Orientation orientation, bool towardsEnd) {
    QPoint p = pictureOffset();
    const bool vertical = orientation == Qt::Vertical;
    int& at = vertical ? p.ry() : p.rx();
    const int picture = vertical ? image_->height() : image_->width();
    const int frame = vertical ? frame7_->height() : frame7_->width();
    at = towardsEnd ? scrollTowardsEnd(at, picture, frame, stepPixels())
                    : scrollTowardsStart(at, stepPixels());
    setPictureOffset(p);
}

QPoint MapView::pictureOffset() const {
    return image_->pos();
}

void MapView::setPictureOffset(QPoint offset) {
    const int minX = std::min(0, frame7_->width() - image_->width());
    const int minY = std::min(0, frame7_->height() - image_->height());
    offset.setX(std::clamp(offset.x(), minX, 0));
    offset.setY(std::clamp(offset.y(), minY, 0));
    image_->move(offset);
    const QSignalBlocker blockX(scrollX_);
    const QSignalBlocker blockY(scrollY_);
    scrollX_->setValue(-offset.x());
    scrollY_->setValue(-offset.y());
}

void MapView::onPointer(QPointF mapPos, bool buttonHeld) {
    model_.hoverMap(mapPos.x(), mapPos.y(), buttonHeld);
    refreshLabel();
}

void MapView::refreshLabel() {
    const TargetLabelState& label = model_.theatreMap().TargetLabel();
    image_->showTargetLabel(label.visible, uisupport::fromGameBytes(label.caption), label.left, label.top);
}

void MapView::refresh() {
    refreshLabel();
    image_->update();
}

} // namespace sortie::ui
