// A setting's value with its own undo history, attached as the setting's first control.
// Instances: int, unsigned int, unsigned long (colours) and D3DXVECTOR3.
#pragma once

#include "document/media_param_tb.h"
#include "document/undo_ctrl.h"

template <class T>
class MediaParamT : public MediaParamTB<T> {
public:
  MediaParamT() = default;
  explicit MediaParamT(const T& value) : MediaParamTB<T>(value) {}
  // Copies the value only: the copy has a fresh history and none of the original's bindings.
  MediaParamT(const MediaParamT& other) : MediaParamTB<T>(other) {}

  // Assignment changes the value and the undo snapshot; no other control is told.
  MediaParamT& operator=(const MediaParamT& other) { return *this = other.Get(); }
  MediaParamT& operator=(const T& value) {
    MediaParamTB<T>::operator=(value);
    undo_.OnChanged(nullptr);
    return *this;
  }

  UndoCtrlT<T>& UndoControl() { return undo_; }
  const UndoCtrlT<T>& UndoControl() const { return undo_; }

private:
  UndoCtrlT<T> undo_{*this};
};
