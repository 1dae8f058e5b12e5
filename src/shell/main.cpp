#include <QApplication>
#include <QImageReader>

#include "imaging/font_fallback.h"
#include "shell/main_window.h"
#include "shell/settings_store.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Glyphsmithy"));
  QImageReader::setAllocationLimit(256);  // MiB; our own readers bound sizes as well
  InstallFontFallbacks();
  SettingsStore settings;
  MainWindow window(settings);
  window.show();
  const QStringList args = QApplication::arguments();
  if (args.size() > 1) window.ShellOpenFile(args.mid(1).join(' '));
  return app.exec();
}
