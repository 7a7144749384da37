#pragma once
// `QIVForm`, the selector's main window: refuses to be a second copy, runs the start-up on the game
// folder and shows its outcome on five tabs, with every problem in the message line.

#include "single_instance.h"

#include "outfitter/core/selector_startup.h"

#include <QString>
#include <QWidget>

#include <filesystem>
#include <memory>

class QPlainTextEdit;
class QTabWidget;

namespace outfitter {

class AutoscriptsTab;
class CompleteSetsTab;
class GeneralSettingsTab;
class PlanesSkinsTab;
class WorldSettingsTab;

struct QIVFormOptions {
    QString instanceLockPath = SingleInstance::defaultLockPath();
    StartupSeams seams;
};

class QIVForm final : public QWidget {
    Q_OBJECT
  public:
    explicit QIVForm(std::filesystem::path gameFolder, QIVFormOptions options = {},
                     QWidget* parent = nullptr);
    ~QIVForm() override;

    // True when another copy was running: the player has been told, and nothing else was done.
    bool isDuplicate() const { return duplicate_; }
    const StartupResult& startup() const { return startup_; }

  private:
    void buildWindow();
    void showProblems(const common::Problems& problems);

    std::unique_ptr<SingleInstance> instance_;
    bool duplicate_ = false;
    StartupResult startup_;
    QTabWidget* ssTab1_ = nullptr;
    GeneralSettingsTab* generalTab_ = nullptr;
    CompleteSetsTab* setsTab_ = nullptr;
    WorldSettingsTab* worldTab_ = nullptr;
    AutoscriptsTab* autoscriptsTab_ = nullptr;
    PlanesSkinsTab* planesTab_ = nullptr;
    QPlainTextEdit* messages_ = nullptr;
};

} // namespace outfitter
