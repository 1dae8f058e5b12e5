#pragma once

#include <QImage>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

#include "core/icon_document.h"

// The document side of File > Open, Import, Save: turning files into documents and layers and
// documents into files. No dialogs here: the caller asks the questions (save prompt, chooser,
// overwrite) and passes the answers in.

// One image an icon file offers to the format chooser.
struct OfferedImageInfo {
  int Width = 0;
  int Height = 0;
  int BitCount = 0;
};

// The text after the last "." of a path (the whole path when it has none).
QString PathExtension(const QString& path);
// A native document: extension "lumx" in any letter case.
bool IsNativeDocumentPath(const QString& path);
// An icon file for the chooser: extension exactly "ico" (".ICO" is read as an ordinary picture).
bool IsIconFilePath(const QString& path);

// A picture read from a file for Open or Import.
struct PictureFile {
  QImage Image;  // straight ARGB32; null when refused
  bool IsIconFile = false;
  std::vector<OfferedImageInfo> Offered;  // icon files: what the chooser offers
  int Preselected = -1;
  QString Error;  // why it was refused
};

// Reads a picture (PNG, GIF, JPEG, BMP, or ".ICO" through Qt) or, for an icon file, the offered
// image at `iconIndex` (the preselected one when not given).
PictureFile ReadPictureFile(const QString& path, std::optional<int> iconIndex);

// Puts a picture into the document as Open and Import do: a new one-layer document of the
// picture's size when no document exists yet (Window.SceneExists false), otherwise a snapshot and
// a new layer above the selected one (or on top), centred on the page. Returns false when the
// stack is full.
bool PlacePicture(IconDocument& doc, const QImage& picture, bool isImport);

// Loads a native document into `doc`. A refused file leaves `doc` exactly as it was and returns
// "Invalid File"; on success FileName is `path`, Modified false and the top layer selected.
QString LoadDocumentIntoEditor(IconDocument& doc, const QString& path);

// OpenOrImport after the chooser: a .lumx path is loaded as a document, anything else read as a
// picture and placed with PlacePicture. Returns the empty string, or the message of a refusal
// (the document is then unchanged).
QString OpenOrImport(IconDocument& doc, const QString& path, bool isImport,
                     std::optional<int> iconIndex = std::nullopt);

// File > Open after the save prompt and the chooser: the file replaces the document (a picture
// starts a new one); a refused file leaves the document as it was.
QString OpenFile(IconDocument& doc, const QString& path,
                 std::optional<int> iconIndex = std::nullopt);

// Saves the document to `path`. On success FileName and the caption name the file and Modified is
// cleared; on failure the document is untouched (still modified) and the system's message returned.
QString SaveDocument(IconDocument& doc, const QString& path);

// Opens any file into a fresh document, as File > Open would in a new window.
struct FileOpenResult {
  std::unique_ptr<IconDocument> Document;  // null when refused
  bool IsIconFile = false;
  std::vector<OfferedImageInfo> Offered;
  QString Error;
};
FileOpenResult LoadAnyFile(const QString& path, std::optional<int> iconIndex = std::nullopt);

inline const QString kNoIconImageMessage =
    QStringLiteral("The icon file holds no image that can be opened.");
inline const QString kFullStackMessage = QStringLiteral("The document cannot hold more layers.");
