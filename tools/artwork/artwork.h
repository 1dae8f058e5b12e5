#pragma once

#include <QDir>
#include <QImage>
#include <QList>
#include <QString>

// One picture of the program: its path under resources/ and its pixels.
struct Artwork {
  QString Path;
  QImage Image;
};

QList<Artwork> DrawSkins();
QList<Artwork> DrawCommandPictures();  // 32 x 32
QList<Artwork> DrawToolPictures();     // 16 x 16: tool bar, fly-outs, layer bar
QList<Artwork> DrawControlPictures();  // slider thumb, close marks, caption tip
QList<Artwork> DrawCursors();
QList<Artwork> DrawBalloons();
QList<Artwork> DrawProgramPictures();  // information, board, splash, application icon

// Writes resources/forms/*.json, building each picture strip from the PNGs under `root`.
bool WriteForms(const QDir& root);
