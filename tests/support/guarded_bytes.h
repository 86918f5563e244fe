// Bytes placed at the very end of a readable page, followed by a page that faults on any
// access: a reader that steps even one byte past the end crashes the test instead of
// silently reading whatever follows.
#pragma once

#include <windows.h>

#include <cstdint>
#include <cstring>
#include <vector>

namespace testing_support {

class GuardedBytes {
public:
  explicit GuardedBytes(const std::vector<uint8_t>& bytes) : GuardedBytes(bytes.size()) {
    Place(bytes.data(), bytes.size());
  }
  // Room for up to `capacity` bytes, so that a test trying many cuts of one document places
  // each of them without a new allocation.
  static GuardedBytes WithRoomFor(size_t capacity) { return GuardedBytes(capacity); }
  ~GuardedBytes() { VirtualFree(base_, 0, MEM_RELEASE); }
  GuardedBytes(const GuardedBytes&) = delete;
  GuardedBytes& operator=(const GuardedBytes&) = delete;

  // Puts `size` bytes (at most the room there is) right before the faulting page.
  void Place(const uint8_t* bytes, size_t size) {
    size_ = size < readable_ ? size : readable_;
    if (size_ > 0) std::memcpy(Data(), bytes, size_);
  }

  const uint8_t* Data() const { return base_ + readable_ - size_; }
  uint8_t* Data() { return base_ + readable_ - size_; }
  size_t Size() const { return size_; }

private:
  explicit GuardedBytes(size_t capacity) {
    SYSTEM_INFO info;
    GetSystemInfo(&info);
    const size_t page = info.dwPageSize;
    readable_ = (capacity + page - 1) / page * page;
    if (readable_ == 0) readable_ = page;
    base_ = static_cast<uint8_t*>(
        VirtualAlloc(nullptr, readable_ + page, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE));
    DWORD old;
    VirtualProtect(base_ + readable_, page, PAGE_NOACCESS, &old);
  }

  size_t size_ = 0;
  size_t readable_ = 0;
  uint8_t* base_ = nullptr;
};

}  // namespace testing_support
