#pragma once

#include <cstddef>
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "core/icon_layer.h"

// One stored state of the document.
struct UndoSnapshot {
  int LayerCount = 0;
  int SelectedLayer = -1;
  std::vector<IconLayer> Layers;
};

// The linear history of whole-document snapshots. Layer images are shared copy-on-write between
// the live document and the snapshots, so a snapshot costs the layer records plus the pixels of
// the images that changed since the previous one.
//
// Limits: at most kMaxSnapshots states, and the images owned only by past states (not shared with
// a neighbour) are kept within a byte budget. Past either limit the oldest states are dropped,
// never the current state and never fewer than kMinSteps undo steps.
class History {
 public:
  static constexpr int kMaxSnapshots = 5001;
  static constexpr int kMinSteps = 10;
  static constexpr std::size_t kDefaultBudget = std::size_t(1) << 30;  // 1 GiB

  explicit History(std::size_t budgetBytes = kDefaultBudget) : budget_(budgetBytes) {}

  // The slot the next snapshot goes to; states before the current one are 0 .. UndoPosition - 1.
  int UndoPosition = 0;
  int RedoCount = 0;

  int SnapshotCount() const { return static_cast<int>(slots_.size()); }
  const UndoSnapshot& Slot(int index) const { return slots_.at(index); }

  // Stores `state` in slot UndoPosition and advances; drops the oldest states past the limits.
  void Push(UndoSnapshot state);
  // Releases every state above the current position.
  void DiscardRedo();
  // Stores the present state in slot UndoPosition (for Redo), steps back and returns the state to
  // load; nullptr at position 0 (the present is stored, nothing else changes).
  const UndoSnapshot* Undo(UndoSnapshot present);
  // Steps forward and returns the state to load; nullptr when there is nothing to redo.
  const UndoSnapshot* Redo();
  void Clear();

  // Bytes of the distinct pixel buffers the stored states hold (shared buffers counted once).
  std::size_t OwnedBytes() const { return bufferBytes_; }
  void SetBudget(std::size_t bytes) { budget_ = bytes; }

 private:
  void Store(int slot, UndoSnapshot state);
  void EnforceLimits();
  void DropOldest();

  void Count(const UndoSnapshot& state, int direction);
  void ReleaseSlotsFrom(int first);

  struct BufferCount {
    int Refs = 0;
    std::size_t Bytes = 0;
  };
  std::vector<UndoSnapshot> slots_;
  // Distinct pixel buffers held by the stored states, keyed by address (valid while held).
  std::unordered_map<const void*, BufferCount> buffers_;
  std::size_t bufferBytes_ = 0;
  std::size_t budget_;
};
