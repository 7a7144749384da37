#pragma once
// The "Planes and Skins" tab: the skin filter `List1`, the skin grid `SK1` with install and removal
// by double-click or Enter, the skin's picture and description, renaming, "Clear all skins", and the
// place of the plane-set panel. Every action is one call on the skin store; after each change that
// the ledger must know, the set browser's summary refresh runs.

#include "outfitter/session/selector_session.h"

#include <QStringList>
#include <QWidget>

#include <filesystem>
#include <optional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QVBoxLayout;

namespace uisupport {
class ClickLabel;
}

namespace outfitter {

class ProgressDisplay;
class SkinGrid;

class PlanesSkinsTab final : public QWidget {
    Q_OBJECT
  public:
    PlanesSkinsTab(SelectorSession& session, ProgressDisplay& progress, QWidget* parent = nullptr);

    // Fills `List1` and `SK1` once, as start-up left the store and its marks, and shows "ALL".
    void showStartup(const StartupResult& startup);
    // Places the plane-set panel (`Frame6`) beside the skin grid; it shows and hides itself.
    void setPlaneSetPanel(QWidget* panel);
    // After "Reset All" removed every skin: the marks are gone and `List1` shows "Selected".
    void showResetAll();
    // Paints the rows a skin change marked or unmarked and says what it did (a package's skins too).
    void showSkinChange(const SkinChange& change);
    // The aircraft code of the skin last clicked (empty for none, or a skin of no known aircraft).
    const std::string& currentCode() const { return currentCode_; }

  public slots:
    void resetPicture();
    void showDescription(const QString& text);
    void filterSkinsByCode(const QString& code);

  signals:
    // An entry of `List1` was chosen (0 "ALL", 1 "Selected", 2 + s slot s); `SK1` is filtered already.
    void filterChosen(int list1Position);
    // The summary refresh ran after a skin change: the other tabs redraw the summary.
    void summaryRefreshed(const outfitter::BrowserChange& change);
    void problemsReported(const QStringList& lines);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void chooseFilter(int position);
    void clickCell(int row, int column);
    void hoverRow(int row);
    void showSkin(int row, bool hovering);
    void activate(int row);
    void Skinkill();
    void rename();
    void afterChange(const SkinChange& change);
    void report(const common::Problems& problems);

    SelectorSession& session_;
    ProgressDisplay& progress_;
    QListWidget* skinFilter_;
    SkinGrid* skinGrid_;
    QLabel* doubleClickHint_;
    QCheckBox* includeFlightData_;
    uisupport::ClickLabel* clearAllSkins_;
    QLabel* picture_;
    QPlainTextEdit* description_;
    QLineEdit* newName_;
    QPushButton* rename_;
    QVBoxLayout* planeSetPlace_;
    std::optional<std::filesystem::path> background_;
    std::string currentCode_;
    int hoveredRow_ = -1;
    bool list1Pressed_ = false; // a mouse button is down on `List1`: its release does the filtering
    // True while the program itself changes the grids, so the cell changes it causes show no skin.
    bool busy_ = false;
};

} // namespace outfitter
