#pragma once

#include <QImage>

// Per-pixel colour operations and the two alpha erasers. All of them change the image's own
// pixels in place (converting it to ARGB32 first if needed), report nothing, and leave a null
// image alone.
namespace adjust {

// Blend of two channel values by `shade` (0 gives dest, 255 gives src); no clamping, so a shade
// outside 0..255 extrapolates.
int ShadeColors(int destColor, int srcColor, int shade);

// Raises (positive) or lowers (negative) saturation by `saturation` percent round the pixel's grey
// level (B + G + R) / 3; -100 gives grey, 0 leaves the image unchanged. Alpha untouched.
void SaturationColor(QImage& image, int saturation);

// Each colour channel c becomes (c - 128) x contrast + 128 + brightness, clamped and rounded.
void BrightnessColor(QImage& image, double contrast, double brightness);

// Shifts colours round the seven-segment channel cycle; hue is clamped to 0..350.
void HUEColor(QImage& image, float hue);

// Multiplies the alpha of pixel (x, y) by opacity / 100; a point outside the image does nothing.
void EraseColor(QImage& image, int x, int y, int opacity);

// Lowers alpha in a soft disc of radius round(1.5 d) round (x, y) by up to pressure x 5.
void EraseTool(QImage& image, int x, int y, int d, int pressure);

}  // namespace adjust
