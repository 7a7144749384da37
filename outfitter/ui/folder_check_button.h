#pragma once
// "Check game folder": compares every loaded file with its owner's copy, lists what is missing or
// changed in the message line and offers, in one question (No by default), to put those sets' files
// back.

#include "outfitter/session/selector_session.h"

#include <QPushButton>
#include <QStringList>

namespace outfitter {

class ProgressDisplay;

class FolderCheckButton final : public QPushButton {
    Q_OBJECT
  public:
    FolderCheckButton(SelectorSession& session, ProgressDisplay& progress, QWidget* parent = nullptr);

    void check();

  signals:
    void problemsReported(const QStringList& lines);
    void loadedAgain(); // files went back: whatever shows them reads them again

  private:
    SelectorSession& session_;
    ProgressDisplay& progress_;
};

} // namespace outfitter
