#include <gtest/gtest.h>

#include "shell/main_layout.h"

namespace {

MainLayoutInput Input(QSize client) {
  MainLayoutInput in;
  in.client = client;
  return in;
}

TEST(MainLayout, RegionsTileTheWindowWithoutOverlap) {
  const MainLayout l = ComputeMainLayout(Input(QSize(1000, 720)));
  EXPECT_EQ(l.commandBar, QRect(0, 0, 1000, 58));
  EXPECT_EQ(l.toolBar.top(), 58);
  EXPECT_EQ(l.toolBar.bottom(), 719);
  EXPECT_EQ(l.rightPanel.right(), 999);
  EXPECT_EQ(l.bottomPanel.bottom(), 719);
  EXPECT_EQ(l.bottomPanel.left(), l.toolBar.right() + 2);
  EXPECT_EQ(l.bottomPanel.right(), l.rightPanel.left() - 3);
  EXPECT_EQ(l.vs1.left(), l.rightPanel.left() - l.vs1.width() - 2);
  EXPECT_EQ(l.hs1.bottom(), l.tipBar.top() - 2);
  EXPECT_EQ(l.canvas.right(), l.vs1.left() - 1);
  EXPECT_EQ(l.canvas.bottom(), l.hs1.top() - 1);
  for (const QRect& r : {l.toolBar, l.rightPanel, l.bottomPanel, l.vs1, l.hs1}) {
    EXPECT_FALSE(l.canvas.intersects(r));
  }
}

TEST(MainLayout, ClosedSectionsLeaveOnlyTheirTitles) {
  MainLayoutInput in = Input(QSize(1000, 720));
  in.sectionOpen = {true, false, true, true};
  const MainLayout l = ComputeMainLayout(in);
  // "Icon Resize" follows the collapsed "HUE/Saturation" title directly.
  EXPECT_EQ(l.sectionTitle[2].top(), l.sectionTitle[1].bottom() + 1);
  EXPECT_TRUE(l.sectionContent[1].isNull());
  EXPECT_EQ(l.sectionContent[0].top(), l.sectionTitle[0].bottom() + 1 + 15);
  EXPECT_EQ(l.layerToolBar.top(), l.sectionTitle[3].bottom() + 1);
  EXPECT_EQ(l.layerList.bottom(), l.rightPanel.height() - 1);
}

TEST(MainLayout, PropertiesPanelOpensTo170AndTheWindowKeepsItsMinimum) {
  MainLayoutInput in = Input(QSize(100, 100));
  in.propertiesOpen = true;
  const MainLayout l = ComputeMainLayout(in);
  EXPECT_EQ(l.bottomPanel.height(), 170);
  EXPECT_EQ(l.commandBar.width(), MinimumClientSize().width());
  EXPECT_EQ(MinimumClientSize(), QSize(833, 666));
}

}  // namespace
