#pragma once
// The second build's scenario frame `Frame11`: the scenario labels `Label35` in `Frame12`, the
// chosen folder `Label36`, the file table `Label31`/`Label32`, the OK label `Label33`, the picture
// `Image1`, the game folder `Label29` and "EXIT" `Label22`.

#include "sortie/core/mission_builder.h"

#include <QGroupBox>

#include <array>
#include <vector>

class QLabel;

namespace uisupport {
class ClickLabel;
}

namespace sortie::ui {

inline constexpr const char* kScenarioOkCaption = "All set- continue!";
inline constexpr const char* kScenarioBusyCaption = "  OK... setting up maps and files";

class ScenarioFrame final : public QGroupBox {
    Q_OBJECT
  public:
    ScenarioFrame(MissionBuilder& model, QWidget* parent);
    void sync();
    // `Label33` while the OK sequence runs, and back.
    void showBusy(bool busy);

  signals:
    void changed();
    void continueClicked(); // `Label33`
    void exitClicked();     // `Label22`

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildScenarioList(QWidget* frame12);

    MissionBuilder& model_;
    std::vector<uisupport::ClickLabel*> scenarioLabels_; // `Label35`
    QLabel* chosenFolder_ = nullptr;                     // `Label36`
    std::array<QLabel*, kScenarioFileRows> filePaths_{}; // `Label32`
    uisupport::ClickLabel* continueAction_ = nullptr;    // `Label33`
};

} // namespace sortie::ui
