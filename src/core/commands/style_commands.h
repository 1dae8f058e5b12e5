#pragma once

#include "core/commands/drawing_colors.h"
#include "core/icon_document.h"

// The Style menu's one-click looks and its "Blur" command, on the selected layer. Each returns
// false and leaves the document alone when no layer is selected or the layers it adds would not
// fit the stack.
//
// History steps: Crystal and Origami 2 (their own and the new layer's), IOS 3 (its own and two
// new layers), Vista 1 (only the new layer's), Irradiation, Mac and Blur 1.

// A white highlight layer over the upper part of the icon, directly above it.
bool ApplyCrystalStyle(IconDocument& doc);
// A tinted layer in drawing colour 0 over the left half (menuIndex 1, "Vertical") or the top half
// (menuIndex 2, "Horizontal") of the icon.
bool ApplyOrigamiStyle(IconDocument& doc, int menuIndex, const DrawingColors& colors);
// Turns the selected layer into a page-size rounded tile in drawing colour 0 that clips every
// layer above it, with a new blank layer (selected) and then the icon above the tile.
bool ApplyIosStyle(IconDocument& doc, const DrawingColors& colors);
// Crystal highlight layer plus a soft light and extra saturation on the icon.
bool ApplyVistaStyle(IconDocument& doc);
bool ApplyIrradiation(IconDocument& doc);
bool ApplyMacStyle(IconDocument& doc);
bool ApplyBlur(IconDocument& doc);
