#pragma once
// Option-button groups as the window shows them: a frame with a caption and one button per option,
// each button named after its group with its index in the property "index".

#include <QButtonGroup>
#include <QGroupBox>
#include <QString>
#include <QStringList>

#include <functional>

namespace sortie::ui {

class OptionGroup final {
  public:
    // `frameName`/`frameIndex` name the frame ("Frame1" 0..9, "Frame3"); frameIndex -1 leaves no index.
    OptionGroup(QWidget* parent, const QString& frameName, int frameIndex, const QString& frameCaption,
                const QString& buttonName, const QStringList& captions, std::function<void(int)> onClick);

    QGroupBox* frame() const { return frame_; }
    // Checks option `index`, or none when it is outside the group; sends no click.
    void select(int index);

  private:
    QGroupBox* frame_;
    QButtonGroup* buttons_;
};

// Buttons without a frame of their own (roles, nation, map pick, front line).
QButtonGroup* makeButtons(QWidget* parent, const QString& buttonName, const QStringList& captions,
                          std::function<void(int)> onClick);
void selectButton(QButtonGroup* buttons, int index);

} // namespace sortie::ui
