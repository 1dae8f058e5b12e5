#include "tool_button.h"

#include <QStringList>
#include <algorithm>

namespace {
QString Part(const QStringList& parts, int i) { return i < parts.size() ? parts[i] : QString(); }
int IntPart(const QStringList& parts, int i) { return Part(parts, i).trimmed().toInt(); }
}  // namespace

MenuItem MenuItem::Parse(const QString& itemString) {
  const QStringList parts = itemString.split(QLatin1Char(','));
  MenuItem item;
  item.Id = IntPart(parts, 0);
  item.Caption = Part(parts, 1);
  item.Text = Part(parts, 2);
  item.Enabled = IntPart(parts, 3);
  item.Visible = IntPart(parts, 4);
  return item;
}

QString MenuItem::ToString() const {
  return QStringLiteral("%1,%2,%3,%4,%5").arg(Id).arg(Caption, Text).arg(Enabled).arg(Visible);
}

ToolButton ToolButton::Parse(const QString& definition) {
  const QStringList parts = definition.split(QLatin1Char(','));
  ToolButton b;
  b.Number = IntPart(parts, 0);
  b.Kind = Part(parts, 1);
  b.Caption = Part(parts, 2);
  b.Group = Part(parts, 3);
  b.ToolTip = Part(parts, 4);
  b.Toggle = IntPart(parts, 5);
  b.Enabled = IntPart(parts, 6);
  b.ItemCount = std::clamp(IntPart(parts, 7), 0, kMaxItems);
  b.Pressed = (b.Toggle == 1);
  return b;
}

QString ToolButton::WithItemCount(const QString& definition, int itemCount) {
  QStringList parts = definition.split(QLatin1Char(','));
  while (parts.size() < 8) parts << QString();
  parts[7] = QString::number(itemCount);
  return parts.join(QLatin1Char(','));
}
