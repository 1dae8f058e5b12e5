#pragma once

#include <QPainter>
#include <QString>

#include "argb.h"

// Font style bits as the stored window definitions give them.
enum FontStyleBits : int { FontRegular = 0, FontBold = 1, FontItalic = 2, FontUnderline = 4,
                           FontStrikeout = 8 };

QFont MakeFont(const QString& family, double pointSize, int styleBits);

// Draws `text` measured in the layout rectangle (x, y, layoutWidth, unbounded height), trimmed
// with an ellipsis. With `shadow`, a black shadow of alpha 200 lies exactly one row below the
// coloured text. Returns the measured box (where the shadow, or the text without shadow, went).
QRectF DrawCaptionText(QPainter& target, const QString& text, float x, float y,
                       const QString& fontName, double fontSize, ARGB color, int fontStyle,
                       bool shadow, float layoutWidth, bool clearType);
