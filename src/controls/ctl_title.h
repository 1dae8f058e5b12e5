#pragma once

#include <QLabel>
#include <QWidget>

#include "controls/property_bag.h"

// The title bar of a collapsible panel section, with a close mark at its right end. Releasing any
// mouse button on it (or on the mark) flips isClosed and reports the new state through Toggled;
// the window decides what to show.
class CtlTitle : public QWidget {
  Q_OBJECT

 public:
  explicit CtlTitle(QWidget* parent = nullptr);

  void ReadProperties(const PropertyBag& bag);
  PropertyBag WriteProperties() const;

  QString Title() const { return title_; }
  void SetTitle(const QString& title);
  // OLE colours (red in the low byte).
  int Color() const { return color_; }
  void SetColor(int oleColor);
  int FontColor() const { return fontColor_; }
  void SetFontColor(int oleColor);
  // The stored size is a float (8.25); the property reads it rounded half to even.
  int FontSize() const;
  float FontSizeF() const { return fontSize_; }
  void SetFontSize(float size);
  bool CloseVisible() const;
  void SetCloseVisible(bool visible);
  bool isClosed() const { return isClosed_; }
  void SetisClosed(bool closed) { isClosed_ = closed; }

  QLabel* CloseButon() const { return closeButon_; }
  QSize sizeHint() const override { return QSize(200, 22); }

 signals:
  // Raised after every click with the state it now has.
  void Toggled(int button, int shift, float x, float y, bool isClosed);
  // A stored property changed and the container's definition needs writing again.
  void PropertyChanged(const QString& name);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void PlaceCloseMark();
  void Toggle(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPointF pos);

  QLabel* closeButon_;
  QString title_;
  int color_ = 0xF7F6F5;  // red 245, green 246, blue 247
  int fontColor_ = 0;
  float fontSize_ = 8.25f;
  bool isClosed_ = false;
};
