// The undo control that every MediaParamT carries as its first control. Its snapshot follows
// every change of the setting; Record, Undo and Redo step through the history, and a step
// that changes the value tells the setting's other controls (not this one).
#pragma once

#include "document/media_control_t.h"
#include "document/undo_history.h"

template <class T>
class MediaParamT;

template <class T>
class UndoCtrlT final : public MediaControlT<MediaParamT<T>> {
public:
  explicit UndoCtrlT(MediaParamT<T>& owner) : history_(owner.Get()) { this->Attach(owner); }

  void OnChanged(MediaControl*) override {
    if (MediaParamT<T>* owner = this->Watched()) history_.TakeSnapshot(owner->Get());
  }

  void Record() { history_.PushSnapshot(); }
  void Undo() {
    if (history_.StepOlder()) Apply();
  }
  void Redo() {
    if (history_.StepNewer()) Apply();
  }

  const T& Snapshot() const { return history_.Snapshot(); }
  size_t HistorySize() const { return history_.Size(); }

private:
  void Apply() {
    MediaParamT<T>* owner = this->Watched();
    if (!owner || SameSettingValue(owner->Get(), history_.Snapshot())) return;
    owner->Store(history_.Snapshot());
    owner->NotifyObservers(this);
  }

  UndoHistory<T> history_;
};
