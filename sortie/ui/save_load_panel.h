#pragma once
// The save-and-load panel `Frame10`: a name to save under, the saved missions with their details, Load
// and (in the build that starts the game) "FLY". A click on the panel's own face hides it.

#include "sortie/core/mission_builder.h"

#include <QFrame>

class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;

namespace sortie::ui {

class SaveLoadPanel final : public QFrame {
    Q_OBJECT
  public:
    SaveLoadPanel(MissionBuilder& model, QWidget* parent);
    void sync();

  signals:
    void changed(); // the choices, the summary or the messages may have changed
    void fly();     // the second build's `Label26`: save parameters and exit

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    void save();
    void select(const QString& fileName);

    MissionBuilder& model_;
    QLineEdit* saveName_ = nullptr;        // `Text2`
    QListWidget* savedMissions_ = nullptr; // `File1`
    QLabel* selectedPath_ = nullptr;       // `Label10`
    QPlainTextEdit* details_ = nullptr;    // `Text3`
};

} // namespace sortie::ui
