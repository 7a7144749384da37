#pragma once
// "Add a set...": an archive or folder the player chose or dropped on the set grid becomes a set
// folder under "QIV128". The unpacking runs on a worker thread with a progress bar and a Cancel
// button while the window keeps answering; planning, the questions and the finish stay on this one.

#include "outfitter/session/selector_session.h"

#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>

class QProgressBar;
class QPushButton;
class QThread;

namespace outfitter {

class AddSetPanel final : public QWidget {
    Q_OBJECT
  public:
    AddSetPanel(SelectorSession& session, QWidget* parent = nullptr);
    ~AddSetPanel() override;

    // Adds each path in turn (the chooser's or a drop's); a path that is refused is told and the
    // next one is tried.
    void add(const QStringList& paths);
    bool busy() const { return worker_ != nullptr; }
    QPushButton* button() const { return addSet_; }

    // The next file chooser is not shown: it answers `paths` (tests).
    static void setNextChoice(QStringList paths);

  signals:
    void busyChanged(bool busy);
    void added(const SelectorSession::Added& added);
    void problemsReported(const QStringList& lines);

  private:
    void choose();
    void startNext();
    void unpack(ImportPlan plan, bool replace);
    void finished();
    void showProgress();

    SelectorSession& session_;
    QPushButton* addSet_;
    QProgressBar* bar_;
    QPushButton* cancel_;
    QStringList queue_;
    QTimer poll_;
    std::unique_ptr<QThread> worker_;
    ImportPlan plan_;
    ImportResult result_;
    std::atomic<std::uint64_t> done_{0};
    std::atomic<std::uint64_t> total_{0};
    std::atomic<bool> cancelled_{false};
};

} // namespace outfitter
