#pragma once

#include <QImage>
#include <QPointF>

// The images of the effects. Sources are read only; results are new straight-alpha ARGB32 images
// except where an image is changed in place (DisabledStyle, HotStyle and the two state helpers).
namespace effects {

// A faded copy of the source (not yet flipped) and the number of rows below its lowest row with
// alpha >= 150 (H - 1 when there is none).
struct ReflectionResult {
  QImage nImg;
  int topOff = 0;
};

// A new layer of an effect command: its image (ImageWidth/Height = image size), where it goes
// relative to the source layer's Bounds X and Y, and the layer opacity it gets.
struct EffectLayer {
  QImage image;
  QPointF offset;
  float opacity = 1.0f;
};

// Copy whose alpha falls linearly to 0 at the top row: A = A x y / H.
ReflectionResult Reflection(const QImage& oImg);

// Black silhouette (colour bytes 0) with the same alpha fade as Reflection.
QImage GradientBlack(const QImage& oImg);

// Black image 2 x level pixels wider and higher whose alpha is the source alpha (placed at the
// top-left) blurred over a (2 level + 1) square with the centre counted twice. Levels below 0
// count as 0 and above 255 as 255.
QImage Shadow(const QImage& oImg, int level = 1);

// iImg becomes an iWidth x iHeight image (its top-left pixels, transparent beyond) whose colour
// channels are each min(255, 0.3 (R + G + B)); alpha unchanged. Sizes below 1 change nothing.
void DisabledStyle(QImage& iImg, int iWidth, int iHeight);

// As DisabledStyle's copy, with every colour channel c becoming 255 (c / 255)^newValue.
void HotStyle(QImage& iImg, int iWidth, int iHeight, float newValue = 0.75f);

// The effect commands' image work.

// Reflection command: the faded copy flipped top to bottom, placed at
// (0, sourceBoundsHeight - 2 topOff + 1) from the source layer, opacity 0.4.
EffectLayer ReflectionLayer(const QImage& icon, float sourceBoundsHeight);

// Shade command: GradientBlack over the source layer, opacity 0.3.
EffectLayer ShadeLayer(const QImage& icon);

// Drop Shadow command: Shadow with level 1, one pixel right and down of the icon, opacity 0.4
// (the command puts this image on the source layer and a copy of the icon above it).
EffectLayer DropShadowLayer(const QImage& icon);

// Disabled State command, per layer image: DisabledStyle, then HotStyle with gamma 0.5.
void DisabledState(QImage& image);

// Hot State command, per layer image: HotStyle with gamma 0.65.
void HotState(QImage& image);

}  // namespace effects
