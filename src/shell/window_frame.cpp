#include "window_frame.h"

#include <QPainter>
#include <QResizeEvent>
#include <QToolButton>

#include "controls/form_definition.h"
#include "core/window_state.h"
#include "imaging/caption_text.h"
#include "shell/scene_widget.h"

namespace {

constexpr int kRightPanelWidth = 220;
constexpr int kSliderWidth = 120;
const QColor kPanelColour(245, 246, 247);

const char* const kTipText =
    "You can choose Help/Tips to close the tips if you already know how to use the Glyphsmithy.";

// The strip of text under the canvas with its close mark drawn by us.
class TipBar : public QWidget {
 public:
  using QWidget::QWidget;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.fillRect(rect(), QColor(255, 255, 225));
    p.setPen(QColor(200, 200, 170));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    DrawCaptionText(p, QString::fromLatin1(kTipText), 5, 5, QStringLiteral("Verdana"), 8,
                    0xFF000000u, FontRegular, false, 600, true);
  }
};

QWidget* Panel(QWidget* parent) {
  auto* w = new QWidget(parent);
  w->setAutoFillBackground(true);
  QPalette pal = w->palette();
  pal.setColor(QPalette::Window, kPanelColour);
  w->setPalette(pal);
  return w;
}

QLabel* Label(const QString& text, QWidget* parent, int x, int y, int w = 80) {
  auto* label = new QLabel(text, parent);
  label->setFont(MakeFont(QStringLiteral("Verdana"), 8, FontRegular));
  label->setGeometry(x, y, w, 16);
  return label;
}

QLineEdit* ValueBox(QWidget* parent, int x, int y) {
  auto* box = new QLineEdit(QStringLiteral("0"), parent);
  box->setGeometry(x, y, 36, 18);
  box->setReadOnly(true);
  box->setFrame(true);
  box->setAlignment(Qt::AlignRight);
  return box;
}

CtlScroll2* Slider(const FormDefinition& form, const char* name, QWidget* parent, int x, int y) {
  auto* slider = new CtlScroll2(parent);
  slider->setObjectName(QString::fromLatin1(name));
  slider->ReadProperties(form.Control(QString::fromLatin1(name)));
  slider->setGeometry(x, y, kSliderWidth, slider->sizeHint().height());
  return slider;
}

CtlCaptions* Caption(const FormDefinition& form, const char* name, QWidget* parent, int y) {
  auto* caption = new CtlCaptions(parent);
  caption->ReadProperties(form.Control(QString::fromLatin1(name)));
  caption->setGeometry(8, y, kRightPanelWidth - 16, 34);
  return caption;
}

ToolBarvs* Bar(const FormDefinition& form, const char* name, QWidget* parent) {
  auto* bar = new ToolBarvs(parent);
  bar->setObjectName(QString::fromLatin1(name));
  bar->ReadProperties(form.Control(QString::fromLatin1(name)));
  return bar;
}

}  // namespace

WindowFrame::WindowFrame(const FormDefinition& form, SceneWidget* scene, QWidget* parent)
    : QWidget(parent), scene_(scene) {
  setAutoFillBackground(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, QColor(128, 128, 128));
  setPalette(pal);
  setMinimumSize(MinimumClientSize());

  scene_->setParent(this);
  Hs1 = new QScrollBar(Qt::Horizontal, this);
  Hs1->setObjectName(QStringLiteral("Hs1"));
  Vs1 = new QScrollBar(Qt::Vertical, this);
  Vs1->setObjectName(QStringLiteral("Vs1"));
  ToolBarvs1 = Bar(form, "ToolBarvs1", this);
  ToolBarvs2 = Bar(form, "ToolBarvs2", this);
  rightPanel_ = Panel(this);
  bottomPanel_ = Panel(this);
  tipBar_ = new TipBar(this);
  tipBar_->setObjectName(QStringLiteral("BottomCloseTips"));
  BuildRightPanel(form);
  BuildBottomPanel(form);
}

void WindowFrame::BuildRightPanel(const FormDefinition& form) {
  const char* titles[] = {"CtlTitle1", "CtlTitle2", "CtlTitle3", "CtlTitle5"};
  for (int i = 0; i < 4; ++i) {
    Titles[i] = new CtlTitle(rightPanel_);
    Titles[i]->setObjectName(QString::fromLatin1(titles[i]));
    Titles[i]->ReadProperties(form.Control(QString::fromLatin1(titles[i])));
    Titles[i]->SetisClosed(false);
    contents_[i] = new QWidget(rightPanel_);
    connect(Titles[i], &CtlTitle::Toggled, this, [this] { Relayout(); });
  }
  QWidget* opacity = contents_[0];
  Caption(form, "Label1(1)", opacity, 0);
  Label(QStringLiteral("Adjustment"), opacity, 8, 38);
  CtlScroll21 = Slider(form, "CtlScroll21", opacity, 85, 40);

  QWidget* hue = contents_[1];
  const struct {
    const char* label;
    const char* slider;
    CtlScroll2** target;
    QLineEdit** box;
  } rows[] = {{"HUE", "HUEscroll", &HUEscroll, &HueValue},
              {"Saturation", "SaturationScroll", &SaturationScroll, &SaturationValue},
              {"Brightness", "BrightnessScroll", &BrightnessScroll, &BrightnessValue},
              {"Contrast", "ContrastScroll", &ContrastScroll, &ContrastValue}};
  for (int i = 0; i < 4; ++i) {
    const int y = i * 34;
    Label(QString::fromLatin1(rows[i].label), hue, 8, y);
    *rows[i].target = Slider(form, rows[i].slider, hue, 8, y + 16);
    *rows[i].box = ValueBox(hue, 8 + kSliderWidth + 10, y + 12);
  }

  QWidget* resize = contents_[2];
  Label(QStringLiteral("Adjustment"), resize, 8, 0);
  ScaleScroll = Slider(form, "ScaleScroll", resize, 8, 18);
  ScaleValue = ValueBox(resize, 8 + kSliderWidth + 10, 14);
  Caption(form, "Label1(3)", resize, 36);

  QWidget* layers = contents_[3];
  ToolBarvs4 = Bar(form, "ToolBarvs4", layers);
  LayerPanel = new CtlLayers(layers);
  LayerPanel->setObjectName(QStringLiteral("LayerPanel"));
}

namespace {

// A colour box: the colour over a small checkerboard, so transparency shows.
class Swatch : public QWidget {
 public:
  Swatch(ARGB colour, const QString& tip, QWidget* parent) : QWidget(parent), colour_(colour) {
    setToolTip(tip);
  }
  void SetColour(ARGB colour) {
    colour_ = colour;
    update();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    const QRect inner = rect().adjusted(1, 1, -1, -1);
    for (int y = inner.top(); y <= inner.bottom(); y += 5) {
      for (int x = inner.left(); x <= inner.right(); x += 5) {
        const bool grey = ((x - inner.left()) / 5 + (y - inner.top()) / 5) % 2;
        p.fillRect(QRect(x, y, 5, 5).intersected(inner), grey ? QColor(240, 240, 240) : Qt::white);
      }
    }
    p.fillRect(inner, QColor::fromRgba(colour_));
    p.setPen(QColor(90, 90, 90));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
  }

 private:
  ARGB colour_;
};

}  // namespace

void WindowFrame::BuildBottomPanel(const FormDefinition& form) {
  CtlTitle4 = new CtlTitle(bottomPanel_);
  CtlTitle4->setObjectName(QStringLiteral("CtlTitle4"));
  CtlTitle4->ReadProperties(form.Control(QStringLiteral("CtlTitle4")));
  connect(CtlTitle4, &CtlTitle::Toggled, this, [this] { Relayout(); });
  auto numeric = [&](const char* name, const char* caption, int lo, int hi, int x, int y) {
    auto* box = new CtlScroll(bottomPanel_);
    box->setObjectName(QString::fromLatin1(name));
    box->SetMinValue(lo);
    box->SetMaxValue(hi);
    box->SetNormalCaption(QString::fromLatin1(caption));
    box->SetEnabled(false);
    box->setGeometry(x, y, 160, 21);
    return box;
  };
  PageWidthBox = numeric("CtlScroll1", "Page Width:", 5, 255, 12, 36);
  PageHeightBox = numeric("CtlScroll2", "Page Height:", 5, 255, 12, 64);
  CtlScroll* lineWidth = numeric("LineWidth", "Border Width:", 1, 255, 12, 92);
  lineWidth->SetColorValue(1);
  lineWidth->SetEnabled(true);

  Label(QStringLiteral("Page Background Color:"), bottomPanel_, 190, 38, 150);
  new Swatch(0, QStringLiteral("Set Background Color"), bottomPanel_);
  bottomPanel_->findChildren<Swatch*>().last()->setGeometry(345, 34, 28, 25);
  auto* noColour = new QToolButton(bottomPanel_);
  noColour->setToolTip(QStringLiteral("Transparency Background Color"));
  noColour->setText(QStringLiteral("\u2205"));
  noColour->setGeometry(378, 36, 20, 20);

  Label(QStringLiteral("Fill Color:"), bottomPanel_, 420, 38, 80);
  auto* first = new Swatch(0xFF000000u, QString(), bottomPanel_);
  auto* second = new Swatch(0xFFFFFFFFu, QString(), bottomPanel_);
  second->setGeometry(500 + 12, 34 + 13, 28, 25);
  first->setGeometry(500, 34, 28, 25);
  auto* exchange = new QToolButton(bottomPanel_);
  exchange->setToolTip(QStringLiteral("Switch Color"));
  exchange->setText(QStringLiteral("\u21c4"));
  exchange->setGeometry(548, 34, 20, 20);
  Label(QStringLiteral("Fill Color Opacity:"), bottomPanel_, 420, 84, 120);
  auto* opacity = Slider(form, "ColorOpacity", bottomPanel_, 545, 86);
  opacity->SetMaxValue(100);

  // The brush panel waits below the visible part until the brush eraser is chosen.
  brushPanel_ = Panel(bottomPanel_);
  brushPanel_->setObjectName(QStringLiteral("BrushPanel"));
  Label(QStringLiteral("Brush Size:"), brushPanel_, 12, 6, 90);
  Slider(form, "CtlScroll23", brushPanel_, 100, 8);
  Label(QStringLiteral("Opacity:"), brushPanel_, 240, 6, 60);
  Slider(form, "CtlScroll22", brushPanel_, 300, 8);
}

bool WindowFrame::SectionOpen(int section) const {
  // A title bar's isClosed is true when its section shows (the stored flag's meaning).
  return section < 0 ? CtlTitle4->isClosed() : Titles[section]->isClosed();
}

void WindowFrame::SetSectionOpen(int section, bool open) {
  (section < 0 ? CtlTitle4 : Titles[section])->SetisClosed(open);
  Relayout();
}

void WindowFrame::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  Relayout();
}

void WindowFrame::Relayout() {
  MainLayoutInput in;
  in.client = size();
  in.commandBarHeight = std::max(ToolBarvs1->sizeHint().height(), 40);
  in.toolBarWidth = std::max(ToolBarvs2->sizeHint().width(), 30);
  in.rightPanelWidth = kRightPanelWidth;
  in.scrollBarExtent = Hs1->sizeHint().height();
  in.titleHeight = CtlTitle4->sizeHint().height();
  in.propertiesOpen = SectionOpen(-1);
  for (int i = 0; i < 4; ++i) in.sectionOpen[i] = SectionOpen(i);
  in.sectionContentHeight = {80, 4 * 34, 72, 0};
  in.layerToolBarHeight = std::max(ToolBarvs4->sizeHint().height(), 26);
  layout_ = ComputeMainLayout(in);

  ToolBarvs1->setGeometry(layout_.commandBar);
  ToolBarvs2->setGeometry(layout_.toolBar);
  rightPanel_->setGeometry(layout_.rightPanel);
  bottomPanel_->setGeometry(layout_.bottomPanel);
  CtlTitle4->setGeometry(0, 0, layout_.bottomPanel.width(), in.titleHeight);
  brushPanel_->setGeometry(0, layout_.bottomPanel.height(), layout_.bottomPanel.width(), 60);
  tipBar_->setGeometry(layout_.tipBar);
  Hs1->setGeometry(layout_.hs1);
  Vs1->setGeometry(layout_.vs1);
  scene_->setGeometry(layout_.canvas);
  PlaceSectionContents();
  emit LaidOut();
}

void WindowFrame::PlaceSectionContents() {
  for (int i = 0; i < 4; ++i) {
    Titles[i]->setGeometry(layout_.sectionTitle[i]);
    const bool open = !layout_.sectionContent[i].isNull();
    contents_[i]->setVisible(open);
    if (open) contents_[i]->setGeometry(layout_.sectionContent[i]);
  }
  const QPoint origin = layout_.sectionContent[3].topLeft();
  ToolBarvs4->setGeometry(QRect(layout_.layerToolBar.topLeft() - origin, layout_.layerToolBar.size()));
  LayerPanel->setGeometry(QRect(layout_.layerList.topLeft() - origin, layout_.layerList.size()));
}

void WindowFrame::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), QColor(128, 128, 128));
}

// Runs after every composite, so a bar is touched (and redrawn) only where a button changed.
void WindowFrame::ShowButtons(ToolBarvs* bar, const ButtonState* states, int count) {
  bool changed = false;
  for (int b = 1; b < count && b <= bar->ButtonCounts(); ++b) {
    if (bar->GetButtonEnable(b) != states[b].Enabled) {
      bar->SetButtonEnable(b, states[b].Enabled);
      changed = true;
    }
    if (bar->GetButtonPressState(b) != states[b].Pressed) {
      bar->SetButtonPressState(b, states[b].Pressed);
      changed = true;
    }
  }
  if (changed) bar->RefreshGO();
}

void WindowFrame::ShowState(const WindowState& s) {
  const struct {
    CtlScroll2* slider;
    const SliderState& state;
  } sliders[] = {{CtlScroll21, s.CtlScroll21},       {HUEscroll, s.HUEscroll},
                 {SaturationScroll, s.SaturationScroll}, {BrightnessScroll, s.BrightnessScroll},
                 {ContrastScroll, s.ContrastScroll},  {ScaleScroll, s.ScaleScroll}};
  for (const auto& row : sliders) {
    if (row.slider->Value() != row.state.Value) row.slider->SetValue(row.state.Value);
    row.slider->SetEnabled(row.state.Enabled);
  }
  HueValue->setText(s.HueValue);
  SaturationValue->setText(s.SaturationValue);
  BrightnessValue->setText(s.BrightnessValue);
  ContrastValue->setText(s.ContrastValue);
  ScaleValue->setText(s.ScaleValue);
  ShowButtons(ToolBarvs1, s.CommandBar.data(), static_cast<int>(s.CommandBar.size()));
  ShowButtons(ToolBarvs4, s.LayerBar.data(), static_cast<int>(s.LayerBar.size()));
  if (PageWidthBox->ColorValue() != s.PageWidthBox.Value) {
    PageWidthBox->SetColorValue(s.PageWidthBox.Value);
  }
  if (PageHeightBox->ColorValue() != s.PageHeightBox.Value) {
    PageHeightBox->SetColorValue(s.PageHeightBox.Value);
  }
  PageWidthBox->SetEnabled(s.PageWidthBox.Enabled);
  PageHeightBox->SetEnabled(s.PageHeightBox.Enabled);
}
