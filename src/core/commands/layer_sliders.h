#pragma once

#include "core/icon_document.h"

// The two right-panel sliders that change the selected layer as a whole: "Icon Opacity"
// (CtlScroll21) and "Icon Resize" (ScaleScroll). Each drag is press, any number of changes, and
// release; the press records the one history step of the drag. With no layer selected the press
// returns false and the other events do nothing to the document.

bool OpacitySliderPressed(IconDocument& doc);
// The slider at `value` (0..100): the layer's opacity becomes value / 100 at two decimals.
void OpacitySliderChanged(IconDocument& doc, int value);
void OpacitySliderReleased(IconDocument& doc);

bool ScaleSliderPressed(IconDocument& doc);
// The slider at `value` (0..100, centre 50): the layer's long side becomes its size at the press
// plus (value - 50) page pixels, keeping the aspect ratio and the top-left corner; no side drops
// below one pixel. The image is not resampled until release.
void ScaleSliderChanged(IconDocument& doc, int value);
// Resamples the image smoothly to the new bounds and puts the slider back to its centre.
void ScaleSliderReleased(IconDocument& doc);
