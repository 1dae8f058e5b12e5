#pragma once

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRegion>

#include "filters/effects.h"
#include "filters/style_presets.h"
#include "imaging/argb.h"

// The editor's filter object: every pixel operation on layer images. Images in, images out: no
// operation knows about documents, layers or history, and none reports an error (a null image or
// an impossible size leaves things as they are).
//
// Images are straight-alpha QImage::Format_ARGB32 (bytes B, G, R, A); an image of another format
// handed to an in-place operation is converted to ARGB32 first. In-place operations take
// `QImage&` and change its pixels; the others return new images and leave their source alone.
//
// Contract for the document commands (which do the history, layer insertion, bounds and hit
// regions around these calls):
// - Adjustment sliders and erasers: ApplyAdjustmentMode on a working copy of AdjustSource (or of
//   the layer image for the erasers), then put the copy into the layer.
// - Crystal / Origami / Vista: the overlay's image goes into the new layer N; N's page position is
//   L.Bounds.(X, Y) + (rX, rY), its size rW x rH; hit region = CreateRegion(image, 1) moved there.
//   VistaStyle also changes L's image in place; Irradiation and MacStyle only that.
// - IOS: IosTile gives the page-size tile image (at the page origin) and its clip path.
// - Reflection / Shade / Drop Shadow: EffectLayer holds the image, its offset from L.Bounds.(X, Y)
//   and the opacity.
// - Disabled / Hot State: DisabledState / HotState on every layer image.
class ClsFilters {
 public:
  // Operations of the adjustment sliders, the Sharpen command and the canvas erasers.
  enum class AdjustmentMode : int {
    HueShift = 0,
    ContrastBrightness = 1,
    SaturationShift = 2,
    ErasePixel = 3,
    SharpenLayer = 5,
    EraseBrush = 6,
  };

  // Slider positions (0..100) and brush settings an adjustment reads.
  struct AdjustmentSettings {
    int huePosition = 0;
    int saturationPosition = 40;
    int brightnessPosition = 50;
    int contrastPosition = 50;
    int brushSize = 1;       // CtlScroll23
    int brushOpacity = 100;  // CtlScroll22
  };

  // Slider positions to operation parameters.
  static float HueFromSlider(int position);          // round(3.5 p)
  static int SaturationFromSlider(int position);     // round(2.5 p - 100)
  static double BrightnessFromSlider(int position);  // 5 p - 250
  static double ContrastFromSlider(int position);    // 0.2 .. 1 .. 5

  // Runs one adjustment mode on `work` in place; x, y (image pixels) are used by the erasers only.
  void ApplyAdjustmentMode(QImage& work, AdjustmentMode mode, const AdjustmentSettings& settings,
                           float x = 0.0f, float y = 0.0f) const;

  // Colour adjustments and erasers (in place).
  static int ShadeColors(int DestColor, int SrcColor, int Shade);
  void SaturationColor(QImage& image, int m_fSaturation) const;
  void BrightnessColor(QImage& image, double m_fContrast, double m_lBrightness) const;
  void HUEColor(QImage& image, float Hue) const;
  void EraseColor(QImage& image, int x, int y, int Opacity) const;
  void EraseTool(QImage& image, int x, int y, int d, int Pressure) const;

  // Neighbourhood filters (in place).
  void Soften(QImage& image, int Level = 75) const;
  void Sharpen(QImage& image, int Level = 85) const;
  void AntialiasEdge(QImage& image) const;

  // Shapes (image coordinates; the caller translates to the page).
  QRegion CreateRegion(const QImage& image, int Level = 150) const;
  QPainterPath RoundShape(QPainter* Graph, const QBrush* mFillColor, float x, float y, float Width,
                          float Height, int RoundValue, bool isFill) const;
  QPainterPath UpdateiOSstylePath(int oW, int oH, float oX, float oY) const;

  // Style images.
  styles::StyleResult CrystalStyle(const QImage& mImg) const;
  styles::StyleResult OrigamiStyle(const QImage& mImg, int isHorizontal, ARGB mColor1,
                                   ARGB mColor2) const;
  styles::TileResult iOSStyle(ARGB mBgColor1, int oW, int oH, float rX, float rY) const;
  void i3Dstyle(QImage& image, int Pressure) const;

  // What each style command does to images (see the contract above).
  styles::StyleResult CrystalOverlay(const QImage& icon) const;
  styles::StyleResult OrigamiOverlay(const QImage& icon, int menuIndex, ARGB drawingColor) const;
  styles::StyleResult VistaStyle(QImage& icon) const;
  void Irradiation(QImage& icon) const;
  void MacStyle(QImage& icon) const;
  styles::TileResult IosTile(ARGB drawingColor, int pageWidth, int pageHeight) const;

  // Effect images.
  effects::ReflectionResult Reflection(const QImage& oImg) const;
  QImage GradientBlack(const QImage& oImg) const;
  QImage Shadow(const QImage& oImg, int Level = 1) const;
  void DisabledStyle(QImage& iImg, int iWidth, int iHeight) const;
  void HotStyle(QImage& iImg, int iWidth, int iHeight, float newValue = 0.75f) const;

  // What each effect command does to images.
  effects::EffectLayer ReflectionLayer(const QImage& icon, float sourceBoundsHeight) const;
  effects::EffectLayer ShadeLayer(const QImage& icon) const;
  effects::EffectLayer DropShadowLayer(const QImage& icon) const;
  void DisabledState(QImage& image) const;
  void HotState(QImage& image) const;
};
