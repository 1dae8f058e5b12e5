#pragma once

#include <QImage>
#include <QPoint>

#include <optional>

#include "core/icon_document.h"

// Copy, cut and paste through the document's internal clipboard layer. The system clipboard is
// the window's: Copy returns the picture to put there (with the marker text), and Paste is handed
// what the system clipboard holds.

// A piece cut out of the selected layer by a crop selection: its pixels and page position.
struct CropPiece {
  QImage Image;
  QPoint Position;
};

// What the system clipboard holds when Paste runs.
struct SystemClipboard {
  QImage Bitmap;           // null: the clipboard holds no bitmap
  bool HasMarker = false;  // the clipboard's text is the editor's own marker
};

// The clipboard marker text put beside the bitmap.
inline constexpr const char* kClipboardMarker = "Smithy";

// Stores the selected layer (or `crop`, the piece a crop selection cut out of it) as the internal
// clipboard layer and returns the picture for the system clipboard, round(Bounds) in size. Null
// when no layer is selected.
QImage CopyLayer(IconDocument& doc, const std::optional<CropPiece>& crop = std::nullopt);

// Copy, then delete the selected layer. (With a crop selection the window deletes the selection
// instead, after CopyLayer with the piece.)
QImage CutLayer(IconDocument& doc);

// Edit > Paste: records a step, then inserts above the selected layer either the internal
// clipboard layer (marker present) or a new layer at (0, 0) made from the outside bitmap. A
// clipboard without a bitmap leaves only the step. Refused without a step when the stack is full.
bool PasteLayer(IconDocument& doc, const SystemClipboard& clipboard);
