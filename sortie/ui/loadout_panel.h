#pragma once
// The loadout panel `frameLoadout`: the player's aircraft's loadouts in `LodList`, the aircraft in
// `P` with its name (`Sloc` and `Slab`, file positions, are kept but not shown); a click chooses a loadout, a
// double-click writes it into the game's table. Releasing the mouse on the panel's own face hides it.

#include "sortie/core/mission_builder.h"

#include <QGroupBox>

class QLabel;
class QLineEdit;
class QListWidget;

namespace sortie::ui {

inline constexpr const char* kLoadoutCaptionFly =
    "Select one and double click, then click here to hide this panel or click FLY!";
inline constexpr const char* kLoadoutCaptionSave =
    "Select one and double click, then click here to hide this panel ";

class LoadoutPanel final : public QGroupBox {
    Q_OBJECT
  public:
    LoadoutPanel(MissionBuilder& model, QWidget* parent);
    // `Label24`: shows the panel with the listing of the player's aircraft.
    void open();
    void sync();

  signals:
    void changed();
    void fly();

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    MissionBuilder& model_;
    QListWidget* lodList_ = nullptr;
    QLabel* sloc_ = nullptr;
    QLabel* slab_ = nullptr;
    QLineEdit* p_ = nullptr;
    QLabel* aircraftName_ = nullptr;
};

} // namespace sortie::ui
