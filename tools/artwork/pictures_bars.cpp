// Skins and button pictures of the tool bars.
#include <QPainterPath>
#include <cmath>

#include "artwork.h"
#include "draw_kit.h"

using namespace kit;

namespace {

// A 26 x 40 button face: a rounded frame with a vertical fill. Only its 4-pixel rim and column 4
// are stretched into buttons, so the fill varies from top to bottom only.
QImage Skin(const QColor& border, const QColor& top, const QColor& bottom, const QColor& shine) {
  QImage image = Blank(26, 40);
  QPainter p;
  Begin(p, image);
  const QRectF face(0.5, 0.5, 25, 39);
  p.setPen(QPen(border, 1));
  p.setBrush(Vertical(0, 40, top, bottom));
  p.drawRoundedRect(face, 3, 3);
  if (shine.alpha() > 0) {
    p.setPen(QPen(shine, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(face.adjusted(1, 1, -1, -1), 2, 2);
  }
  return image;
}

// Glossy two-part face: a bright upper half over a deeper lower half.
QImage GlossSkin(const QColor& border, const QColor& a, const QColor& b, const QColor& c,
                 const QColor& d) {
  QImage image = Blank(26, 40);
  QPainter p;
  Begin(p, image);
  QLinearGradient g(0, 0, 0, 40);
  g.setColorAt(0.0, a);
  g.setColorAt(0.48, b);
  g.setColorAt(0.52, c);
  g.setColorAt(1.0, d);
  p.setPen(QPen(border, 1));
  p.setBrush(g);
  p.drawRoundedRect(QRectF(0.5, 0.5, 25, 39), 3, 3);
  p.setPen(QPen(QColor(255, 255, 255, 150), 1));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(QRectF(1.5, 1.5, 23, 37), 2, 2);
  return image;
}

template <typename F>
Artwork Picture(const QString& name, int size, F draw) {
  QImage image = Blank(size, size);
  QPainter p;
  Begin(p, image);
  draw(p);
  p.end();
  return Artwork{QStringLiteral("toolbar/") + name, image};
}

// ---- 32 x 32 command pictures ----

void DrawNew(QPainter& p) {
  Sheet(p, QRectF(6.5, 3.5, 19, 25), 6);
  p.setPen(Qt::NoPen);
  p.setBrush(kYellow);
  QPainterPath star;
  const QPointF c(22, 22);
  for (int i = 0; i < 8; ++i) {
    const double r = (i % 2 == 0) ? 7.5 : 3.0;
    const double a = i * 3.14159265 / 4;
    const QPointF pt(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
    if (i == 0)
      star.moveTo(pt);
    else
      star.lineTo(pt);
  }
  star.closeSubpath();
  p.setPen(Outline(1, kOrangeDark));
  p.drawPath(star);
}

void DrawFolder(QPainter& p) {
  QPainterPath back;
  back.moveTo(3.5, 8.5);
  back.lineTo(11.5, 8.5);
  back.lineTo(14.5, 11.5);
  back.lineTo(27.5, 11.5);
  back.lineTo(27.5, 26.5);
  back.lineTo(3.5, 26.5);
  back.closeSubpath();
  p.setPen(Outline(1.2, kOrangeDark));
  p.setBrush(Vertical(8, 27, QColor(247, 200, 110), QColor(226, 150, 60)));
  p.drawPath(back);
  QPainterPath front;
  front.moveTo(3.5, 26.5);
  front.lineTo(7.5, 15.5);
  front.lineTo(30.5, 15.5);
  front.lineTo(27.5, 26.5);
  front.closeSubpath();
  p.setBrush(Vertical(15, 27, QColor(255, 226, 150), QColor(246, 184, 80)));
  p.drawPath(front);
}

void DrawImport(QPainter& p) {
  // A picture card with a green arrow dropping into it.
  p.setPen(Outline(1.2));
  p.setBrush(Vertical(12, 29, kPaper, kPaperShade));
  p.drawRoundedRect(QRectF(3.5, 12.5, 25, 16), 2, 2);
  p.setPen(Qt::NoPen);
  p.setBrush(kSky);
  p.drawRect(QRectF(6, 15, 20, 11));
  p.setBrush(kGreen.darker(115));
  QPainterPath hill;
  hill.moveTo(6, 26);
  hill.lineTo(12, 19);
  hill.lineTo(16, 23);
  hill.lineTo(20, 18);
  hill.lineTo(26, 26);
  hill.closeSubpath();
  p.drawPath(hill);
  p.setBrush(kGreen);
  p.setPen(Outline(1, kGreen.darker(150)));
  QPainterPath arrow;
  arrow.moveTo(13, 2.5);
  arrow.lineTo(19, 2.5);
  arrow.lineTo(19, 9.5);
  arrow.lineTo(23, 9.5);
  arrow.lineTo(16, 16.5);
  arrow.lineTo(9, 9.5);
  arrow.lineTo(13, 9.5);
  arrow.closeSubpath();
  p.drawPath(arrow);
}

void DrawExport(QPainter& p) {
  // A sheet with a green arrow leaving it to the right.
  Sheet(p, QRectF(3.5, 3.5, 18, 25), 5);
  p.setBrush(kGreen);
  p.setPen(Outline(1, kGreen.darker(150)));
  QPainterPath arrow;
  arrow.moveTo(12.5, 13.5);
  arrow.lineTo(21.5, 13.5);
  arrow.lineTo(21.5, 9.5);
  arrow.lineTo(29.5, 16.5);
  arrow.lineTo(21.5, 23.5);
  arrow.lineTo(21.5, 19.5);
  arrow.lineTo(12.5, 19.5);
  arrow.closeSubpath();
  p.drawPath(arrow);
}

void DrawSave(QPainter& p) {
  p.setPen(Outline(1.2, kBlueDark));
  p.setBrush(Vertical(4, 28, kBlue.lighter(120), kBlueDark));
  QPainterPath disk;
  disk.moveTo(4.5, 4.5);
  disk.lineTo(24.5, 4.5);
  disk.lineTo(27.5, 7.5);
  disk.lineTo(27.5, 27.5);
  disk.lineTo(4.5, 27.5);
  disk.closeSubpath();
  p.drawPath(disk);
  p.setPen(Qt::NoPen);
  p.setBrush(kPaper);
  p.drawRect(QRectF(9, 5, 13, 8));
  p.setBrush(kBlueDark);
  p.drawRect(QRectF(18, 6, 3, 6));
  p.setBrush(QColor(235, 240, 248));
  p.drawRoundedRect(QRectF(8, 17, 16, 10), 1, 1);
  p.setPen(QPen(kPaperShade.darker(120), 1));
  p.drawLine(QPointF(10, 20.5), QPointF(22, 20.5));
  p.drawLine(QPointF(10, 23.5), QPointF(22, 23.5));
}

void DrawTurn(QPainter& p, bool left) {
  p.setPen(Outline(1.2, kBlueDark));
  p.setBrush(Vertical(8, 28, kBlue.lighter(130), kBlue));
  p.drawPath(TurnArrow(left, 32));
}

void DrawZoom(QPainter& p, int sign) {
  Magnifier(p, 13, 13, 8.5);
  p.setPen(QPen(kBlueDark, 2.4, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(9, 13), QPointF(17, 13));
  if (sign > 0) p.drawLine(QPointF(13, 9), QPointF(13, 17));
}

void DrawOriginalSize(QPainter& p) {
  p.setPen(Outline(1.2));
  p.setBrush(Vertical(4, 28, kPaper, kPaperShade));
  p.drawRoundedRect(QRectF(3.5, 4.5, 25, 23), 2, 2);
  QFont f(QStringLiteral("DejaVu Sans"));
  f.setPixelSize(12);
  f.setBold(true);
  p.setFont(f);
  p.setPen(kBlueDark);
  p.drawText(QRectF(3, 4, 26, 24), Qt::AlignCenter, QStringLiteral("1:1"));
}

void DrawWebsite(QPainter& p) {
  QRadialGradient sea(12, 11, 16);
  sea.setColorAt(0, kSky.lighter(115));
  sea.setColorAt(1, kBlue);
  p.setPen(Outline(1.2, kBlueDark));
  p.setBrush(sea);
  p.drawEllipse(QRectF(3.5, 3.5, 25, 25));
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(255, 255, 255, 200), 1));
  p.drawEllipse(QRectF(10.5, 3.5, 11, 25));
  p.drawLine(QPointF(16, 4), QPointF(16, 28));
  p.drawLine(QPointF(4, 16), QPointF(28, 16));
  p.drawLine(QPointF(6.5, 10), QPointF(25.5, 10));
  p.drawLine(QPointF(6.5, 22), QPointF(25.5, 22));
}

// ---- 16 x 16 pictures; crisp lines on half pixels ----

QPen Thin(const QColor& c = kInk) { return Outline(1.0, c); }

void DrawMove(QPainter& p) {
  p.setPen(Thin());
  p.setBrush(kBlue);
  QPainterPath a;
  const QPointF pts[] = {{8, 0.5},  {11, 3.5},  {9, 3.5},  {9, 7}, {12.5, 7}, {12.5, 5},
                         {15.5, 8}, {12.5, 11}, {12.5, 9}, {9, 9}, {9, 12.5}, {11, 12.5},
                         {8, 15.5}, {5, 12.5},  {7, 12.5}, {7, 9}, {3.5, 9},  {3.5, 11},
                         {0.5, 8},  {3.5, 5},   {3.5, 7},  {7, 7}, {7, 3.5},  {5, 3.5}};
  a.moveTo(pts[0]);
  for (const QPointF& pt : pts) a.lineTo(pt);
  a.closeSubpath();
  p.drawPath(a);
}

void DashedRect(QPainter& p, QRectF r) {
  QPen pen(kInk, 1, Qt::CustomDashLine);
  pen.setDashPattern({2, 2});
  p.setPen(pen);
  p.setBrush(QColor(47, 128, 237, 40));
  p.drawRect(r);
}

void DrawPencil(QPainter& p) {
  QPainterPath body;
  body.moveTo(11.5, 1.5);
  body.lineTo(14.5, 4.5);
  body.lineTo(5.5, 13.5);
  body.lineTo(1.5, 14.5);
  body.lineTo(2.5, 10.5);
  body.closeSubpath();
  p.setPen(Thin());
  p.setBrush(kYellow);
  p.drawPath(body);
  p.setBrush(kRed);
  QPainterPath cap;
  cap.moveTo(11.5, 1.5);
  cap.lineTo(14.5, 4.5);
  cap.lineTo(12.8, 6.2);
  cap.lineTo(9.8, 3.2);
  cap.closeSubpath();
  p.drawPath(cap);
  p.setPen(Qt::NoPen);
  p.setBrush(kInk);
  QPainterPath tip;
  tip.moveTo(1.5, 14.5);
  tip.lineTo(2.2, 12);
  tip.lineTo(4, 13.8);
  tip.closeSubpath();
  p.drawPath(tip);
}

void DrawLine(QPainter& p) {
  p.setPen(QPen(kInk, 1.6, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(2.5, 13.5), QPointF(13.5, 2.5));
  p.setPen(Thin(kBlueDark));
  p.setBrush(kSky);
  p.drawRect(QRectF(0.5, 11.5, 4, 4));
  p.drawRect(QRectF(11.5, 0.5, 4, 4));
}

void DrawShape(QPainter& p, bool ellipse, bool filled) {
  p.setPen(QPen(kInk, 1.3));
  p.setBrush(filled ? QBrush(Vertical(2, 14, kBlue.lighter(130), kBlue)) : QBrush(Qt::NoBrush));
  const QRectF r(1.5, 3.5, 13, 9);
  if (ellipse)
    p.drawEllipse(r);
  else
    p.drawRect(r);
}

void DrawDropper(QPainter& p) {
  p.setPen(Thin());
  p.setBrush(kSky);
  QPainterPath tube;
  tube.moveTo(9.5, 4.5);
  tube.lineTo(11.5, 6.5);
  tube.lineTo(4, 14);
  tube.lineTo(1.5, 14.5);
  tube.lineTo(2, 12);
  tube.closeSubpath();
  p.drawPath(tube);
  p.setBrush(kInk);
  p.drawRoundedRect(QRectF(9, 1, 6, 6).translated(-0.2, 0.2), 2.5, 2.5);
  p.drawLine(QPointF(8, 3.5), QPointF(12.5, 8));
}

void DrawEraserBlock(QPainter& p, const QColor& body) {
  QPainterPath e;
  e.moveTo(9.5, 1.5);
  e.lineTo(14.5, 6.5);
  e.lineTo(7.5, 13.5);
  e.lineTo(2.5, 8.5);
  e.closeSubpath();
  p.setPen(Thin());
  p.setBrush(body);
  p.drawPath(e);
  QPainterPath band;
  band.moveTo(2.5, 8.5);
  band.lineTo(5.5, 5.5);
  band.lineTo(10.5, 10.5);
  band.lineTo(7.5, 13.5);
  band.closeSubpath();
  p.setBrush(kPaper);
  p.drawPath(band);
  p.drawLine(QPointF(3, 14.5), QPointF(14.5, 14.5));
}

void DrawSwatch(QPainter& p, const QBrush& fill) {
  p.setPen(Thin());
  p.setBrush(fill);
  p.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 1.5, 1.5);
}

void DrawPolygonSelection(QPainter& p) {
  QPen pen(kInk, 1, Qt::CustomDashLine);
  pen.setDashPattern({2, 2});
  p.setPen(pen);
  p.setBrush(QColor(47, 128, 237, 40));
  const QPointF pts[] = {{2.5, 5.5}, {8.5, 1.5}, {14.5, 6.5}, {11.5, 14.5}, {3.5, 12.5}};
  p.drawPolygon(pts, 5);
}

void DrawLayers(QPainter& p, const QColor& top) {
  auto tile = [&](double y, const QColor& c) {
    QPainterPath d;
    d.moveTo(8, y);
    d.lineTo(15, y + 3.5);
    d.lineTo(8, y + 7);
    d.lineTo(1, y + 3.5);
    d.closeSubpath();
    p.setPen(Thin());
    p.setBrush(c);
    p.drawPath(d);
  };
  tile(7.5, kPaperShade);
  tile(3.5, top);
}

void DrawBadge(QPainter& p, const QColor& color, bool plus) {
  p.setPen(Thin(color.darker(150)));
  p.setBrush(color);
  p.drawEllipse(QRectF(8.5, 8.5, 7, 7));
  p.setPen(QPen(Qt::white, 1.4));
  p.drawLine(QPointF(10.2, 12), QPointF(13.8, 12));
  if (plus) p.drawLine(QPointF(12, 10.2), QPointF(12, 13.8));
}

void DrawEye(QPainter& p) {
  QPainterPath eye;
  eye.moveTo(0.5, 8);
  eye.cubicTo(4, 2.5, 12, 2.5, 15.5, 8);
  eye.cubicTo(12, 13.5, 4, 13.5, 0.5, 8);
  p.setPen(Thin());
  p.setBrush(kPaper);
  p.drawPath(eye);
  p.setBrush(kBlue);
  p.drawEllipse(QPointF(8, 8), 3, 3);
  p.setPen(Qt::NoPen);
  p.setBrush(kInk);
  p.drawEllipse(QPointF(8, 8), 1.3, 1.3);
}

void DrawOrder(QPainter& p) {
  p.setPen(Thin());
  p.setBrush(kPaperShade);
  p.drawRect(QRectF(5.5, 5.5, 9, 9));
  p.setBrush(kBlue.lighter(120));
  p.drawRect(QRectF(1.5, 1.5, 9, 9));
  p.setPen(QPen(kOrangeDark, 1.4, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(13, 1.5), QPointF(13, 3.8));
  p.drawLine(QPointF(11.8, 2.6), QPointF(13, 1.5));
  p.drawLine(QPointF(14.2, 2.6), QPointF(13, 1.5));
}

void DrawMerge(QPainter& p) {
  DrawLayers(p, kBlue.lighter(140));
  p.setPen(QPen(kGreen.darker(130), 1.6, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(8, 0.5), QPointF(8, 5));
  p.drawLine(QPointF(6, 3), QPointF(8, 5));
  p.drawLine(QPointF(10, 3), QPointF(8, 5));
}

}  // namespace

QList<Artwork> DrawSkins() {
  return {
      {QStringLiteral("skins/StyleNormal.png"),
       Skin(QColor(168, 178, 192), QColor(255, 255, 255), QColor(226, 231, 238),
            QColor(255, 255, 255, 180))},
      {QStringLiteral("skins/StyleNormalDown.png"),
       Skin(QColor(128, 140, 158), QColor(206, 213, 224), QColor(230, 234, 240),
            QColor(0, 0, 0, 0))},
      {QStringLiteral("skins/StyleVista.png"),
       GlossSkin(QColor(60, 127, 177), QColor(234, 246, 253), QColor(217, 240, 252),
                 QColor(190, 230, 253), QColor(167, 217, 245))},
      {QStringLiteral("skins/StyleVistaDown.png"),
       GlossSkin(QColor(44, 98, 139), QColor(194, 228, 246), QColor(171, 218, 243),
                 QColor(144, 203, 235), QColor(110, 180, 220))},
      {QStringLiteral("skins/StyleWin10Normal.png"),
       Skin(QColor(0, 120, 215), QColor(229, 241, 251), QColor(229, 241, 251), QColor(0, 0, 0, 0))},
      {QStringLiteral("skins/StyleWin10Down.png"),
       Skin(QColor(0, 84, 153), QColor(204, 228, 247), QColor(204, 228, 247), QColor(0, 0, 0, 0))},
  };
}

QList<Artwork> DrawCommandPictures() {
  return {
      Picture(QStringLiteral("New.png"), 32, DrawNew),
      Picture(QStringLiteral("Open.png"), 32, DrawFolder),
      Picture(QStringLiteral("Import.png"), 32, DrawImport),
      Picture(QStringLiteral("Save.png"), 32, DrawSave),
      Picture(QStringLiteral("Export.png"), 32, DrawExport),
      Picture(QStringLiteral("Undo.png"), 32, [](QPainter& p) { DrawTurn(p, true); }),
      Picture(QStringLiteral("Redo.png"), 32, [](QPainter& p) { DrawTurn(p, false); }),
      Picture(QStringLiteral("ZoomIn.png"), 32, [](QPainter& p) { DrawZoom(p, 1); }),
      Picture(QStringLiteral("ZoomOut.png"), 32, [](QPainter& p) { DrawZoom(p, -1); }),
      Picture(QStringLiteral("OriginalSize.png"), 32, DrawOriginalSize),
      Picture(QStringLiteral("Website.png"), 32, DrawWebsite),
  };
}

QList<Artwork> DrawToolPictures() {
  QLinearGradient across(1, 0, 15, 0);
  across.setColorAt(0, kBlueDark);
  across.setColorAt(1, kPaper);
  QLinearGradient down(0, 1, 0, 15);
  down.setColorAt(0, kBlueDark);
  down.setColorAt(1, kPaper);
  QRadialGradient radial(8, 8, 7);
  radial.setColorAt(0, kPaper);
  radial.setColorAt(1, kBlueDark);
  return {
      Picture(QStringLiteral("Move.png"), 16, DrawMove),
      Picture(QStringLiteral("Selection.png"), 16,
              [](QPainter& p) { DashedRect(p, QRectF(1.5, 2.5, 13, 11)); }),
      Picture(QStringLiteral("Pencil.png"), 16, DrawPencil),
      Picture(QStringLiteral("Line.png"), 16, DrawLine),
      Picture(QStringLiteral("Ellipse.png"), 16, [](QPainter& p) { DrawShape(p, true, false); }),
      Picture(QStringLiteral("FilledEllipse.png"), 16,
              [](QPainter& p) { DrawShape(p, true, true); }),
      Picture(QStringLiteral("Rectangle.png"), 16, [](QPainter& p) { DrawShape(p, false, false); }),
      Picture(QStringLiteral("FilledRectangle.png"), 16,
              [](QPainter& p) { DrawShape(p, false, true); }),
      Picture(QStringLiteral("ColorPick.png"), 16, DrawDropper),
      Picture(QStringLiteral("Erase.png"), 16,
              [](QPainter& p) { DrawEraserBlock(p, QColor(236, 120, 140)); }),
      Picture(QStringLiteral("Solid.png"), 16, [](QPainter& p) { DrawSwatch(p, kBlue); }),
      Picture(QStringLiteral("HorizontalGradient.png"), 16,
              [across](QPainter& p) { DrawSwatch(p, across); }),
      Picture(QStringLiteral("VerticalGradient.png"), 16,
              [down](QPainter& p) { DrawSwatch(p, down); }),
      Picture(QStringLiteral("RadialGradient.png"), 16,
              [radial](QPainter& p) { DrawSwatch(p, radial); }),
      Picture(QStringLiteral("RectangleSelection.png"), 16,
              [](QPainter& p) { DashedRect(p, QRectF(1.5, 2.5, 13, 11)); }),
      Picture(QStringLiteral("EllipseSelection.png"), 16,
              [](QPainter& p) {
                QPen pen(kInk, 1, Qt::CustomDashLine);
                pen.setDashPattern({2, 2});
                p.setPen(pen);
                p.setBrush(QColor(47, 128, 237, 40));
                p.drawEllipse(QRectF(1.5, 3.5, 13, 9));
              }),
      Picture(QStringLiteral("PolygonSelection.png"), 16, DrawPolygonSelection),
      Picture(QStringLiteral("BrushEraser.png"), 16,
              [](QPainter& p) {
                QRadialGradient soft(8, 8, 7);
                soft.setColorAt(0, QColor(236, 120, 140));
                soft.setColorAt(1, QColor(236, 120, 140, 0));
                p.setPen(Qt::NoPen);
                p.setBrush(soft);
                p.drawEllipse(QRectF(1, 1, 14, 14));
                p.setPen(Thin());
                p.setBrush(Qt::NoBrush);
                p.drawEllipse(QRectF(3.5, 3.5, 9, 9));
              }),
      Picture(QStringLiteral("PencilEraser.png"), 16,
              [](QPainter& p) { DrawEraserBlock(p, QColor(236, 120, 140)); }),
      Picture(QStringLiteral("LayerAdd.png"), 16,
              [](QPainter& p) {
                DrawLayers(p, kBlue.lighter(140));
                DrawBadge(p, kGreen, true);
              }),
      Picture(QStringLiteral("LayerDel.png"), 16,
              [](QPainter& p) {
                DrawLayers(p, kBlue.lighter(140));
                DrawBadge(p, kRed, false);
              }),
      Picture(QStringLiteral("Eye.png"), 16, DrawEye),
      Picture(QStringLiteral("Layerorder.png"), 16, DrawOrder),
      Picture(QStringLiteral("Layerunion.png"), 16, DrawMerge),
  };
}
