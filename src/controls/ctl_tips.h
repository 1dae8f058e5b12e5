#pragma once

#include <QImage>
#include <QLabel>
#include <QWidget>

#include "controls/property_bag.h"

// A shaped balloon with a pointer (at the top for Direction 0, at the bottom otherwise), a text
// and a close mark. Wherever the balloon picture has the key colour magenta, and beyond the
// picture, the control neither paints nor takes clicks: the widget mask follows the balloon.
class CtlTips : public QWidget {
  Q_OBJECT

 public:
  static constexpr QRgb kKeyColor = 0xFFFF00FF;

  explicit CtlTips(QWidget* parent = nullptr);

  void ReadProperties(const PropertyBag& bag);
  PropertyBag WriteProperties() const;

  QString TipString() const { return tipString_; }
  void SetTipString(const QString& text);
  int Direction() const { return direction_; }
  void SetDirection(int direction);

  QLabel* Image1() const { return image1_; }
  const QImage& Balloon() const { return balloon_; }
  // True where the control is solid (inside the balloon picture and not key-coloured).
  bool IsSolidAt(QPoint pos) const;

  QSize sizeHint() const override { return QSize(185, 97); }

 signals:
  void CloseClick();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void LoadBalloon();
  void PlaceCloseMark();
  void UpdateMask();

  QLabel* image1_;
  QImage balloon_;
  QString tipString_;
  int direction_ = 0;
};
