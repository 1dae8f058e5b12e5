#include "file_gateway.h"

#include "files/document_files.h"
#include "files/picture_export.h"

OpenedFile OpenForCli(const QString& path, std::optional<int> iconIndex) {
  FileOpenResult loaded = LoadAnyFile(path, iconIndex);
  OpenedFile opened;
  opened.error = loaded.Error;
  opened.isIconFile = loaded.IsIconFile;
  for (const OfferedImageInfo& info : loaded.Offered) {
    opened.offered.push_back(OfferedIcon{info.Width, info.Height, info.BitCount});
  }
  opened.document = std::move(loaded.Document);
  return opened;
}

bool ImportForCli(IconDocument& doc, const QString& path, QString* error) {
  const QString message = OpenOrImport(doc, path, true);
  if (message.isEmpty()) return true;
  if (error) *error = message;
  return false;
}

QString WriteForCli(IconDocument& doc, const QString& out, int gifThreshold) {
  if (IsNativeDocumentPath(out)) return SaveDocument(doc, out);
  if (!ExportTypeForPath(out)) {
    return QStringLiteral("unknown output type (use .lumx, .ico, .png, .gif, .jpg, .jpeg or .bmp)");
  }
  doc.RebuildComposite(5, false);
  return ExportPicture(doc.Composite, doc.BackgroundColor, out, gifThreshold);
}
