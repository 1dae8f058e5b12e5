#pragma once

#include <QString>

#include <memory>
#include <optional>
#include <vector>

#include "cli/document_info.h"
#include "core/icon_document.h"

// What the command line needs of the file layer: open FILE as File > Open would, and write OUT by
// its extension as Save or Export would.
struct OpenedFile {
  std::unique_ptr<IconDocument> document;  // null when refused
  bool isIconFile = false;
  std::vector<OfferedIcon> offered;  // for icon files: the images the chooser offers
  QString error;  // the message the window would show
};

OpenedFile OpenForCli(const QString& path, std::optional<int> iconIndex);
// File > Import: the picture or preselected icon image at `path` as a new layer; false with the
// message when the file is refused.
bool ImportForCli(IconDocument& doc, const QString& path, QString* error);
// Returns the empty string on success, else the system's description of the failure.
QString WriteForCli(IconDocument& doc, const QString& out, int gifThreshold);
