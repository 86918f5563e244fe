// An unsigned slider setting that keeps the value its owner works with: result = offset +
// scale × value, as a float or as a byte (an alpha, say). A control of its own, attached right
// after the undo control, recomputes the result on every change, so bindings attached later
// already see the new result. Scale and offset belong to the owning class and are never
// stored; the document holds only the raw value, which is always read through Set.
//
//   UINTSclaleTo<float> strength{25, 0.002f};            // value 25, result 0.05
//   UINTSclaleTo<unsigned char> alpha{0, -2.55f, 255};   // value 0, result 255
#pragma once

#include <type_traits>

#include "document/media_control_t.h"
#include "document/media_param_t.h"
#include "document/setting_stream.h"

template <class T>
class UINTSclaleTo : public MediaParamT<unsigned int> {
  static_assert(std::is_same_v<T, float> || std::is_same_v<T, unsigned char>,
                "a slider scales to a float or to a byte");

public:
  UINTSclaleTo() = default;
  UINTSclaleTo(unsigned int value, float scale, float offset = 0.0f)
      : MediaParamT(value), scale_(scale), offset_(offset) {}
  // The copy takes the value, scale and offset, but none of the original's bindings.
  UINTSclaleTo(const UINTSclaleTo& other)
      : MediaParamT(other), scale_(other.scale_), offset_(other.offset_) {}

  // Takes scale, offset and value; the undo snapshot and the result follow, but, as with every
  // setting's assignment, no binding is told.
  UINTSclaleTo& operator=(const UINTSclaleTo& other) {
    MediaParamT::operator=(other.Get());
    SetScale(other.scale_, other.offset_);
    return *this;
  }
  // A bare raw value only ever reaches a scaled setting through Set.
  UINTSclaleTo& operator=(const unsigned int&) = delete;
  void Store(const unsigned int&) = delete;

  const T& Result() const { return result_; }
  float Scale() const { return scale_; }
  float Offset() const { return offset_; }

  void SetScale(float scale, float offset) {
    scale_ = scale;
    offset_ = offset;
    Recompute();
  }

private:
  class ResultControl final : public MediaControlT<MediaParamT<unsigned int>> {
  public:
    explicit ResultControl(UINTSclaleTo& owner) : owner_(owner) { Attach(owner); }
    void OnChanged(MediaControl*) override { owner_.Recompute(); }

  private:
    UINTSclaleTo& owner_;
  };

  void Recompute() {
    // The value is unsigned 32-bit and the sum is formed in double before it is rounded.
    const double sum = static_cast<double>(offset_) + static_cast<double>(scale_) * Get();
    if constexpr (std::is_same_v<T, float>) {
      result_ = static_cast<float>(sum);
    } else {
      // Truncated toward zero; sums outside 0..255 clamp instead of wrapping around.
      result_ = !(sum > 0.0) ? 0 : sum >= 255.0 ? 255 : static_cast<unsigned char>(sum);
    }
  }

  T result_ = 0;
  float scale_ = 1.0f;
  float offset_ = 0.0f;
  // Declared last: attaching it computes the result from the members above.
  ResultControl result_control_{*this};
};

// A slider setting whose result is a float; the same as UINTSclaleTo<float>.
template <class V>
class MediaFloat : public UINTSclaleTo<float> {
  static_assert(std::is_same_v<V, unsigned int>, "only MediaFloat<unsigned int> exists");

public:
  using UINTSclaleTo<float>::UINTSclaleTo;
};

// Scaled settings are always read through Set, so that the result follows the stored value.
template <class T>
void ReadSetting(KQ_IOF_Virtual& stream, UINTSclaleTo<T>& setting) {
  ReadAndSet(stream, setting);
}
