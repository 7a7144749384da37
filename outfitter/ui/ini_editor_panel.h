#pragma once
// `Frame21` "Click to hide": the whole of "eaw.ini" in `Text14` for free editing, and `InSaver`
// "Save ini in EAW Directory". A click or double-click on the frame itself hides it.

#include <QGroupBox>

class QPlainTextEdit;
class QPushButton;

namespace outfitter {

class IniEditorPanel final : public QGroupBox {
    Q_OBJECT
  public:
    explicit IniEditorPanel(QWidget* parent = nullptr);

    // Shows the panel with the file's bytes (lines ending CR LF).
    void showText(const std::string& bytes);
    // The box's text as game bytes, lines ending LF.
    std::string text() const;

  signals:
    void saveRequested();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    QPlainTextEdit* editor_;
    QPushButton* inSaver_;
};

} // namespace outfitter
