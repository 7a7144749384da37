#pragma once
// The option board `Image2`: the picture, the hidden plane-cell labels `Label18`, the option-row labels
// `Label21`, the name and value captions `Label20` and `Label11` and the results label `Label22`.

#include "sortie/core/mission_builder.h"

#include <QMap>
#include <QPixmap>
#include <QWidget>

#include <array>

class QLabel;

namespace uisupport {
class ClickLabel;
}

namespace sortie::ui {

class OptionBoard final : public QWidget {
    Q_OBJECT
  public:
    OptionBoard(MissionBuilder& model, QWidget* parent);

    // Redraws labels and picture from the model's board view.
    void sync();
    QLabel* Label20() const { return nameCaption_; }
    QLabel* Label11() const { return valueCaption_; }
    // The board's size at 15 twips to the pixel; it may be drawn larger or smaller, keeping its shape.
    QSize designSize() const;
    // Pixels drawn per design pixel.
    double scale() const;

  signals:
    void changed(); // a choice may have changed: the window redraws

  protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void hoverAt(QPointF pixel);
    void placeLabels();
    const QPixmap& picture(int entry);
    void paintPlainBoard(class QPainter& painter);

    MissionBuilder& model_;
    std::array<uisupport::ClickLabel*, kPlaneCellCount> cells_{};
    std::array<uisupport::ClickLabel*, kBoardRowCount> rows_{};
    QLabel* nameCaption_ = nullptr;   // `Label20`
    QLabel* valueCaption_ = nullptr;  // `Label11`
    QLabel* resultsReport_ = nullptr; // `Label22` in the first build
    QMap<int, QPixmap> pictures_;
};

MouseButton toModelButton(Qt::MouseButton button);

} // namespace sortie::ui
