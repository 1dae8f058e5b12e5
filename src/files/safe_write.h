#pragma once

#include <QByteArray>
#include <QString>

// Writes `bytes` to `path` through a temporary file in the same folder that is renamed over the
// target only once every byte is on disk. Returns the empty string on success, else the system's
// description of the failure; the old file is then left as it was.
QString WriteFileAtomically(const QString& path, const QByteArray& bytes);

// Reads a whole file of at most `maxBytes` bytes. Returns false (with the system's message, or a
// size message) when it cannot be opened, read, or is larger than that.
bool ReadWholeFile(const QString& path, qint64 maxBytes, QByteArray* out, QString* error);
