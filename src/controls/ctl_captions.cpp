#include "ctl_captions.h"

#include <QCoreApplication>
#include <QDir>
#include <QPainter>

#include "controls/resource_init.h"
#include "imaging/argb.h"
#include "imaging/caption_text.h"
#include "imaging/rounding.h"

CtlCaptions::CtlCaptions(QWidget* parent) : QWidget(parent) {
  InitControlResources();
  strip_.GetImageSize(kTipCell, kTipCell);
}

void CtlCaptions::ReadProperties(const PropertyBag& bag) {
  caption_ = bag.ReadString(QStringLiteral("Caption"), QString());
  tipImage_ = bag.ReadString(QStringLiteral("TipImage"), QString());
  displayImage_ = bag.ReadBool(QStringLiteral("DisplayImage"), false);
  fontName_ = bag.ReadString(QStringLiteral("FontName"), QStringLiteral("Verdana"));
  fontSize_ = bag.ReadFloat(QStringLiteral("FontSize"), 10.0f);
  if (!(fontSize_ > 0)) fontSize_ = 10.0f;
  foreColor_ = bag.ReadInt32(QStringLiteral("ForeColor"), 0x808080);
  strip_.Clear();
  strip_.GetImageSize(kTipCell, kTipCell);
  if (auto img = bag.ReadBytes(QStringLiteral("IMG"))) strip_.LoadStream(*img);
  update();
}

PropertyBag CtlCaptions::WriteProperties() const {
  PropertyBag bag;
  bag.WriteString(QStringLiteral("Caption"), caption_);
  bag.WriteString(QStringLiteral("TipImage"), tipImage_);
  bag.WriteString(QStringLiteral("FontName"), fontName_);
  bag.WriteFloat(QStringLiteral("FontSize"), fontSize_);
  bag.WriteInt32(QStringLiteral("ForeColor"), foreColor_);
  bag.WriteBool(QStringLiteral("DisplayImage"), displayImage_);
  QByteArray png;
  strip_.QuitSaveStream(png);
  bag.WriteBytes(QStringLiteral("IMG"), png);
  return bag;
}

void CtlCaptions::SetCaption(const QString& caption) {
  caption_ = caption;
  repaint();
}

void CtlCaptions::SetTipImage(const QString& file) {
  if (file.isEmpty()) return;
  tipImage_ = file;
  strip_.GetImageSize(kTipCell, kTipCell);
  strip_.SaveToStream(QDir(QCoreApplication::applicationDirPath()).filePath(file));
  QByteArray png;
  strip_.QuitSaveStream(png);
  strip_.LoadStream(png);
  emit PropertyChanged(QStringLiteral("TipImage"));
}

void CtlCaptions::SetDisplayImage(bool hide) {
  displayImage_ = hide;
  emit PropertyChanged(QStringLiteral("DisplayImage"));
}

void CtlCaptions::SetFontName(const QString& name) {
  fontName_ = name;
  emit PropertyChanged(QStringLiteral("FontName"));
}

int CtlCaptions::FontSize() const { return RoundHalfEven(fontSize_); }

void CtlCaptions::SetFontSize(float size) {
  if (!(size > 0)) return;
  fontSize_ = size;
  emit PropertyChanged(QStringLiteral("FontSize"));
}

void CtlCaptions::SetForeColor(int oleColor) {
  foreColor_ = oleColor;
  emit PropertyChanged(QStringLiteral("ForeColor"));
}

QRectF CtlCaptions::TextRect() const { return QRectF(20, 5, width() - 10, height() - 10); }

void CtlCaptions::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), palette().color(backgroundRole()));
  p.setRenderHint(QPainter::TextAntialiasing, true);
  if (!displayImage_) strip_.DrawImage(p, 1.0f, 0, 2, kTipCell, kTipCell, 0, 0);
  p.setFont(MakeFont(fontName_, fontSize_, FontRegular));
  p.setPen(QColor::fromRgba(OleColorToARGB(foreColor_, 255)));
  p.drawText(TextRect(), Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, caption_);
}
