#pragma once

#include <QRect>
#include <QSize>

#include <array>

// Where the regions of the editor window go for a client size and the open sections: command
// bar on top, tool bar down the left, right panel of stacked sections, bottom "Properties" panel,
// canvas with its scroll bars in the rest. Pure geometry, so it is tested without widgets.
struct MainLayoutInput {
  QSize client;
  int commandBarHeight = 58;
  int toolBarWidth = 36;
  int rightPanelWidth = 220;
  int scrollBarExtent = 17;
  int bottomPanelOpenHeight = 170;
  int titleHeight = 24;        // a section title bar
  int tipBarHeight = 26;
  bool propertiesOpen = false;  // CtlTitle4
  // Right-panel sections top to bottom: Icon Opacity, HUE/Saturation, Icon Resize, Layer.
  std::array<bool, 4> sectionOpen{};
  std::array<int, 4> sectionContentHeight{60, 150, 70, 0};  // Layer fills what is left
  int layerToolBarHeight = 28;
};

struct MainLayout {
  QRect commandBar;
  QRect toolBar;
  QRect rightPanel;
  QRect bottomPanel;
  QRect tipBar;
  QRect canvas;
  QRect hs1;
  QRect vs1;
  // Within the right panel (panel coordinates).
  std::array<QRect, 4> sectionTitle;
  std::array<QRect, 4> sectionContent;  // empty when the section is closed
  QRect layerToolBar;
  QRect layerList;
};

// The smallest client size the window accepts: 12500 x 10000 twips at 96 dots per inch.
QSize MinimumClientSize();

MainLayout ComputeMainLayout(const MainLayoutInput& in);
