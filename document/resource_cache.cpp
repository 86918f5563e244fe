#include "document/resource_cache.h"

#include "render/com_references.h"

ResourceCache::~ResourceCache() {
  for (auto& entry : guidTextures) ReleaseAndNull(&entry.second);
}
