#pragma once

#include <QFrame>
#include <QRect>
#include <QWidget>

#include "controls/cls_toolbar.h"
#include "controls/property_bag.h"

// The image slider: a thin sunken track with a 13 x 9 thumb picture. The value is the thumb's
// pixel offset while dragging, snapped to 0 near the left end and to MaxValue near the right end;
// setting Value from code places the thumb proportionally and raises nothing. The control's own
// Enabled only fades the thumb: a disabled slider still reports its pointer events.
class CtlScroll2 : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kThumbWidth = 13;
  static constexpr int kThumbHeight = 9;
  static constexpr int kTrackHeight = 5;

  explicit CtlScroll2(QWidget* parent = nullptr);

  void ReadProperties(const PropertyBag& bag);
  PropertyBag WriteProperties() const;

  int MaxValue() const { return maxValue_; }
  void SetMaxValue(int value);
  int MinValue() const { return minValue_; }
  void SetMinValue(int value) { minValue_ = value; }
  int Value() const { return value_; }
  void SetValue(int value);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool on);
  QString ScrollImage() const { return scrollImage_; }
  // Rebuilds the thumb from one picture file (a design-time step; at run time "IMG" holds it).
  void SetScrollImage(const QString& file);
  void SetFocus1(bool value);

  // Geometry for the window and tests, in control pixels.
  QRect TrackRect() const { return track_->geometry(); }
  QRect ThumbRect() const { return thumb_; }
  const ClsToolbar& Thumb() const { return strip_; }
  QFrame* ScrollBG() const { return track_; }

  QSize sizeHint() const override { return QSize(110, 1 + kTrackHeight + 1 + kThumbHeight); }

 signals:
  void Change(bool flag);  // the flag is always false
  void KeyDown(int keyCode, int shift);
  void KeyUp(int keyCode, int shift);
  void MouseDown(int button, int shift, float x, float y);
  void MouseUp(int button, int shift, float x, float y);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;

 private:
  void LayoutTrack();
  void PlaceThumb();
  void SetThumbLeft(int left, int rightExtent);
  void Drag(QMouseEvent* event);
  int EffectiveMax() const { return maxValue_ == 0 ? 100 : maxValue_; }

  QFrame* track_;
  ClsToolbar strip_;
  QRect thumb_;  // left, top, right, bottom as a rectangle (right and bottom exclusive)
  int maxValue_ = 100;
  int minValue_ = 0;
  int value_ = 0;
  bool enabled_ = true;
  bool focusFlag_ = false;
  QString scrollImage_;
  bool dragging_ = false;
  bool overThumb_ = false;
  bool pressOverThumb_ = false;
  int pressThumbLeft_ = 0;
  double pressX_ = 0;
  double lastScreenX_ = 0;
};
