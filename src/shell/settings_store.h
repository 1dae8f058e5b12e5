#pragma once

#include <QSettings>
#include <QString>

#include <cstdint>
#include <memory>

// The per-user settings store: numbers as 32-bit values, texts as strings. A missing value, or one
// of the other type, reads as 0 or the empty text. Tests point it at a file of their own.
class SettingsStore {
 public:
  SettingsStore();  // the user's store ("Glyphsmithy", per user, INI format)
  explicit SettingsStore(const QString& iniFile);

  int32_t ReadRegistryNumber(const QString& name) const;
  void WriteRegistryNumber(const QString& name, int32_t value);
  QString ReadRegistryString(const QString& name) const;
  void WriteRegistryString(const QString& name, const QString& text);
  void Sync() { settings_->sync(); }

 private:
  std::unique_ptr<QSettings> settings_;
};
