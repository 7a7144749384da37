#pragma once
// The demo's tile map "eaw.tm".

#include <string>

namespace demo {

// Tiles of the last row the file holds; the rest of that row is missing.
inline constexpr int kLastRowColumns = 400;

// 640 x 320 tile bytes less the end of the last row, rows from the top; sea tiles have terrain
// kind 2 (low six bits). Coasts, estuaries and islands (Wight, the Channel Islands).
std::string eawTm();

} // namespace demo
