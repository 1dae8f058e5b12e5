#pragma once

#include <QPainter>

// The etched lines of the dialogs: an optional dark line `top` + 56 above the bottom, and a dark
// line over a white one `bottom` pixels above the bottom edge.
void DrawSeparatorLines(QPainter& surface, float width, float height, float top, float bottom);
