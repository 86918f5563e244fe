// The history behind an undo control: the last seen value (the snapshot) and up to 20 earlier
// values, newest first, with a cursor. Steps swap the snapshot with an entry instead of
// copying it, so an undone value stays in the history for the redo that follows.
#pragma once

#include <cstddef>
#include <list>
#include <utility>

template <class T>
class UndoHistory {
public:
  static constexpr size_t Capacity = 20;

  explicit UndoHistory(const T& snapshot) : snapshot_(snapshot) {}
  UndoHistory(const UndoHistory&) = delete;
  UndoHistory& operator=(const UndoHistory&) = delete;

  const T& Snapshot() const { return snapshot_; }
  void TakeSnapshot(const T& value) { snapshot_ = value; }
  size_t Size() const { return entries_.size(); }

  // Records the snapshot as the newest entry, dropping what redo could still have reached.
  void PushSnapshot() {
    entries_.erase(entries_.begin(), cursor_);
    entries_.push_front(snapshot_);
    if (entries_.size() > Capacity) entries_.pop_back();
    cursor_ = entries_.begin();
  }

  // Swaps the snapshot with the entry at the cursor and moves the cursor one entry older;
  // false when there is nothing older.
  bool StepOlder() {
    if (cursor_ == entries_.end()) return false;
    const auto at = cursor_++;
    std::swap(snapshot_, *at);
    return true;
  }

  // Moves the cursor one entry newer and swaps the snapshot with that entry; false when the
  // cursor is already at the newest entry.
  bool StepNewer() {
    if (cursor_ == entries_.begin()) return false;
    --cursor_;
    std::swap(snapshot_, *cursor_);
    return true;
  }

private:
  T snapshot_;
  std::list<T> entries_;
  typename std::list<T>::iterator cursor_ = entries_.end();
};
