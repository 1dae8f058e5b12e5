#include "cli_options.h"

namespace {

std::optional<int> ParseInt(const QString& text) {
  bool ok = false;
  const int v = text.toInt(&ok);
  return ok ? std::optional<int>(v) : std::nullopt;
}

CliParseResult Fail(const QString& message) { return {std::nullopt, message}; }

}  // namespace

CliParseResult ParseCommandLine(const QStringList& args) {
  if (args.isEmpty()) return Fail(QStringLiteral("no command given"));
  CliOptions o;
  const QString& verb = args.first();
  if (verb == "--help" || verb == "-h" || verb == "help") {
    o.verb = CliOptions::Verb::Help;
    return {o, {}};
  }
  if (verb == "--version") {
    o.verb = CliOptions::Verb::Version;
    return {o, {}};
  }
  QStringList positional;
  for (int i = 1; i < args.size(); ++i) {
    const QString& a = args[i];
    if (a == "--icon-index" || a == "--gif-threshold") {
      if (i + 1 >= args.size()) return Fail(a + " needs a number");
      const std::optional<int> n = ParseInt(args[++i]);
      if (!n || *n < 0) return Fail(a + " needs a number of 0 or more");
      if (a == "--icon-index") o.iconIndex = n;
      else if (*n > 255) return Fail(QStringLiteral("--gif-threshold must lie between 0 and 255"));
      else o.gifThreshold = *n;
    } else if (a == "--json") {
      o.json = true;
    } else if (a.startsWith("--")) {
      return Fail(QStringLiteral("unknown option ") + a);
    } else {
      positional << a;
    }
  }
  auto need = [&](qsizetype count) { return positional.size() == count; };
  if (verb == "new") {
    o.verb = CliOptions::Verb::New;
    if (!need(3)) return Fail(QStringLiteral("new takes WIDTH HEIGHT OUT"));
    const std::optional<int> w = ParseInt(positional[0]);
    const std::optional<int> h = ParseInt(positional[1]);
    if (!w || !h || *w < 1 || *w > 512 || *h < 1 || *h > 512) {
      return Fail(QStringLiteral("Please input a integer from 1 to 512."));
    }
    o.width = *w;
    o.height = *h;
    o.out = positional[2];
  } else if (verb == "info") {
    o.verb = CliOptions::Verb::Info;
    if (!need(1)) return Fail(QStringLiteral("info takes FILE"));
    o.file = positional[0];
  } else if (verb == "export") {
    o.verb = CliOptions::Verb::Export;
    if (!need(2)) return Fail(QStringLiteral("export takes FILE OUT"));
    o.file = positional[0];
    o.out = positional[1];
  } else if (verb == "apply") {
    o.verb = CliOptions::Verb::Apply;
    if (positional.size() < 2) return Fail(QStringLiteral("apply takes FILE OUT [OP ...]"));
    o.file = positional[0];
    o.out = positional[1];
    o.ops = positional.mid(2);
  } else {
    return Fail(QStringLiteral("unknown command ") + verb);
  }
  if (o.json && o.verb != CliOptions::Verb::Info) {
    return Fail(QStringLiteral("--json belongs to info"));
  }
  return {o, {}};
}
