#pragma once

#include <QFont>
#include <QImage>
#include <QList>
#include <QPointF>
#include <QRectF>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include "controls/cls_toolbar.h"
#include "controls/property_bag.h"
#include "controls/tool_button.h"

class CtlTitle;

// The editor's tool bar: a row (Direction 0) or column (Direction 1) of skinned buttons whose
// pictures come from one strip, with optional captions, separators, toggle buttons and faded
// disabled buttons. Clicks arrive through a transparent label laid over the hovered button.
// Button indexes in the public methods are 1-based; out-of-range indexes are ignored.
class ToolBarvs : public QWidget {
  Q_OBJECT

 public:
  explicit ToolBarvs(QWidget* parent = nullptr);

  void ReadProperties(const PropertyBag& bag);
  PropertyBag WriteProperties() const;

  void SetButtonCaptions(int Index, const QString& Captions);
  void SetButtonToolTip(int Index, const QString& ToolTips);
  void SetButtonEnable(int Index, bool isEnable);
  bool GetButtonEnable(int Index) const;
  void SetButtonPressState(int Index, bool isPress);  // no repaint: call RefreshGO after a batch
  bool GetButtonPressState(int Index) const;
  void RefreshGO();
  void AddButtonMenus(int Index, int MenuIndex, const QString& Captions, bool Enables,
                      bool Visible);
  void ChangeMenuState(int Index, const QString& OriginalCaption, const QString& Captions,
                       bool Enables, bool Visible);
  void GetMenus(QList<QStringList>& mArray) const;
  void SetMenuArray(const QList<QStringList>& menus);
  QStringList ButtonArray() const { return buttonSpecs_; }
  void SetButtonArray(const QStringList& specs);
  QString MenuClick() const { return QString(); }

  int ButtonCounts() const { return buttonCounts_; }
  void SetButtonCounts(int count) { buttonCounts_ = std::max(0, count); }
  int Direction() const { return direction_; }
  void SetDirection(int direction);
  int Styles() const { return styles_; }
  void SetStyles(int style);
  int IcoSizeW() const { return icoSizeW_; }
  void SetIcoSizeW(int w);
  int IcoSizeH() const { return icoSizeH_; }
  void SetIcoSizeH(int h);
  QFont Font() const { return font_; }
  void SetFont(const QFont& font);
  QString FontName() const { return font_.family(); }
  void SetFontName(const QString& name);
  double FontSize() const { return font_.pointSizeF(); }
  void SetFontSize(double size);
  int FontColor() const { return fontColor_; }  // OLE colour
  void SetFontColor(int oleColor);
  int BackColor() const { return backColor_; }  // OLE colour
  void SetBackColor(int oleColor);
  bool Enabled() const { return isEnabled(); }
  void SetEnabled(bool on) { setEnabled(on); }

  // The strip as PNG bytes, and loading a strip from PNG bytes.
  QByteArray nImage() const;
  void SetnImage(const QByteArray& iStream);
  // The list of picture files the strip was built from; setting it rebuilds the strip from those
  // files in the program's folder ("1" leaves a separator's cell empty).
  QString AddImage() const { return addImage_; }
  void SetAddImage(const QString& mFile);

  int refTopValue() const;
  int ButtonIndex() const { return buttonIndex_ + 1; }
  void SetButtonIndex(int value) { buttonIndex_ = value; }

  // State for the window and for tests.
  const QList<ToolButton>& Buttons() const { return buttons_; }
  const QList<QRectF>& ButtonRects() const { return buttonRects_; }
  int HoverIndex() const { return hoverIndex_; }
  bool MouseIsDown() const { return mouseIsDown_; }
  const ClsToolbar& Strip() const { return strip_; }
  const QImage& NormalSkin() const { return normalSkin_; }
  const QImage& PressedSkin() const { return pressedSkin_; }
  const QImage& Surface() const { return surface_; }
  QWidget* TipLabel() const { return tipLabel_; }
  CtlTitle* TitleStrip() const { return title_; }

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return QSize(20, 20); }

  // Called by the tip label laid over the hovered button (positions in bar pixels).
  void LabelMouseMove(QPointF barPos);
  void LabelMousePress(Qt::MouseButton button, QPointF barPos);
  void LabelMouseRelease(Qt::MouseButton button, Qt::KeyboardModifiers modifiers);

 signals:
  void MouseClick(int index);
  void MouseDown(int index);
  void MouseMove(int button, int shift, float x, float y);
  void MouseUp(int index, int button, int shift, float x, float y);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void BuildButtons();
  void LoadSkins();
  void Redraw();
  void PaintHorizontal(QPainter& p, int w, int h);
  void PaintVertical(QPainter& p, int w, int h);
  float DrawFace(QPainter& p, int i, bool pressedFaceAllowed);
  void DrawPicture(QPainter& p, int i, float x, float y);
  void UpdateHover(QPointF pos);
  void ClearHover();
  void HoverTick();
  void PlaceTitle();
  bool ValidIndex(int Index) const { return Index >= 1 && Index <= buttons_.size(); }

  int buttonCounts_ = 0;
  QStringList buttonSpecs_;
  QList<QStringList> menuSpecs_;
  QList<ToolButton> buttons_;
  QList<QRectF> buttonRects_;
  int direction_ = 0;
  int styles_ = 0;
  int icoSizeW_ = 32;
  int icoSizeH_ = 32;
  int fontColor_ = 0;
  int backColor_ = 0xF7F6F5;
  QFont font_;
  QString addImage_;
  int hoverIndex_ = -1;
  int buttonIndex_ = 0;
  bool mouseIsDown_ = false;
  QPointF pointer_;
  QImage normalSkin_;
  QImage pressedSkin_;
  QColor highlight_ = QColor(255, 255, 255, 200);
  ClsToolbar strip_;
  QImage surface_;
  QWidget* tipLabel_;
  CtlTitle* title_;
  QTimer hoverTimer_;
  float lastExtent_ = 0;  // the running position at the end of the last paint
};
