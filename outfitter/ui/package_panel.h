#pragma once
// The package area of the "Complete Sets" tab: the autoscripts to choose from, the chosen one's
// items, description and picture, "Load this package" with its two boxes, and the online client's
// autoload label that picks a package name up from the clipboard.

#include "outfitter/session/selector_session.h"

#include <QStringList>
#include <QWidget>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace outfitter {

class ProgressDisplay;

class PackagePanel final : public QWidget {
    Q_OBJECT
  public:
    PackagePanel(SelectorSession& session, ProgressDisplay& progress, QWidget* parent = nullptr);

    void showStartup(const StartupResult& startup);
    // Lists the autoscripts again (after one was saved).
    void refreshPackages();

  signals:
    void changed(const outfitter::BrowserChange& change);
    void problemsReported(const QStringList& lines);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void choosePackage(int row);
    void chooseItem(int row);
    void loadPackage();
    void autoload();
    void report(const common::Problems& problems);

    SelectorSession& session_;
    std::vector<std::string> packageNames_; // the names listed, row by row
    ProgressDisplay& progress_;
    std::filesystem::path selectorFolder_;
    std::optional<std::filesystem::path> newPicture_;
    PackageContents package_;
    QString hint_;
    QLabel* onlineHint_;
    QListWidget* gupc_;
    QLabel* picture_;
    QListWidget* items_;
    QLabel* itemDescription_;
    QCheckBox* resetFirst_;
    QCheckBox* postOnline_;
    QPushButton* loadQ_;
};

} // namespace outfitter
