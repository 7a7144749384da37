#pragma once
// Where a target record or front-line point lies on the map picture, from the third and fourth bytes
// of its world X and Y.

namespace sortie {

// ((X4 + 3) mod 256) x 256 + (X3 - 128); the modulo truncates, so only X4 of 253 to 255 wraps.
constexpr long mapXFrom(long X3, long X4) {
    return ((X4 + 3) % 256) * 256 + (X3 - 128);
}

// (Y4 - 228) x 256 + (Y3 - 128), with no modulo.
constexpr long mapYFrom(long Y3, long Y4) {
    return (Y4 - 228) * 256 + (Y3 - 128);
}

} // namespace sortie
