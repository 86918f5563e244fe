// Holds one reference to a COM interface and gives it back exactly once. A copy holds a
// reference of its own, so vectors of holders can be copied freely. The references move
// through the same two helpers as every plain COM pointer of the player.
#pragma once

#include <utility>

#include "render/com_references.h"

template <class Interface>
class ComHolder {
public:
  ComHolder() = default;
  // Takes over a reference the caller owns (a freshly created object).
  explicit ComHolder(Interface* adopted) : pointer_(adopted) {}
  ComHolder(const ComHolder& other) { ShareReference(&pointer_, other.pointer_); }
  ComHolder(ComHolder&& other) noexcept : pointer_(std::exchange(other.pointer_, nullptr)) {}
  ComHolder& operator=(const ComHolder& other) {
    ShareReference(&pointer_, other.pointer_);
    return *this;
  }
  ComHolder& operator=(ComHolder&& other) noexcept {
    std::swap(pointer_, other.pointer_);
    return *this;
  }
  ~ComHolder() { Release(); }

  // Releases the held interface, if any, and holds none.
  void Release() { ReleaseAndNull(&pointer_); }

  // Takes over a reference the caller owns (a freshly created object), releasing the old one.
  void Adopt(Interface* pointer) {
    Release();
    pointer_ = pointer;
  }

  // Holds a reference of its own to `pointer` (which may be null), releasing the old one.
  void Share(Interface* pointer) { ShareReference(&pointer_, pointer); }

  Interface* Get() const { return pointer_; }
  Interface* operator->() const { return pointer_; }
  // For creation calls that return their object through a pointer: releases what is held and
  // hands out the slot.
  Interface** Out() {
    Release();
    return &pointer_;
  }

private:
  Interface* pointer_ = nullptr;
};
