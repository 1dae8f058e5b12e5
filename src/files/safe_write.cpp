#include "files/safe_write.h"

#include <QFile>
#include <QSaveFile>

QString WriteFileAtomically(const QString& path, const QByteArray& bytes) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return file.errorString();
  // QSaveFile would commit a short file after a partial write, so every step is checked and
  // the temporary file is dropped on the first failure.
  const qint64 written = file.write(bytes);
  bool ok = written == bytes.size() && file.flush() && file.size() == bytes.size();
  if (!ok) {
    QString message = file.errorString();
    if (message.isEmpty() || file.error() == QFileDevice::NoError) {
      message = QStringLiteral("The file could not be written completely.");
    }
    file.cancelWriting();
    file.commit();
    return message;
  }
  if (!file.commit()) {
    const QString message = file.errorString();
    return message.isEmpty() ? QStringLiteral("The file could not be written.") : message;
  }
  return QString();
}

bool ReadWholeFile(const QString& path, qint64 maxBytes, QByteArray* out, QString* error) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    if (error) *error = file.errorString();
    return false;
  }
  const qint64 size = file.size();
  if (size > maxBytes) {
    if (error) *error = QStringLiteral("The file is too large.");
    return false;
  }
  // Sequential devices report 0; read up to the cap plus one byte to notice an oversize file.
  QByteArray bytes = file.read(std::max<qint64>(size, 0) > 0 ? size : maxBytes + 1);
  if (file.error() != QFileDevice::NoError) {
    if (error) *error = file.errorString();
    return false;
  }
  if (bytes.size() > maxBytes) {
    if (error) *error = QStringLiteral("The file is too large.");
    return false;
  }
  *out = std::move(bytes);
  return true;
}
