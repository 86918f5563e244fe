#include "document/embedded_data.h"

#include "document/module_resource.h"

bool KQ_EmbeddedData::LoadFromModule(HMODULE pack, const wchar_t* type) {
  ResourceBytes found;
  if (!pack || !FindResourceBytes(pack, id, type, found)) return false;
  const auto* first = static_cast<const uint8_t*>(found.bytes);
  bytes.assign(first, first + found.size);
  return true;
}
