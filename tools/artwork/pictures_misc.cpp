// Control pictures, cursors, balloons and the program's own pictures.
#include <QPainterPath>
#include <cmath>
#include <cstdlib>

#include "artwork.h"
#include "draw_kit.h"

using namespace kit;

namespace {

QImage SliderThumb() {
  // A marker pointing up at the track above it.
  QImage image = Blank(13, 9);
  QPainter p;
  Begin(p, image);
  QPainterPath m;
  m.moveTo(6.5, 0.5);
  m.lineTo(12.5, 4.5);
  m.lineTo(12.5, 8.5);
  m.lineTo(0.5, 8.5);
  m.lineTo(0.5, 4.5);
  m.closeSubpath();
  p.setPen(Outline(1, kBlueDark));
  p.setBrush(Vertical(0, 9, kSky.lighter(110), kBlue));
  p.drawPath(m);
  return image;
}

QImage TitleClose() {
  QImage image = Blank(16, 16);
  QPainter p;
  Begin(p, image);
  p.setPen(QPen(QColor(128, 128, 128), 1.5, Qt::SolidLine, Qt::FlatCap));
  p.drawLine(QPointF(4, 4), QPointF(12, 12));
  p.drawLine(QPointF(12, 4), QPointF(4, 12));
  return image;
}

QImage TipsClose() {
  QImage image = Blank(11, 11);
  QPainter p;
  Begin(p, image);
  p.setPen(QPen(QColor(170, 40, 40), 1));
  p.setBrush(Vertical(0, 11, QColor(240, 110, 100), QColor(205, 45, 40)));
  p.drawRoundedRect(QRectF(0.5, 0.5, 10, 10), 2.5, 2.5);
  p.setPen(QPen(Qt::white, 1.4, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(3.5, 3.5), QPointF(7.5, 7.5));
  p.drawLine(QPointF(7.5, 3.5), QPointF(3.5, 7.5));
  return image;
}

QImage CaptionTip() {
  // A small light bulb.
  QImage image = Blank(20, 20);
  QPainter p;
  Begin(p, image);
  QRadialGradient glow(9, 7, 8);
  glow.setColorAt(0, QColor(255, 250, 210));
  glow.setColorAt(1, kYellow);
  p.setPen(Outline(1, kOrangeDark));
  p.setBrush(glow);
  QPainterPath bulb;
  bulb.moveTo(7, 13.5);
  bulb.cubicTo(2, 10, 3, 1.5, 10, 1.5);
  bulb.cubicTo(17, 1.5, 18, 10, 13, 13.5);
  bulb.closeSubpath();
  p.drawPath(bulb);
  p.setBrush(QColor(150, 160, 175));
  p.setPen(Outline(1));
  p.drawRoundedRect(QRectF(7, 13.5, 6, 4), 1, 1);
  p.drawLine(QPointF(8, 19), QPointF(12, 19));
  return image;
}

// ---- cursors: black and white only, so they read on any canvas ----

QImage CursorImage() { return Blank(32, 32); }

void TwoTone(QPainter& p, const QPainterPath& path) {
  p.setPen(QPen(Qt::white, 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  p.setBrush(Qt::black);
  p.drawPath(path);
}

QImage MoveCursor() {
  QImage image = CursorImage();
  QPainter p;
  Begin(p, image, false);
  QPainterPath arrow;  // tip on the hot spot (1, 2)
  arrow.moveTo(1, 2);
  arrow.lineTo(1, 18);
  arrow.lineTo(5, 14);
  arrow.lineTo(8, 20);
  arrow.lineTo(10, 19);
  arrow.lineTo(7, 13);
  arrow.lineTo(12, 13);
  arrow.closeSubpath();
  TwoTone(p, arrow);
  QPainterPath badge;  // four-way arrows at the lower right
  const QPointF c(21, 22);
  const QPointF pts[] = {{0, -7}, {3, -4},  {1, -4},  {1, -1},  {4, -1},  {4, -3},
                         {7, 0},  {4, 3},   {4, 1},   {1, 1},   {1, 4},   {3, 4},
                         {0, 7},  {-3, 4},  {-1, 4},  {-1, 1},  {-4, 1},  {-4, 3},
                         {-7, 0}, {-4, -3}, {-4, -1}, {-1, -1}, {-1, -4}, {-3, -4}};
  badge.moveTo(c + pts[0]);
  for (const QPointF& pt : pts) badge.lineTo(c + pt);
  badge.closeSubpath();
  TwoTone(p, badge);
  return image;
}

QImage LineCursor() {
  QImage image = CursorImage();
  QPainter p;
  Begin(p, image, false);
  const int cx = 14, cy = 15;
  auto bar = [&](QRect r) { p.fillRect(r.adjusted(-1, -1, 1, 1), Qt::white); };
  const QRect parts[] = {QRect(cx, cy - 10, 1, 7), QRect(cx, cy + 4, 1, 7),
                         QRect(cx - 10, cy, 7, 1), QRect(cx + 4, cy, 7, 1)};
  for (const QRect& r : parts) bar(r);
  for (const QRect& r : parts) p.fillRect(r, Qt::black);
  p.fillRect(QRect(cx, cy, 1, 1), Qt::black);
  return image;
}

QImage PickCursor() {
  QImage image = CursorImage();
  QPainter p;
  Begin(p, image, false);
  QPainterPath tube;  // tip on the hot spot (9, 24)
  tube.moveTo(9, 24);
  tube.lineTo(10, 20);
  tube.lineTo(19, 11);
  tube.lineTo(22, 14);
  tube.lineTo(13, 23);
  tube.closeSubpath();
  p.setPen(QPen(Qt::black, 1));
  p.setBrush(Qt::white);
  p.drawPath(tube);
  QPainterPath bulb;
  bulb.addEllipse(QRectF(20, 6, 7, 7));
  bulb.addRect(QRectF(17, 11, 7, 2));
  TwoTone(p, bulb.simplified());
  p.fillRect(QRect(9, 24, 1, 1), Qt::black);
  return image;
}

QImage EraseCursor() {
  QImage image = CursorImage();
  QPainter p;
  Begin(p, image, false);
  QPainterPath block;
  block.moveTo(16, 4);
  block.lineTo(26, 14);
  block.lineTo(17, 23);
  block.lineTo(7, 13);
  block.closeSubpath();
  p.setPen(QPen(Qt::black, 1));
  p.setBrush(Qt::white);
  p.drawPath(block);
  QPainterPath band;
  band.moveTo(7, 13);
  band.lineTo(11, 9);
  band.lineTo(21, 19);
  band.lineTo(17, 23);
  band.closeSubpath();
  p.setBrush(Qt::black);
  p.drawPath(band);
  // The small cross marks the hot spot (4, 22).
  p.fillRect(QRect(1, 21, 7, 3), Qt::white);
  p.fillRect(QRect(3, 19, 3, 7), Qt::white);
  p.fillRect(QRect(2, 22, 5, 1), Qt::black);
  p.fillRect(QRect(4, 20, 1, 5), Qt::black);
  return image;
}

// ---- balloons ----

// 184 x 92 on magenta: body columns 2..182, the pointer's apex at columns 34-35 and its base
// columns 26..43. Drawn as a hard-edged mask so the key colour stays exact, then ringed with
// the outline colours pixel by pixel.
QImage Balloon(bool pointerUp) {
  QImage mask(184, 92, QImage::Format_ARGB32);
  mask.fill(Qt::black);
  {
    QPainter p(&mask);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    const int top = pointerUp ? 12 : 4;
    const int bottom = pointerUp ? 87 : 79;
    p.drawRoundedRect(QRect(2, top, 181, bottom - top + 1), 9, 9);
  }
  // The pointer, row by row: two pixels wide at its apex, columns 26 to 43 where it meets the body.
  const int apex = pointerUp ? 3 : 88;
  const int base = pointerUp ? 12 : 79;
  for (int y = std::min(apex, base); y <= std::max(apex, base); ++y) {
    const double t = static_cast<double>(std::abs(y - apex)) / std::abs(base - apex);
    const int left = static_cast<int>(std::lround(34 - 8 * t));
    const int right = static_cast<int>(std::lround(35 + 8 * t));
    for (int x = left; x <= right; ++x) mask.setPixel(x, y, qRgb(255, 255, 255));
  }
  auto inside = [&](int x, int y) {
    return x >= 0 && y >= 0 && x < 184 && y < 92 && qRed(mask.pixel(x, y)) > 0;
  };
  auto ring = [&](int x, int y, int d) {  // true when a pixel within d steps lies outside
    for (int dy = -d; dy <= d; ++dy)
      for (int dx = -d; dx <= d; ++dx)
        if (std::abs(dx) + std::abs(dy) <= d && !inside(x + dx, y + dy)) return true;
    return false;
  };
  QImage out(184, 92, QImage::Format_ARGB32);
  for (int y = 0; y < 92; ++y) {
    for (int x = 0; x < 184; ++x) {
      QRgb c = qRgb(255, 0, 255);
      if (inside(x, y)) {
        if (ring(x, y, 1))
          c = qRgb(255, 153, 51);
        else if (ring(x, y, 2))
          c = qRgb(255, 204, 102);
        else
          c = qRgb(255, 255, 204);
      }
      out.setPixel(x, y, c);
    }
  }
  QList<QRgb> palette = {qRgb(255, 0, 255), qRgb(255, 153, 51), qRgb(255, 204, 102),
                         qRgb(255, 255, 204)};
  return out.convertToFormat(QImage::Format_Indexed8, palette, Qt::ThresholdDither);
}

// ---- program pictures ----

QImage Information() {
  QImage image = Blank(38, 38);
  QPainter p;
  Begin(p, image);
  QPainterPath tri;
  tri.moveTo(19, 2.5);
  tri.quadTo(21, 2.5, 22.5, 5);
  tri.lineTo(35.5, 30);
  tri.quadTo(36.5, 34.5, 32.5, 34.5);
  tri.lineTo(5.5, 34.5);
  tri.quadTo(1.5, 34.5, 2.5, 30);
  tri.lineTo(15.5, 5);
  tri.quadTo(17, 2.5, 19, 2.5);
  p.setPen(Outline(1.5, kOrangeDark));
  p.setBrush(Vertical(2, 35, QColor(255, 205, 110), QColor(245, 150, 40)));
  p.drawPath(tri);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(70, 45, 20));
  p.drawRoundedRect(QRectF(17.2, 11, 3.6, 14), 1.8, 1.8);
  p.drawEllipse(QPointF(19, 29.5), 2.1, 2.1);
  return image;
}

QImage Board() {
  // A small easel board with a pixel icon pinned on it.
  QImage image = Blank(48, 48);
  QPainter p;
  Begin(p, image);
  p.setPen(QPen(QColor(120, 80, 45), 3, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(14, 36), QPointF(9, 46));
  p.drawLine(QPointF(34, 36), QPointF(39, 46));
  p.setPen(Outline(1.5, QColor(120, 80, 45)));
  p.setBrush(Vertical(4, 38, QColor(214, 162, 104), QColor(176, 120, 70)));
  p.drawRoundedRect(QRectF(3.5, 4.5, 41, 33), 3, 3);
  p.setPen(Outline(1, kInk));
  p.setBrush(kPaper);
  p.drawRect(QRectF(9.5, 9.5, 29, 23));
  const QColor cells[] = {kBlue, kSky, kOrange, kGreen};
  for (int y = 0; y < 4; ++y) {
    for (int x = 0; x < 4; ++x) {
      if ((x + y) % 3 == 2) continue;
      p.fillRect(QRectF(16 + x * 4, 13 + y * 4, 4, 4), cells[(x * 3 + y) % 4]);
    }
  }
  p.setPen(Qt::NoPen);
  p.setBrush(kRed);
  p.drawEllipse(QPointF(24, 8), 2.5, 2.5);
  return image;
}

void AppMark(QPainter& p, double s) {
  // A rounded tile holding a pixel glyph with a spark: the editor's mark.
  QLinearGradient tile(0, 0, s, s);
  tile.setColorAt(0, QColor(70, 150, 245));
  tile.setColorAt(1, QColor(40, 60, 160));
  p.setPen(Qt::NoPen);
  p.setBrush(tile);
  p.drawRoundedRect(QRectF(s * 0.04, s * 0.04, s * 0.92, s * 0.92), s * 0.2, s * 0.2);
  static const char* kGlyph[] = {".####.", "#.....", "#..###", "#....#", ".####."};
  const double cell = s * 0.1;
  const double x0 = s * 0.2;
  const double y0 = s * 0.27;
  p.setBrush(QColor(255, 255, 255));
  for (int y = 0; y < 5; ++y) {
    for (int x = 0; x < 6; ++x) {
      if (kGlyph[y][x] == '#') p.drawRect(QRectF(x0 + x * cell, y0 + y * cell, cell, cell));
    }
  }
  p.setBrush(kOrange);
  const QPointF c(s * 0.76, s * 0.24);
  QPainterPath spark;
  for (int i = 0; i < 8; ++i) {
    const double r = (i % 2 == 0) ? s * 0.13 : s * 0.045;
    const double a = i * 3.14159265 / 4 - 3.14159265 / 2;
    const QPointF pt(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
    if (i == 0)
      spark.moveTo(pt);
    else
      spark.lineTo(pt);
  }
  spark.closeSubpath();
  p.drawPath(spark);
}

QImage AppIcon(int size) {
  QImage image = Blank(size, size);
  QPainter p;
  Begin(p, image);
  AppMark(p, size);
  return image;
}

QImage Splash() {
  QImage image(500, 350, QImage::Format_ARGB32);
  QPainter p;
  Begin(p, image);
  QLinearGradient bg(0, 0, 500, 350);
  bg.setColorAt(0, QColor(28, 40, 70));
  bg.setColorAt(1, QColor(46, 92, 160));
  p.fillRect(image.rect(), bg);
  p.setPen(Qt::NoPen);
  for (int i = 0; i < 14; ++i) {  // a loose field of pixel squares
    const int x = 300 + (i * 37) % 180;
    const int y = 30 + (i * 53) % 280;
    p.setBrush(QColor(255, 255, 255, 18 + (i * 7) % 30));
    p.drawRect(QRect(x, y, 10 + (i % 3) * 6, 10 + (i % 3) * 6));
  }
  p.save();
  p.translate(48, 95);
  AppMark(p, 128);
  p.restore();
  QFont title(QStringLiteral("DejaVu Sans"));
  title.setPixelSize(40);
  title.setBold(true);
  p.setFont(title);
  p.setPen(Qt::white);
  p.drawText(QPointF(200, 160), QStringLiteral("Glyphsmithy"));
  QFont sub(QStringLiteral("DejaVu Sans"));
  sub.setPixelSize(16);
  p.setFont(sub);
  p.setPen(QColor(200, 220, 245));
  p.drawText(QPointF(202, 190), QStringLiteral("Icons, layer by layer"));
  sub.setPixelSize(12);
  p.setFont(sub);
  p.setPen(QColor(170, 190, 220));
  p.drawText(QPointF(202, 310), QStringLiteral("Version 7"));
  return image;
}

}  // namespace

QList<Artwork> DrawControlPictures() {
  return {{QStringLiteral("controls/SliderThumb.png"), SliderThumb()},
          {QStringLiteral("controls/TitleClose.png"), TitleClose()},
          {QStringLiteral("controls/TipsClose.png"), TipsClose()},
          {QStringLiteral("controls/CaptionTip.png"), CaptionTip()}};
}

QList<Artwork> DrawCursors() {
  return {{QStringLiteral("cursors/MOVE.png"), MoveCursor()},
          {QStringLiteral("cursors/LINE.png"), LineCursor()},
          {QStringLiteral("cursors/PICK.png"), PickCursor()},
          {QStringLiteral("cursors/ERASE.png"), EraseCursor()}};
}

QList<Artwork> DrawBalloons() {
  return {{QStringLiteral("tips/TIPS.png"), Balloon(true)},
          {QStringLiteral("tips/TIPS2.png"), Balloon(false)}};
}

QList<Artwork> DrawProgramPictures() {
  return {{QStringLiteral("pictures/Information.png"), Information()},
          {QStringLiteral("pictures/Board.png"), Board()},
          {QStringLiteral("pictures/Splash.png"), Splash()},
          {QStringLiteral("pictures/AppIcon16.png"), AppIcon(16)},
          {QStringLiteral("pictures/AppIcon32.png"), AppIcon(32)},
          {QStringLiteral("pictures/AppIcon48.png"), AppIcon(48)},
          {QStringLiteral("pictures/AppIcon256.png"), AppIcon(256)}};
}
