#include "tool_barvs.h"

#include <QApplication>
#include <QCoreApplication>
#include <QCursor>
#include <QDir>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>

#include "controls/button_face.h"
#include "controls/ctl_title.h"
#include "controls/mouse_codes.h"
#include "controls/resource_init.h"
#include "imaging/argb.h"
#include "imaging/rounding.h"

namespace {

constexpr int kHoverPollMs = 50;
constexpr int kTitleHeight = 24;
const QColor kGridColor(220, 220, 220);

// The see-through label laid over the hovered button: it carries the button's tool tip and
// hands its pointer events to the bar.
class ToolBarTipLabel : public QWidget {
 public:
  explicit ToolBarTipLabel(ToolBarvs* bar) : QWidget(bar), bar_(bar) {
    setMouseTracking(true);
    setAttribute(Qt::WA_NoSystemBackground);
  }

 protected:
  void mouseMoveEvent(QMouseEvent* e) override { bar_->LabelMouseMove(ToBar(e)); }
  void mousePressEvent(QMouseEvent* e) override { bar_->LabelMousePress(e->button(), ToBar(e)); }
  void mouseReleaseEvent(QMouseEvent* e) override {
    bar_->LabelMouseRelease(e->button(), e->modifiers());
  }

 private:
  QPointF ToBar(QMouseEvent* e) const { return mapToParent(e->position()); }
  ToolBarvs* bar_;
};

QString SkinPath(const char* name) { return QStringLiteral(":/skins/") + QLatin1String(name); }

}  // namespace

ToolBarvs::ToolBarvs(QWidget* parent)
    : QWidget(parent),
      font_(QStringLiteral("Verdana")),
      tipLabel_(new ToolBarTipLabel(this)),
      title_(new CtlTitle(this)) {
  InitControlResources();
  font_.setPointSizeF(9);
  strip_.GetImageSize(icoSizeW_, icoSizeH_);
  tipLabel_->setGeometry(0, 0, 1, 1);
  title_->SetTitle(QString());
  title_->SetColor(210 | (215 << 8) | (220 << 16));
  title_->SetCloseVisible(false);
  title_->hide();
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMinimumSize(20, 20);
  hoverTimer_.setInterval(kHoverPollMs);
  connect(&hoverTimer_, &QTimer::timeout, this, &ToolBarvs::HoverTick);
  LoadSkins();
}

// ---- stored properties ----

void ToolBarvs::ReadProperties(const PropertyBag& bag) {
  setEnabled(bag.ReadBool(QStringLiteral("ENB"), true));
  backColor_ = bag.ReadInt32(QStringLiteral("BackColor"), backColor_);
  direction_ = bag.ReadInt16(QStringLiteral("DEC"), 0);
  buttonCounts_ = std::max(0, bag.ReadInt16(QStringLiteral("BC"), 0));
  if (auto f = bag.ReadFont(QStringLiteral("FONT"))) font_ = *f;
  fontColor_ = bag.ReadInt32(QStringLiteral("FCOL"), 0);
  styles_ = bag.ReadInt16(QStringLiteral("STY"), 0);
  icoSizeW_ = bag.ReadInt16(QStringLiteral("ISW"), 32);
  icoSizeH_ = bag.ReadInt16(QStringLiteral("ISH"), 32);
  addImage_ = bag.ReadString(QStringLiteral("FILE"), QString());
  buttonSpecs_.clear();
  menuSpecs_.clear();
  for (int i = 0; i < buttonCounts_; ++i) {
    const QString spec = bag.ReadString(QStringLiteral("BUTA%1").arg(i), QString());
    buttonSpecs_ << spec;
    QStringList items;
    const int count = ToolButton::Parse(spec).ItemCount;
    for (int j = 0; j < count; ++j) {
      items << bag.ReadString(QStringLiteral("MUTA%1%2").arg(i * 10).arg(j), QString());
    }
    menuSpecs_ << items;
  }
  strip_.Clear();
  strip_.GetImageSize(icoSizeW_, icoSizeH_);
  if (auto img = bag.ReadBytes(QStringLiteral("IMG"))) strip_.LoadStream(*img);
  title_->setVisible(direction_ == 1);
  PlaceTitle();
  BuildButtons();
  Redraw();
}

PropertyBag ToolBarvs::WriteProperties() const {
  PropertyBag bag;
  bag.WriteBool(QStringLiteral("ENB"), isEnabled());
  bag.WriteInt32(QStringLiteral("BackColor"), backColor_);
  bag.WriteInt16(QStringLiteral("STY"), styles_);
  bag.WriteInt16(QStringLiteral("DEC"), direction_);
  bag.WriteInt16(QStringLiteral("BC"), buttonCounts_);
  bag.WriteInt16(QStringLiteral("ISW"), icoSizeW_);
  bag.WriteInt16(QStringLiteral("ISH"), icoSizeH_);
  bag.WriteFont(QStringLiteral("FONT"), font_);
  bag.WriteInt32(QStringLiteral("FCOL"), fontColor_);
  bag.WriteString(QStringLiteral("FILE"), addImage_);
  if (buttonCounts_ <= 0) return bag;
  bag.WriteBytes(QStringLiteral("IMG"), nImage());
  for (int i = 0; i < buttonCounts_; ++i) {
    const QString spec = i < buttonSpecs_.size() ? buttonSpecs_[i] : QString();
    const int count = i < buttons_.size() ? buttons_[i].ItemCount : 0;
    bag.WriteString(QStringLiteral("BUTA%1").arg(i),
                    count > 0 || ToolButton::Parse(spec).ItemCount > 0
                        ? ToolButton::WithItemCount(spec, count)
                        : spec);
    for (int j = 0; j < count; ++j) {
      bag.WriteString(QStringLiteral("MUTA%1%2").arg(i * 10).arg(j),
                      buttons_[i].Items[j].ToString());
    }
  }
  return bag;
}

// ---- building ----

void ToolBarvs::BuildButtons() {
  buttons_.clear();
  buttonRects_.clear();
  if (buttonCounts_ <= 0) return;
  LoadSkins();
  for (int i = 0; i < buttonCounts_; ++i) {
    ToolButton b = ToolButton::Parse(i < buttonSpecs_.size() ? buttonSpecs_[i] : QString());
    const QStringList items = i < menuSpecs_.size() ? menuSpecs_[i] : QStringList();
    for (int j = 0; j < b.ItemCount; ++j) {
      const QString s = j < items.size() ? items[j] : QString();
      b.Items << (s.isEmpty() ? MenuItem() : MenuItem::Parse(s));
    }
    buttons_ << b;
    buttonRects_ << QRectF();
  }
  hoverIndex_ = -1;
}

void ToolBarvs::LoadSkins() {
  switch (styles_) {
    case 0:
      normalSkin_ = QImage(SkinPath("StyleNormal.png"));
      pressedSkin_ = QImage(SkinPath("StyleNormalDown.png"));
      highlight_ = QColor(255, 255, 255, 200);
      break;
    case 1:
      normalSkin_ = QImage(SkinPath("StyleVista.png"));
      pressedSkin_ = QImage(SkinPath("StyleVistaDown.png"));
      highlight_ = QColor(255, 255, 255, 100);
      break;
    case 2:
      normalSkin_ = QImage(SkinPath("StyleWin10Normal.png"));
      pressedSkin_ = QImage(SkinPath("StyleWin10Down.png"));
      highlight_ = QColor(255, 255, 255, 100);
      break;
    default:
      break;  // any other style loads nothing and keeps the previous skins
  }
}

void ToolBarvs::SetButtonArray(const QStringList& specs) {
  buttonSpecs_ = specs;
  BuildButtons();
  Redraw();
}

void ToolBarvs::SetMenuArray(const QList<QStringList>& menus) {
  for (int i = 0; i < buttonSpecs_.size(); ++i) {
    if (ToolButton::Parse(buttonSpecs_[i]).ItemCount <= 0) continue;
    while (menuSpecs_.size() <= i) menuSpecs_ << QStringList();
    menuSpecs_[i] = i < menus.size() ? menus[i] : QStringList();
  }
  BuildButtons();
  Redraw();
}

void ToolBarvs::GetMenus(QList<QStringList>& mArray) const {
  mArray.clear();
  for (const ToolButton& b : buttons_) {
    QStringList items;
    for (int j = 0; j < b.ItemCount; ++j) items << b.Items[j].ToString();
    mArray << items;
  }
}

void ToolBarvs::SetDirection(int direction) {
  direction_ = direction;
  title_->setVisible(direction_ == 1);
  PlaceTitle();
  Redraw();
}

void ToolBarvs::SetStyles(int style) {
  styles_ = style;
  LoadSkins();
  BuildButtons();
  Redraw();
}

void ToolBarvs::SetIcoSizeW(int w) {
  icoSizeW_ = w;
  strip_.GetImageSize(icoSizeW_, icoSizeH_);
  BuildButtons();
  Redraw();
}

void ToolBarvs::SetIcoSizeH(int h) {
  icoSizeH_ = h;
  strip_.GetImageSize(icoSizeW_, icoSizeH_);
  BuildButtons();
  Redraw();
}

void ToolBarvs::SetFont(const QFont& font) {
  font_ = font;
  Redraw();
}

void ToolBarvs::SetFontName(const QString& name) {
  font_.setFamily(name);
  Redraw();
}

void ToolBarvs::SetFontSize(double size) {
  if (size > 0) font_.setPointSizeF(size);
  Redraw();
}

void ToolBarvs::SetFontColor(int oleColor) {
  fontColor_ = oleColor;
  Redraw();
}

void ToolBarvs::SetBackColor(int oleColor) {
  backColor_ = oleColor;
  Redraw();
}

QByteArray ToolBarvs::nImage() const {
  QByteArray bytes;
  strip_.QuitSaveStream(bytes);
  return bytes;
}

void ToolBarvs::SetnImage(const QByteArray& iStream) {
  strip_.GetImageSize(icoSizeW_, icoSizeH_);
  strip_.LoadStream(iStream);
  Redraw();
}

void ToolBarvs::SetAddImage(const QString& mFile) {
  addImage_ = mFile;
  const QDir folder(QCoreApplication::applicationDirPath());
  strip_.Clear();
  strip_.GetImageSize(icoSizeW_, icoSizeH_);
  for (const QString& name : mFile.split(QLatin1Char(','))) {
    const QString file = name.trimmed();
    strip_.SaveToStream(file == QStringLiteral("1") ? file : folder.filePath(file));
    QByteArray bytes;
    strip_.QuitSaveStream(bytes);
    strip_.LoadStream(bytes);
  }
  Redraw();
}

// ---- per-button methods ----

void ToolBarvs::SetButtonCaptions(int Index, const QString& Captions) {
  if (!ValidIndex(Index)) return;
  buttons_[Index - 1].Caption = Captions;
  Redraw();
}

void ToolBarvs::SetButtonToolTip(int Index, const QString& ToolTips) {
  if (!ValidIndex(Index)) return;
  buttons_[Index - 1].ToolTip = ToolTips;
  if (hoverIndex_ == Index - 1) tipLabel_->setToolTip(ToolTips);
  Redraw();
}

void ToolBarvs::SetButtonEnable(int Index, bool isEnable) {
  if (!ValidIndex(Index)) return;
  buttons_[Index - 1].Enabled = isEnable ? -1 : 0;
  if (!isEnable && hoverIndex_ == Index - 1) ClearHover();
  Redraw();
}

// Unchecked in the original contract; an index outside the bar reads as disabled here.
bool ToolBarvs::GetButtonEnable(int Index) const {
  return ValidIndex(Index) && buttons_[Index - 1].Enabled != 0;
}

void ToolBarvs::SetButtonPressState(int Index, bool isPress) {
  if (ValidIndex(Index)) buttons_[Index - 1].Pressed = isPress;
}

bool ToolBarvs::GetButtonPressState(int Index) const {
  return ValidIndex(Index) && buttons_[Index - 1].Pressed;
}

void ToolBarvs::RefreshGO() { Redraw(); }

void ToolBarvs::AddButtonMenus(int Index, int MenuIndex, const QString& Captions, bool Enables,
                               bool Visible) {
  if (!ValidIndex(Index)) return;
  ToolButton& b = buttons_[Index - 1];
  if (MenuIndex < 0 || b.ItemCount + 1 > ToolButton::kMaxItems ||
      MenuIndex > ToolButton::kMaxItems) {
    auto* box = new QMessageBox(QMessageBox::NoIcon, QString(), QStringLiteral("Error menu index."),
                                QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
    return;
  }
  MenuItem item;
  item.Caption = Captions;
  item.Enabled = Enables ? 1 : 0;  // the stored value is the negated boolean
  item.Visible = Visible ? 1 : 0;
  if (b.ItemCount == 0 || MenuIndex >= b.ItemCount) {
    b.ItemCount += 1;
    item.Id = b.ItemCount;
    b.Items.append(item);
  } else {
    const int at = std::max(1, MenuIndex);
    b.ItemCount += 1;
    b.Items.insert(at - 1, item);
    for (int p = at; p <= b.ItemCount; ++p) b.Items[p - 1].Id = p;
  }
  Redraw();
}

void ToolBarvs::ChangeMenuState(int Index, const QString& OriginalCaption, const QString& Captions,
                                bool Enables, bool Visible) {
  if (!ValidIndex(Index)) return;
  for (MenuItem& item : buttons_[Index - 1].Items) {
    if (item.Caption != OriginalCaption) continue;
    item.Caption = Captions;
    item.Enabled = Enables ? 1 : 0;
    item.Visible = Visible ? 1 : 0;
  }
}

int ToolBarvs::refTopValue() const {
  if (buttonIndex_ < 0 || buttonIndex_ >= buttonRects_.size()) return 0;
  return RoundHalfEven(buttonRects_[buttonIndex_].y());
}

// ---- painting ----

void ToolBarvs::Redraw() {
  const int w = std::max(1, width());
  const int h = std::max(1, height());
  if (surface_.size() != QSize(w, h)) surface_ = QImage(w, h, QImage::Format_ARGB32);
  surface_.fill(QColor::fromRgba(OleColorToARGB(backColor_, 255)));
  QPainter p(&surface_);
  p.setRenderHint(QPainter::SmoothPixmapTransform, false);
  if (direction_ == 1)
    PaintVertical(p, w, h);
  else
    PaintHorizontal(p, w, h);
  p.end();
  update();
}

float ToolBarvs::DrawFace(QPainter& p, int i, bool pressedFaceAllowed) {
  ToolButton& b = buttons_[i];
  if (b.Pressed && pressedFaceAllowed) {
    DrawNineSlice(p, pressedSkin_, buttonRects_[i]);
    return 1;
  }
  if (i != hoverIndex_) return 0;
  if (b.Reset) mouseIsDown_ = false;
  DrawButtonFace(p, buttonRects_[i], normalSkin_, pressedSkin_, mouseIsDown_);
  // A normal face marks the button as reset, so a stale "mouse down" cannot stick to it.
  if (!mouseIsDown_) b.Reset = true;
  return mouseIsDown_ ? 1 : 0;
}

void ToolBarvs::DrawPicture(QPainter& p, int i, float x, float y) {
  const float opacity = buttons_[i].Enabled != 0 ? 1.0f : 0.3f;
  strip_.DrawImage(p, opacity, x, y, icoSizeW_, icoSizeH_, static_cast<float>(i * icoSizeW_), 0);
}

void ToolBarvs::PaintHorizontal(QPainter& p, int w, int h) {
  const QPen grid(kGridColor, 1);
  p.setPen(grid);
  p.drawLine(QPointF(0, h - 1), QPointF(w, h - 1));
  for (int i = 0; i <= h / 2 - 4; i += 2) {
    p.fillRect(QRect(2, 2 * i + 2, 2, 2), QColor(0, 0, 0, 70));
    p.fillRect(QRect(2, 2 * i + 2, 1, 1), Qt::white);
  }
  const int t = (h - icoSizeH_) / 2;
  const ARGB textColor = OleColorToARGB(fontColor_, 255);
  float pos = 7;
  for (int i = 0; i < buttons_.size(); ++i) {
    pos += (i > 0 && buttons_[i - 1].HasItems()) ? 16 : 8;
    const ToolButton& b = buttons_[i];
    if (b.IsSeparator()) {
      pos += 8;
      p.setPen(grid);
      const int lx = static_cast<int>(std::floor(pos)) - 3;
      p.drawLine(QPointF(lx, 2), QPointF(lx, h - 4));
      pos += 3;
      continue;
    }
    QRectF rect(pos - 7, 2, 0, h - 7);
    pos += icoSizeW_;
    ButtonText text;
    const bool hasCaption = !b.Caption.isEmpty();
    if (hasCaption) {
      pos += 8;
      text = PrepareButtonText(p, b.Caption, std::floor(pos) - 5, h, font_.family(),
                               font_.pointSizeF(), 0, 1, textColor, 255);
      pos += text.Box.width();
      rect.setWidth(text.Box.width() + icoSizeW_ + 18);
    } else {
      pos += 3;
      rect.setWidth(icoSizeW_ + 9 + (b.HasItems() ? 6 : 0));
    }
    if (b.HasItems()) rect.setWidth(rect.width() + 12);
    buttonRects_[i] = rect;
    const float s = DrawFace(p, i, true);
    if (hasCaption) {
      p.setFont(text.Font);
      p.setPen(text.Brush);
      p.drawText(text.Box.translated(s, s), text.Flags, b.Caption);
    }
    pos += 4;
    DrawPicture(p, i, static_cast<float>(std::floor(rect.x()) + 5 + s), t + s);
  }
  lastExtent_ = pos;
}

void ToolBarvs::PaintVertical(QPainter& p, int w, int) {
  float pos = 7;
  for (int i = 0; i < buttons_.size(); ++i) {
    pos += 24;
    const ToolButton& b = buttons_[i];
    if (b.IsSeparator()) {
      pos += 8;
      const int ly = static_cast<int>(std::floor(pos));
      p.setPen(QPen(kGridColor, 1));
      p.drawLine(QPointF(2, ly - 3), QPointF(w - 4, ly - 3));
      p.setPen(QPen(highlight_, 1));
      p.drawLine(QPointF(2, ly - 2), QPointF(w - 4, ly - 2));
      pos -= icoSizeH_;
      continue;
    }
    const QRectF rect(RoundHalfEven(w - 24) / 2, pos, 24, 24);
    buttonRects_[i] = rect;
    pos += 2;
    const float s = DrawFace(p, i, b.Toggle == 1);
    const float x = RoundHalfEven(w - icoSizeW_) / 2 + s;
    DrawPicture(p, i, x, static_cast<float>(std::floor(rect.y()) + 5 + s));
  }
  lastExtent_ = pos;
}

void ToolBarvs::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.drawImage(0, 0, surface_);
}

QSize ToolBarvs::sizeHint() const {
  const int extent = static_cast<int>(std::ceil(lastExtent_)) + 8;
  if (direction_ == 1) return QSize(30, std::max(40, extent));
  return QSize(std::max(40, extent), icoSizeH_ + 12);
}

void ToolBarvs::resizeEvent(QResizeEvent*) {
  PlaceTitle();
  Redraw();
}

void ToolBarvs::changeEvent(QEvent* event) {
  if (event->type() == QEvent::EnabledChange) Redraw();
  QWidget::changeEvent(event);
}

void ToolBarvs::PlaceTitle() { title_->setGeometry(2, 1, std::max(1, width() - 4), kTitleHeight); }

// ---- pointer ----

void ToolBarvs::UpdateHover(QPointF pos) {
  hoverIndex_ = -1;
  for (int i = 0; i < buttons_.size(); ++i) {
    const ToolButton& b = buttons_[i];
    if (b.Kind == QStringLiteral("Split Line") || b.Enabled == 0) continue;
    const QRectF& r = buttonRects_[i];
    const QRect ri(RoundHalfEven(r.x()), RoundHalfEven(r.y()), RoundHalfEven(r.width()),
                   RoundHalfEven(r.height()));
    if (ri.width() > 0 && ri.height() > 0 && ri.contains(pos.toPoint())) {
      hoverIndex_ = i;
      break;
    }
  }
  if (hoverIndex_ < 0) {
    tipLabel_->setGeometry(0, 0, 1, 1);
    tipLabel_->setToolTip(QString());
    return;
  }
  const QRectF& r = buttonRects_[hoverIndex_];
  const QRect target = direction_ == 1 ? QRect(RoundHalfEven(r.x()), RoundHalfEven(r.y()),
                                               RoundHalfEven(r.width()), RoundHalfEven(r.height()))
                                       : QRect(RoundHalfEven(r.x()), 0, RoundHalfEven(r.width()),
                                               RoundHalfEven(r.height()));
  tipLabel_->setGeometry(target);
  tipLabel_->setToolTip(buttons_[hoverIndex_].ToolTip);
  tipLabel_->raise();
}

void ToolBarvs::mouseMoveEvent(QMouseEvent* event) {
  const QPointF pos = event->position();
  UpdateHover(pos);
  hoverTimer_.start();
  Redraw();
  int held = 0;
  for (Qt::MouseButton b : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
    if (event->buttons() & b) held |= MouseButtonCode(b);
  }
  emit MouseMove(held, ShiftStateCode(event->modifiers()), static_cast<float>(pos.x()),
                 static_cast<float>(pos.y()));
}

void ToolBarvs::ClearHover() {
  hoverIndex_ = -1;
  tipLabel_->setGeometry(0, 0, 1, 1);
  tipLabel_->setToolTip(QString());
}

void ToolBarvs::HoverTick() {
  QWidget* under = QApplication::widgetAt(QCursor::pos());
  if (under == this || under == tipLabel_) return;
  ClearHover();
  hoverTimer_.stop();
  Redraw();
}

void ToolBarvs::LabelMouseMove(QPointF barPos) {
  pointer_ = barPos;
  buttonIndex_ = hoverIndex_;
}

void ToolBarvs::LabelMousePress(Qt::MouseButton, QPointF barPos) {
  if (hoverIndex_ < 0 || hoverIndex_ >= buttons_.size()) return;
  pointer_ = barPos;
  ToolButton& b = buttons_[hoverIndex_];
  b.Reset = false;
  mouseIsDown_ = true;
  if (b.Toggle == 1) b.Pressed = !b.Pressed;
  emit MouseDown(hoverIndex_ + 1);
  Redraw();
}

void ToolBarvs::LabelMouseRelease(Qt::MouseButton button, Qt::KeyboardModifiers modifiers) {
  if (button == Qt::RightButton || hoverIndex_ < 0) return;
  mouseIsDown_ = false;
  Redraw();
  const int index = hoverIndex_ + 1;
  emit MouseUp(index, MouseButtonCode(button), ShiftStateCode(modifiers),
               static_cast<float>(pointer_.x()), static_cast<float>(pointer_.y()));
  if (button == Qt::LeftButton) emit MouseClick(index);
}
