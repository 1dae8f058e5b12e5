#pragma once

#include "core/icon_document.h"

// Which Edit and Style menu items are enabled, evaluated when a menu opens.

struct EditMenuState {
  bool Cut = false;
  bool Copy = false;
  bool Paste = false;
  bool Delete = false;
  bool MergeDown = false;
  bool FlipHorizontal = false;
  bool FlipVertical = false;
  bool Rotate90CW = false;
  bool Rotate90CWW = false;
  bool BackOne = false;
  bool ForwardOne = false;
  bool ToBack = false;
  bool ToFront = false;
};

struct StyleMenuState {
  bool DisabledState = false;
  bool HotState = false;
  bool Ios = false;
  bool Origami = false;
  bool Mac = false;
  bool Vista = false;
  bool Crystal = false;
  bool Blur = false;
  bool Sharpen = false;
  bool Irradiation = false;
  bool Shade = false;
  bool Reflection = false;
  bool DropShadow = false;
};

// The layer commands need a visible selected layer that is not an IOS tile; Merge Down needs the
// selected layer and the one below it visible, tile or not.
EditMenuState ComputeEditMenu(const IconDocument& doc, bool clipboardHasBitmap);

// Disabled and Hot State need any layer; every other entry a visible selected layer.
StyleMenuState ComputeStyleMenu(const IconDocument& doc);
