// Document sections as bytes in tests: what a writer makes of them, and reading bytes back with
// the check that every one of them was used.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <vector>

#include "document/kq_iof_r.h"
#include "document/kq_iof_w.h"

namespace testing_support {

inline std::vector<uint8_t> Written(const std::function<void(KQ_IOF_Virtual&)>& write) {
  KQ_IOF_W writer;
  write(writer);
  return writer.Bytes();
}

// Reads `bytes` with `read` and expects the whole of them to be used.
template <class Read>
auto ReadAll(const std::vector<uint8_t>& bytes, Read read) {
  ResourceBuffer buffer(bytes.data(), bytes.size());
  KQ_IOF_R<ResourceBuffer> stream(buffer);
  auto result = read(stream);
  EXPECT_FALSE(stream.Failed());
  EXPECT_EQ(0u, buffer.Remaining());
  return result;
}

}  // namespace testing_support
