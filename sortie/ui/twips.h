#pragma once
// The mission builder's windows are measured in twips, 15 to the pixel.

namespace sortie::ui {

// Both pages of `Form1` (`Frame2`, `Frame4`), in twips: the board and a side panel wide enough for
// the option groups beside the aircraft list and the whole mission summary.
inline constexpr int kPageWidthTwips = 24000;
inline constexpr int kPageHeightTwips = 10500;

// 15 twips to the pixel.
inline int px(double twips) {
    return static_cast<int>(twips / 15.0 + 0.5);
}

} // namespace sortie::ui
