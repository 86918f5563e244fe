#include "document/resource_cache.h"

#include "scene/com_references.h"

ResourceCache::~ResourceCache() {
  for (auto& entry : guidTextures) ReleaseAndNull(&entry.second);
}
