#include "history.h"

void History::Count(const UndoSnapshot& state, int direction) {
  for (const IconLayer& layer : state.Layers) {
    if (layer.Image.isNull()) continue;
    const void* key = layer.Image.constBits();
    BufferCount& entry = buffers_[key];
    if (direction > 0) {
      if (entry.Refs++ == 0) {
        entry.Bytes = static_cast<std::size_t>(layer.Image.sizeInBytes());
        bufferBytes_ += entry.Bytes;
      }
    } else if (--entry.Refs <= 0) {
      bufferBytes_ -= entry.Bytes;
      buffers_.erase(key);
    }
  }
}

void History::Store(int slot, UndoSnapshot state) {
  if (slot < 0) return;
  if (slot >= static_cast<int>(slots_.size())) slots_.resize(slot + 1);
  Count(slots_[slot], -1);
  slots_[slot] = std::move(state);
  Count(slots_[slot], +1);
}

void History::ReleaseSlotsFrom(int first) {
  for (int i = static_cast<int>(slots_.size()) - 1; i >= first && i >= 0; --i) {
    Count(slots_[i], -1);
    slots_.pop_back();
  }
}

void History::Push(UndoSnapshot state) {
  Store(UndoPosition, std::move(state));
  ++UndoPosition;
  EnforceLimits();
}

void History::DiscardRedo() {
  ReleaseSlotsFrom(UndoPosition + 1);
  RedoCount = 0;
}

const UndoSnapshot* History::Undo(UndoSnapshot present) {
  ++RedoCount;
  Store(UndoPosition, std::move(present));
  --UndoPosition;
  if (UndoPosition < 0) {
    UndoPosition = 0;
    RedoCount = 0;
    return nullptr;
  }
  return &slots_[UndoPosition];
}

const UndoSnapshot* History::Redo() {
  if (RedoCount == 0 || UndoPosition + 1 >= static_cast<int>(slots_.size())) return nullptr;
  --RedoCount;
  ++UndoPosition;
  return &slots_[UndoPosition];
}

void History::Clear() {
  slots_.clear();
  buffers_.clear();
  bufferBytes_ = 0;
  UndoPosition = 0;
  RedoCount = 0;
}

void History::DropOldest() {
  Count(slots_.front(), -1);
  slots_.erase(slots_.begin());
  --UndoPosition;
}

void History::EnforceLimits() {
  while (static_cast<int>(slots_.size()) > kMaxSnapshots && UndoPosition > 1) DropOldest();
  while (budget_ > 0 && UndoPosition > kMinSteps && bufferBytes_ > budget_) DropOldest();
}
