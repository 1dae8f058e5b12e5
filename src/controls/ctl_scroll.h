#pragma once

#include <QLineEdit>
#include <QToolButton>
#include <QWidget>

#include "controls/property_bag.h"

// The numeric box: a text box for a whole number with up and down buttons at its right edge and
// an optional caption to its left. Typing accepts digits only and is not range checked (the owner
// limits the value); the buttons step within MinValue..MaxValue.
class CtlScroll : public QWidget {
  Q_OBJECT

 public:
  explicit CtlScroll(QWidget* parent = nullptr);

  // Stored properties of the window definition; absent keys take the documented defaults.
  void ReadProperties(const PropertyBag& bag);
  PropertyBag WriteProperties() const;

  int ColorValue() const { return value_; }
  void SetColorValue(int value);
  int MaxValue() const { return max_; }
  void SetMaxValue(int value) { max_ = value; }
  int MinValue() const { return min_; }
  void SetMinValue(int value) { min_ = value; }
  int ScrollType() const { return scrollType_; }
  void SetScrollType(int type) { scrollType_ = type; }
  int ScrollStyle() const { return scrollStyle_; }
  void SetScrollStyle(int style) { scrollStyle_ = style; }
  bool NoCaption() const { return noCaption_; }
  void SetNoCaption(bool on);
  QString NormalCaption() const { return caption_; }
  void SetNormalCaption(const QString& text);
  int CaptionFontSize() const { return captionFontSize_; }
  void SetCaptionFontSize(int size);
  QString CaptionFont() const { return captionFont_; }
  void SetCaptionFont(const QString& family);
  void SetEnabled(bool on);

  // The track's drag mapping (the track itself stays hidden behind the box and buttons).
  static int TrackValue(int scrollType, int x);

  QLineEdit* ValueCap() const { return valueCap_; }
  QToolButton* Mup() const { return up_; }
  QToolButton* Mdown() const { return down_; }

  QSize sizeHint() const override { return QSize(120, 21); }

 signals:
  void Change();
  void ButtonEvent(int button, int shift, int x, int y);
  void TextKeyUp();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void TextChanged();
  void Step(int delta, QToolButton* button);

  QLineEdit* valueCap_;
  QToolButton* up_;
  QToolButton* down_;
  int value_ = 1;
  int max_ = 1;
  int min_ = 0;
  int scrollType_ = 1;
  int scrollStyle_ = 0;
  bool noCaption_ = false;
  QString caption_;
  int captionFontSize_ = 8;
  QString captionFont_ = QStringLiteral("Tahoma");
};
