#pragma once
// `Frame6` "Alternative Planes:": the plane-set grid `G1` of the loaded flight-model set, the six
// fuel buttons and the fuel labels. A click or Enter installs a row's aircraft; moving the mouse
// over a row tells the skins tab what to show. Every action is one call on the plane-set model.

#include "outfitter/session/selector_session.h"

#include <QGroupBox>
#include <QStringList>

#include <array>
#include <functional>

class QLabel;
class QRadioButton;
class QTableWidget;

namespace outfitter {

class PlaneSetPanel final : public QGroupBox {
    Q_OBJECT
  public:
    explicit PlaneSetPanel(SelectorSession& session, QWidget* parent = nullptr);

    // The model's grid was rebuilt (or re-marked): redraw it and show the frame.
    void showGrid();
    // The flight-model set went away: empty grid, frame hidden.
    void clearGrid();
    // A click or Enter on a row.
    void installRow(int row);
    // Says what an install did and shows its row as installed (a package's aircraft too).
    void showInstall(int row, const PlaneInstallReport& outcome);

  public slots:
    // The skin filter's list position: 0 "ALL", 1 "Selected", 2 + s the rows of slot s.
    void applyList1Filter(int list1Position);

  signals:
    void planeSetHovered(const QString& description, const QString& modelCode);
    void installed(); // an aircraft went into its slot: the summary and ledger must follow
    void problemsReported(const QStringList& lines);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void hoverRow(int row);
    void chooseFuel(int option);
    void paintMarks();
    void showFuel();
    void report(const common::Problems& problems);

    SelectorSession& session_;
    QTableWidget* grid_;
    QLabel* fuel_;
    QLabel* fuelPosition_;
    std::array<QLabel*, 2> slotLabels_{};
    std::array<QRadioButton*, 6> fuelOptions_{};
    int hoveredRow_ = -1;
};

} // namespace outfitter
