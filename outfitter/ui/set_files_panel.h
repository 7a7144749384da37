#pragma once
// The files of the set under the pointer (or the current row of `Unigrid`) on "Complete Sets": where
// loading puts each one, what it meets there and, for a loaded set, whether the game folder still
// holds it; above them, the loaded sets it shares names with.

#include "outfitter/session/selector_session.h"

#include <QString>
#include <QWidget>

class QLabel;
class QTreeWidget;

namespace outfitter {

class SetFilesPanel final : public QWidget {
    Q_OBJECT
  public:
    explicit SetFilesPanel(const SelectorSession& session, QWidget* parent = nullptr);

    // Shows grid row `row`; -1 empties the panel. Showing the row already shown reads it again.
    void showSet(int row);
    int shownRow() const { return row_; }
    // Reads the shown row again, after anything was loaded or unloaded.
    void refresh() { showSet(row_); }

    // The row's tool tip: its description's first line and the loaded sets it shares files with.
    QString toolTipFor(int row) const;

  signals:
    void problemsReported(const QStringList& lines);

  private:
    const SelectorSession& session_;
    QLabel* caption_;
    QTreeWidget* files_;
    int row_ = -1;
};

} // namespace outfitter
