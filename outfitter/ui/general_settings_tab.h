#pragma once
// The "General Settings" tab: the game folder, the screen size, the credits and the title picture,
// the six game settings of "eaw.ini" (`Frame2`) and the whole file for free editing (`Frame21`).

#include "outfitter/session/selector_session.h"

#include <QStringList>
#include <QWidget>

class QLabel;
class QPushButton;

namespace outfitter {

class IniEditorPanel;
class UserSettingsPanel;

class GeneralSettingsTab final : public QWidget {
    Q_OBJECT
  public:
    // The session's ready rule gates saving the six settings; each save goes into its log.
    explicit GeneralSettingsTab(SelectorSession& session, QWidget* parent = nullptr);

    void showStartup(const StartupResult& startup);

  signals:
    void problemsReported(const QStringList& lines);

  private:
    void inisave(int key);
    QString refusalText(const IniRefusal& refusal) const;
    void IniEdit();
    void InSaver();
    void report(const std::optional<common::Problem>& problem);

    SelectorSession& session_;
    UserSettingsPanel* userSettings_;
    QPushButton* iniEdit_;
    IniEditorPanel* iniEditor_;
    QLabel* eawDirLabel_;
    QLabel* widthLabel_;
    QLabel* heightLabel_;
    QLabel* credits_;
    QLabel* newPicture_;
};

} // namespace outfitter
