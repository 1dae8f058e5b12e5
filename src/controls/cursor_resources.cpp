#include "cursor_resources.h"

#include <QPixmap>

#include "controls/resource_init.h"

namespace {
struct CursorSpec {
  const char* Name;
  int X;
  int Y;
};
constexpr CursorSpec kCursors[] = {
    {"MOVE", 1, 2}, {"LINE", 14, 15}, {"PICK", 9, 24}, {"ERASE", 4, 22}};

const CursorSpec* Find(const QString& name) {
  for (const CursorSpec& c : kCursors) {
    if (name.compare(QLatin1String(c.Name), Qt::CaseInsensitive) == 0) return &c;
  }
  return nullptr;
}
}  // namespace

QPoint GlyphCursorHotSpot(const QString& name) {
  const CursorSpec* c = Find(name);
  return c ? QPoint(c->X, c->Y) : QPoint(0, 0);
}

QCursor GlyphCursor(const QString& name) {
  const CursorSpec* c = Find(name);
  if (!c) return QCursor(Qt::ArrowCursor);
  InitControlResources();
  const QPixmap picture(QStringLiteral(":/cursors/%1.png").arg(QLatin1String(c->Name)));
  if (picture.isNull()) return QCursor(Qt::ArrowCursor);
  return QCursor(picture, c->X, c->Y);
}
