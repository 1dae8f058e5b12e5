#include "filters.h"

#include "filters/color_adjustments.h"
#include "filters/neighbourhood_filters.h"
#include "imaging/rounding.h"
#include "imaging/shape_builders.h"

float ClsFilters::HueFromSlider(int position) {
  return static_cast<float>(RoundHalfEven(position * 3.5));
}

int ClsFilters::SaturationFromSlider(int position) { return RoundHalfEven(2.5 * position - 100); }

double ClsFilters::BrightnessFromSlider(int position) { return 5.0 * position - 250.0; }

double ClsFilters::ContrastFromSlider(int position) {
  const double c2 = 2.0 * position;
  if (c2 == 100.0) return 1.0;
  if (c2 > 100.0) return (c2 - 100.0) / 25.0 + 1.0;
  return 1.0 / (5.0 - c2 / 25.0);
}

void ClsFilters::ApplyAdjustmentMode(QImage& work, AdjustmentMode mode, const AdjustmentSettings& s,
                                     float x, float y) const {
  switch (mode) {
    case AdjustmentMode::HueShift:
      adjust::HUEColor(work, HueFromSlider(s.huePosition));
      break;
    case AdjustmentMode::ContrastBrightness:
      adjust::BrightnessColor(work, ContrastFromSlider(s.contrastPosition),
                              BrightnessFromSlider(s.brightnessPosition));
      break;
    case AdjustmentMode::SaturationShift:
      adjust::SaturationColor(work, SaturationFromSlider(s.saturationPosition));
      break;
    case AdjustmentMode::ErasePixel:
      adjust::EraseColor(work, RoundHalfEven(x), RoundHalfEven(y), 0);
      break;
    case AdjustmentMode::SharpenLayer:
      neighbourhood::Sharpen(work, 80);
      break;
    case AdjustmentMode::EraseBrush:
      adjust::EraseTool(work, RoundHalfEven(x), RoundHalfEven(y), s.brushSize, s.brushOpacity / 2);
      break;
  }
}

int ClsFilters::ShadeColors(int DestColor, int SrcColor, int Shade) {
  return adjust::ShadeColors(DestColor, SrcColor, Shade);
}

void ClsFilters::SaturationColor(QImage& image, int m_fSaturation) const {
  adjust::SaturationColor(image, m_fSaturation);
}

void ClsFilters::BrightnessColor(QImage& image, double m_fContrast, double m_lBrightness) const {
  adjust::BrightnessColor(image, m_fContrast, m_lBrightness);
}

void ClsFilters::HUEColor(QImage& image, float Hue) const { adjust::HUEColor(image, Hue); }

void ClsFilters::EraseColor(QImage& image, int x, int y, int Opacity) const {
  adjust::EraseColor(image, x, y, Opacity);
}

void ClsFilters::EraseTool(QImage& image, int x, int y, int d, int Pressure) const {
  adjust::EraseTool(image, x, y, d, Pressure);
}

void ClsFilters::Soften(QImage& image, int Level) const { neighbourhood::Soften(image, Level); }

void ClsFilters::Sharpen(QImage& image, int Level) const { neighbourhood::Sharpen(image, Level); }

void ClsFilters::AntialiasEdge(QImage& image) const { neighbourhood::AntialiasEdge(image); }

QRegion ClsFilters::CreateRegion(const QImage& image, int Level) const {
  return ::CreateRegion(image, Level);
}

QPainterPath ClsFilters::RoundShape(QPainter* Graph, const QBrush* mFillColor, float x, float y,
                                    float Width, float Height, int RoundValue, bool isFill) const {
  return ::RoundShape(Graph, mFillColor, x, y, Width, Height, RoundValue, isFill);
}

QPainterPath ClsFilters::UpdateiOSstylePath(int oW, int oH, float oX, float oY) const {
  return ::UpdateiOSstylePath(oW, oH, oX, oY);
}

styles::StyleResult ClsFilters::CrystalStyle(const QImage& mImg) const {
  return styles::CrystalStyle(mImg);
}

styles::StyleResult ClsFilters::OrigamiStyle(const QImage& mImg, int isHorizontal, ARGB mColor1,
                                             ARGB mColor2) const {
  return styles::OrigamiStyle(mImg, isHorizontal, mColor1, mColor2);
}

styles::TileResult ClsFilters::iOSStyle(ARGB mBgColor1, int oW, int oH, float rX, float rY) const {
  return styles::iOSStyle(mBgColor1, oW, oH, rX, rY);
}

void ClsFilters::i3Dstyle(QImage& image, int Pressure) const { styles::i3Dstyle(image, Pressure); }

styles::StyleResult ClsFilters::CrystalOverlay(const QImage& icon) const {
  return styles::CrystalOverlay(icon);
}

styles::StyleResult ClsFilters::OrigamiOverlay(const QImage& icon, int menuIndex,
                                               ARGB drawingColor) const {
  return styles::OrigamiOverlay(icon, menuIndex, drawingColor);
}

styles::StyleResult ClsFilters::VistaStyle(QImage& icon) const { return styles::VistaStyle(icon); }

void ClsFilters::Irradiation(QImage& icon) const { styles::Irradiation(icon); }

void ClsFilters::MacStyle(QImage& icon) const { styles::MacStyle(icon); }

styles::TileResult ClsFilters::IosTile(ARGB drawingColor, int pageWidth, int pageHeight) const {
  return styles::IosTile(drawingColor, pageWidth, pageHeight);
}

effects::ReflectionResult ClsFilters::Reflection(const QImage& oImg) const {
  return effects::Reflection(oImg);
}

QImage ClsFilters::GradientBlack(const QImage& oImg) const { return effects::GradientBlack(oImg); }

QImage ClsFilters::Shadow(const QImage& oImg, int Level) const {
  return effects::Shadow(oImg, Level);
}

void ClsFilters::DisabledStyle(QImage& iImg, int iWidth, int iHeight) const {
  effects::DisabledStyle(iImg, iWidth, iHeight);
}

void ClsFilters::HotStyle(QImage& iImg, int iWidth, int iHeight, float newValue) const {
  effects::HotStyle(iImg, iWidth, iHeight, newValue);
}

effects::EffectLayer ClsFilters::ReflectionLayer(const QImage& icon,
                                                 float sourceBoundsHeight) const {
  return effects::ReflectionLayer(icon, sourceBoundsHeight);
}

effects::EffectLayer ClsFilters::ShadeLayer(const QImage& icon) const {
  return effects::ShadeLayer(icon);
}

effects::EffectLayer ClsFilters::DropShadowLayer(const QImage& icon) const {
  return effects::DropShadowLayer(icon);
}

void ClsFilters::DisabledState(QImage& image) const { effects::DisabledState(image); }

void ClsFilters::HotState(QImage& image) const { effects::HotState(image); }
