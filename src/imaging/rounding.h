#pragma once

#include <cmath>
#include <cstdint>

// "Round" everywhere in the editor means nearest with halves to the even neighbour, which is what
// nearbyint does in the default floating-point rounding mode.
inline int RoundHalfEven(double v) { return static_cast<int>(std::nearbyint(v)); }

// Rounds a value to `decimals` places the way formatting with "0.0" / "0.00" and reading back does.
inline double RoundToDecimals(double v, int decimals) {
  const double scale = std::pow(10.0, decimals);
  return std::nearbyint(v * scale) / scale;
}

// Integer division that truncates toward zero (C++ already does; named for readability at call sites).
inline int IntDiv(int a, int b) { return a / b; }
