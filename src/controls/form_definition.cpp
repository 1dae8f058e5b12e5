#include "form_definition.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

#include "controls/resource_init.h"

namespace {
constexpr qint64 kMaxDefinitionBytes = 16 * 1024 * 1024;  // far above any window we store
}

std::optional<FormDefinition> FormDefinition::Load(const QString& path, QString* error) {
  InitControlResources();
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    if (error) *error = file.errorString();
    return std::nullopt;
  }
  if (file.size() > kMaxDefinitionBytes) {
    if (error) *error = QStringLiteral("Window definition too large");
    return std::nullopt;
  }
  return FromJson(file.readAll(), error);
}

std::optional<FormDefinition> FormDefinition::FromJson(const QByteArray& json, QString* error) {
  QJsonParseError parseError{};
  const QJsonDocument doc = QJsonDocument::fromJson(json, &parseError);
  if (parseError.error != QJsonParseError::NoError || !doc.isObject()) {
    if (error) *error = parseError.errorString();
    return std::nullopt;
  }
  const QJsonObject root = doc.object();
  FormDefinition form(root.value(QStringLiteral("Form")).toString());
  const QJsonObject controls = root.value(QStringLiteral("Controls")).toObject();
  for (auto it = controls.begin(); it != controls.end(); ++it) {
    if (it.value().isObject()) {
      form.SetControl(it.key(), PropertyBag::FromJson(it.value().toObject()));
    }
  }
  return form;
}

QByteArray FormDefinition::ToJson() const {
  QJsonObject controls;
  for (const Item& item : controls_) controls.insert(item.Name, item.Bag.ToJson());
  QJsonObject root;
  root.insert(QStringLiteral("Form"), name_);
  root.insert(QStringLiteral("Controls"), controls);
  return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

bool FormDefinition::Save(const QString& path, QString* error) const {
  const QByteArray bytes = ToJson();
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush() ||
      file.size() != bytes.size()) {
    if (error) *error = file.errorString();
    file.cancelWriting();
    return false;
  }
  if (!file.commit()) {
    if (error) *error = file.errorString();
    return false;
  }
  return true;
}

int FormDefinition::Find(const QString& controlName) const {
  for (int i = 0; i < controls_.size(); ++i) {
    if (controls_[i].Name.compare(controlName, Qt::CaseInsensitive) == 0) return i;
  }
  return -1;
}

PropertyBag FormDefinition::Control(const QString& controlName) const {
  const int i = Find(controlName);
  return i >= 0 ? controls_[i].Bag : PropertyBag();
}

void FormDefinition::SetControl(const QString& controlName, const PropertyBag& bag) {
  const int i = Find(controlName);
  if (i >= 0)
    controls_[i] = Item{controlName, bag};
  else
    controls_.append(Item{controlName, bag});
}

QStringList FormDefinition::ControlNames() const {
  QStringList names;
  for (const Item& item : controls_) names << item.Name;
  return names;
}
