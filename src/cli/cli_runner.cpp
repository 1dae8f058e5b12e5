#include "cli_runner.h"

#include "cli/apply_ops.h"
#include "cli/file_gateway.h"

namespace {

constexpr int kDone = 0;
constexpr int kUsage = 1;
constexpr int kRefused = 2;
constexpr int kWriteFailed = 3;

int Write(IconDocument& doc, const CliOptions& o, QTextStream& err) {
  const QString failure = WriteForCli(doc, o.out, o.gifThreshold);
  if (failure.isEmpty()) return kDone;
  err << o.out << ": " << failure << "\n";
  return kWriteFailed;
}

}  // namespace

int RunCli(const CliOptions& o, QTextStream& out, QTextStream& err) {
  if (o.verb == CliOptions::Verb::New) {
    IconDocument doc;
    doc.InitDocument(o.width, o.height, true);
    return Write(doc, o, err);
  }
  OpenedFile opened = OpenForCli(o.file, o.iconIndex);
  if (!opened.document) {
    err << o.file << ": " << opened.error << "\n";
    return kRefused;
  }
  IconDocument& doc = *opened.document;
  switch (o.verb) {
    case CliOptions::Verb::Info:
      out << DescribeDocument(doc, opened.isIconFile ? &opened.offered : nullptr, o.json);
      return kDone;
    case CliOptions::Verb::Export:
      return Write(doc, o, err);
    case CliOptions::Verb::Apply:
      for (const QString& op : o.ops) {
        QString error;
        if (op.startsWith(QStringLiteral("import="))) {
          if (!ImportForCli(doc, op.mid(7), &error)) {
            err << op.mid(7) << ": " << error << "\n";
            return kRefused;
          }
          continue;
        }
        if (!RunApplyOp(doc, op, &error)) {
          err << op << ": " << error << "\n" << UsageText();
          return kUsage;
        }
      }
      return Write(doc, o, err);
    default:
      return kUsage;
  }
}
