#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

// Shared palette and small drawing steps, so every picture has the same hand.
namespace kit {

inline const QColor kInk(46, 58, 74);  // outlines
inline const QColor kBlue(47, 128, 237);
inline const QColor kBlueDark(28, 86, 170);
inline const QColor kSky(160, 205, 250);
inline const QColor kOrange(242, 153, 74);
inline const QColor kOrangeDark(200, 100, 30);
inline const QColor kGreen(39, 174, 96);
inline const QColor kRed(225, 72, 72);
inline const QColor kPaper(250, 251, 253);
inline const QColor kPaperShade(214, 222, 232);
inline const QColor kYellow(250, 205, 70);

QImage Blank(int w, int h);
// A painter with anti-aliasing on (or off for crisp 1-pixel work).
void Begin(QPainter& p, QImage& image, bool smooth = true);
QLinearGradient Vertical(double top, double bottom, const QColor& a, const QColor& b);
QPen Outline(double width = 1.0, const QColor& color = kInk);
// A folded-corner sheet of paper in (x, y, w, h).
void Sheet(QPainter& p, QRectF r, double fold);
// A curved arrow turning left (mirror for right) used by undo and redo.
QPainterPath TurnArrow(bool toLeft, double size);
// A magnifier with its lens centred at (cx, cy).
void Magnifier(QPainter& p, double cx, double cy, double radius);

}  // namespace kit
