#pragma once

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QString>

#include "imaging/argb.h"

// Drawing pieces of the tool bar: skin faces and button captions.

// Draws a 26 x 40 skin stretched into `rect` from nine pieces: 4-pixel corners, 4-pixel edges
// and the centre taken from column 4 (columns 8 to 21 are never used). Like an outline of the
// same rectangle, the face covers W + 1 by H + 1 pixels.
void DrawNineSlice(QPainter& graphics, const QImage& skin, const QRectF& rect);

// The pressed skin when `isPressed`, else the normal one.
void DrawButtonFace(QPainter& graphics, const QRectF& rect, const QImage& normalSkin,
                    const QImage& pressedSkin, bool isPressed);

// A button caption ready to draw: the measured box (vertically centred in the button) and the
// drawing objects. Draw it with graphics.setFont(Font), setPen(Brush), drawText(Box, Flags, text).
struct ButtonText {
  QRectF Box;
  QColor Brush;
  QFont Font;
  int Flags = 0;
};

// Measures `text` set at x in the given font; box Y = round(buttonHeight - box height) / 2 with
// the remainder dropped. Rendering mode 0 anti-alias grid fit, 1 clear-type, 2 anti-alias, other
// values the system default. The brush is `color` with alpha = round(opacity).
ButtonText PrepareButtonText(QPainter& graphics, const QString& text, float x, float buttonHeight,
                             const QString& fontName, double fontSize, int fontStyle,
                             int renderingMode, ARGB color, float opacity);
