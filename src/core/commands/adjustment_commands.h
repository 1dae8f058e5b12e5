#pragma once

#include <QImage>

#include "core/icon_document.h"
#include "filters/filters.h"

// The four colour sliders of the "HUE/Saturation" panel, the Style menu's "Sharpen", and the
// routine they and the canvas erasers share.

enum class AdjustmentSlider { Hue, Saturation, Brightness, Contrast };

// Brush settings the eraser modes read (brush size and brush opacity sliders).
struct BrushSettings {
  int Size = 1;
  int Opacity = 100;
};

// Replaces the selected layer's pixels with `source` (its top-left ImageWidth x ImageHeight)
// run through `mode` with the current slider positions, then recomposites. Starting from the
// source every time is what keeps a drag from compounding. x, y (image pixels) are read by the
// erasers only. Does nothing without a selected layer.
void ApplyAdjustment(IconDocument& doc, ClsFilters::AdjustmentMode mode, const QImage& source,
                     float x = 0.0f, float y = 0.0f, const BrushSettings& brush = {});

// Press: records the drag's history step and keeps a pristine copy of the image (AdjustSource).
bool AdjustmentSliderPressed(IconDocument& doc, AdjustmentSlider slider);
// Change to `position` (0..100): shows the value and re-applies the adjustment from AdjustSource.
void AdjustmentSliderChanged(IconDocument& doc, AdjustmentSlider slider, int position);
// Release: the layer remembers the position; the pristine copy is dropped.
void AdjustmentSliderReleased(IconDocument& doc, AdjustmentSlider slider);

// Style > Sharpen on the selected layer: one history step.
bool ApplySharpen(IconDocument& doc);
