#include "main_layout.h"

#include <algorithm>

namespace {
constexpr int kTwipsPerPixel = 15;  // 1440 twips per inch at 96 pixels per inch
constexpr int kSectionGap = 15;
}  // namespace

QSize MinimumClientSize() { return QSize(12500 / kTwipsPerPixel, 10000 / kTwipsPerPixel); }

MainLayout ComputeMainLayout(const MainLayoutInput& in) {
  MainLayout out;
  const int w = std::max(in.client.width(), MinimumClientSize().width());
  const int h = std::max(in.client.height(), MinimumClientSize().height());
  const int below = in.commandBarHeight;

  out.commandBar = QRect(0, 0, w, in.commandBarHeight);
  out.toolBar = QRect(0, below, in.toolBarWidth, h - below);
  out.rightPanel = QRect(w - in.rightPanelWidth, below, in.rightPanelWidth, h - below);

  const int bottomHeight = in.propertiesOpen ? in.bottomPanelOpenHeight : in.titleHeight;
  const int bottomLeft = out.toolBar.right() + 1 + 1;
  out.bottomPanel = QRect(bottomLeft, h - bottomHeight,
                          out.rightPanel.left() - bottomLeft - 2, bottomHeight);
  out.tipBar = QRect(out.bottomPanel.left(), out.bottomPanel.top() - in.tipBarHeight,
                     out.bottomPanel.width(), in.tipBarHeight);

  const int scrollBottom = out.tipBar.top();
  out.hs1 = QRect(out.bottomPanel.left(), scrollBottom - in.scrollBarExtent - 1,
                  out.rightPanel.left() - in.scrollBarExtent - out.bottomPanel.left() - 2,
                  in.scrollBarExtent);
  out.vs1 = QRect(out.rightPanel.left() - in.scrollBarExtent - 2, below, in.scrollBarExtent,
                  out.hs1.top() - below);
  out.canvas = QRect(out.bottomPanel.left(), below, out.vs1.left() - out.bottomPanel.left(),
                     out.hs1.top() - below);

  // Sections stack from the top of the right panel; a closed one is only its title bar.
  int y = 0;
  const int panelWidth = in.rightPanelWidth;
  for (int i = 0; i < 4; ++i) {
    out.sectionTitle[i] = QRect(0, y, panelWidth, in.titleHeight);
    y += in.titleHeight;
    if (!in.sectionOpen[i]) continue;
    if (i == 3) {
      out.layerToolBar = QRect(0, y, panelWidth, in.layerToolBarHeight);
      const int listTop = y + in.layerToolBarHeight;
      out.layerList = QRect(0, listTop, panelWidth, std::max(out.rightPanel.height() - listTop, 0));
      out.sectionContent[i] = QRect(0, y, panelWidth, out.rightPanel.height() - y);
      y = out.rightPanel.height();
    } else {
      out.sectionContent[i] = QRect(0, y + kSectionGap, panelWidth, in.sectionContentHeight[i]);
      y += kSectionGap + in.sectionContentHeight[i];
    }
  }
  return out;
}
