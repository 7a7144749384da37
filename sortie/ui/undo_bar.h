#pragma once
// Undo, Redo and "Surprise me" below the pages, with the keys that reach them from anywhere in the
// window: Ctrl+Z, Ctrl+Shift+Z and Ctrl+Y.

#include "sortie/core/mission_builder.h"

#include <QWidget>

class QLabel;
class QPushButton;
class QToolButton;

namespace sortie::ui {

class UndoBar final : public QWidget {
    Q_OBJECT
  public:
    // `window` takes the keys.
    UndoBar(MissionBuilder& model, QWidget* window, QWidget* parent);
    void sync();

  signals:
    void changed();

  private:
    void undo();
    void redo();
    void surprise();

    MissionBuilder& model_;
    QToolButton* undo_ = nullptr;
    QToolButton* redo_ = nullptr;
    QPushButton* surprise_ = nullptr;
    QLabel* seed_ = nullptr;
};

} // namespace sortie::ui
