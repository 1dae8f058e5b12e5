#include "font_fallback.h"

#include <QFont>
#include <QFontDatabase>
#include <QStringList>

void InstallFontFallbacks() {
  const QStringList installed = QFontDatabase::families();
  for (const char* name : {"Verdana", "Tahoma"}) {
    if (!installed.contains(QString::fromLatin1(name), Qt::CaseInsensitive)) {
      QFont::insertSubstitution(QString::fromLatin1(name), QStringLiteral("DejaVu Sans"));
    }
  }
}
