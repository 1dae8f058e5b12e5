#include "settings_store.h"

#include <limits>

SettingsStore::SettingsStore()
    : settings_(std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                            QStringLiteral("Glyphsmithy"))) {}

SettingsStore::SettingsStore(const QString& iniFile)
    : settings_(std::make_unique<QSettings>(iniFile, QSettings::IniFormat)) {}

int32_t SettingsStore::ReadRegistryNumber(const QString& name) const {
  const QVariant v = settings_->value(name);
  bool ok = false;
  const qlonglong n = v.toLongLong(&ok);
  // Hand-edited files may hold anything: only whole numbers in 32-bit range count.
  if (!ok || n < std::numeric_limits<int32_t>::min() || n > std::numeric_limits<int32_t>::max()) {
    return 0;
  }
  return static_cast<int32_t>(n);
}

void SettingsStore::WriteRegistryNumber(const QString& name, int32_t value) {
  settings_->setValue(name, value);
}

QString SettingsStore::ReadRegistryString(const QString& name) const {
  // The INI store keeps no value types, so any stored value reads back as its text.
  QString text = settings_->value(name).toString();
  const qsizetype nul = text.indexOf(QChar(0));
  return nul >= 0 ? text.left(nul) : text;
}

void SettingsStore::WriteRegistryString(const QString& name, const QString& text) {
  settings_->setValue(name, text);
}
