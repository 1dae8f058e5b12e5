#pragma once

#include <QList>
#include <QString>

// One drop-down item of a tool bar button (stored and edited, never shown).
struct MenuItem {
  int Id = 0;
  QString Caption;
  QString Text;
  int Enabled = 0;
  int Visible = 0;

  // "id,caption,text,enabled,visible"
  static MenuItem Parse(const QString& itemString);
  QString ToString() const;
};

// One button of a tool bar, parsed from its definition string
// "number,kind,caption,group,tooltip,toggle,enabled,itemcount" (kind "Y" button, "1" separator).
struct ToolButton {
  static constexpr int kMaxItems = 101;

  int Number = 0;
  QString Kind;
  QString Caption;
  QString Group;
  QString ToolTip;
  int Toggle = 0;
  int Enabled = 0;
  int ItemCount = 0;
  QList<MenuItem> Items;  // position p (1-based) at index p - 1
  bool Pressed = false;
  bool Reset = false;

  static ToolButton Parse(const QString& definition);
  // The definition string again, with the current item count as its eighth value.
  static QString WithItemCount(const QString& definition, int itemCount);
  bool IsSeparator() const { return Kind == QStringLiteral("1"); }
  bool HasItems() const { return ItemCount > 0; }
};
