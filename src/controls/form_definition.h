#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

#include "controls/property_bag.h"

// A stored window definition: the window's name and one property bag per control, keyed by the
// control's name (compared without regard to case). The file is JSON:
//   { "Form": "mForm", "Controls": { "ToolBarvs1": { "BC": 13, ... }, ... } }
class FormDefinition {
 public:
  FormDefinition() = default;
  explicit FormDefinition(const QString& formName) : name_(formName) {}

  // Reads a definition from a file or a Qt resource path (":/forms/mform.json"). A missing file or
  // malformed JSON yields nothing and a message in `error`.
  static std::optional<FormDefinition> Load(const QString& path, QString* error = nullptr);
  static std::optional<FormDefinition> FromJson(const QByteArray& json, QString* error = nullptr);

  QByteArray ToJson() const;
  bool Save(const QString& path, QString* error = nullptr) const;

  QString Name() const { return name_; }
  bool HasControl(const QString& controlName) const { return Find(controlName) >= 0; }
  // The control's bag; an empty bag when the window holds no such control.
  PropertyBag Control(const QString& controlName) const;
  void SetControl(const QString& controlName, const PropertyBag& bag);
  QStringList ControlNames() const;

 private:
  struct Item {
    QString Name;
    PropertyBag Bag;
  };
  int Find(const QString& controlName) const;

  QString name_;
  QList<Item> controls_;
};
