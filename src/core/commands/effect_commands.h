#pragma once

#include "core/icon_document.h"

// The Style menu's effects. Reflection, Shade and Drop Shadow act on the selected layer and add a
// layer (two history steps: their own and the new layer's); Disabled State and Hot State change
// every layer in place (one step). Each returns false and leaves the document alone when there is
// nothing to act on or the new layer would not fit the stack.

// A faded, flipped copy under the icon's lowest opaque row, in a new layer above the icon.
bool ApplyReflection(IconDocument& doc);
// A black silhouette fading in from the top, in a new layer over the icon.
bool ApplyShade(IconDocument& doc);
// The selected layer becomes a soft black shadow (one pixel right and down, two larger, opacity
// 0.4) and the icon as it was goes into the new layer above it; the shadow stays selected.
bool ApplyDropShadow(IconDocument& doc);
bool ApplyDisabledState(IconDocument& doc);
bool ApplyHotState(IconDocument& doc);
