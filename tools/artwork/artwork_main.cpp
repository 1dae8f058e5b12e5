// Draws the program's pictures into resources/ and writes the window definitions and the
// resource list. Usage: glyph_artwork <resources folder>
#include <QGuiApplication>
#include <QTextStream>
#include <cstdio>

#include "artwork.h"

// The generator runs before the resources it writes exist, so registering them is a no-op here.
void InitControlResources() {}

namespace {

bool WriteAll(const QDir& root, const QList<Artwork>& pictures, QStringList& written) {
  for (const Artwork& a : pictures) {
    const QString path = root.filePath(a.Path);
    if (!root.mkpath(QFileInfo(path).path()) || !a.Image.save(path, "png")) {
      std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
      return false;
    }
    written << a.Path;
  }
  return true;
}

bool WriteQrc(const QDir& root, QStringList files) {
  files.sort();
  QFile qrc(root.filePath(QStringLiteral("resources.qrc")));
  if (!qrc.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
  QTextStream out(&qrc);
  out << "<!DOCTYPE RCC>\n<!-- Written by tools/artwork; lists every picture and window "
         "definition. -->\n<RCC version=\"1.0\">\n  <qresource prefix=\"/\">\n";
  for (const QString& f : files) out << "    <file>" << f << "</file>\n";
  out << "  </qresource>\n</RCC>\n";
  return out.status() == QTextStream::Ok;
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: glyph_artwork <resources folder>\n");
    return 2;
  }
  const QDir root(QString::fromLocal8Bit(argv[1]));
  QStringList written;
  const QList<QList<Artwork>> groups = {
      DrawSkins(),   DrawCommandPictures(), DrawToolPictures(),   DrawControlPictures(),
      DrawCursors(), DrawBalloons(),        DrawProgramPictures()};
  for (const QList<Artwork>& group : groups) {
    if (!WriteAll(root, group, written)) return 1;
  }
  if (!WriteForms(root)) {
    std::fprintf(stderr, "cannot write the window definitions\n");
    return 1;
  }
  for (const char* f : {"forms/mform.json", "forms/frmpage.json", "forms/frmprompt.json",
                        "forms/formicon.json", "forms/frmgif.json"}) {
    written << QLatin1String(f);
  }
  if (!WriteQrc(root, written)) return 1;
  std::printf("%lld files written to %s\n", static_cast<long long>(written.size()),
              qPrintable(root.absolutePath()));
  return 0;
}
