#include "sortie/ui/map_view.h"

#include "sortie/map/map_scroll.h"
#include "sortie/ui/map_image.h"
#include "sortie/ui/twips.h"
#include "ui_support/qt_text.h"

#include <QBoxLayout>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QToolButton>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace sortie::ui {

namespace {

constexpr int kScrollBarSize = 16;

int stepPixels() {
    return px(kMapScrollStep);
}

} // namespace

MapView::MapView(MissionBuilder& model, QWidget* parent) : QWidget(parent), model_(model) {
    viewport_ = new QFrame(this);
    viewport_->setObjectName(u"Frame7"_s);
    viewport_->setStyleSheet(u"QFrame#Frame7 { background: #808080; }"_s);
    viewport_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    viewport_->setMinimumSize(320, 240);
    viewport_->installEventFilter(this);
    image_ = new MapImage(model_.map().theatreMap().picture(), viewport_);
    image_->move(0, 0);

    scrollY_ = new QScrollBar(Qt::Vertical, this);
    scrollY_->setObjectName(u"MapScrollY"_s);
    scrollX_ = new QScrollBar(Qt::Horizontal, this);
    scrollX_->setObjectName(u"MapScrollX"_s);
    for (QScrollBar* bar : {scrollX_, scrollY_})
        bar->setSingleStep(stepPixels());
    connect(scrollX_, &QScrollBar::valueChanged, this, [this](int v) {
        setPictureOffset({-v, pictureOffset().y()});
    });
    connect(scrollY_, &QScrollBar::valueChanged, this, [this](int v) {
        setPictureOffset({pictureOffset().x(), -v});
    });

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(2);
    grid->addWidget(viewport_, 0, 0);
    grid->addWidget(scrollY_, 0, 1);
    grid->addWidget(buildUpDown("UpDown1", Qt::Vertical), 0, 2, Qt::AlignTop);
    grid->addWidget(scrollX_, 1, 0);
    grid->addWidget(buildUpDown("UpDown2", Qt::Horizontal), 2, 0, Qt::AlignLeft);
    fitScrollBars();

    connect(image_, &MapImage::pointerMoved, this, &MapView::onPointer);
    connect(image_, &MapImage::clicked, this, [this] {
        model_.map().click();
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
    first->setObjectName(u"towardsStart"_s);
    second->setObjectName(u"towardsEnd"_s);
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
    const int frame = vertical ? viewport_->height() : viewport_->width();
    at = towardsEnd ? scrollTowardsEnd(at, picture, frame, stepPixels())
                    : scrollTowardsStart(at, stepPixels());
    setPictureOffset(p);
}

QSize MapView::sizeHint() const {
    return {px(13800) + 60, px(9600) + 60};
}

// The bars cover what the frame, at its present size, cannot show of the picture.
void MapView::fitScrollBars() {
    const auto configure = [](QScrollBar* bar, int picture, int frame) {
        bar->setRange(0, std::max(0, picture - frame));
        bar->setPageStep(frame);
    };
    configure(scrollX_, image_->width(), viewport_->width());
    configure(scrollY_, image_->height(), viewport_->height());
    setPictureOffset(pictureOffset());
}

bool MapView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == viewport_ && event->type() == QEvent::Resize)
        fitScrollBars();
    return QWidget::eventFilter(watched, event);
}

QPoint MapView::pictureOffset() const {
    return image_->pos();
}

void MapView::setPictureOffset(QPoint offset) {
    const int minX = std::min(0, viewport_->width() - image_->width());
    const int minY = std::min(0, viewport_->height() - image_->height());
    offset.setX(std::clamp(offset.x(), minX, 0));
    offset.setY(std::clamp(offset.y(), minY, 0));
    image_->move(offset);
    const QSignalBlocker blockX(scrollX_);
    const QSignalBlocker blockY(scrollY_);
    scrollX_->setValue(-offset.x());
    scrollY_->setValue(-offset.y());
}

void MapView::onPointer(QPointF mapPos, bool buttonHeld) {
    model_.map().hover(mapPos.x(), mapPos.y(), buttonHeld);
    refreshLabel();
}

void MapView::refreshLabel() {
    const TargetLabelState& label = model_.map().theatreMap().nameLabel();
    image_->showTargetLabel(label.visible, uisupport::fromGameBytes(label.caption), label.left, label.top);
}

void MapView::refresh() {
    refreshLabel();
    image_->update();
}

} // namespace sortie::ui
