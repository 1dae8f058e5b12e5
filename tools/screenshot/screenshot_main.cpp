// Starts the editor window, makes a new 64 x 64 document, waits for the opening animation and
// saves a picture of the whole window: what a user sees after File > New.
#include <QApplication>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

#include "imaging/font_fallback.h"
#include "shell/main_window.h"
#include "shell/window_frame.h"
#include "shell/settings_store.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: glyphsmithy-shot OUT.png [WIDTH HEIGHT]\n");
    return 1;
  }
  const QString out = QString::fromLocal8Bit(argv[1]);
  const int side = 64;
  InstallFontFallbacks();
  QTemporaryDir dir;  // a settings store of its own, so the user's settings stay untouched
  SettingsStore settings(dir.filePath("settings.ini"));
  MainWindow window(settings);
  window.resize(argc > 3 ? atoi(argv[2]) : 1000, argc > 3 ? atoi(argv[3]) : 720);
  window.show();
  // Every section open, so the picture shows the whole panel.
  for (int section = -1; section < 4; ++section) window.Frame()->SetSectionOpen(section, true);
  QTimer::singleShot(300, &window, [&] { window.StartNewDocument(side, side); });
  QTimer::singleShot(1500, &window, [&] {
    const bool saved = window.grab().save(out);
    std::fprintf(saved ? stdout : stderr, saved ? "saved %s\n" : "could not write %s\n",
                 qPrintable(out));
    app.exit(saved ? 0 : 3);
  });
  return app.exec();
}
