#pragma once

#include <QImage>
#include <QPainterPath>

#include "imaging/argb.h"

// The images of the one-click styles. Sources are read only (any format; ARGB32 is used inside);
// results are new straight-alpha ARGB32 images.
namespace styles {

// An overlay image and where it sits inside the source image (add the source layer's page position
// to get the page position). An empty shape gives a null image with rW = rH = 0.
struct StyleResult {
  QImage rImg;
  float rX = 0;
  float rY = 0;
  int rW = 0;
  int rH = 0;
};

// A rounded tile image and its outline path (in the tile image's coordinates).
struct TileResult {
  QImage rImg;
  QPainterPath rPath;
  float rW = 0;
  float rH = 0;
};

// Glossy highlight over the upper part of the shape (alpha >= 150): the shape minus a wide ellipse,
// filled white from alpha 200 at the top to 20 at the bottom, drawn two pixels smaller.
StyleResult CrystalStyle(const QImage& mImg);

// Gradient over the left half (isHorizontal 1) or top half (otherwise) of the shape, from mColor2
// at the outer side to mColor1 at the fold line.
StyleResult OrigamiStyle(const QImage& mImg, int isHorizontal, ARGB mColor1, ARGB mColor2);

// A transparent oW x oH image with the rounded outline at (rX, rY, oW, oH), corner size
// min(oW, oH) / 6, filled without anti-aliasing in mBgColor1 (colour written exactly).
TileResult iOSStyle(ARGB mBgColor1, int oW, int oH, float rX, float rY);

// Soft radial light from a third of the shape's size inside its upper-left corner, up to
// pressure x 5 added to R, G and B (transparent pixels included); alpha untouched.
void i3Dstyle(QImage& image, int pressure);

// The style commands' image work, in the order the commands need it.

// Crystal command and the Vista overlay: CrystalStyle, then AntialiasEdge on the overlay.
StyleResult CrystalOverlay(const QImage& icon);

// Origami command: the menu index (1 "Vertical", 2 "Horizontal") and the first drawing colour,
// whose alpha is replaced by 15 at the fold line and 0 at the outer side.
StyleResult OrigamiOverlay(const QImage& icon, int menuIndex, ARGB drawingColor);

// Vista command: returns the Crystal overlay of the icon as it was, then lights the icon
// (i3Dstyle, pressure 5) and raises its saturation by 25, in place.
StyleResult VistaStyle(QImage& icon);

// Irradiation command: i3Dstyle with pressure 5, in place.
void Irradiation(QImage& icon);

// Mac command: saturation -25, Soften level 90, i3Dstyle pressure 3, in place.
void MacStyle(QImage& icon);

// IOS command's tile: iOSStyle at the page origin in the drawing colour, then AntialiasEdge.
TileResult IosTile(ARGB drawingColor, int pageWidth, int pageHeight);

}  // namespace styles
