#pragma once

#include <QPaintDevice>
#include <QPainter>
#include <QWidget>

#include "controls/cls_toolbar.h"
#include "controls/property_bag.h"

// An invisible holder of one picture that travels in the window's stored properties, so no
// picture file is needed at run time. Others ask it to draw the picture.
class CtlImageStore : public QWidget {
  Q_OBJECT

 public:
  explicit CtlImageStore(QWidget* parent = nullptr);

  // Reads "iWidth", "iHeight", "ImageFile" and "IMG", skipping any that fails.
  void ReadProperties(const PropertyBag& bag);
  // Leaves out "iWidth"/"iHeight" when 32 and "ImageFile" when empty.
  PropertyBag WriteProperties() const;

  int ImageWidth() const { return imageWidth_; }
  void SetImageWidth(int w) { imageWidth_ = w; }
  int ImageHeight() const { return imageHeight_; }
  void SetImageHeight(int h) { imageHeight_ = h; }
  QString InformationImage() const { return imageFile_; }
  // Appends the picture file (program folder + name), scaled to the cell; a design-time step.
  // An empty value changes nothing.
  void SetInformationImage(const QString& file);
  const ClsToolbar& Picture() const { return strip_; }

  // Draws cell 0 into (x, y, w, h) with its alpha multiplied by Opacity; every value is rounded.
  void Drawing(QPaintDevice* hdc, float x, float y, int w, int h, int Opacity = 1) const;
  void DrawingGraphics(QPainter& Graphics, float x, float y, int w, int h, int Opacity = 1) const;

 private:
  ClsToolbar strip_;
  int imageWidth_ = 32;
  int imageHeight_ = 32;
  QString imageFile_;
};
