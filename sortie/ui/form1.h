#pragma once
// The mission builder's window `Form1`: the aircraft page and the target map page, one shown at a
// time, and the message line. Built with the settings of either build.

#include "sortie/core/mission_builder.h"
#include "ui_support/about_box.h"

#include <QWidget>

#include <filesystem>
#include <functional>

class QPlainTextEdit;

namespace sortie::ui {

class AircraftPage;
class MapPage;
class ScenarioFrame;
class UndoBar;

class Form1 final : public QWidget {
    Q_OBJECT
  public:
    // Runs the start-up sequence in `gameFolder`.
    Form1(std::filesystem::path gameFolder, BuildSettings settings, QWidget* parent = nullptr);

    MissionBuilder& model() { return model_; }
    // Redraws every control from the model and shows new messages.
    void sync();
    // What ends the program ("Save parameters and exit", "EXIT", "END"); closing the window when
    // unset. Tests put a recorder here so that ending does not end the test.
    void setEndProgram(std::function<void()> endProgram) { endProgram_ = std::move(endProgram); }

  private:
    uisupport::ProgramIdentity identity() const;
    QSize startSize() const;
    void showMapPage();
    void showAircraftPage();
    void fly();
    void endProgram();
    // `Label33`: loads the chosen scenario and opens the option board; the frame stays on a refusal.
    void continueScenario();

    MissionBuilder model_;
    AircraftPage* aircraftPage_ = nullptr;   // `Frame2`
    MapPage* mapPage_ = nullptr;             // `Frame4`
    ScenarioFrame* scenarioFrame_ = nullptr; // `Frame11`, second build only
    UndoBar* undoBar_ = nullptr;
    QWidget* pages_ = nullptr;
    std::function<void()> endProgram_;
    QPlainTextEdit* messages_ = nullptr;
    std::size_t messagesShown_ = 0;
};

} // namespace sortie::ui
