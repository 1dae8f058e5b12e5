#include "property_bag.h"

#include <QJsonValue>
#include <cmath>
#include <limits>

namespace {

QVariant FontToMap(const QFont& font) {
  QVariantMap map;
  map.insert(QStringLiteral("Name"), font.family());
  map.insert(QStringLiteral("Size"), font.pointSizeF());
  map.insert(QStringLiteral("Bold"), font.bold());
  map.insert(QStringLiteral("Italic"), font.italic());
  map.insert(QStringLiteral("Underline"), font.underline());
  map.insert(QStringLiteral("Strikeout"), font.strikeOut());
  return map;
}

std::optional<int> ToInteger(double v, double low, double high) {
  if (!std::isfinite(v)) return std::nullopt;
  const double rounded = std::nearbyint(v);
  if (rounded < low || rounded > high) return std::nullopt;
  return static_cast<int>(rounded);
}

}  // namespace

PropertyBag PropertyBag::FromJson(const QJsonObject& object) {
  PropertyBag bag;
  for (auto it = object.begin(); it != object.end(); ++it) {
    const QJsonValue v = it.value();
    if (v.isBool())
      bag.Put(it.key(), v.toBool());
    else if (v.isDouble())
      bag.Put(it.key(), v.toDouble());
    else if (v.isString())
      bag.Put(it.key(), v.toString());
    else if (v.isObject())
      bag.Put(it.key(), v.toObject().toVariantMap());
  }
  return bag;
}

QJsonObject PropertyBag::ToJson() const {
  QJsonObject object;
  for (const Entry& e : entries_) {
    const QVariant& v = e.Value;
    if (v.typeId() == QMetaType::QByteArray) {
      object.insert(e.Key, QString::fromLatin1(v.toByteArray().toBase64()));
    } else if (v.typeId() == QMetaType::QVariantMap) {
      object.insert(e.Key, QJsonObject::fromVariantMap(v.toMap()));
    } else {
      object.insert(e.Key, QJsonValue::fromVariant(v));
    }
  }
  return object;
}

QStringList PropertyBag::Keys() const {
  QStringList keys;
  for (const Entry& e : entries_) keys << e.Key;
  return keys;
}

int PropertyBag::Find(const QString& key) const {
  for (int i = 0; i < entries_.size(); ++i) {
    if (entries_[i].Key.compare(key, Qt::CaseInsensitive) == 0) return i;
  }
  return -1;
}

void PropertyBag::Put(const QString& key, const QVariant& value) {
  const int i = Find(key);
  if (i >= 0)
    entries_[i] = Entry{key, value};
  else
    entries_.append(Entry{key, value});
}

void PropertyBag::Remove(const QString& key) {
  const int i = Find(key);
  if (i >= 0) entries_.removeAt(i);
}

QVariant PropertyBag::Value(const QString& key) const {
  const int i = Find(key);
  return i >= 0 ? entries_[i].Value : QVariant();
}

std::optional<double> PropertyBag::ReadNumber(const QString& key) const {
  const QVariant v = Value(key);
  switch (v.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Int:
    case QMetaType::Short:
    case QMetaType::LongLong:
      return v.toDouble();
    case QMetaType::Bool:
      return v.toBool() ? -1.0 : 0.0;  // stored booleans are -1 / 0
    case QMetaType::QString: {
      bool ok = false;
      const double d = v.toString().trimmed().toDouble(&ok);
      if (ok) return d;
      return std::nullopt;
    }
    default:
      return std::nullopt;
  }
}

std::optional<int> PropertyBag::ReadInt16(const QString& key) const {
  const auto d = ReadNumber(key);
  if (!d) return std::nullopt;
  return ToInteger(*d, -32768.0, 32767.0);
}

std::optional<int> PropertyBag::ReadInt32(const QString& key) const {
  const auto d = ReadNumber(key);
  if (!d) return std::nullopt;
  // OLE colours above 0x7FFFFFFF (system-colour references) are kept as their bit pattern.
  if (*d > 2147483647.0 && *d <= 4294967295.0) {
    return static_cast<int>(static_cast<uint32_t>(*d));
  }
  return ToInteger(*d, -2147483648.0, 2147483647.0);
}

std::optional<float> PropertyBag::ReadFloat(const QString& key) const {
  const auto d = ReadNumber(key);
  if (!d || !std::isfinite(*d)) return std::nullopt;
  return static_cast<float>(*d);
}

std::optional<bool> PropertyBag::ReadBool(const QString& key) const {
  const QVariant v = Value(key);
  if (v.typeId() == QMetaType::Bool) return v.toBool();
  if (v.typeId() == QMetaType::QString) {
    const QString s = v.toString().trimmed();
    if (s.compare(QStringLiteral("True"), Qt::CaseInsensitive) == 0) return true;
    if (s.compare(QStringLiteral("False"), Qt::CaseInsensitive) == 0) return false;
  }
  const auto d = ReadNumber(key);
  if (!d) return std::nullopt;
  return *d != 0.0;
}

std::optional<QString> PropertyBag::ReadString(const QString& key) const {
  const QVariant v = Value(key);
  switch (v.typeId()) {
    case QMetaType::QString:
      return v.toString();
    case QMetaType::Double:
      return QString::number(v.toDouble());
    case QMetaType::Bool:
      return v.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    default:
      return std::nullopt;
  }
}

std::optional<QByteArray> PropertyBag::ReadBytes(const QString& key) const {
  const QVariant v = Value(key);
  if (v.typeId() == QMetaType::QByteArray) return v.toByteArray();
  if (v.typeId() != QMetaType::QString) return std::nullopt;
  const auto decoded = QByteArray::fromBase64Encoding(v.toString().toLatin1(),
                                                      QByteArray::AbortOnBase64DecodingErrors);
  if (!decoded) return std::nullopt;
  return *decoded;
}

std::optional<QFont> PropertyBag::ReadFont(const QString& key) const {
  const QVariant v = Value(key);
  if (v.typeId() != QMetaType::QVariantMap) return std::nullopt;
  const QVariantMap map = v.toMap();
  const QString name = map.value(QStringLiteral("Name")).toString();
  const double size = map.value(QStringLiteral("Size")).toDouble();
  if (name.isEmpty() || !(size > 0.0) || size > 1000.0) return std::nullopt;
  QFont font(name);
  font.setPointSizeF(size);
  font.setBold(map.value(QStringLiteral("Bold")).toBool());
  font.setItalic(map.value(QStringLiteral("Italic")).toBool());
  font.setUnderline(map.value(QStringLiteral("Underline")).toBool());
  font.setStrikeOut(map.value(QStringLiteral("Strikeout")).toBool());
  return font;
}

void PropertyBag::WriteInt16(const QString& key, int value) {
  Put(key, static_cast<double>(static_cast<int16_t>(value)));
}
void PropertyBag::WriteInt32(const QString& key, int value) {
  Put(key, static_cast<double>(value));
}
void PropertyBag::WriteFloat(const QString& key, float value) {
  Put(key, static_cast<double>(value));
}
void PropertyBag::WriteBool(const QString& key, bool value) { Put(key, value); }
void PropertyBag::WriteString(const QString& key, const QString& value) { Put(key, value); }
void PropertyBag::WriteBytes(const QString& key, const QByteArray& value) { Put(key, value); }
void PropertyBag::WriteFont(const QString& key, const QFont& font) { Put(key, FontToMap(font)); }
