#pragma once

#include <windows.h>

#include <cstdint>

#include "document/data_blob.h"

// One asset: with a name, the content of the file of that name (or, without bytes, the file
// to read from that path); with an empty name, resource `id` of type "DDS" in content pack
// `module`, the bytes (when present) being a copy of it.
struct KQ_EmbeddedData : DataBlob {
  int32_t id = 0;
  kq_string module;

  KQ_EmbeddedData() = default;
  KQ_EmbeddedData(int32_t resource_id, kq_string module_name)
      : id(resource_id), module(std::move(module_name)) {}

  // bytes := a copy of resource `id` of `type` in the loaded pack `pack`; false (bytes
  // unchanged) when there is no such resource.
  bool LoadFromModule(HMODULE pack, const wchar_t* type);
};
