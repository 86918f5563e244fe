// A setting's value without undo. Set is the change that the setting's controls hear about;
// assignment (owners giving defaults, copies) and Store (readers of plain values) change the
// value quietly.
#pragma once

#include <windows.h>
#include <d3dx9math.h>

#include "document/kq_string.h"
#include "document/media_param.h"

// The value of a setting before anything is assigned: zero. D3DX vectors have an empty default
// constructor, so they are zeroed explicitly.
template <class T>
T ZeroSettingValue() {
  return T{};
}
template <>
inline D3DXVECTOR3 ZeroSettingValue<D3DXVECTOR3>() {
  return D3DXVECTOR3(0.0f, 0.0f, 0.0f);
}

// Whether two values of a setting are the same; vectors and points compare every component.
template <class T>
bool SameSettingValue(const T& a, const T& b) {
  return a == b;
}
inline bool SameSettingValue(const POINT& a, const POINT& b) { return a.x == b.x && a.y == b.y; }

template <class T>
class MediaParamTB : public MediaParam {
public:
  using ValueType = T;

  MediaParamTB() : value_(ZeroSettingValue<T>()) {}
  explicit MediaParamTB(const T& value) : value_(value) {}
  MediaParamTB(const MediaParamTB& other) : MediaParam(other), value_(other.value_) {}

  MediaParamTB& operator=(const MediaParamTB& other) {
    value_ = other.value_;
    return *this;
  }
  MediaParamTB& operator=(const T& value) {
    value_ = value;
    return *this;
  }

  const T& Get() const { return value_; }

  // A different value is stored and every control is told; an equal one changes nothing.
  void Set(const T& value) {
    if (SameSettingValue(value_, value)) return;
    value_ = value;
    NotifyObservers(nullptr);
  }

  // Stores the value and tells no control (readers of plain values, undo steps).
  void Store(const T& value) { value_ = value; }

private:
  T value_;
};
