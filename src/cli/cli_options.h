#pragma once

#include <QString>
#include <QStringList>

#include <optional>

#include "cli/usage_text.h"

// The parsed command line of glyphsmithy-cli.
struct CliOptions {
  enum class Verb { Help, Version, New, Info, Export, Apply };
  Verb verb = Verb::Help;
  QString file;  // FILE, or OUT for new
  QString out;
  int width = 0;
  int height = 0;
  std::optional<int> iconIndex;
  int gifThreshold = 130;
  bool json = false;
  QStringList ops;
};

struct CliParseResult {
  std::optional<CliOptions> options;
  QString error;  // set when options is empty
};

CliParseResult ParseCommandLine(const QStringList& args);
