#pragma once
// The change log shown read-only over the window's tabs: opened by "Show log", hidden again by
// "Close" or Esc. It reads the log afresh each time it opens.

#include <QWidget>

#include <functional>
#include <string>

class QLabel;
class QPlainTextEdit;

namespace outfitter {

class LogPanel final : public QWidget {
    Q_OBJECT
  public:
    explicit LogPanel(QWidget* parent = nullptr);

    // Shows `text` (the log's bytes) with the newest lines in view, or `empty` when there are none.
    void open(const std::string& text, const QString& where);

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QLabel* title_;
    QPlainTextEdit* view_;
};

} // namespace outfitter
