#pragma once

#include <QByteArray>
#include <QFont>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <optional>

// The stored properties of one control instance. Keys compare without regard to case; a number
// stored as one numeric type reads back as another (floats round half to even into integers, and
// a value outside the target type fails the read). Byte arrays travel as base64 text and fonts as
// {"Name", "Size", "Bold", "Italic", "Underline", "Strikeout"}. A failed read yields nothing, so
// callers skip it and keep the value they had.
class PropertyBag {
 public:
  PropertyBag() = default;

  static PropertyBag FromJson(const QJsonObject& object);
  QJsonObject ToJson() const;

  bool Contains(const QString& key) const { return Find(key) >= 0; }
  QStringList Keys() const;
  bool IsEmpty() const { return entries_.isEmpty(); }
  void Remove(const QString& key);

  std::optional<int> ReadInt16(const QString& key) const;
  std::optional<int> ReadInt32(const QString& key) const;
  std::optional<float> ReadFloat(const QString& key) const;
  std::optional<bool> ReadBool(const QString& key) const;
  std::optional<QString> ReadString(const QString& key) const;
  std::optional<QByteArray> ReadBytes(const QString& key) const;
  std::optional<QFont> ReadFont(const QString& key) const;

  int ReadInt16(const QString& key, int fallback) const {
    return ReadInt16(key).value_or(fallback);
  }
  int ReadInt32(const QString& key, int fallback) const {
    return ReadInt32(key).value_or(fallback);
  }
  float ReadFloat(const QString& key, float fallback) const {
    return ReadFloat(key).value_or(fallback);
  }
  bool ReadBool(const QString& key, bool fallback) const {
    return ReadBool(key).value_or(fallback);
  }
  QString ReadString(const QString& key, const QString& fallback) const {
    return ReadString(key).value_or(fallback);
  }

  // Writers replace a value under any spelling of the key and keep the new spelling.
  void WriteInt16(const QString& key, int value);
  void WriteInt32(const QString& key, int value);
  void WriteFloat(const QString& key, float value);
  void WriteBool(const QString& key, bool value);
  void WriteString(const QString& key, const QString& value);
  void WriteBytes(const QString& key, const QByteArray& value);
  void WriteFont(const QString& key, const QFont& font);

  // The raw value (QVariant of double, bool, QString, QByteArray or QVariantMap); invalid if
  // absent.
  QVariant Value(const QString& key) const;

 private:
  struct Entry {
    QString Key;
    QVariant Value;
  };
  int Find(const QString& key) const;
  void Put(const QString& key, const QVariant& value);
  std::optional<double> ReadNumber(const QString& key) const;

  QList<Entry> entries_;
};
