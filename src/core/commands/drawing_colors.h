#pragma once

#include <array>

#include "imaging/argb.h"

// The two drawing colours of the Properties panel. Slot 0 is the start colour of gradients and the
// colour the Origami and IOS styles take; slot 1 is the end colour. Whoever runs the commands
// (the window, the command line) holds one and hands it to the commands that read it.
struct DrawingColors {
  std::array<ARGB, 2> SwatchColors{0, 0};
  int ActiveSwatch = 0;
};
