#pragma once
// Scrolling the map picture inside its frame by the arrow buttons, in steps of 1024 twips.

namespace sortie {

inline constexpr int kMapScrollStep = 1024;

// New top (or left) of the picture after one step; values in any one unit (twips or pixels with the
// step converted). The picture never leaves a gap at its far edge nor moves past 0.
int scrollTowardsEnd(int position, int pictureSize, int frameSize, int step = kMapScrollStep);
int scrollTowardsStart(int position, int step = kMapScrollStep);

} // namespace sortie
