#pragma once
// The aircraft page `Frame2`: the option board, the role and nation controls, the option groups, the
// summary, the aircraft list and the page's action labels.

#include "sortie/core/mission_builder.h"
#include "sortie/ui/option_groups.h"

#include <QFrame>

#include <array>
#include <memory>
#include <vector>

class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;

namespace uisupport {
class ClickLabel;
}

namespace sortie::ui {

class LoadoutPanel;
class OptionBoard;
class SaveLoadPanel;

class AircraftPage final : public QFrame {
    Q_OBJECT
  public:
    AircraftPage(MissionBuilder& model, QWidget* parent);
    ~AircraftPage() override;

    void sync();
    OptionBoard* board() const { return board_; }

  signals:
    void changed();
    void showMapPage();
    void fly();
    void endProgram();
    void restoreChoices();

  private:
    QWidget* buildSidePanel();
    QWidget* buildGroups();

    MissionBuilder& model_;
    OptionBoard* board_ = nullptr;
    SaveLoadPanel* saveLoad_ = nullptr;
    LoadoutPanel* loadout_ = nullptr;
    QButtonGroup* roles_ = nullptr;
    QButtonGroup* nations_ = nullptr;
    std::array<QLineEdit*, kRoleCount> rolePlanes_{};  // `Text1`
    std::array<QLabel*, kRoleCount> rolePlaneNames_{}; // `Label1`
    QLineEdit* aircraftCount_ = nullptr;               // `Text5`
    QCheckBox* groundStart_ = nullptr;                 // `Check1`
    QLabel* nationText_ = nullptr;                     // `Label3`
    QLabel* summary_ = nullptr;                        // `Label9`
    QListWidget* pList_ = nullptr;
    std::vector<std::pair<Group, std::unique_ptr<OptionGroup>>> groups_;
    QWidget* interdictionTypeGroup_ = nullptr; // `Frame3`
    QWidget* convoySizeGroup_ = nullptr;       // `Frame6`
};

} // namespace sortie::ui
