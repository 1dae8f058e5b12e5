#include <QGuiApplication>
#include <QImageReader>
#include <QTextStream>

#include <cstdio>

#include "cli/cli_options.h"
#include "cli/cli_runner.h"
#include "imaging/font_fallback.h"

namespace {

// Qt's own warnings (a missing runtime folder, font notes) are not ours to print: standard error
// carries only the command's messages. GLYPH_QT_MESSAGES=1 lets them through for debugging.
void QuietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& text) {
  if (type == QtFatalMsg || qEnvironmentVariableIsSet("GLYPH_QT_MESSAGES")) {
    std::fprintf(stderr, "%s\n", qPrintable(text));
  }
}

}  // namespace

int main(int argc, char** argv) {
  QStringList args;
  for (int i = 1; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
  const CliParseResult parsed = ParseCommandLine(args);
  if (!parsed.options) {
    std::fprintf(stderr, "glyphsmithy-cli: %s\n%s", qPrintable(parsed.error), UsageText());
    return 1;
  }
  const CliOptions& options = *parsed.options;
  // Help and version answer without starting Qt, so scripts that probe the tool pay nothing.
  if (options.verb == CliOptions::Verb::Help) {
    std::fputs(UsageText(), stdout);
    return 0;
  }
  if (options.verb == CliOptions::Verb::Version) {
    std::puts("glyphsmithy-cli 7.0");
    return 0;
  }
  // Styles draw text and paths; they need the GUI side of Qt, never a display.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  qInstallMessageHandler(QuietQtMessages);
  QGuiApplication app(argc, argv);
  QImageReader::setAllocationLimit(256);
  InstallFontFallbacks();
  QTextStream out(stdout);
  QTextStream err(stderr);
  return RunCli(options, out, err);
}
