#pragma once
// `Frame2` "User settings": the six boxes of the game's settings and the hint `Label32`. Enter in any
// box asks for the save; no other key is touched.

#include "outfitter/session/selector_session.h"

#include <QGroupBox>

#include <array>

class QLineEdit;

namespace outfitter {

class UserSettingsPanel final : public QGroupBox {
    Q_OBJECT
  public:
    explicit UserSettingsPanel(QWidget* parent = nullptr);

    void setValues(const IniValues& values);
    // The boxes' texts as typed, as game bytes.
    IniValues values() const;

  signals:
    // Enter in the box of kIniKeys[key].
    void saveRequested(int key);

  private:
    std::array<QLineEdit*, kIniKeyCount> boxes_{};
};

} // namespace outfitter
