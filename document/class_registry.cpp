#include "document/class_registry.h"

std::unique_ptr<KQ_IOF_Item> ReadByClassName(KQ_IOF_Virtual& stream,
                                             const ClassRegistry& registry) {
  kq_string class_name;
  unsigned long version = 0;
  stream.ReadString(class_name);
  stream.ReadULong(version);
  if (stream.Failed()) return nullptr;
  const auto found = registry.find(class_name);
  if (found == registry.end()) {
    stream.MarkFailed();
    return nullptr;
  }
  std::unique_ptr<KQ_IOF_Item> object = found->second->CreateAndRead(stream, version);
  if (stream.Failed()) return nullptr;
  return object;
}

std::unique_ptr<KQ_IOF_Item> ReadObjectByClassName(KQ_IOF_Virtual& stream) {
  return ReadByClassName(stream, IOF_Virtual_Reader::GetReaderRegistry());
}
