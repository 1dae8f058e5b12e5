#include "menu_states.h"

EditMenuState ComputeEditMenu(const IconDocument& doc, bool clipboardHasBitmap) {
  EditMenuState m;
  m.Paste = doc.DocumentReady && clipboardHasBitmap;
  const IconLayer* layer = doc.Selected();
  if (!layer) return m;
  const bool e = !layer->ClipAbove && layer->Visible;
  const int s = doc.SelectedLayer;
  const int count = doc.LayerCount();
  m.Cut = m.Copy = m.Delete = e;
  m.FlipHorizontal = m.FlipVertical = m.Rotate90CW = m.Rotate90CWW = e;
  m.ToBack = m.BackOne = e && count >= 2 && s > 0;
  m.ToFront = m.ForwardOne = e && count > 1 && s < count - 1;
  m.MergeDown = s > 0 && layer->Visible && doc.Layers[s - 1].Visible;
  return m;
}

StyleMenuState ComputeStyleMenu(const IconDocument& doc) {
  StyleMenuState m;
  m.DisabledState = m.HotState = doc.LayerCount() > 0;
  const IconLayer* layer = doc.Selected();
  const bool on = layer && layer->Visible;
  m.Ios = m.Origami = m.Mac = m.Vista = m.Crystal = on;
  m.Blur = m.Sharpen = m.Irradiation = m.Shade = m.Reflection = m.DropShadow = on;
  return m;
}
