#pragma once
// Shows how far a long file job has come: the engine's text in the window caption and the fraction
// on a progress bar, repainting as it goes; the caption comes back when the job ends.

#include "outfitter/session/selector_session.h"

#include <QString>

class QProgressBar;
class QWidget;

namespace outfitter {

class ProgressDisplay final {
  public:
    ProgressDisplay(QWidget* window, QProgressBar* bar);

    // Remembers the caption and shows the bar for the life of the job.
    class Job final {
      public:
        explicit Job(ProgressDisplay& display);
        ~Job();
        Job(const Job&) = delete;
        Job& operator=(const Job&) = delete;

        const ProgressCallback& callback() const { return callback_; }

      private:
        ProgressDisplay& display_;
        QString caption_;
        ProgressCallback callback_;
    };

  private:
    void show(const FileWorkProgress& progress);

    QWidget* window_;
    QProgressBar* bar_;
};

} // namespace outfitter
