// Document sections in tests: the bytes a writer produces, and reading them back with a check
// that every byte was used.
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

// Reads `bytes` with `read` and expects the stream to succeed and be used up.
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
