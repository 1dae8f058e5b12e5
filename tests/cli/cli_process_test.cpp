#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

namespace {

struct CliRun {
  int status = -1;
  QByteArray out;
  QByteArray err;
};

CliRun Cli(const QStringList& args, const QString& cwd) {
  QProcess p;
  p.setWorkingDirectory(cwd);
  p.start(QStringLiteral(GLYPH_CLI_PATH), args);
  p.waitForFinished(60000);
  return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
          p.readAllStandardError()};
}

class CliProcess : public ::testing::Test {
 protected:
  QTemporaryDir dir;
  QString Path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
};

TEST_F(CliProcess, NewThenInfoDescribesTheDocument) {
  ASSERT_EQ(Cli({"new", "40", "20", "a.lumx"}, dir.path()).status, 0);
  const CliRun info = Cli({"info", "a.lumx", "--json"}, dir.path());
  ASSERT_EQ(info.status, 0) << info.err.constData();
  EXPECT_TRUE(info.err.isEmpty());
  const QJsonObject o = QJsonDocument::fromJson(info.out).object();
  EXPECT_EQ(o["page"].toObject()["width"].toInt(), 40);
  EXPECT_EQ(o["page"].toObject()["height"].toInt(), 20);
  EXPECT_EQ(o["selected"].toInt(), 0);
  const QJsonArray layers = o["layers"].toArray();
  ASSERT_EQ(layers.size(), 1);
  EXPECT_EQ(layers[0].toObject()["bounds"].toArray(), (QJsonArray{0, 0, 40, 20}));
  EXPECT_FALSE(o.contains("iconImages"));
}

TEST_F(CliProcess, ExportsAnIconLargestFirstAndReadsItBack) {
  QImage picture(64, 64, QImage::Format_ARGB32);
  picture.fill(0xC0FF8000u);
  ASSERT_TRUE(picture.save(Path("p.png")));
  ASSERT_EQ(Cli({"export", "p.png", "p.ico"}, dir.path()).status, 0);
  const CliRun info = Cli({"info", "p.ico", "--json"}, dir.path());
  ASSERT_EQ(info.status, 0);
  const QJsonArray icons = QJsonDocument::fromJson(info.out).object()["iconImages"].toArray();
  ASSERT_EQ(icons.size(), 5);  // 64, 48, 32, 24, 16
  EXPECT_EQ(icons[0].toObject()["width"].toInt(), 64);
  EXPECT_EQ(icons[4].toObject()["width"].toInt(), 16);
  const CliRun second = Cli({"export", "p.ico", "q.png", "--icon-index", "4"}, dir.path());
  ASSERT_EQ(second.status, 0);
  EXPECT_EQ(QImage(Path("q.png")).size(), QSize(16, 16));
}

TEST_F(CliProcess, ExitStatusesNameTheFault) {
  QFile bad(Path("bad.lumx"));
  ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
  bad.write("not a document");
  bad.close();
  const struct {
    QStringList args;
    int status;
  } cases[] = {
      {{"frobnicate"}, 1},
      {{"new", "513", "5", "x.lumx"}, 1},
      {{"info", "bad.lumx"}, 2},
      {{"info", "missing.png"}, 2},
      {{"new", "8", "8", "no/such/folder/x.lumx"}, 3},
      {{"new", "8", "8", "x.unknown"}, 3},
  };
  for (const auto& c : cases) {
    const CliRun r = Cli(c.args, dir.path());
    EXPECT_EQ(r.status, c.status) << c.args.join(' ').toStdString();
    EXPECT_TRUE(r.out.isEmpty()) << c.args.join(' ').toStdString();
    EXPECT_FALSE(r.err.isEmpty()) << c.args.join(' ').toStdString();
  }
  EXPECT_TRUE(Cli({"info", "bad.lumx"}, dir.path()).err.contains("Invalid File"));
}

TEST_F(CliProcess, AFailedWriteLeavesTheOldFile) {
  ASSERT_EQ(Cli({"new", "8", "8", "keep.png"}, dir.path()).status, 0);
  QFile before(Path("keep.png"));
  ASSERT_TRUE(before.open(QIODevice::ReadOnly));
  const QByteArray bytes = before.readAll();
  before.close();
  // A page below 16 pixels cannot become an icon: the write fails and nothing else is touched.
  EXPECT_EQ(Cli({"export", "keep.png", "keep.ico"}, dir.path()).status, 3);
  EXPECT_FALSE(QFile::exists(Path("keep.ico")));
  QFile after(Path("keep.png"));
  ASSERT_TRUE(after.open(QIODevice::ReadOnly));
  EXPECT_EQ(after.readAll(), bytes);
}

}  // namespace
