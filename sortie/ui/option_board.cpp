#include "sortie/ui/option_board.h"

#include "sortie/ui/twips.h"
#include "ui_support/click_label.h"
#include "ui_support/picture.h"
#include "ui_support/qt_text.h"

#include <QMouseEvent>
#include <QPainter>

using namespace Qt::StringLiterals;

namespace sortie::ui {

MouseButton toModelButton(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton:
        return MouseButton::Left;
    case Qt::RightButton:
        return MouseButton::Right;
    case Qt::MiddleButton:
        return MouseButton::Middle;
    default:
        return MouseButton::Other;
    }
}

namespace {

// A board rectangle in twips, drawn at `scale` times its design size.
QRect pixelRect(const TwipRect& r, double scale) {
    return {px(r.left * scale), px(r.top * scale), px(r.width * scale), px(r.height * scale)};
}

// Captions use "\r" as the line break; Qt labels break on "\n".
QString caption(const std::string& text) {
    QString q = uisupport::fromGameBytes(text);
    q.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return q;
}

} // namespace

OptionBoard::OptionBoard(MissionBuilder& model, QWidget* parent) : QWidget(parent), model_(model) {
    setObjectName(u"Image2"_s);
    resize(designSize());
    setMouseTracking(true);

    for (int i = 0; i < kPlaneCellCount; ++i) {
        auto* cell = new uisupport::ClickLabel(u"Label18"_s, {}, this, i);
        cell->setAlignment(Qt::AlignCenter);
        cell->setWordWrap(true);
        cell->setStyleSheet(
            u"QLabel { background: rgba(255,255,224,230); color: black; border: 2px solid #404040;"
            " font-size: 11pt; font-weight: bold; }"_s);
        cell->setMouseTracking(true);
        cell->installEventFilter(this);
        cell->hide();
        connect(cell, &uisupport::ClickLabel::pressed, this, [this, i](Qt::MouseButton b) {
            model_.board().pressOnCell(toModelButton(b), i);
            sync();
        });
        connect(cell, &uisupport::ClickLabel::released, this, [this, i](Qt::MouseButton b) {
            model_.board().releaseOnCell(toModelButton(b), i);
            sync();
            emit changed();
        });
        cells_[static_cast<std::size_t>(i)] = cell;
    }
    for (int i = 0; i < kBoardRowCount; ++i) {
        auto* row = new uisupport::ClickLabel(u"Label21"_s, {}, this, i);
        row->setAlignment(Qt::AlignCenter);
        QFont font = row->font();
        font.setPointSize(12);
        font.setBold(true);
        row->setFont(font);
        row->setStyleSheet(u"QLabel { color: #0000FF; background: rgba(255,255,255,210); }"_s);
        row->setMouseTracking(true);
        // A row acts on the row under the pointer, not on itself: the keyboard reaches its choices elsewhere.
        row->setFocusPolicy(Qt::NoFocus);
        row->installEventFilter(this);
        row->hide();
        connect(row, &uisupport::ClickLabel::released, this, [this](Qt::MouseButton b) {
            model_.board().releaseOnBoard(toModelButton(b), true);
            sync();
            emit changed();
        });
        rows_[static_cast<std::size_t>(i)] = row;
    }
    nameCaption_ = new QLabel(parent);
    nameCaption_->setObjectName(u"Label20"_s);
    valueCaption_ = new QLabel(parent);
    valueCaption_->setObjectName(u"Label11"_s);
    QFont big = valueCaption_->font();
    big.setPointSize(12);
    valueCaption_->setFont(big);
    valueCaption_->setStyleSheet(u"QLabel { color: #0000FF; }"_s);
    big.setBold(true);
    nameCaption_->setFont(big);
    resultsReport_ = new QLabel(this);
    // The second build has no results report; its `Label22` is the scenario frame's "EXIT".
    resultsReport_->setObjectName(model_.settings().flyAction == FlyAction::LaunchGame ? u"Label22"_s
                                                                                       : u"resultsReport"_s);
    resultsReport_->setStyleSheet(
        u"QLabel { background: white; color: black; font-size: 12pt; border: 2px solid #404040; }"_s);
    resultsReport_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    resultsReport_->setMargin(20);
    resultsReport_->setWordWrap(true);
    resultsReport_->setMouseTracking(true);
    resultsReport_->installEventFilter(this);
    resultsReport_->hide();
    placeLabels();
}

QSize OptionBoard::designSize() const {
    const BoardGeometry& g = model_.board().geometry();
    return {px(g.width), px(g.height)};
}

double OptionBoard::scale() const {
    const BoardGeometry& g = model_.board().geometry();
    return g.width > 0 ? width() * 15.0 / g.width : 1.0;
}

// The labels keep their places on the board whatever size it is drawn at.
void OptionBoard::placeLabels() {
    const BoardGeometry& g = model_.board().geometry();
    const double s = scale();
    for (int i = 0; i < kPlaneCellCount; ++i)
        cells_[static_cast<std::size_t>(i)]->setGeometry(pixelRect(g.planeCell(i), s));
    for (int i = 0; i < kBoardRowCount; ++i)
        rows_[static_cast<std::size_t>(i)]->setGeometry(pixelRect(g.optionRow(i), s));
    resultsReport_->setGeometry(rect().adjusted(40, 40, -40, -40));
}

void OptionBoard::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placeLabels();
}

void OptionBoard::sync() {
    const BoardView& v = model_.board().view();
    for (std::size_t i = 0; i < cells_.size(); ++i) {
        cells_[i]->setText(caption(model_.mission().summary().cellCaptions[i]));
        cells_[i]->setVisible(v.cellShown[i]);
    }
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        rows_[i]->setText(caption(v.rowCaption[i]));
        rows_[i]->setVisible(v.rowShown[i]);
    }
    nameCaption_->setText(caption(v.nameCaption));
    nameCaption_->setVisible(v.nameShown);
    valueCaption_->setText(caption(v.valueCaption));
    valueCaption_->setVisible(v.valueShown);
    resultsReport_->setText(uisupport::fromGameLines(v.reportText));
    resultsReport_->setVisible(v.reportShown);
    update();
}

const QPixmap& OptionBoard::picture(int entry) {
    auto it = pictures_.find(entry);
    if (it == pictures_.end()) {
        it = pictures_.insert(entry, uisupport::pictureFromBytes(model_.board().PicShow(entry)));
    }
    return it.value();
}

void OptionBoard::hoverAt(QPointF pixel) {
    // The model measures the board at its design size; a scaled board scales the pointer back.
    const double twipsPerPixel = 15.0 / scale();
    model_.board().hover(pixel.x() * twipsPerPixel, pixel.y() * twipsPerPixel);
    sync();
}

void OptionBoard::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() == Qt::NoButton)
        hoverAt(event->position());
}

void OptionBoard::mouseReleaseEvent(QMouseEvent* event) {
    model_.board().releaseOnBoard(toModelButton(event->button()), false);
    sync();
    emit changed();
}

// Moves over a shown label still hover the board, so the pointer can pass from one row to the next.
bool OptionBoard::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove) {
        auto* move = static_cast<QMouseEvent*>(event);
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && move->buttons() == Qt::NoButton) {
            hoverAt(widget->mapTo(this, move->position()));
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void OptionBoard::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QPixmap& pixmap = picture(model_.board().view().picture);
    if (pixmap.isNull())
        paintPlainBoard(painter);
    else
        painter.drawPixmap(rect(), pixmap);
}

// Without a picture the board still shows where its cells and rows are and what they hold.
void OptionBoard::paintPlainBoard(QPainter& painter) {
    const BoardGeometry& g = model_.board().geometry();
    painter.fillRect(rect(), QColor(0xE8, 0xF0, 0xE0));
    QFont font = painter.font();
    font.setPointSize(9);
    painter.setFont(font);
    const double s = scale();
    const double colW = g.columnWidth * s / 15.0;
    const double rowH = g.planeRowHeight * s / 15.0;
    for (int i = 0; i < kPlaneCellCount; ++i) {
        const QRectF cell((i % 4) * colW, (i / 4) * rowH, colW, rowH);
        painter.setPen(QColor(0x80, 0x90, 0x80));
        painter.drawRect(cell.adjusted(2, 2, -2, -2));
        painter.setPen(Qt::black);
        const auto& names = model_.mission().lists().aircraftNames;
        const QString name = static_cast<std::size_t>(i) < names.size()
                                 ? uisupport::fromGameBytes(names[static_cast<std::size_t>(i)])
                                 : QString();
        painter.drawText(cell.adjusted(6, 6, -6, -6), Qt::AlignCenter | Qt::TextWordWrap, name);
    }
    const double optH = g.optionRowHeight * s / 15.0;
    const OptionCatalog& c = model_.mission().catalog();
    for (int r = 0; r < kBoardRowCount; ++r) {
        const QRectF row(4 * colW, r * optH, width() - 4 * colW, optH);
        painter.fillRect(row.adjusted(2, 2, -2, -2), QColor(0xD8, 0xE4, 0xF8));
        painter.setPen(QColor(0x20, 0x30, 0x80));
        painter.drawText(row.adjusted(6, 2, -6, -2), Qt::AlignCenter | Qt::TextWordWrap,
                         uisupport::fromGameBytes(c.boardRows[static_cast<std::size_t>(r)].name));
    }
}

} // namespace sortie::ui
