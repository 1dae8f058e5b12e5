#include "adjustment_commands.h"

#include "core/commands/command_support.h"
#include "imaging/bitmap_copy.h"

namespace {

constexpr int kLayerTip = 2;

SliderState& SliderOf(WindowState& w, AdjustmentSlider slider) {
  switch (slider) {
    case AdjustmentSlider::Hue:
      return w.HUEscroll;
    case AdjustmentSlider::Saturation:
      return w.SaturationScroll;
    case AdjustmentSlider::Brightness:
      return w.BrightnessScroll;
    case AdjustmentSlider::Contrast:
      return w.ContrastScroll;
  }
  return w.HUEscroll;
}

// The slider's text box shows its position against the resting position.
void ShowValue(WindowState& w, AdjustmentSlider slider, int position) {
  switch (slider) {
    case AdjustmentSlider::Hue:
      w.HueValue = QString::number(position);
      break;
    case AdjustmentSlider::Saturation:
      w.SaturationValue = QString::number(position - 40);
      break;
    case AdjustmentSlider::Brightness:
      w.BrightnessValue = QString::number(position - 50);
      break;
    case AdjustmentSlider::Contrast:
      w.ContrastValue = QString::number(position - 50);
      break;
  }
}

ClsFilters::AdjustmentMode ModeOf(AdjustmentSlider slider) {
  switch (slider) {
    case AdjustmentSlider::Hue:
      return ClsFilters::AdjustmentMode::HueShift;
    case AdjustmentSlider::Saturation:
      return ClsFilters::AdjustmentMode::SaturationShift;
    default:
      return ClsFilters::AdjustmentMode::ContrastBrightness;
  }
}

void RememberPosition(IconLayer& layer, AdjustmentSlider slider, int position) {
  switch (slider) {
    case AdjustmentSlider::Hue:
      layer.Hue = position;
      break;
    case AdjustmentSlider::Saturation:
      layer.Saturation = position;
      break;
    case AdjustmentSlider::Brightness:
      layer.Brightness = position;
      break;
    case AdjustmentSlider::Contrast:
      layer.Contrast = position;
      break;
  }
}

}  // namespace

void ApplyAdjustment(IconDocument& doc, ClsFilters::AdjustmentMode mode, const QImage& source,
                     float x, float y, const BrushSettings& brush) {
  IconLayer* layer = doc.Selected();
  if (!layer || source.isNull()) return;
  const WindowState& w = doc.Window;
  ClsFilters::AdjustmentSettings settings;
  settings.huePosition = w.HUEscroll.Value;
  settings.saturationPosition = w.SaturationScroll.Value;
  settings.brightnessPosition = w.BrightnessScroll.Value;
  settings.contrastPosition = w.ContrastScroll.Value;
  settings.brushSize = brush.Size;
  settings.brushOpacity = brush.Opacity;
  // The copy shares the source's pixels until the filter writes, which detaches it: the source
  // (AdjustSource or a snapshot's image) is never touched.
  QImage work = CopyToARGBBitmap(source, layer->ImageWidth, layer->ImageHeight);
  ClsFilters().ApplyAdjustmentMode(work, mode, settings, x, y);
  layer->SetImage(std::move(work));
  doc.RebuildComposite(5, true);
}

bool AdjustmentSliderPressed(IconDocument& doc, AdjustmentSlider /*slider*/) {
  const IconLayer* layer = doc.Selected();
  if (!layer) return false;
  doc.BeginEdit();
  doc.AdjustSource = CopyToARGBBitmap(layer->Image, layer->ImageWidth, layer->ImageHeight);
  return true;
}

void AdjustmentSliderChanged(IconDocument& doc, AdjustmentSlider slider, int position) {
  SliderOf(doc.Window, slider).Value = position;
  ShowValue(doc.Window, slider, position);
  // A change without a press (no pristine copy) only moves the slider.
  if (doc.AdjustSource.isNull()) return;
  ApplyAdjustment(doc, ModeOf(slider), doc.AdjustSource);
}

void AdjustmentSliderReleased(IconDocument& doc, AdjustmentSlider slider) {
  if (IconLayer* layer = doc.Selected()) {
    RememberPosition(*layer, slider, SliderOf(doc.Window, slider).Value);
    RefreshSelectedThumbnail(doc);
    ShowTip(doc, kLayerTip);
  }
  doc.AdjustSource = QImage();
}

bool ApplySharpen(IconDocument& doc) {
  const IconLayer* layer = doc.Selected();
  if (!layer) return false;
  doc.BeginEdit();
  doc.AdjustSource = layer->Image;
  ApplyAdjustment(doc, ClsFilters::AdjustmentMode::SharpenLayer, doc.AdjustSource);
  RefreshSelectedThumbnail(doc);
  doc.AdjustSource = QImage();
  return true;
}
