#include <gtest/gtest.h>

#include "core/history.h"
#include "imaging/argb.h"

namespace {

UndoSnapshot StateWith(int layers, int side, ARGB fill) {
  UndoSnapshot s;
  s.LayerCount = layers;
  for (int i = 0; i < layers; ++i) {
    IconLayer layer;
    QImage img(side, side, QImage::Format_ARGB32);
    img.fill(fill + i);
    layer.SetImage(img);
    s.Layers.push_back(layer);
  }
  return s;
}

TEST(History, DropsTheOldestStateAtTheSnapshotLimit) {
  History history(0);  // no byte budget
  for (int i = 0; i < History::kMaxSnapshots + 3; ++i) {
    UndoSnapshot s;
    s.SelectedLayer = i;
    history.Push(std::move(s));
  }
  EXPECT_EQ(history.SnapshotCount(), History::kMaxSnapshots);
  EXPECT_EQ(history.UndoPosition, History::kMaxSnapshots);
  EXPECT_EQ(history.Slot(0).SelectedLayer, 3);
  EXPECT_EQ(history.Slot(History::kMaxSnapshots - 1).SelectedLayer, History::kMaxSnapshots + 2);
}

TEST(History, SharedImagesCountOnceAndTheBudgetDropsOldSteps) {
  const UndoSnapshot same = StateWith(3, 64, 0xFF000000u);
  History history(0);
  for (int i = 0; i < 5; ++i) history.Push(same);
  EXPECT_EQ(history.OwnedBytes(), 3u * 64 * 64 * 4);

  const std::size_t perState = 64 * 64 * 4;
  History budgeted(perState * 12);
  for (int i = 0; i < 30; ++i) budgeted.Push(StateWith(1, 64, 0xFF000000u + i * 16));
  EXPECT_LE(budgeted.OwnedBytes(), perState * 12);
  EXPECT_GE(budgeted.UndoPosition, History::kMinSteps);
  EXPECT_EQ(budgeted.Slot(budgeted.UndoPosition - 1).Layers[0].Image.pixel(0, 0),
            0xFF000000u + 29 * 16);  // the newest state is always kept
}

TEST(History, KeepsTheMinimumStepsEvenOverBudget) {
  History history(1);
  for (int i = 0; i < 15; ++i) history.Push(StateWith(1, 8, 0xFF000000u + i));
  EXPECT_EQ(history.UndoPosition, History::kMinSteps);
}

TEST(History, UndoAtPositionZeroChangesNothing) {
  History history;
  EXPECT_EQ(history.Undo(UndoSnapshot{}), nullptr);
  EXPECT_EQ(history.UndoPosition, 0);
  EXPECT_EQ(history.RedoCount, 0);
  EXPECT_EQ(history.Redo(), nullptr);
}

TEST(History, DiscardRedoReleasesTheirImages) {
  History history(0);
  history.Push(StateWith(1, 32, 0xFF000001u));
  const UndoSnapshot* back = history.Undo(StateWith(1, 32, 0xFF000002u));
  ASSERT_NE(back, nullptr);
  EXPECT_EQ(history.OwnedBytes(), 2u * 32 * 32 * 4);
  history.DiscardRedo();
  EXPECT_EQ(history.OwnedBytes(), 32u * 32 * 4);
  EXPECT_EQ(history.Redo(), nullptr);
}

}  // namespace
