#pragma once

#include "core/icon_document.h"

// Commands on whole layers: delete, merge down, order, flip and rotate, and the layer panel's
// selection and tool bar buttons. Each acts on the selected layer, follows the editing protocol
// (discard redo, snapshot, change, recomposite) and returns false when it had nothing to act on
// or the stack is full, in which case the document is unchanged.

enum class LayerOrder : int { ToFront = 0, ToBack = 1, BackOne = 2, ForwardOne = 3 };

enum class FlipRotate : int {
  FlipHorizontal = 0,
  FlipVertical = 1,
  Rotate90CWW = 2,  // mirror about the top-left to bottom-right diagonal
  Rotate90CW = 3,
};

// Removes the selected layer and selects the one below it (or none when the stack empties).
// Without `refresh` the composite and the layer list are left for the caller.
bool DeleteIcon(IconDocument& doc, bool refresh);

// Merges the selected layer into the one below, baking both opacities into one image covering
// both bounds. Records two history steps (its own and DeleteIcon's).
bool CombineIcon(IconDocument& doc);

// Moves the selected layer; a move past either end still records a step. A one-layer stack is
// left alone without a step.
bool ChangeLayerOrder(IconDocument& doc, LayerOrder mode);

// Flips or turns the selected layer's image in place and rebuilds its hit region. A quarter turn
// of a non-square layer exchanges its width and height so bounds and image stay the same size.
bool FlipRotateLayer(IconDocument& doc, FlipRotate mode, bool noRefresh = false);

// A click on a row of the layer list: selects layer `index` and shows it in the right panel.
bool SelectLayer(IconDocument& doc, int index);

// Layer tool bar button 1: a blank page-size layer above the selected one.
bool LayerBarNewLayer(IconDocument& doc);
// Layer tool bar button 2: deletes the selected layer.
bool LayerBarRemoveLayer(IconDocument& doc);
// Layer tool bar button 3: shows or hides the selected layer (no history step).
bool LayerBarToggleVisible(IconDocument& doc);
