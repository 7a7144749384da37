#pragma once
// The "Complete Sets" tab: the category list, the set grid with its clicks, hover and "Refresh!", the
// description of the set under the mouse, the summary of what is loaded, "Reset All" and the
// package area. Every action is one call on the set browser; the tab redraws what it reports.

#include "outfitter/session/selector_session.h"

#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <filesystem>
#include <optional>

class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace uisupport {
class ClickLabel;
}

namespace outfitter {

class AddSetPanel;
class FolderCheckButton;
class PackagePanel;
class ProgressDisplay;
class SetFilesPanel;
class SetGrid;

// The pause between two rows added by "Refresh!", so the list visibly grows row by row.
inline constexpr int kRefreshRowDelayMs = 4;

class CompleteSetsTab final : public QWidget {
    Q_OBJECT
  public:
    CompleteSetsTab(SelectorSession& session, ProgressDisplay& progress, QWidget* parent = nullptr);

    void showStartup(const StartupResult& startup);
    // Shows what a browser call changed, here or elsewhere (autoscripts, skins, plane sets): set
    // marks, the summary, every problem.
    void redraw(const BrowserChange& change);
    void showChange(const BrowserChange& change) { redraw(change); }
    void refreshPackages();

  signals:
    void problemsReported(const QStringList& lines);
    void summaryChanged();
    void refreshFinished();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void fillCategoryList();
    void chooseCategory(int position);
    void chooseRow(int row);
    void hoverRow(int row);
    void showBackground();
    void startRefresh();
    void addNextRow();
    void resetAll();
    void report(const common::Problems& problems);
    // New sets arrived: the grid is read again and the first new set is shown selected, not loaded.
    void showAdded(const SelectorSession::Added& added);
    void setBusy(bool busy);

    SelectorSession& session_;
    ProgressDisplay& progress_;
    QListWidget* categoryList_;
    QLabel* categoryLetter_;
    SetGrid* unigrid_;
    uisupport::ClickLabel* refreshLink_;
    QLabel* loadedSummary_;
    QLabel* myImage_;
    QLabel* myLabel_;
    QPlainTextEdit* descriptionText_;
    QPushButton* resetAll_;
    PackagePanel* packages_;
    AddSetPanel* addSet_;
    QWidget* loadFrame_;
    SetFilesPanel* setFiles_;        // `SetFiles`
    FolderCheckButton* checkFolder_; // "Check game folder"
    std::optional<std::filesystem::path> background_;
    int hoveredRow_ = -1;
    QTimer refreshTimer_;
    std::size_t refreshNext_ = 0;
    std::vector<bool> refreshVisible_;
};

} // namespace outfitter
