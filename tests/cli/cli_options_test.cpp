#include <gtest/gtest.h>

#include "cli/cli_options.h"

namespace {

CliParseResult Parse(const QString& line) {
  return ParseCommandLine(line.split(' ', Qt::SkipEmptyParts));
}

TEST(CliOptions, AcceptsEachVerb) {
  const CliParseResult n = Parse("new 32 16 out.lumx");
  ASSERT_TRUE(n.options);
  EXPECT_EQ(n.options->verb, CliOptions::Verb::New);
  EXPECT_EQ(n.options->width, 32);
  EXPECT_EQ(n.options->height, 16);
  EXPECT_EQ(n.options->out, "out.lumx");

  const CliParseResult i = Parse("info a.ico --icon-index 2 --json");
  ASSERT_TRUE(i.options);
  EXPECT_EQ(i.options->iconIndex, 2);
  EXPECT_TRUE(i.options->json);

  const CliParseResult e = Parse("export a.lumx b.gif --gif-threshold 90");
  ASSERT_TRUE(e.options);
  EXPECT_EQ(e.options->gifThreshold, 90);

  const CliParseResult a = Parse("apply a.png b.ico crystal opacity=40 undo");
  ASSERT_TRUE(a.options);
  EXPECT_EQ(a.options->ops, (QStringList{"crystal", "opacity=40", "undo"}));
  EXPECT_EQ(Parse("export a.png b.png").options->gifThreshold, 130);
  EXPECT_EQ(Parse("--version").options->verb, CliOptions::Verb::Version);
  EXPECT_EQ(Parse("--help").options->verb, CliOptions::Verb::Help);
}

TEST(CliOptions, RefusesMalformedLines) {
  const char* const bad[] = {
      "",
      "frobnicate a b",
      "new 0 16 out.lumx",
      "new 513 16 out.lumx",
      "new 12x 16 out.lumx",
      "new 16 16",
      "info",
      "info a b",
      "info a.ico --icon-index",
      "info a.ico --icon-index -1",
      "info a.ico --icon-index two",
      "export a.png b.gif --gif-threshold 300",
      "export a.png b.png --json",
      "export a.png",
      "apply a.png",
      "apply a.png b.png --fast",
  };
  for (const char* line : bad) {
    const CliParseResult r = Parse(QString::fromLatin1(line));
    EXPECT_FALSE(r.options) << line;
    EXPECT_FALSE(r.error.isEmpty()) << line;
  }
}

}  // namespace
