#pragma once

#include <QString>

#include <array>

// What the window shows of the engine's state: slider positions, enabled and pressed buttons,
// menu states, the caption. Commands write it; the window mirrors it into its widgets after each
// command and holds no document logic of its own.
struct SliderState {
  int Value = 0;
  bool Enabled = false;
};

struct ButtonState {
  bool Enabled = true;
  bool Pressed = false;
};

// Command-bar (ToolBarvs1) buttons, numbered as the bar numbers them (1-based).
enum CommandButton : int {
  CmdNew = 1, CmdOpen = 2, CmdImport = 3, CmdSave = 4, CmdExport = 5, CmdUndo = 6, CmdRedo = 7,
  CmdZoomIn = 9, CmdZoomOut = 10, CmdOriginalSize = 11,
};

// Layer tool bar (ToolBarvs4) buttons.
enum LayerButton : int {
  LayerNew = 1, LayerRemove = 2, LayerHide = 3, LayerSetOrder = 5, LayerMergeDown = 6,
};

struct MenuState {
  bool Import = false;
  bool Save = false;
  bool Export = false;
  bool Undo = false;
  bool Redo = false;
  bool Blur = false;
  bool Sharpen = false;
};

struct WindowState {
  QString Caption = QStringLiteral("Vorkel Glyphsmithy 7");

  // Right panel sliders.
  SliderState CtlScroll21;  // layer opacity
  SliderState HUEscroll;
  SliderState BrightnessScroll;
  SliderState SaturationScroll;
  SliderState ContrastScroll;
  SliderState ScaleScroll;  // Icon Resize
  QString HueValue = QStringLiteral("0");
  QString BrightnessValue = QStringLiteral("0");
  QString SaturationValue = QStringLiteral("0");
  QString ContrastValue = QStringLiteral("0");
  QString ScaleValue = QStringLiteral("0");

  // Properties panel page size boxes.
  SliderState PageWidthBox;   // CtlScroll1
  SliderState PageHeightBox;  // CtlScroll2
  bool PageWidthChanged = false;  // the page-width box's "Change" tag, read by Original Size

  std::array<ButtonState, 14> CommandBar{};  // index = CommandButton, 0 unused
  std::array<ButtonState, 7> LayerBar{};     // index = LayerButton, 0 unused
  MenuState Menus;
  bool SceneExists = false;  // the canvas's "Exist" tag: a document is open

  // The six right-panel sliders are enabled together: exactly when a layer is selected.
  void SetLayerSlidersEnabled(bool enabled) {
    for (SliderState* s : {&CtlScroll21, &HUEscroll, &BrightnessScroll, &SaturationScroll,
                           &ContrastScroll, &ScaleScroll}) {
      s->Enabled = enabled;
    }
  }
};
