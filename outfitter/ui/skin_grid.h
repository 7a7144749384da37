#pragma once
// The skin grid `SK1`: three columns (skin folder name, installed mark "S", aircraft code) at 5000,
// 240 and 400 twips. The fixed header row is the table's horizontal header, so table row i holds skin
// row i + 1. It tells which row the player clicked, activated (double-click or Enter) or pointed at.

#include "outfitter/session/selector_session.h"

#include <QColor>
#include <QTableWidget>

#include <vector>

namespace outfitter {

inline const QColor kInstalledSkinColour{0xFF, 0xE0, 0xC0}; // C0E0FF in blue-green-red order

class SkinGrid final : public QTableWidget {
    Q_OBJECT
  public:
    explicit SkinGrid(QWidget* parent = nullptr);

    void showRows(const std::vector<SkinRow>& rows);
    void paintRow(int row, const SkinRow& skin);
    void showOnly(const std::vector<bool>& visible);

  signals:
    void rowActivated(int row); // double-click, or Enter on the current row
    void rowHovered(int row);   // the mouse is over this visible row

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
};

} // namespace outfitter
