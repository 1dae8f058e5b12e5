#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QWidget>

#include <array>

#include "controls/ctl_captions.h"
#include "controls/ctl_layers.h"
#include "controls/ctl_scroll.h"
#include "controls/ctl_scroll2.h"
#include "controls/ctl_title.h"
#include "controls/tool_barvs.h"
#include "shell/main_layout.h"

class FormDefinition;
class SceneWidget;
struct ButtonState;
struct WindowState;

// The regions of the editor window around the canvas: command bar, tool bar, the right panel's
// collapsible sections, the "Properties" panel and the tip bar, built from the stored window
// definition and laid out by ComputeMainLayout. It shows state; MainWindow connects its signals.
class WindowFrame : public QWidget {
  Q_OBJECT

 public:
  WindowFrame(const FormDefinition& form, SceneWidget* scene, QWidget* parent = nullptr);

  ToolBarvs* ToolBarvs1 = nullptr;  // command bar
  ToolBarvs* ToolBarvs2 = nullptr;  // tools
  ToolBarvs* ToolBarvs4 = nullptr;  // layer bar
  std::array<CtlTitle*, 4> Titles{};  // Icon Opacity, HUE/Saturation, Icon Resize, Layer
  CtlTitle* CtlTitle4 = nullptr;      // Properties
  CtlScroll2* CtlScroll21 = nullptr;
  CtlScroll2* HUEscroll = nullptr;
  CtlScroll2* SaturationScroll = nullptr;
  CtlScroll2* BrightnessScroll = nullptr;
  CtlScroll2* ContrastScroll = nullptr;
  CtlScroll2* ScaleScroll = nullptr;
  QLineEdit* HueValue = nullptr;
  QLineEdit* SaturationValue = nullptr;
  QLineEdit* BrightnessValue = nullptr;
  QLineEdit* ContrastValue = nullptr;
  QLineEdit* ScaleValue = nullptr;
  CtlLayers* LayerPanel = nullptr;
  CtlScroll* PageWidthBox = nullptr;   // CtlScroll1
  CtlScroll* PageHeightBox = nullptr;  // CtlScroll2
  QScrollBar* Hs1 = nullptr;
  QScrollBar* Vs1 = nullptr;

  const MainLayout& Layout() const { return layout_; }
  // Mirrors the engine's panel state: sliders, value boxes, enabled and pressed buttons.
  void ShowState(const WindowState& state);
  // Opens or closes a right-panel section (0..3) or, with -1, the "Properties" panel.
  void SetSectionOpen(int section, bool open);
  bool SectionOpen(int section) const;

 signals:
  void LaidOut();

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void BuildRightPanel(const FormDefinition& form);
  void BuildBottomPanel(const FormDefinition& form);
  void Relayout();
  void PlaceSectionContents();
  static void ShowButtons(ToolBarvs* bar, const ButtonState* states, int count);

  SceneWidget* scene_;
  QWidget* rightPanel_;
  QWidget* bottomPanel_;
  QWidget* tipBar_;
  QWidget* brushPanel_ = nullptr;
  std::array<QWidget*, 4> contents_{};
  MainLayout layout_;
};
