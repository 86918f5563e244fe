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
  explicit GuardedBytes(const std::vector<uint8_t>& bytes) : size_(bytes.size()) {
    SYSTEM_INFO info;
    GetSystemInfo(&info);
    const size_t page = info.dwPageSize;
    readable_ = (size_ + page - 1) / page * page;
    if (readable_ == 0) readable_ = page;
    base_ = static_cast<uint8_t*>(
        VirtualAlloc(nullptr, readable_ + page, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE));
    DWORD old;
    VirtualProtect(base_ + readable_, page, PAGE_NOACCESS, &old);
    if (size_ > 0) std::memcpy(Data(), bytes.data(), size_);
  }
  ~GuardedBytes() { VirtualFree(base_, 0, MEM_RELEASE); }
  GuardedBytes(const GuardedBytes&) = delete;
  GuardedBytes& operator=(const GuardedBytes&) = delete;

  const uint8_t* Data() const { return base_ + readable_ - size_; }
  uint8_t* Data() { return base_ + readable_ - size_; }
  size_t Size() const { return size_; }

private:
  size_t size_;
  size_t readable_ = 0;
  uint8_t* base_ = nullptr;
};

}  // namespace testing_support
