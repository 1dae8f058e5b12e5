#pragma once

#include <QCursor>
#include <QPoint>
#include <QString>

// The canvas cursors by resource name: "MOVE", "LINE", "PICK", "ERASE" (32 x 32 pictures).
// An unknown name gives the arrow cursor.
QCursor GlyphCursor(const QString& name);
// The hot spot of a named cursor, (0, 0) for an unknown name.
QPoint GlyphCursorHotSpot(const QString& name);
