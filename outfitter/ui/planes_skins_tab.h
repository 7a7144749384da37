#pragma once
// The "Planes and Skins" tab: home of the plane-set and skin grids.

#include <QWidget>

namespace outfitter {

class PlanesSkinsTab final : public QWidget {
    Q_OBJECT
  public:
    explicit PlanesSkinsTab(QWidget* parent = nullptr);

    // Puts the plane-set frame into the tab's layout, beside the skins.
    void setPlaneSetPanel(QWidget* panel);
};

} // namespace outfitter
