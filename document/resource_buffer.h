// The read cursor over the document bytes. It knows where the bytes end: a read that needs
// more than remains fails, and the failure sticks, so a truncated or hostile document can
// never make a reader step past the end.
#pragma once

#include <cstddef>
#include <cstdint>

class ResourceBuffer {
public:
  ResourceBuffer(const void* bytes, size_t size)
      : cursor_(static_cast<const uint8_t*>(bytes)), end_(cursor_ + size) {}

  // The next `count` bytes, advancing past them; null (and failed from then on) when fewer remain.
  const uint8_t* Take(size_t count) {
    if (failed_ || count > Remaining()) {
      failed_ = true;
      return nullptr;
    }
    const uint8_t* taken = cursor_;
    cursor_ += count;
    return taken;
  }

  const uint8_t* Cursor() const { return cursor_; }
  size_t Remaining() const { return failed_ ? 0 : static_cast<size_t>(end_ - cursor_); }
  bool Failed() const { return failed_; }
  void MarkFailed() { failed_ = true; }

private:
  const uint8_t* cursor_;
  const uint8_t* end_;
  bool failed_ = false;
};
