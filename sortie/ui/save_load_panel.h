#pragma once
// The save-and-load panel `Frame10`: a name to save under, the saved missions and their details.
// Saving and loading arrive with the mission file; a click on the panel's own face hides it.

#include "sortie/core/mission_builder.h"

#include <QFrame>

class QListWidget;

namespace sortie::ui {

class SaveLoadPanel final : public QFrame {
    Q_OBJECT
  public:
    SaveLoadPanel(MissionBuilder& model, QWidget* parent);
    void sync();

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    MissionBuilder& model_;
    QListWidget* file1_ = nullptr;
};

} // namespace sortie::ui
