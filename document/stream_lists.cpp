#include "document/stream_lists.h"

namespace {

// Reads the count, then elements into a scratch list until the count is reached or the stream
// fails; the count is never trusted for an allocation up front.
template <class Container, class ReadElement>
void AppendCounted(KQ_IOF_Virtual& stream, Container& destination, ReadElement read_element) {
  unsigned long count = 0;
  stream.ReadULong(count);
  Container read;
  for (unsigned long i = 0; i < count && !stream.Failed(); ++i) {
    typename Container::value_type element{};
    read_element(element);
    read.push_back(std::move(element));
  }
  if (stream.Failed()) return;
  for (auto& element : read) destination.push_back(std::move(element));
}

template <class Container, class WriteElement>
void WriteCounted(KQ_IOF_Virtual& stream, const Container& values, WriteElement write_element) {
  stream.WriteULong(static_cast<unsigned long>(values.size()));
  for (const auto& value : values) write_element(value);
}

}  // namespace

void ReadFloatVector(KQ_IOF_Virtual& stream, std::vector<float>& values) {
  AppendCounted(stream, values, [&](float& v) { stream.ReadFloat(v); });
}

void WriteFloatVector(KQ_IOF_Virtual& stream, const std::vector<float>& values) {
  WriteCounted(stream, values, [&](float v) { stream.WriteFloat(v); });
}

void ReadEmbeddedDataVector(KQ_IOF_Virtual& stream, std::vector<KQ_EmbeddedData>& values) {
  AppendCounted(stream, values, [&](KQ_EmbeddedData& v) { stream.ReadEmbeddedData(v); });
}

void WriteEmbeddedDataVector(KQ_IOF_Virtual& stream, const std::vector<KQ_EmbeddedData>& values) {
  WriteCounted(stream, values, [&](const KQ_EmbeddedData& v) { stream.WriteEmbeddedData(v); });
}

void ReadEmbeddedDataList(KQ_IOF_Virtual& stream, std::list<KQ_EmbeddedData>& values) {
  AppendCounted(stream, values, [&](KQ_EmbeddedData& v) { stream.ReadEmbeddedData(v); });
}
