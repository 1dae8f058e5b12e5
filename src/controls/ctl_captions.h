#pragma once

#include <QWidget>

#include "controls/cls_toolbar.h"
#include "controls/property_bag.h"

// A grey explanatory caption: wrapped text starting 20 pixels from the left, with a 20 x 20 tip
// picture at its left unless DisplayImage is set (which hides the picture).
class CtlCaptions : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kTipCell = 20;

  explicit CtlCaptions(QWidget* parent = nullptr);

  void ReadProperties(const PropertyBag& bag);
  PropertyBag WriteProperties() const;

  QString Caption() const { return caption_; }
  void SetCaption(const QString& caption);
  QString TipImage() const { return tipImage_; }
  // Appends the picture file (relative to the program's folder) as the tip picture; a design-time
  // step. An empty value changes nothing.
  void SetTipImage(const QString& file);
  bool DisplayImage() const { return displayImage_; }
  void SetDisplayImage(bool hide);
  QString FontName() const { return fontName_; }
  void SetFontName(const QString& name);
  int FontSize() const;  // rounded half to even
  float FontSizeF() const { return fontSize_; }
  void SetFontSize(float size);
  int ForeColor() const { return foreColor_; }  // OLE colour
  void SetForeColor(int oleColor);
  const ClsToolbar& TipPicture() const { return strip_; }

  void Drawing() { update(); }
  // The text's layout rectangle for the current size.
  QRectF TextRect() const;

 signals:
  void PropertyChanged(const QString& name);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent*) override { update(); }

 private:
  ClsToolbar strip_;
  QString caption_;
  QString tipImage_;
  bool displayImage_ = false;
  QString fontName_ = QStringLiteral("Verdana");
  float fontSize_ = 8.25f;
  int foreColor_ = 0x808080;
};
