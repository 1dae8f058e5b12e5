#pragma once

#include <QString>

#include "core/commands/drawing_colors.h"
#include "core/icon_document.h"

// The OPs of `glyphsmithy-cli apply` (all but import=PATH, which the file layer runs). Each OP
// runs the command its menu item, button or slider runs in the window, on the selected layer,
// with the same history steps; a slider OP is one press, one change to the position and one
// release.
//
// An OP is refused (false, with the reason in *error, the document unchanged) when it is unknown
// or malformed, or when the window would not offer it: no layer selected, the selected layer
// hidden (styles, effects, flips, order, merge), an IOS tile selected (flips), nothing below to
// merge into, a move past the end of the stack, nothing to undo or redo, or a full stack.

// The drawing colours that color0= and color1= set and the Origami and IOS styles read, kept for
// the whole run like the window's swatches. Both start transparent black.
DrawingColors& ApplyOpColors();

bool RunApplyOp(IconDocument& doc, DrawingColors& colors, const QString& op, QString* error);

// Uses ApplyOpColors().
bool RunApplyOp(IconDocument& doc, const QString& op, QString* error);
